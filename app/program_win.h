#pragma once

namespace ravelo {

// The program once it has started up (app/start_up_win.h): the main window, until it closes.
// Returns the program's exit status.
int runProgram(int show);

}  // namespace ravelo
