# Read by ctest before it runs (the variables come from oxalde_pruebas in CMakeLists.txt): one
# test per test suite of `programa`, named <carpeta>.<suite>, which runs the suite's cases in one
# process. The suites are listed from the program itself whenever it is newer than the last list,
# so a new suite needs no change here.
if(NOT EXISTS "${programa}")
  add_test("${carpeta}_NOT_BUILT" "${carpeta}_NOT_BUILT")
  return()
endif()
if(NOT EXISTS "${lista}" OR "${programa}" IS_NEWER_THAN "${lista}")
  execute_process(COMMAND "${programa}" --gtest_list_tests
    OUTPUT_VARIABLE salida ERROR_VARIABLE errores RESULT_VARIABLE resultado TIMEOUT 60)
  if(NOT resultado EQUAL 0)
    file(REMOVE "${lista}")
    message(FATAL_ERROR "${programa} --gtest_list_tests failed (${resultado}):\n${salida}${errores}")
  endif()
  file(WRITE "${lista}" "${salida}")
endif()

# The list is "Suite." lines, each followed by its cases indented ("  Case"), either with a
# "  # ..." remark for parameterised ones. A suite whose cases are all disabled has nothing to run.
file(READ "${lista}" salida)
string(REPLACE ";" "," salida "${salida}")
string(REPLACE "\n" ";" lineas "${salida}")
set(suites "")
foreach(linea IN LISTS lineas)
  if(linea MATCHES "^([^ ]+)\\.")
    set(suite "${CMAKE_MATCH_1}")
  elseif(linea MATCHES "^  ([^ ]+)" AND NOT suite MATCHES "^DISABLED_" AND NOT CMAKE_MATCH_1 MATCHES "^DISABLED_")
    list(APPEND suites "${suite}")
  endif()
endforeach()
list(REMOVE_DUPLICATES suites)
foreach(suite IN LISTS suites)
  add_test("${carpeta}.${suite}" "${programa}" "--gtest_filter=${suite}.*")
  set_tests_properties("${carpeta}.${suite}" PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${carpeta}")
endforeach()
