// Exports the fullest list to the file named on its command line: the process that the kill
// test ends at random moments.
#include "files/append_file.h"
#include "support/full_export.h"

int wmain(int argc, wchar_t **argv) {
    if (argc != 2) {
        return 2;
    }
    return ravelo::appendWhole(argv[1], ravelo::testing::fullExportText()) ? 0 : 1;
}
