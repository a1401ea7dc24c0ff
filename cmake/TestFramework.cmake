# Provides GTest::gtest and GTest::gtest_main. A native build uses the
# installed library. A cross build compiles the framework for the target from
# the sources of Debian's googletest package, since the installed library is
# built for the host; the test programs are then listed when CTest runs them
# (under the emulator) rather than while building.
if(CMAKE_CROSSCOMPILING)
  set(QUARLIN_GTEST_SOURCE_DIR /usr/src/googletest/googletest
      CACHE PATH "GoogleTest sources compiled for a cross build")
  if(NOT EXISTS ${QUARLIN_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${QUARLIN_GTEST_SOURCE_DIR}: "
                        "install Debian's googletest package")
  endif()
  add_subdirectory(${QUARLIN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                   EXCLUDE_FROM_ALL SYSTEM)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
else()
  find_package(GTest REQUIRED)
endif()
