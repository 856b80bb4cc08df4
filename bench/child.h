#pragma once

// Starting the measured programs and the X server they draw on, and what a program reports.
#include <filesystem>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vatro::bench {

class FrameWatch;

struct Child {
    std::string output;                      // all it printed
    std::map<std::string, long long> values; // the name=value lines among it
    long long startNs = 0;                   // just before it was started
    long maxRssKb = 0;
    long long cpuNs = 0; // its processor time, start to end
    bool ok = false;
    std::string failure;
};

using Environment = std::map<std::string, std::string>;

Environment inheritedEnvironment();

// Runs a program in a folder with the environment, its output read as name=value lines.
// With a frame watch, the program is ended as soon as its first frame is on the screen,
// and that moment is its value "first_frame_ns".
Child run(const std::filesystem::path& program, const std::vector<std::string>& args,
          const Environment& env, const std::filesystem::path& folder, int timeoutMs,
          FrameWatch* watch = nullptr);

// An X server of this run's own, without a screen; stopped again when this goes.
class Xvfb {
public:
    Xvfb();
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool running() const { return !m_display.empty(); }
    const std::string& display() const { return m_display; }
    // The server's own processor time so far, in nanoseconds.
    long long cpuNs() const;

private:
    pid_t m_pid = -1;
    std::string m_display;
};

} // namespace vatro::bench
