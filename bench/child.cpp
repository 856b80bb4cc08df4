#include "child.h"

#include "framewatch.h"
#include "report.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

extern char** environ;

namespace vatro::bench {

namespace {

namespace fs = std::filesystem;

std::string readAll(int fd, int timeoutMs, bool& timedOut) {
    std::string text;
    const long long deadline = monotonicNow() + static_cast<long long>(timeoutMs) * 1'000'000;
    char buffer[4096];
    timedOut = false;
    for (;;) {
        const long long left = (deadline - monotonicNow()) / 1'000'000;
        if (left <= 0) {
            timedOut = true;
            return text;
        }
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            return text;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

Environment inheritedEnvironment() {
    Environment env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            env[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return env;
}

Child run(const fs::path& program, const std::vector<std::string>& args, const Environment& env,
          const fs::path& folder, int timeoutMs, FrameWatch* watch) {
    std::vector<std::string> argStore{program.string()};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStore)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStore;
    for (const auto& [name, value] : env)
        envStore.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : envStore)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char errorsName[] = "/tmp/vatro-bench-stderr-XXXXXX";
    const int errors = mkostemp(errorsName, O_CLOEXEC);
    unlink(errorsName);

    Child child;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0 || errors < 0) {
        child.failure = "no pipe";
        return child;
    }
    if (watch)
        watch->forgetEarlier();
    child.startNs = monotonicNow();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    bool timedOut = false;
    std::optional<long long> frame;
    if (watch) {
        frame = watch->firstFrame(pid, child.startNs + timeoutMs * 1'000'000LL);
        kill(pid, SIGKILL);
    }
    const std::string text = readAll(out[0], timeoutMs, timedOut);
    close(out[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    child.maxRssKb = usage.ru_maxrss;
    const auto ns = [](timeval time) {
        return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_usec * 1000LL;
    };
    child.cpuNs = ns(usage.ru_utime) + ns(usage.ru_stime);

    child.output = text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            child.values[line.substr(0, equals)] = std::atoll(line.c_str() + equals + 1);
    }
    if (frame)
        child.values["first_frame_ns"] = *frame;
    // A watched program is ended by the watch, unless it ended first on its own.
    child.ok = frame ? (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                           (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                     : !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!child.ok) {
        std::string said(4096, '\0');
        lseek(errors, 0, SEEK_SET);
        const ssize_t got = read(errors, said.data(), said.size());
        said.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        child.failure = program.filename().string() +
                        (timedOut ? " timed out" : " failed, status " + std::to_string(status)) +
                        (said.empty() ? "" : ": " + said);
    }
    close(errors);
    return child;
}

Xvfb::Xvfb() {
    int fds[2];
    if (pipe(fds) != 0)
        return;
    const std::string displayFd = std::to_string(fds[1]);
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    bool timedOut = false;
    const std::string number = readAll(fds[0], 10'000, timedOut);
    close(fds[0]);
    if (m_pid > 0 && !number.empty() && number[0] >= '0' && number[0] <= '9')
        m_display = ":" + number.substr(0, number.find('\n'));
}

Xvfb::~Xvfb() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

long long Xvfb::cpuNs() const {
    std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long long user = 0;
    long long system = 0;
    for (int n = 3; fields >> field; ++n) {
        if (n == 14)
            user = std::atoll(field.c_str());
        if (n == 15) {
            system = std::atoll(field.c_str());
            break;
        }
    }
    return (user + system) * (1'000'000'000 / sysconf(_SC_CLK_TCK));
}

} // namespace vatro::bench
