#include "qthost.h"

#include "eventguard.h"
#include "results/journalplaces.h"
#include "settings/settings.h"
#include "view/editor/openeditor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>

#include <cstring>
#include <ctime>

namespace vatro {

namespace {

// The local time of day, from the C library, which reads the time zone once; Qt's reading
// looks the zone up again every time, and the clock asks every second.
struct LocalTime {
    int seconds; // since midnight
    long nanoseconds;
};

LocalTime localTimeOfDay() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec, now.tv_nsec};
}

} // namespace

int QtHost::timeOfDay() {
    return localTimeOfDay().seconds;
}

double QtHost::secondsSinceMidnight() {
    const LocalTime now = localTimeOfDay();
    return now.seconds + now.nanoseconds / 1e9;
}

void QtHost::randomize(double seed) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    m_generator.seed(bits);
}

double QtHost::random() {
    // The top 53 bits as a fraction: never 1, unlike some library distributions.
    return static_cast<double>(m_generator() >> 11) * 0x1.0p-53;
}

std::u16string QtHost::inputBox(const std::u16string& prompt) {
    // QInputDialog runs its own event loop, in which the clock's timer keeps firing.
    bool accepted = false;
    const QString text = QInputDialog::getText(
        QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
        QString::fromStdU16String(prompt), QLineEdit::Normal, QString(), &accepted);
    return accepted ? text.toStdU16String() : std::u16string();
}

void QtHost::showError(const std::u16string& message) {
    showProblem(message);
}

void QtHost::endProgram() {
    // An editor with unsaved changes asks first.
    endProgramAfterEditors();
}

std::optional<std::filesystem::path> QtHost::quizFolder() {
    // The working folder is the folder itself, not its name: renamed, it is still the one the
    // game was started in. Deleted, or deleted and put back as a new folder, it has no name.
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return std::nullopt;
    return folder;
}

std::vector<std::u16string> QtHost::settingsProblems() {
    return machineSettings().problems;
}

std::vector<std::filesystem::path> QtHost::journalFolders() {
    return vatro::journalFolders(machineSettings().values);
}

std::u16string QtHost::computerName() {
    return vatro::computerName(machineSettings().values);
}

LocalDateTime QtHost::localDateTime() {
    const std::time_t now = std::time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

void QtHost::openEditor(const std::filesystem::path& folder) {
    openEditorWindow(folder);
}

} // namespace vatro
