// vatro-journal: the teacher's class table. With --list or --csv it works without a window,
// for scripts and administrators: the lessons found, or one lesson as one table.
#include "quiz/atomicfile.h"
#include "quiz/numbertext.h"
#include "quiz/textcodec.h"
#include "results/lessontable.h"
#include "scalesetting.h"
#include "view/journal/runjournal.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vatro;

// Exit statuses: everything read; a file skipped or read in part; nothing read or written.
constexpr int AllRead = 0;
constexpr int SomeSkipped = 1;
constexpr int NothingRead = 2;

void print(std::ostream& stream, std::u16string_view text) {
    stream << utf16ToUtf8(text) << '\n' << std::flush;
}

constexpr std::u16string_view Usage =
    u"Использование: vatro-journal [ПАПКА…]\n"
    u"               vatro-journal --list [ПАПКА…]\n"
    u"               vatro-journal --csv ФАЙЛ [--lesson N] [ПАПКА…]\n"
    u"Журнал класса: результаты всех компьютеров класса, по урокам.\n"
    u"Без --list и --csv открывает окно. По умолчанию читает папки журнала этого\n"
    u"компьютера (JournalFolder= в vatro.conf, ~/Ватро/Журнал, ~/.local/share/vatro/Журнал).\n"
    u"  --list          напечатать уроки, по номерам\n"
    u"  --csv ФАЙЛ      записать таблицу урока одним файлом (- — на стандартный вывод)\n"
    u"  --lesson N      урок с этим номером из --list (по умолчанию — последний)\n"
    u"Код выхода: 0 — всё прочитано, 1 — какой-то файл пропущен или прочитан не целиком,\n"
    u"2 — ничего не прочитано или таблица не записана.";

struct Arguments {
    bool help = false;
    bool wrong = false;
    bool list = false;
    std::optional<std::string> csv;
    std::optional<int> lesson;
    std::vector<std::filesystem::path> folders;
};

Arguments parse(int argc, char* argv[]) {
    Arguments arguments;
    bool optionsOver = false;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (optionsOver || !argument.starts_with("-")) {
            arguments.folders.push_back(pathFromUtf8(argument));
        } else if (argument == "--") {
            optionsOver = true;
        } else if (argument == "-h" || argument == "--help") {
            arguments.help = true;
        } else if (argument == "--list") {
            arguments.list = true;
        } else if (argument == "--csv" && n + 1 < argc && !arguments.csv) {
            arguments.csv = argv[++n];
        } else if (argument == "--lesson" && n + 1 < argc && !arguments.lesson) {
            const std::string_view number = argv[++n];
            int lesson = 0;
            const auto [end, error] = std::from_chars(number.begin(), number.end(), lesson);
            arguments.wrong = arguments.wrong || error != std::errc{} || end != number.end();
            arguments.lesson = lesson;
        } else {
            arguments.wrong = true;
        }
    }
    arguments.wrong = arguments.wrong || (arguments.list && arguments.csv) ||
                      (arguments.lesson && !arguments.csv);
    return arguments;
}

std::u16string lessonNumber(std::size_t number, std::size_t of) {
    std::u16string text = decimal(static_cast<long long>(number));
    const std::size_t width = decimal(static_cast<long long>(of)).size();
    return std::u16string(width - std::min(width, text.size()), u' ') + text;
}

int runCommand(const Arguments& arguments) {
    const bool named = !arguments.folders.empty();
    const std::vector<std::filesystem::path> folders =
        named ? arguments.folders : defaultJournalFolders();
    const JournalScan scan = scanJournalFolders(folders, named);
    for (const std::u16string& problem : scan.problems)
        print(std::cerr, problem);
    const std::vector<Lesson> lessons = groupLessons(scan.runs);
    if (lessons.empty()) {
        std::u16string where;
        for (const auto& folder : folders)
            where += (where.empty() ? u"«" : u", «") + displayPath(folder) + u"»";
        print(std::cerr, u"Журналов класса не найдено в папках " + where + u".");
        return NothingRead;
    }
    if (arguments.list) {
        for (std::size_t l = 0; l < lessons.size(); ++l)
            print(std::cout, lessonNumber(l + 1, lessons.size()) + u"  " + lessonLine(lessons[l]));
        return scan.problems.empty() ? AllRead : SomeSkipped;
    }
    const int chosen = arguments.lesson.value_or(static_cast<int>(lessons.size()));
    if (chosen < 1 || chosen > static_cast<int>(lessons.size())) {
        print(std::cerr, u"Урока " + decimal(chosen) + u" нет: уроки пронумерованы от 1 до " +
                             decimal(static_cast<long long>(lessons.size())) +
                             u" (vatro-journal --list).");
        return NothingRead;
    }
    const LessonTable table = openLesson(lessons[static_cast<std::size_t>(chosen - 1)], scan.runs);
    bool skipped = !scan.problems.empty();
    for (const std::u16string& problem : table.problems) {
        skipped = true;
        if (std::find(scan.problems.begin(), scan.problems.end(), problem) == scan.problems.end())
            print(std::cerr, problem);
    }
    if (table.rows.empty()) {
        print(std::cerr, u"Из файлов урока не прочитано ни одной строки.");
        return NothingRead;
    }
    const std::string bytes = lessonCsv(table.rows);
    if (*arguments.csv == "-") {
        std::cout << bytes << std::flush;
    } else {
        const std::filesystem::path out = pathFromUtf8(*arguments.csv);
        if (const auto failed = writeFileAtomically(out, bytes)) {
            print(std::cerr, describeFileWriteError(*failed, out));
            return NothingRead;
        }
    }
    return skipped ? SomeSkipped : AllRead;
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = parse(argc, argv);
    if (arguments.help || arguments.wrong) {
        print(arguments.wrong ? std::cerr : std::cout, Usage);
        return arguments.wrong ? NothingRead : AllRead;
    }
    try {
        if (arguments.list || arguments.csv)
            return runCommand(arguments);
        vatro::applyScaleSetting();
        return vatro::runJournalWindow(argc, argv, arguments.folders);
    } catch (const std::exception& error) {
        std::cerr << "vatro-journal: " << error.what() << '\n';
        return NothingRead;
    }
}
