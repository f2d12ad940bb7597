# Cross-compiles the 64-bit part of the capture library (and the 64-bit
# build of its tests' target program) with MinGW-w64 x86_64. Used by the
# Windows build itself (nhw32/CMakeLists.txt), not as a preset of its own.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VODARI_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
