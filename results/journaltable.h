#pragma once
// The class journal as a table: one row per player and round, written as journalformat.h
// says.

#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// What the journal shows of one player in one round: the rating line, and what a teacher
// also wants.
struct JournalRow {
    std::u16string computer;
    int round = 1;
    int number = 0; // the player's number in the game
    std::u16string name;
    int points = 0;
    int mistakes = 0;
    std::u16string minutes; // the number as text, or empty after "Сброс"
    std::u16string seconds;
    int grade = 0;        // 0: no grade given in this round
    std::u16string level; // the caption of the level played, empty when none was chosen
    std::u16string mode; // "Игра1", "Игра2" or "Обучалка"; empty before the first game
    int questionsPosed = 0;
    std::u16string quizFolder;
};

// What the game keeps for the journal alone, per player and round: the last game's mode and
// level, how many questions it posed, and whether this round gave a grade.
struct JournalNote {
    std::u16string level;
    std::u16string mode;
    int questionsPosed = 0;
    bool graded = false;
};

// The whole file.
std::string journalTable(const std::vector<JournalRow>& rows);

// A text cell that a spreadsheet takes as the text itself, in one cell.
std::u16string textCell(std::u16string_view text);

// The rows of one run, round by round: the rounds before the last "Сброс" stay as they were
// last written, the round in play is rewritten as it goes.
class JournalRounds {
public:
    // The round in play, from 1.
    int round() const { return m_round; }
    // The round in play as it now stands; the whole table.
    std::string table(std::vector<JournalRow> current);
    // "Сброс": the round in play keeps the rows last written. A round with none is not
    // counted, so the rounds in a file are numbered without gaps.
    void nextRound();

private:
    int m_round = 1;
    std::vector<JournalRow> m_earlier;
    std::vector<JournalRow> m_current;
};

} // namespace vatro
