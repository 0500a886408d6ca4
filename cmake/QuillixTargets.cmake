# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that give every area of the core its own library, test program and
# benchmark program, so that an area builds and tests on its own.

# quillix_core_area(NAME [DEPS lib...]): library quillix_NAME from src/core/NAME/*.cpp.
function(quillix_core_area name)
  cmake_parse_arguments(AREA "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(sources)
    add_library(quillix_${name} STATIC ${sources})
    target_include_directories(quillix_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(quillix_${name} PUBLIC ${AREA_DEPS})
  else()
    add_library(quillix_${name} INTERFACE)
    target_include_directories(quillix_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(quillix_${name} INTERFACE ${AREA_DEPS})
  endif()
endfunction()

# quillix_test_area(DIR NAME [OWN_MAIN] LIBS lib...): test program test_NAME from
# DIR/*.cpp; OWN_MAIN when one of the libraries brings its own main().
function(quillix_test_area dir name)
  cmake_parse_arguments(TEST "OWN_MAIN" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(TEST_OWN_MAIN)
    target_link_libraries(test_${name} PRIVATE ${TEST_LIBS} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(test_${name} PRIVATE ${TEST_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 900)
endfunction()
