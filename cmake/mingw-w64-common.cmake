# Cross build for Windows with Debian's MinGW-w64, included by the toolchain file of each
# architecture after it sets RAVELO_MINGW_TRIPLET and RAVELO_WINE_LOADER. The results run under
# Wine. The "-win32" compilers keep the runtime free of libwinpthread, whose imports Windows XP
# lacks; the program starts no thread of its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${RAVELO_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${RAVELO_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${RAVELO_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${RAVELO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# Debian keeps Wine's loaders out of PATH.
find_program(RAVELO_WINE NAMES ${RAVELO_WINE_LOADER} PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RAVELO_WINE})
