#pragma once

#include <functional>

namespace vatro {

// A periodic timer; the view decides how often it really ticks.
class Timer {
public:
    bool Enabled = true;
    int Interval = 0; // milliseconds, as designed
    std::function<void()> Tick;

    void tick() {
        if (Enabled && Tick)
            Tick();
    }
};

} // namespace vatro
