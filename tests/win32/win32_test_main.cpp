#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

// The window tests start as the program does: COM for the dialogs and the picture, common
// controls 6.
int main(int argc, char **argv) {
    OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
