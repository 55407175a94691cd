include_guard(GLOBAL)

# What a user installs on Windows carries no debug information. The project's own modules keep
# theirs apart: after each link it is moved into <module>.debug beside the module, which names
# that file (with its checksum) so that a debugger finds it there. The toolchain's runtime is
# shipped stripped the same way, without a file beside it.
if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "objcopy is needed to strip the debug information from the Windows modules")
endif()
set(DD_STRIP_MODULE ${CMAKE_OBJCOPY} --strip-all)

function(dd_split_debug_info target)
  set(module $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${module} ${module}.debug
    COMMAND ${DD_STRIP_MODULE} --add-gnu-debuglink=${module}.debug ${module}
    VERBATIM)
endfunction()
