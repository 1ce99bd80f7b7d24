#pragma once

// Where the program may load DLLs from: the system folder only. Windows looks for a DLL that
// is not one of its known ones in the program's own folder first, and a download folder may
// hold anything; so before any window or dialog exists, the search is narrowed to the system
// folder where Windows can (Windows 8 on, and Vista and 7 with update KB2533623), and the DLLs
// that the windows, the common controls and the file dialog load by name are loaded from there
// by their full path first, each before the DLLs that load it by name, so that no later load by
// name looks anywhere else.
namespace ravelo {

enum class DllSearch {
    kNarrowest,  // all that this Windows offers
    // As on a Windows without SetDefaultDllDirectories, where the preloading alone keeps the
    // program's folder out; for the tests, on a Windows that has it.
    kWithoutSetDefaultDllDirectories,
};

void restrictDllSearch(DllSearch way = DllSearch::kNarrowest);

// Loads the DLLs that the program's windows and dialogs load by name later on, each from the
// system folder (by its full path where Windows cannot be told to search that folder alone);
// what this Windows lacks is left out.
void preloadSystemDlls(DllSearch way = DllSearch::kNarrowest);

// Their names, ending in a null.
const wchar_t *const *preloadedDlls();

}  // namespace ravelo
