#pragma once

// A program's first frame as the X server sees it: the first drawing into a window the
// program mapped. Measured from outside, it holds whatever the program does before its
// pixels reach the screen, and needs no hook in the program.
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

namespace vatro::bench {

class FrameWatch {
public:
    explicit FrameWatch(const std::string& display);
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    bool connected() const { return m_x != nullptr; }

    // Forgets what the server told of earlier programs: called just before a start.
    void forgetEarlier();

    // Waits for the first frame of the program just started as pid, in a window it made:
    // the moment on the monotonic clock, or nothing when the program ended first or the
    // deadline passed.
    std::optional<long long> firstFrame(pid_t pid, long long deadlineNs);

private:
    struct X;
    std::unique_ptr<X> m_x;
};

} // namespace vatro::bench
