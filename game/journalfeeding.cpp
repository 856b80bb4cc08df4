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

// The stored time texts carry a leading blank; a spreadsheet wants the bare number.
std::u16string trimmed(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    return std::u16string(text);
}
} // namespace

void Form1::startJournal() {
    m_journalComputer = m_host.computerName();
    journal.begin(m_host.journalFolders(), m_host.localDateTime(), m_journalComputer);
    m_journalNotes.fill({});
}

// "Сброс" starts a new count of players: the next round of the same file, in which each
// row shows only what was earned since.
void Form1::nextJournalRound() {
    m_journalRounds.nextRound();
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

// Called as "Результат" stores a grade. Right after "Сброс" it may store the grade of the
// last share worked out, before any question of the round: that one was not earned in it.
void Form1::noteGradeGiven() {
    if (m_journalNotes.contains(PlayerNo) && QuestionNo >= 1)
        m_journalNotes(PlayerNo).graded = true;
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
        rows.push_back({m_journalComputer, m_journalRounds.round(), p, PlayerName(p), Points(p),
                        Mistakes(p), trimmed(MinutesUsed(p)), trimmed(SecondsUsed(p)),
                        note.graded ? Grade(p) : 0, note.level, note.mode, note.questionsPosed,
                        m_journalQuizFolder});
    }
    journal.write(m_journalRounds.table(std::move(rows)));
    showJournalMessage();
}

void Form1::showJournalMessage() {
    if (const auto message = journal.takeMessage())
        m_host.showError(*message);
}

} // namespace vatro
