#pragma once

#include <windows.h>

// Loading one of Windows' own DLLs from the system folder, and its own imports from there too,
// whatever the DLL search of the moment.
namespace ravelo {

// LOAD_LIBRARY_SEARCH_SYSTEM32, which the headers of XP do not name.
inline constexpr DWORD kSearchSystem32 = 0x00000800;

// Whether this Windows knows LOAD_LIBRARY_SEARCH_SYSTEM32 (Windows 8 on, and Vista and 7 with
// update KB2533623, which brought SetDefaultDllDirectories with it).
bool searchesSystemFolderAlone();

// Through LOAD_LIBRARY_SEARCH_SYSTEM32 where `searchFlag` says to use it, and elsewhere by the
// full path in the system folder (whose imports the loader then looks for beside it first).
// Null when this Windows lacks it.
HMODULE loadSystemDll(const wchar_t *name, bool searchFlag = searchesSystemFolderAlone());

}  // namespace ravelo
