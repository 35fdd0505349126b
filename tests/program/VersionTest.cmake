# Runs PROGRAM --version: it must print exactly its name and version and succeed.
execute_process(COMMAND "${PROGRAM}" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "Varnolt 0.63\n")
  message(FATAL_ERROR "--version: exit ${result}, output [${output}], errors [${errors}]")
endif()
