# The 64-bit Windows program (Windows XP x64 and later), run under Wine's 64-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RAVELO_MINGW_TRIPLET x86_64-w64-mingw32)
set(RAVELO_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
