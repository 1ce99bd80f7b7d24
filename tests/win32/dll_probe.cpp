// Loads the DLLs that a planted one would replace by their names alone, as a program that does
// not narrow its DLL search does: the proof that the planted ones are found at all.
#include <windows.h>

int main() {
    LoadLibraryW(L"uxtheme.dll");
    LoadLibraryW(L"msimg32.dll");
    return 0;
}
