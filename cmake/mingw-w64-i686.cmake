# The 32-bit Windows program (Windows XP SP3 and later), run under Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(RAVELO_MINGW_TRIPLET i686-w64-mingw32)
set(RAVELO_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
