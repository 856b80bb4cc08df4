// vatro-check: tells a teacher whether the game will play a quiz folder as meant, and with
// --fill-board builds the letter board from the answers.
#include "checker/quizcheck.h"
#include "editor/fillboard.h"
#include "quiz/textcodec.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

void print(std::u16string_view text) {
    std::cout << vatro::utf16ToUtf8(text) << std::flush;
}

struct Arguments {
    bool help = false;
    bool wrong = false;
    bool fillBoard = false;
    std::optional<std::uint32_t> seed;
    std::optional<std::string_view> folder;
};

Arguments parse(int argc, char* argv[]) {
    Arguments arguments;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "-h" || argument == "--help") {
            arguments.help = true;
        } else if (argument == "--fill-board") {
            arguments.fillBoard = true;
        } else if (argument == "--seed" && n + 1 < argc) {
            const std::string_view number = argv[++n];
            std::uint32_t seed = 0;
            const auto [end, error] = std::from_chars(number.begin(), number.end(), seed);
            arguments.wrong = arguments.wrong || error != std::errc{} || end != number.end();
            arguments.seed = seed;
        } else if (!arguments.folder && !argument.starts_with("--")) {
            arguments.folder = argument;
        } else {
            arguments.wrong = true;
        }
    }
    arguments.wrong = arguments.wrong || (arguments.seed && !arguments.fillBoard);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = parse(argc, argv);
    if (arguments.help || arguments.wrong) {
        print(u"Использование: vatro-check [ПАПКА]\n"
              u"               vatro-check --fill-board [--seed ЧИСЛО] [ПАПКА]\n"
              u"Проверяет файлы викторины vatro.txt, vatroo.txt, vatrov.txt и Справка1.txt\n"
              u"в папке (по умолчанию — в текущей) и говорит, что в них исправить.\n"
              u"С --fill-board сначала собирает табло vatro.txt из ответов vatroo.txt\n"
              u"(прежнее остаётся в vatro.txt.bak); --seed повторяет табло по его зерну.\n"
              u"Код выхода: 0 — всё в порядке, 1 — есть ошибки, 2 — файл не читается.\n");
        return arguments.wrong ? 2 : 0;
    }
    try {
        std::error_code lost;
        const std::filesystem::path folder = arguments.folder
                                                 ? vatro::pathFromUtf8(*arguments.folder)
                                                 : std::filesystem::current_path(lost);
        if (lost) {
            print(u"Текущей папки больше нет (её удалили или заменили новой), или к ней нет "
                  u"доступа. Перейдите в папку с викториной или назовите её.\n");
            return 2;
        }
        if (!std::filesystem::is_directory(folder)) {
            print(u"Папка «" + vatro::displayPath(folder) + u"» не найдена.\n");
            return 2;
        }
        // "." and "дети/../Ватро" are told of as the folder they name.
        std::filesystem::path named = std::filesystem::absolute(folder).lexically_normal();
        if (!named.has_filename() && named.has_relative_path())
            named = named.parent_path();
        if (arguments.fillBoard) {
            const vatro::editor::FillBoardOutcome filled =
                vatro::editor::fillBoard(named, arguments.seed);
            print(filled.text);
            return filled.exitStatus;
        }
        const vatro::QuizCheck check = vatro::checkQuizFolder(named);
        print(vatro::formatQuizCheck(check));
        return check.exitStatus();
    } catch (const std::exception& error) {
        print(u"Не удалось проверить папку: " + vatro::utf8ToUtf16(error.what()) + u"\n");
        return 2;
    }
}
