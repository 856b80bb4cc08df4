// A help file longer than the help window: the lines past its end are never seen.
#include "checktext.h"
#include "foldercheck.h"
#include "ui/helpwindow.h"

namespace vatro::quizcheck {

// The window neither wraps nor scrolls, so a pupil sees the first lines only; the first
// hidden one is named, where the teacher starts to shorten.
void FolderCheck::checkHelpLength(const LoadedFile& help) {
    const std::size_t lines = help.records.size();
    if (lines <= HelpWindowLines)
        return;
    const Record& first = help.records[HelpWindowLines];
    problem(Finding::Kind::HelpTooLong, *help.facts, &first, HelpWindowLines + 1,
            u"В справке " + countedRecords(Role::Help, lines) + u", а окно справки показывает " +
                num(HelpWindowLines) + u": строки с " + num(HelpWindowLines + 1) + u"-й по " +
                num(lines) +
                u"-ю ученик не увидит, окно не листается (следующую закрывает кнопка "
                u"«Дополнительно»).",
            u"Сократите справку до " + counted(HelpWindowLines, u"строки", u"строк", u"строк") +
                u": объедините короткие строки или оставьте главное.");
}

} // namespace vatro::quizcheck
