# Fails when the given program depends on a Qt shared library.
execute_process(COMMAND ldd ${BINARY} OUTPUT_VARIABLE deps RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd failed on ${BINARY}")
endif()
if(deps MATCHES "libQt")
  message(FATAL_ERROR "the logic layer links Qt:\n${deps}")
endif()
message(STATUS "no Qt library in ${BINARY}")
