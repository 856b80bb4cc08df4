// A help file longer than the help window: the lines past its end are never seen.
#include "checktext.h"
#include "foldercheck.h"
#include "quiz/quizfacts.h"

namespace vatro::quizcheck {

// The window neither wraps nor scrolls, so a pupil sees the first lines only; the first
// hidden one is named, where the teacher starts to shorten.
void FolderCheck::checkHelpLength(const LoadedFile& help) {
    const std::size_t lines = help.records.size();
    if (lines <= HelpWindowLines)
        return;
    const Record& first = help.records[HelpWindowLines];
    const std::u16string hidden =
        lines == HelpWindowLines + 1
            ? u"строку " + num(lines)
            : u"строки с " + num(HelpWindowLines + 1) + u"-й по " + num(lines) + u"-ю";
    problem(Finding::Kind::HelpTooLong, *help.facts, &first, HelpWindowLines + 1,
            u"В справке " + countedRecords(Role::Help, lines) + u", а окно справки показывает " +
                num(HelpWindowLines) + u": " + hidden +
                u" ученик не увидит. Окно не листается, а строку " + num(HelpWindowLines + 1) +
                u" закрывает кнопка «Дополнительно».",
            u"Сократите справку до " + counted(HelpWindowLines, u"строки", u"строк", u"строк") +
                u": объедините короткие строки или оставьте главное.");
}

} // namespace vatro::quizcheck
