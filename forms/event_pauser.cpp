#include "forms/event_pauser.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ravelo {

EventPauser::EventPauser(const Clock &clock, HandleEvents handleEvents)
    : clock_(clock), handleEvents_(std::move(handleEvents)) {}

void EventPauser::Pause(float seconds) {
    if (!(seconds > 0.0f)) {
        return;
    }
    const auto start = static_cast<float>(clock_.seconds());
    if (!handleEvents_(std::chrono::milliseconds(0))) {
        return;
    }
    while (!waitOver(start, clock_.seconds(), seconds)) {
        const double left =
            std::max(static_cast<double>(seconds) - (clock_.seconds() - start), 0.0);
        const auto wait =
            std::chrono::milliseconds(static_cast<long long>(std::ceil(left * 1000.0)));
        if (!handleEvents_(std::max(wait, std::chrono::milliseconds(1)))) {
            return;
        }
    }
}

}  // namespace ravelo
