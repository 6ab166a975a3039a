# Draws the icon again and compares it with the committed file, byte for byte.
execute_process(COMMAND ${SKINART} --icon ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skinart --icon failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} differs from what skinart draws; run skinart --icon")
endif()
