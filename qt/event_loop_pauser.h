#pragma once

#include "platform/clock.h"
#include "platform/controls.h"

namespace ravelo {

// Waits in the toolkit's event loop: window events are handled as they arrive, and while none
// arrives the process sleeps.
class EventLoopPauser final : public Pauser {
public:
    explicit EventLoopPauser(const Clock &clock) : clock_(clock) {}
    void Pause(float seconds) override;

private:
    const Clock &clock_;
};

}  // namespace ravelo
