#include "qthost.h"

#include "quiz/textcodec.h"
#include "view/editor/openeditor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <cstring>
#include <ctime>
#include <iostream>

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
    std::cerr << utf16ToUtf8(message) << std::endl;
    // Without a screen nobody could close the box, and the program would hang on it.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ватро"),
                          QString::fromStdU16String(message));
}

void QtHost::endProgram() {
    // An editor with unsaved changes asks first.
    endProgramAfterEditors();
}

std::filesystem::path QtHost::quizFolder() {
    return std::filesystem::current_path();
}

void QtHost::openEditor(const std::filesystem::path& folder) {
    openEditorWindow(folder);
}

} // namespace vatro
