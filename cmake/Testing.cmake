# GoogleTest from the distribution: the host links the packaged libraries, the Windows build
# compiles the packaged sources with the cross compiler. Windows tests run through Wine (the
# cross-compiling emulator) inside a test fixture that provides the display and Wine prefix.

enable_testing()

if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  set(QM_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
  set(QM_WINE_ENV ${PROJECT_SOURCE_DIR}/tests/wine/wine-env.sh)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/wine-run.sh ${QM_WINE_DIR})

  add_test(NAME wine.start COMMAND ${QM_WINE_ENV} start ${QM_WINE_DIR})
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  add_test(NAME wine.stop COMMAND ${QM_WINE_ENV} stop ${QM_WINE_DIR})
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
else()
  find_package(GTest REQUIRED)
endif()

# qm_add_test(NAME name COMMAND cmd... [WILL_FAIL]) registers a test; on Windows it runs inside
# the Wine fixture.
function(qm_add_test)
  cmake_parse_arguments(ARG "WILL_FAIL" "NAME" "COMMAND" ${ARGN})
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 300)
  if(ARG_WILL_FAIL)
    set_tests_properties(${ARG_NAME} PROPERTIES WILL_FAIL TRUE)
  endif()
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endfunction()

# qm_gtest(target sources... LIBS libs...) builds a GoogleTest executable and registers it.
function(qm_gtest target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${target} ${ARG_UNPARSED_ARGUMENTS})
  qm_target_defaults(${target})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  qm_add_test(NAME ${target} COMMAND ${target})
endfunction()
