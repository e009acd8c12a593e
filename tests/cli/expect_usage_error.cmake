# Runs PROGRAM with ARGS and passes when it exits 2 with nothing on stdout and,
# on stderr, only "flange-calc: <MESSAGE>" and the pointer to --help.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(expected "flange-calc: ${MESSAGE}\nTry 'flange-calc --help'.\n")
if(NOT status EQUAL 2 OR NOT err STREQUAL expected OR NOT out STREQUAL "")
  message(FATAL_ERROR "expected exit 2 and [${expected}] on stderr, got ${status}: [${out}] [${err}]")
endif()
