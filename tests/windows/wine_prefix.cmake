# Makes the Wine prefix named by WINEPREFIX, unless it is there already.
if(EXISTS "$ENV{WINEPREFIX}/system.reg")
  return()
endif()
execute_process(COMMAND ${WINEBOOT} -i RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wineboot -i failed: ${result}")
endif()
# Until the prefix is complete on disk.
execute_process(COMMAND ${WINESERVER} -w)
