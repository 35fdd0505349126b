# Runs LogBytes.* of the UI tests in German under a German locale and under
# C.UTF-8, and fails unless both wrote the same bytes.
# -DTESTS=<ui_tests> -DWORK=<folder>
set(files asciiExportButton excelExportButton stored.txt)
foreach(run german plain)
  file(REMOVE_RECURSE "${WORK}/${run}")
  file(MAKE_DIRECTORY "${WORK}/${run}")
endforeach()
set(german LANGUAGE=de VARNOLT_TEST_LANGUAGE=de LC_ALL=de_DE.UTF-8)
set(plain LANGUAGE= VARNOLT_TEST_LANGUAGE=en LC_ALL=C.UTF-8)
foreach(run german plain)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${${run}} VARNOLT_LOG_BYTES=${WORK}/${run}
            ${TESTS} --gtest_filter=LogBytes.*
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "The ${run} run failed:\n${output}")
  endif()
endforeach()
foreach(name ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          "${WORK}/german/${name}" "${WORK}/plain/${name}"
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    file(READ "${WORK}/german/${name}" german_bytes)
    file(READ "${WORK}/plain/${name}" plain_bytes)
    message(FATAL_ERROR "${name} differs:\n--- German\n${german_bytes}\n--- C.UTF-8\n${plain_bytes}")
  endif()
endforeach()
message(STATUS "Same bytes in German and in C.UTF-8: ${files}")
