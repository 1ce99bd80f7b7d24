#pragma once

#include <chrono>

namespace ravelo {

// Handles Qt's events for a pause: waits at most `wait` in a local event loop, handling events
// as they arrive while the process sleeps, or, for no wait, handles the events already queued.
bool handleQtEvents(std::chrono::milliseconds wait);

}  // namespace ravelo
