#pragma once

#include "platform/clock.h"
#include "platform/controls.h"

namespace ravelo {

// Handles every window message that is waiting, each as the main loop would, and returns.
// False when the program was asked to quit.
bool handlePendingMessages();

// The program's main loop: until the program quits. Returns the exit status.
int runMessageLoop();

// Waits while window messages go on being handled (shortcuts and dialog keys included); while
// none arrives the process sleeps.
class MessageLoopPauser final : public Pauser {
public:
    explicit MessageLoopPauser(const Clock &clock) : clock_(clock) {}
    void Pause(float seconds) override;

private:
    const Clock &clock_;
};

}  // namespace ravelo
