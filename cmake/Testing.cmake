# GoogleTest, built from Debian's sources with whichever toolchain is active.
# Elsewhere (MSYS2 on Windows, say) an installed GoogleTest serves.
set(BALLS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${BALLS_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${BALLS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Wine starts a process in a fraction of a second but can take far longer
# when the machine is busy, so discovery and each test get generous limits.
set(BALLS_TEST_TIMEOUT 120)

# balls_add_test(NAME SOURCES ... LIBS ...): one GoogleTest executable whose
# tests CTest runs one process per test.
function(balls_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()  # built for warnings only: nothing here can run it
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT ${BALLS_TEST_TIMEOUT}
    PROPERTIES TIMEOUT ${BALLS_TEST_TIMEOUT})
endfunction()
