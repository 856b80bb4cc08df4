// vatro-check: tells a teacher whether the game will play a quiz folder as meant.
#include "quizcheck.h"
#include "quiz/textcodec.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

void print(std::u16string_view text) {
    std::cout << vatro::utf16ToUtf8(text) << std::flush;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view argument = argc > 1 ? argv[1] : "";
    if (argc > 2 || argument == "-h" || argument == "--help") {
        print(u"Использование: vatro-check [ПАПКА]\n"
              u"Проверяет файлы викторины vatro.txt, vatroo.txt, vatrov.txt и Справка1.txt\n"
              u"в папке (по умолчанию — в текущей) и говорит, что в них исправить.\n"
              u"Код выхода: 0 — всё в порядке, 1 — есть ошибки, 2 — файл не читается.\n");
        return argc > 2 ? 2 : 0;
    }
    try {
        std::error_code lost;
        const std::filesystem::path folder =
            argc > 1 ? vatro::pathFromUtf8(argument) : std::filesystem::current_path(lost);
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
        const vatro::QuizCheck check = vatro::checkQuizFolder(named);
        print(vatro::formatQuizCheck(check));
        return check.exitStatus();
    } catch (const std::exception& error) {
        print(u"Не удалось проверить папку: " + vatro::utf8ToUtf16(error.what()) + u"\n");
        return 2;
    }
}
