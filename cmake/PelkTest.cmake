# pelk_add_test(<name> SOURCES <files...> LIBS <targets...> [DATA <dir>])
# One Qt Test executable, run by CTest on the offscreen platform. Test data
# folders are passed to the test as PELK_TEST_DATA.
function(pelk_add_test name)
  cmake_parse_arguments(ARG "" "DATA" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pelk_testsupport Qt6::Test ${ARG_LIBS})
  if(ARG_DATA)
    target_compile_definitions(${name} PRIVATE PELK_TEST_DATA="${ARG_DATA}")
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PELK_BIN_DIR=${PELK_BIN_DIR};ASAN_OPTIONS=detect_leaks=0"
    TIMEOUT 600)
endfunction()
