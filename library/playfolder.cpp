#include "playfolder.h"

#include "quiz/quizfacts.h"
#include "quiz/quizfolder.h"
#include "quiz/textcodec.h"

#include <system_error>

namespace vatro::library {

std::optional<std::u16string> whyNotPlayable(const std::filesystem::path& folder) {
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    const std::u16string name = u"«" + displayPath(folder) + u"»";
    if (!std::filesystem::exists(status))
        return u"Папка " + name + u" не найдена: викторину не открыть.";
    if (!std::filesystem::is_directory(status))
        return name + u" — не папка, а файл: назовите папку викторины.";
    if (!holdsQuiz(folder))
        return u"В папке " + name + u" нет викторины: в ней нет файлов " +
               utf8ToUtf16(LettersFileInfo.name) + u", " + utf8ToUtf16(AnswersFileInfo.name) +
               u" и " + utf8ToUtf16(QuestionsFileInfo.name) + u".";
    return std::nullopt;
}

} // namespace vatro::library
