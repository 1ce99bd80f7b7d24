#pragma once

#include <chrono>
#include <functional>

#include "platform/clock.h"
#include "platform/controls.h"

namespace ravelo {

// A pause in which the toolkit goes on handling window events: a wait of zero seconds or less
// does nothing; a positive one reads its start once, in single precision, handles the events
// already waiting, then waits for more until its time has passed. The toolkit sleeps while no
// event arrives, so a pause costs no processor time.
class EventPauser final : public Pauser {
public:
    // Waits at most `wait` for an event to arrive (not at all for zero), then handles every
    // event that is waiting, each as the main loop would. False once the program was asked to
    // quit: the pause then ends at once.
    using HandleEvents = std::function<bool(std::chrono::milliseconds wait)>;

    EventPauser(const Clock &clock, HandleEvents handleEvents);
    void Pause(float seconds) override;

private:
    const Clock &clock_;
    HandleEvents handleEvents_;
};

}  // namespace ravelo
