# The settings both MinGW-w64 toolchain files share: the compilers of the
# target named by VODARI_MINGW_TARGET (posix thread model, which GoogleTest
# needs), found only in that target's root.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VODARI_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VODARI_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${VODARI_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VODARI_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
