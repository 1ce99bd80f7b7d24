#pragma once

#include <chrono>

namespace ravelo {

// Handles every window message that is waiting, each as the main loop would, and returns.
// False when the program was asked to quit.
bool handlePendingMessages();

// The program's main loop: until the program quits. Returns the exit status.
int runMessageLoop();

// Handles the window messages of a pause: waits at most `wait` for one to arrive, sleeping
// meanwhile, then handles every message that is waiting (shortcuts and dialog keys included).
// False when the program was asked to quit.
bool handleMessages(std::chrono::milliseconds wait);

}  // namespace ravelo
