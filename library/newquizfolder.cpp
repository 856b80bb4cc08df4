#include "newquizfolder.h"

#include "checker/checktext.h"
#include "quiz/atomicfile.h"
#include "quiz/fieldreader.h"
#include "quiz/quizfacts.h"
#include "quiz/safefile.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace vatro::library {

namespace {

namespace fs = std::filesystem;

// The longest name a Linux file system gives a folder, in bytes.
constexpr std::size_t MaxNameBytes = 255;

std::optional<std::u16string> wrongName(const std::u16string& name) {
    if (name.empty())
        return u"Введите название викторины: так будет называться её папка.";
    if (name.find(u'/') != std::u16string::npos)
        return u"В названии викторины не может быть знака «/»: название — это имя одной папки. "
               u"Напишите, например, «Оптика 9 класс».";
    if (std::any_of(name.begin(), name.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; }))
        return u"В названии викторины есть невидимые знаки (перевод строки, табуляция): "
               u"уберите их.";
    if (name.front() == u'.')
        return u"Название викторины не может начинаться с точки: такую папку не видно в "
               u"файловом менеджере.";
    if (utf16ToUtf8(name).size() > MaxNameBytes)
        return u"Название викторины слишком длинное для имени папки: сократите его.";
    return std::nullopt;
}

std::u16string cannotMake(const fs::path& folder, const std::error_code& error) {
    const std::u16string head = u"Не удалось создать папку «" + displayPath(folder) + u"»: ";
    switch (error.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
        return head + u"нет права записи в папку «" + displayPath(folder.parent_path()) + u"».";
    case ENOSPC:
    case EDQUOT:
        return head + u"на диске нет места.";
    case ENOTDIR:
        return head + u"«" + displayPath(folder.parent_path()) + u"» — не папка.";
    default:
        return head + u"ошибка системы (" + utf8ToUtf16(std::strerror(error.value())) + u").";
    }
}

} // namespace

NewFolder makeQuizFolder(const fs::path& root, std::u16string_view typed) {
    const std::u16string name = quizcheck::trimmed(typed);
    if (auto wrong = wrongName(name))
        return {std::nullopt, *wrong};
    std::error_code error;
    fs::create_directories(root, error);
    if (error)
        return {std::nullopt, cannotMake(root, error)};
    const fs::path folder = root / pathFromUtf8(utf16ToUtf8(name));
    // Made here and now, or not at all: a name another program took a moment ago is taken.
    if (!fs::create_directory(folder, error)) {
        if (error)
            return {std::nullopt, cannotMake(folder, error)};
        return {std::nullopt, u"Название «" + name + u"» уже занято: в «" + displayPath(root) +
                                  u"» есть папка или файл с таким именем. Выберите другое."};
    }
    return {folder, {}};
}

std::optional<std::u16string> copyQuizFiles(const fs::path& from, const fs::path& to) {
    std::vector<fs::path> written;
    const auto undo = [&] {
        std::error_code ignored;
        for (const fs::path& file : written)
            fs::remove(file, ignored);
    };
    for (const QuizFileInfo& info :
         {LettersFileInfo, AnswersFileInfo, QuestionsFileInfo, HelpFileInfo}) {
        const fs::path source = from / pathFromUtf8(info.name);
        const SafeRead read = readFileSafely(source, MaxFileBytes);
        if (read.status == SafeRead::Status::Missing)
            continue;
        if (!read.ok()) {
            undo();
            return u"Не удалось прочитать файл «" + displayPath(source) + u"»: его не скопировать.";
        }
        const fs::path target = to / pathFromUtf8(info.name);
        if (const auto failed = writeFileAtomically(target, read.bytes, WriteMode::CreateNew)) {
            undo();
            return describeFileWriteError(*failed, target);
        }
        written.push_back(target);
    }
    return std::nullopt;
}

NewFolder newQuizFromCopy(const fs::path& root, std::u16string_view name, const fs::path& from) {
    NewFolder made = makeQuizFolder(root, name);
    if (!made.folder)
        return made;
    if (auto failed = copyQuizFiles(from, *made.folder)) {
        std::error_code ignored;
        fs::remove(*made.folder, ignored); // empty again: only what was copied is undone
        return {std::nullopt, *failed};
    }
    return made;
}

} // namespace vatro::library
