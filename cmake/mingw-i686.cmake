# Cross-compiles 32-bit Windows programs with MinGW-w64 and runs the results
# through Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VODARI_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

find_program(WINE_PROGRAM wine)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()
