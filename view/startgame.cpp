#include "startgame.h"

#include "eventguard.h"
#include "library/playedquizzes.h"
#include "quiz/textcodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <system_error>

namespace vatro {

namespace {

// The program in this program's own folder (the package installs them side by side), else
// the one the system finds on its path; empty when there is none.
QString programBeside(const QString& name) {
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
    if (beside.isFile() && beside.isExecutable())
        return beside.filePath();
    return QStandardPaths::findExecutable(name);
}

bool startGameProgram(const std::filesystem::path& folder) {
    const QString game = programBeside(QStringLiteral("vatro"));
    return !game.isEmpty() &&
           QProcess::startDetached(game, {QString::fromStdString(folder.string())});
}

GameStarter& starter() {
    static GameStarter current = startGameProgram;
    return current;
}

} // namespace

void rememberPlayedQuiz(const std::filesystem::path& folder) {
    const auto list = library::playedListFile();
    if (!list)
        return;
    // On stderr through C's stdio: the C++ streams would set up their locales at every start
    // of every program linked with this file.
    if (const auto failed = library::rememberPlayed(*list, folder))
        std::fprintf(stderr, "%s\n", utf16ToUtf8(*failed).c_str());
}

bool startGame(const std::filesystem::path& given) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(given, error);
    if (error || !starter()(folder)) {
        showProblem(u"Не удалось запустить игру на папке «" + displayPath(folder) +
                    u"»: программа vatro не найдена рядом с этой или не запускается.");
        return false;
    }
    rememberPlayedQuiz(folder);
    return true;
}

bool startClassJournal() {
    const QString journal = programBeside(QStringLiteral("vatro-journal"));
    if (!journal.isEmpty() && QProcess::startDetached(journal, {}))
        return true;
    showProblem(u"Не удалось открыть журнал класса: программа vatro-journal не найдена рядом с "
                u"этой или не запускается.");
    return false;
}

GameStarter setGameStarter(GameStarter replacement) {
    GameStarter previous = std::move(starter());
    starter() = std::move(replacement);
    return previous;
}

} // namespace vatro
