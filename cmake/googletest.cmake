# GoogleTest: the system package natively; for Windows it is built from the
# sources Debian ships, with the cross compiler. Nothing is downloaded.

if(CMAKE_CROSSCOMPILING OR WIN32)
  set(VODARI_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  if(NOT EXISTS "${VODARI_GTEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest sources not found at ${VODARI_GTEST_SOURCE} (install googletest)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory("${VODARI_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
