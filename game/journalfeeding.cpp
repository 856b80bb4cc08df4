// The one place where the game's rules feed the class journal.
#include "form1.h"
#include "quiz/textcodec.h"

namespace vatro {

namespace {
// The caption of the level chosen; empty when none is.
std::u16string chosenLevel(const Form1& form) {
    for (const OptionButton* option : {&form.Option1, &form.Option2, &form.Option3}) {
        if (option->Value())
            return option->Caption;
    }
    return {};
}
} // namespace

void Form1::startJournal() {
    journal.begin(m_host.journalFolders(), m_host.localDateTime());
    m_journalNotes.fill({});
}

// Called as a mode button starts its game: the grids it shows tell which mode it is.
void Form1::noteGameStart() {
    if (!m_journalNotes.contains(PlayerNo))
        return;
    JournalNote& note = m_journalNotes(PlayerNo);
    note.mode = Grid1.Visible && Grid2.Visible ? u"Обучалка" : Grid2.Visible ? u"Игра1" : u"Игра2";
    note.level = chosenLevel(*this);
    note.questionsPosed = 0;
}

void Form1::updateJournal() {
    m_verdictUnwritten = false;
    // Nobody registered: there is no standing to keep yet.
    if (!m_journalNotes.contains(PlayerNo))
        return;
    JournalNote& current = m_journalNotes(PlayerNo);
    // A level chosen during the game sets its limit from then on; a time-out clears the
    // choice, and the level it ended is kept. A player yet to start a game has no level.
    if (const std::u16string level = chosenLevel(*this); !level.empty() && !current.mode.empty())
        current.level = level;
    current.questionsPosed = QuestionNo;

    std::vector<JournalRow> rows;
    if (const auto folder = m_host.quizFolder())
        m_journalQuizFolder = displayPath(*folder);
    for (int p = 1; p <= PlayerNo; ++p) {
        const JournalNote& note = m_journalNotes(p);
        rows.push_back({p, PlayerName(p), Points(p), Mistakes(p), MinutesUsed(p), SecondsUsed(p),
                        Grade(p), note.level, note.mode, note.questionsPosed, m_journalQuizFolder});
    }
    journal.write(journalTable(rows));
    showJournalMessage();
}

void Form1::showJournalMessage() {
    if (const auto message = journal.takeMessage())
        m_host.showError(*message);
}

} // namespace vatro
