// The checker's report in Russian, file by file.
#include "quizcheck.h"

#include "checktext.h"
#include "foldercheck.h"

#include <algorithm>
#include <map>

namespace vatro {

std::u16string formatQuizCheck(const QuizCheck& check) {
    using namespace quizcheck;
    // A long run of one mistake is shown by its first few.
    constexpr std::size_t ShownOfAKind = 8;
    std::u16string out = u"Проверка викторины в папке «" + displayPath(check.folder) + u"»\n";
    std::size_t problems = 0;
    std::size_t notes = 0;
    std::vector<std::u16string> unreadable;
    for (const CheckedFile& file : check.files) {
        const Role role =
            std::find_if(KnownFiles.begin(), KnownFiles.end(), [&](const FileFacts& facts) {
                return file.name == facts.name;
            })->role;
        out += u"\n" + utf8ToUtf16(file.name) + u" — " + file.title + u": ";
        if (!file.read) {
            out += u"не прочитан\n";
        } else {
            out += countedRecords(role, file.records);
            if (file.records > file.capacity)
                out += u" — больше, чем вмещает игра (" + num(file.capacity) + u")";
            else if (role != Role::Help)
                out += u" из " + num(file.capacity);
            if (role == Role::Letters && file.records > 0) {
                const std::size_t rows = (file.records + BoardWidth - 1) / BoardWidth;
                out += u", " + counted(rows, u"ряд", u"ряда", u"рядов");
            }
            out += file.encoding == TextEncoding::Cp1251    ? u", Windows-1251"
                   : file.encoding == TextEncoding::Utf8    ? u", UTF-8"
                   : file.encoding == TextEncoding::Utf16Le ? u", UTF-16 LE"
                   : file.encoding == TextEncoding::Utf16Be ? u", UTF-16 BE"
                                                            : u", ASCII";
            out += u"\n";
        }
        std::map<Finding::Kind, std::size_t> shown;
        std::map<Finding::Kind, std::size_t> hidden;
        for (const Finding& finding : check.findings) {
            if (finding.file != file.name)
                continue;
            switch (finding.severity) {
            case Finding::Severity::Note:
                ++notes;
                break;
            case Finding::Severity::Problem:
                ++problems;
                break;
            case Finding::Severity::Unreadable:
                ++problems;
                unreadable.push_back(utf8ToUtf16(file.name));
                break;
            }
            if (++shown[finding.kind] > ShownOfAKind) {
                ++hidden[finding.kind];
                continue;
            }
            out += finding.severity == Finding::Severity::Note ? u"  Заметка. " : u"  Ошибка. ";
            if (finding.record != 0) {
                out += u"Запись " + num(finding.record);
                out += finding.line != 0 ? u", строка " + num(finding.line) + u": " : u": ";
            } else if (finding.line != 0) {
                out += u"Строка " + num(finding.line) + u": ";
            }
            out += finding.what + u"\n";
            if (!finding.fix.empty())
                out += u"    Как исправить: " + finding.fix + u"\n";
        }
        for (const auto& [kind, count] : hidden)
            out += u"  …и ещё таких же: " + num(count) + u".\n";
    }
    out += u"\n";
    if (!unreadable.empty()) {
        std::u16string names;
        for (const std::u16string& name : unreadable)
            names += (names.empty() ? u"" : u", ") + name;
        out += u"Итог: игра не прочитает " + names + u" и не запустится. Ошибок: " + num(problems) +
               u".\n";
    } else if (problems != 0) {
        out += u"Итог: ошибок — " + num(problems) + (notes ? u", заметок — " + num(notes) : u"") +
               u". Исправьте ошибки и запустите проверку снова.\n";
    } else {
        out += u"Итог: ошибок нет — игра сыграет викторину так, как задумано.";
        out += notes ? u" Заметок: " + num(notes) + u".\n" : u"\n";
    }
    return out;
}

} // namespace vatro
