#pragma once

#include <chrono>

namespace ravelo {

// Seconds since the clock was made, from a clock that never goes back.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
};

class MonotonicClock final : public Clock {
public:
    double seconds() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Whether a wait of `seconds` that began at `start` has ended at `now`. The difference is
// compared in single precision, the precision in which waits are given.
inline bool waitOver(float start, double now, float seconds) {
    return static_cast<float>(now - start) >= seconds;
}

}  // namespace ravelo
