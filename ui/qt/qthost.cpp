#include "qthost.h"

#include "game/textcodec.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>

#include <cstring>
#include <iostream>

namespace vatro {

namespace {
constexpr int MillisecondsPerSecond = 1000;
} // namespace

int QtHost::timeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / MillisecondsPerSecond;
}

double QtHost::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / double(MillisecondsPerSecond);
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
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

std::filesystem::path QtHost::quizFolder() {
    return std::filesystem::current_path();
}

} // namespace vatro
