include_guard(GLOBAL)

# The Windows module that a user installs carries no debug information: after each link it is
# moved into <module>.debug beside the module, which names that file (with its checksum) so that
# a debugger finds it there.
function(dd_split_debug_info target)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "objcopy is needed to keep the debug information of ${target} apart")
  endif()
  set(module $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${module} ${module}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${module}.debug ${module}
    VERBATIM)
endfunction()
