# GoogleTest, built from Debian's sources with whichever toolchain is active.
# Elsewhere (MSYS2 on Windows, say) an installed GoogleTest serves.
set(BALLS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${BALLS_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${BALLS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Only its assertions' speed would gain from optimising it, and none of
  # them is slow; unoptimised, it builds in a fraction of the time.
  target_compile_options(gtest PRIVATE -O0 -g0)
  target_compile_options(gtest_main PRIVATE -O0 -g0)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Wine starts a process in a fraction of a second but can take far longer
# when the machine is busy, so discovery and each test get generous limits.
set(BALLS_TEST_TIMEOUT 120)

# Where every process start is expensive (the 32-bit build runs under an
# emulated wine, seconds per process), CTest runs each test executable once,
# all its tests in one process, and each writes its results to
# BALLS_TEST_RESULTS as XML, where the test command counts them.
option(BALLS_TEST_PER_EXECUTABLE "Run each test executable once instead of once per test" OFF)
set(BALLS_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
# The tests see the build tree through wine's drive Z:, the Linux root; a
# path without a drive would be taken as relative to the working folder.
set(BALLS_TEST_RESULTS_ARG ${BALLS_TEST_RESULTS})
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(BALLS_TEST_RESULTS_ARG Z:${BALLS_TEST_RESULTS})
endif()
set(BALLS_EXECUTABLE_TIMEOUT 1200)

# Tests that run under wine take one wine slot each (tools/wine-env.sh): a
# prefix, server and display of their own, so that tests side by side never
# see each other's windows. balls_wine_tests(TEST...) gives them theirs.
set(BALLS_WINE_TEST_PROPERTIES "")
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(BALLS_WINE_TEST_PROPERTIES RESOURCE_GROUPS wine:1)
endif()
function(balls_wine_tests)
  if(BALLS_WINE_TEST_PROPERTIES)
    set_tests_properties(${ARGN} PROPERTIES ${BALLS_WINE_TEST_PROPERTIES})
  endif()
endfunction()

# balls_test_precompiled(TARGET): a test target compiles with the tests'
# precompiled header (tests/support), where there is one.
function(balls_test_precompiled target)
  if(TARGET test_precompiled)
    target_precompile_headers(${target} REUSE_FROM test_precompiled)
  endif()
endfunction()

# balls_add_test(NAME SOURCES ... LIBS ... [ALONE SUITE ...]): one GoogleTest
# executable whose tests CTest runs one process per test. Suites listed
# under ALONE need a process of their own even where an executable runs its
# tests together (a process whose runtime was never started, say).
function(balls_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ALONE" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  balls_test_precompiled(${name})
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()  # built for warnings only: nothing here can run it
  endif()
  if(BALLS_TEST_PER_EXECUTABLE)
    set(others "")
    foreach(suite ${ARG_ALONE})
      add_test(NAME ${name}.${suite}
               COMMAND ${name} --gtest_filter=${suite}.* --gtest_output=xml:${BALLS_TEST_RESULTS_ARG}/${name}.${suite}.xml)
      balls_wine_tests(${name}.${suite})
      list(APPEND others "${suite}.*")
    endforeach()
    set(together "")
    if(others)
      list(JOIN others ":" others)
      set(together --gtest_filter=-${others})
    endif()
    add_test(NAME ${name}
             COMMAND ${name} ${together} --gtest_output=xml:${BALLS_TEST_RESULTS_ARG}/${name}.xml)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${BALLS_EXECUTABLE_TIMEOUT})
    balls_wine_tests(${name})
    return()
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${BALLS_TEST_TIMEOUT}
    PROPERTIES TIMEOUT ${BALLS_TEST_TIMEOUT} ${BALLS_WINE_TEST_PROPERTIES})
endfunction()
