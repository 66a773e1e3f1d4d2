# Runs one golden case of tabletreplay: the first line of the report file,
# "# args: ...", gives the command line; standard output must equal the
# expected file. With VARNEX_UPDATE_GOLDEN set in the environment the expected
# file is written instead.
#   cmake -DTOOL=<tabletreplay> -DCASE=<file.hex> -DEXPECTED=<file.expected> -P RunReplayCase.cmake

file(STRINGS ${CASE} first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^# args: (.*)$")
  message(FATAL_ERROR "${CASE}: the first line must be \"# args: ...\"")
endif()
separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
get_filename_component(case_dir ${CASE} DIRECTORY)

execute_process(COMMAND ${TOOL} ${args}
  INPUT_FILE ${CASE}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE result
  WORKING_DIRECTORY ${case_dir})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tabletreplay ${args} exited with ${result}: ${errors}")
endif()

if(DEFINED ENV{VARNEX_UPDATE_GOLDEN})
  file(WRITE ${EXPECTED} "${output}")
  return()
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  file(WRITE ${CASE}.actual "${output}")
  execute_process(COMMAND diff -u ${EXPECTED} ${CASE}.actual)
  file(REMOVE ${CASE}.actual)
  message(FATAL_ERROR "${CASE}: the output differs from ${EXPECTED}")
endif()
