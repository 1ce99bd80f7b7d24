// A DLL planted beside a program: when loaded, it leaves a file named after itself with
// ".loaded" added, and does nothing else.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t marker[MAX_PATH + 8] = {};
        const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
        lstrcpyW(marker + length, L".loaded");
        CloseHandle(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return TRUE;
}
