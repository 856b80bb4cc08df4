#include "eventguard.h"

#include "qttranslation.h"
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace vatro {

namespace {

ProblemReporter& reporter() {
    static ProblemReporter current = showProblem;
    return current;
}

std::u16string describe(std::exception_ptr failure) {
    const std::u16string goesOn =
        u"\nИгра продолжается: результаты игроков сохранены. Если ошибка повторится, "
        u"выведите рейтинг из меню и перепишите его, прежде чем перезапускать игру.";
    try {
        std::rethrow_exception(failure);
    } catch (const QuizFileError& error) {
        return error.text();
    } catch (const std::exception& error) {
        return u"Непредвиденная ошибка в игре: " + utf8ToUtf16(error.what()) + u"." + goesOn;
    } catch (...) {
        return u"Непредвиденная ошибка в игре." + goesOn;
    }
}

// On stderr, through C's stdio: the C++ streams would set up their locales at every start
// for these few lines.
void tell(const std::u16string& message) {
    std::fprintf(stderr, "%s\n", utf16ToUtf8(message).c_str());
}

} // namespace

bool guardedCall(const std::function<void()>& call, bool report) {
    // A message box runs its own event loop, in which the clock or another event may fail
    // again: one box at a time, the rest on stderr.
    static bool reporting = false;
    try {
        call();
        return true;
    } catch (...) {
        const std::u16string message = describe(std::current_exception());
        if (!report || reporting) {
            tell(message);
            return false;
        }
        reporting = true;
        try {
            reporter()(message);
        } catch (...) {
            tell(message);
        }
        reporting = false;
        return false;
    }
}

void showProblem(const std::u16string& message) {
    tell(message);
    // Without a screen nobody could close the box, and the program would hang on it.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    translateQtTexts();
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ватро"),
                          QString::fromStdU16String(message));
}

ProblemReporter setProblemReporter(ProblemReporter replacement) {
    ProblemReporter previous = std::move(reporter());
    reporter() = std::move(replacement);
    return previous;
}

} // namespace vatro
