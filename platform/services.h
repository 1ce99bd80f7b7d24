#pragma once

#include <functional>

#include "files/byte_file.h"
#include "platform/controls.h"
#include "platform/end_program.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/special_folder.h"

namespace ravelo {

// What the main window's commands ask of the system: its file dialog, message boxes and waits,
// its folders, the cache files it reads, and the end of the program. A front end hands one
// bundle to its main window, which fills in what the front end left empty and hands the same
// bundle to every command. Tests put in their own.
struct Services {
    FileChooser *chooser = nullptr;  // empty: the front end's own
    MessageBoxes *messages = nullptr;
    Pauser *pauser = nullptr;
    SpecialFolderRequest specialFolder = requestSpecialFolder;
    ByteSourceOpener openFile = openByteFile;
    std::function<void()> endProgram = endProgramNow;
};

}  // namespace ravelo
