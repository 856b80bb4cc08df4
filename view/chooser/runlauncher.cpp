#include "runlauncher.h"

#include "chooserwindow.h"
#include "library/newquizfolder.h"
#include "library/playedquizzes.h"
#include "library/quizlibrary.h"
#include "library/quizsummary.h"
#include "quiz/textcodec.h"
#include "settings/settings.h"
#include "view/eventguard.h"
#include "view/startgame.h"
#include "view/viewmanager.h"

#include <QApplication>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vatro {

namespace {

namespace fs = std::filesystem;

enum class Mode { Play, Choose, Edit };

struct Arguments {
    Mode mode = Mode::Play;
    bool help = false;
    std::vector<std::string> passOn; // the rest, for the game (Qt's own options)
};

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "--edit")
            arguments.mode = Mode::Edit;
        else if (argument == "--choose")
            arguments.mode = Mode::Choose;
        else if (argument == "-h" || argument == "--help")
            arguments.help = true;
        else
            arguments.passOn.emplace_back(argument);
    }
    return arguments;
}

// The folder this program lies in: the others are installed beside it.
fs::path ownFolder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path();
}

// The sample quiz installed with the programs, as ../share/vatro/quiz beside them.
std::optional<fs::path> installedSample() {
    const fs::path sample = (ownFolder() / ".." / "share" / "vatro" / "quiz").lexically_normal();
    std::error_code error;
    if (ownFolder().empty() || !fs::is_directory(sample, error))
        return std::nullopt;
    return sample;
}

// Tells why nothing started; a window of its own when the launcher had none yet.
int failed(const std::u16string& message) {
    if (QApplication::instance()) {
        showProblem(message);
        return 1;
    }
    int argc = 1;
    char name[] = "vatro-launch";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    prepareApplication(app);
    showProblem(message);
    return 1;
}

// Becomes the program beside this one (found on the path when it is not there); returns
// only when that failed.
int become(const std::string& program, const std::vector<std::string>& arguments) {
    const fs::path beside = ownFolder() / program;
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (::access(beside.c_str(), X_OK) == 0)
        ::execv(beside.c_str(), argv.data());
    else
        ::execvp(program.c_str(), argv.data());
    return failed(u"Не удалось запустить программу " + utf8ToUtf16(program) + u": " +
                  utf8ToUtf16(std::strerror(errno)) + u".");
}

int play(const fs::path& folder, const Arguments& arguments) {
    rememberPlayedQuiz(folder);
    std::vector<std::string> words{folder.string()};
    words.insert(words.end(), arguments.passOn.begin(), arguments.passOn.end());
    return become("vatro", words);
}

int edit(const fs::path& folder) {
    return become("vatro-edit", {folder.string()});
}

// The editor on ~/Ватро, which gets a copy of the sample as a start of her own quiz.
int editOwnRoot(const std::optional<fs::path>& sample) {
    const auto root = library::ownQuizRoot();
    if (!root)
        return failed(u"Нет домашней папки: негде хранить викторину.");
    std::error_code error;
    fs::create_directories(*root, error);
    if (sample) {
        if (const auto problem = library::copyQuizFiles(*sample, *root))
            return failed(*problem);
    }
    return edit(*root);
}

int choose(int argc, char** argv, const std::vector<library::QuizPlace>& places,
           const std::optional<fs::path>& sample, const Arguments& arguments) {
    QApplication app(argc, argv);
    prepareApplication(app);
    std::vector<library::QuizSummary> quizzes;
    for (const library::QuizPlace& place : places)
        quizzes.push_back(library::summarizeQuiz(place));
    const auto list = library::playedListFile();
    library::orderForChooser(quizzes, list ? library::readPlayed(*list) : std::vector<fs::path>{});

    ChooserWindow window(std::move(quizzes), sample, machineSettings().problems);
    window.exec();
    switch (window.choice()) {
    case ChooserWindow::Choice::Play:
        return play(window.folder(), arguments);
    case ChooserWindow::Choice::Edit:
        return edit(window.folder());
    case ChooserWindow::Choice::None:
        break;
    }
    return 0;
}

} // namespace

int runLauncher(int argc, char** argv) {
    const Arguments arguments = parse(argc, argv);
    if (arguments.help) {
        std::cout << "Использование: vatro-launch [--choose | --edit]\n"
                     "Запускает игру Ватро на викторине из библиотеки (~/Ватро и папки "
                     "QuizLibrary из vatro.conf),\nа если викторин несколько — показывает их "
                     "список. --choose: всегда список;\n--edit: редактор своей викторины.\n";
        return 0;
    }
    const std::optional<fs::path> sample = installedSample();
    const std::vector<library::QuizPlace> quizzes =
        library::findQuizzes(library::libraryPlaces(machineSettings().values, sample));
    if (arguments.mode == Mode::Play && quizzes.size() == 1)
        return play(quizzes.front().folder, arguments);
    if (arguments.mode == Mode::Edit) {
        std::vector<fs::path> own;
        for (const library::QuizPlace& quiz : quizzes) {
            if (quiz.home == library::Home::Own)
                own.push_back(quiz.folder);
        }
        if (own.empty())
            return editOwnRoot(sample);
        if (own.size() == 1)
            return edit(own.front());
    }
    return choose(argc, argv, quizzes, sample, arguments);
}

} // namespace vatro
