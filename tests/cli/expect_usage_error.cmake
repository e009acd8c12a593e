# Runs PROGRAM with ARGS and passes when it exits 2 with the usage on stderr.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "Usage: flange-calc" OR NOT out STREQUAL "")
  message(FATAL_ERROR "expected exit 2 and usage on stderr, got ${status}: [${out}] [${err}]")
endif()
