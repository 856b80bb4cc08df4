// The programs as the menu entry and a terminal start them: "vatro ПАПКА" names the folder
// it cannot play; vatro-launch, installed beside the game, plays the library's one quiz,
// remembers it, passes Qt's options on, and with --edit gives a teacher without a quiz of
// her own a copy of the sample.
#include "library/playedquizzes.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"

#include <QProcess>

#include <fstream>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

struct Finished {
    int exitCode = -1;
    QString output; // stdout and stderr
};

Finished run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

TEST(Programs, TheGameNamesTheFolderItCannotPlay) {
    QuizFolder empty;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const fs::path& folder : {empty.path() / "Оптика", empty.path()}) {
        const Finished game = run(QStringLiteral(VATRO_GAME_PROGRAM), {text(folder)}, environment);
        EXPECT_EQ(game.exitCode, 1) << game.output.toStdString();
        EXPECT_TRUE(game.output.contains(QStringLiteral("«%1»").arg(text(folder))))
            << game.output.toStdString();
    }
}

TEST(Programs, TheLauncherPlaysTheOneQuizAndRemembersItOrEditsACopyOfTheSample) {
    // An installation of its own: the launcher, stand-ins for the game and the editor that
    // tell what they were started with, and the sample quiz.
    QuizFolder install;
    const fs::path bin = install.path() / "bin";
    const fs::path sample = install.path() / "share/vatro/quiz";
    const fs::path home = install.path() / "home";
    const fs::path own = home / pathFromUtf8("Ватро");
    for (const fs::path& folder : {bin, home, sample})
        fs::create_directories(folder);
    fs::copy(VATRO_SAMPLE_QUIZ, sample, fs::copy_options::recursive);
    fs::copy_file(VATRO_LAUNCH_PROGRAM, bin / "vatro-launch");
    for (const char* program : {"vatro", "vatro-edit"}) {
        std::ofstream(bin / program) << "#!/bin/sh\necho \"${0##*/}|$*\"\n";
        fs::permissions(bin / program, fs::perms::owner_all);
    }
    // A home of its own (the sanitizers' settings kept), and no other vatro on the path.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), text(home));
    for (const char* unset : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
        environment.remove(QString::fromLatin1(unset));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), text(install.path() / "etc"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto launch = [&](const QStringList& arguments) {
        const Finished launcher = run(text(bin / "vatro-launch"), arguments, environment);
        EXPECT_EQ(launcher.exitCode, 0) << launcher.output.toStdString();
        return launcher.output.trimmed();
    };

    EXPECT_EQ(launch({}), QStringLiteral("vatro|") + text(sample));
    EXPECT_EQ(launch({QStringLiteral("--edit")}), QStringLiteral("vatro-edit|") + text(own));
    EXPECT_TRUE(fs::exists(own / pathFromUtf8("Справка1.txt")));
    EXPECT_EQ(launch({QStringLiteral("-style"), QStringLiteral("fusion")}),
              QStringLiteral("vatro|%1 -style fusion").arg(text(own)));
    EXPECT_EQ(library::readPlayed(home / ".local/state/vatro/played"),
              (std::vector<fs::path>{own, sample}));
}

} // namespace
} // namespace vatro::testing
