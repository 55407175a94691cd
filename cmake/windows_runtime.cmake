include_guard(GLOBAL)

# Every Windows module of the project, and any host that wants its exceptions to cross into the
# plug-in, uses the toolchain's C++ runtime as DLLs: one unwinder that knows the frames of every
# module, and one exception state, so that an abort the host throws through the plug-in's frames
# reaches the plug-in's handler. The build puts the runtime beside the modules, stripped; it
# ships with them.
include(${CMAKE_CURRENT_LIST_DIR}/split_debug_info.cmake)
set(DD_WINDOWS_RUNTIME_DLLS libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)

set(dd_runtime_copies)
foreach(dll IN LISTS DD_WINDOWS_RUNTIME_DLLS)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE source OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${source}" OR NOT EXISTS "${source}")
    message(FATAL_ERROR "The toolchain's runtime ${dll} was not found")
  endif()
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
  add_custom_command(OUTPUT ${copy} COMMAND ${DD_STRIP_MODULE} ${source} ${copy}
                     DEPENDS ${source} VERBATIM)
  list(APPEND dd_runtime_copies ${copy})
endforeach()
add_custom_target(dd_windows_runtime ALL DEPENDS ${dd_runtime_copies})
