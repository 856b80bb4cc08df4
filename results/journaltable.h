#pragma once
// The class journal as a spreadsheet file: one row per player.

#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// What the journal shows of one player: the rating line, and what a teacher also wants.
struct JournalRow {
    int number = 0; // the player's number in the game
    std::u16string name;
    int points = 0;
    int mistakes = 0;
    std::u16string minutes; // as the game stores them: " 3", or empty after "Сброс"
    std::u16string seconds;
    int grade = 0;        // 0: no grade given yet
    std::u16string level; // the caption of the level played, empty when none was chosen
    std::u16string mode; // "Игра1", "Игра2" or "Обучалка"; empty before the first game
    int questionsPosed = 0;
    std::u16string quizFolder;
};

// What the game keeps for the journal alone, per player: the last game's mode and level, and
// how many questions it posed.
struct JournalNote {
    std::u16string level;
    std::u16string mode;
    int questionsPosed = 0;
};

// The whole file: UTF-8 with a byte-order mark, so that Excel and LibreOffice Calc read the
// Cyrillic right; cells separated by semicolons, as spreadsheets set up for Russian expect
// (the comma is their decimal mark); lines ended by CR LF.
std::string journalTable(const std::vector<JournalRow>& rows);

// A text cell that a spreadsheet takes as the text itself: a cell that would start a
// formula (=, +, -, @, a tab or a carriage return first) gets a leading apostrophe, and a
// cell holding a semicolon, a double quote, a line break or outer blanks is quoted.
std::u16string textCell(std::u16string_view text);

} // namespace vatro
