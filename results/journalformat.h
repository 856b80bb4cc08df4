#pragma once
// The class journal's file as it lies on disk: what the game writes and what a reader of
// journals reads, defined here once for both.
//
// - Encoding: UTF-8 with a byte-order mark, so that Excel and LibreOffice Calc read the
//   Cyrillic right.
// - The first line names the columns (JournalColumns, in that order); then one line per
//   player and round. Cells are separated by a semicolon, as spreadsheets set up for Russian
//   expect (the comma is their decimal mark); every line ends with CR LF.
// - A cell holding any of QuotedIfHolding, or a blank at either end, is put in double quotes
//   and each double quote in it doubled; no other cell is quoted. No column name needs quotes.
// - A text cell that begins with one of GuardedStarts, or that a spreadsheet would read as a
//   number, a date or a time (a digit first and nothing but NumberLike characters: "007",
//   "1.50", "10:15", "1/2"), gets FormulaGuard in front, so that a name stays as typed and
//   never becomes a formula; a reader drops one leading FormulaGuard from a text cell. (The
//   guard itself is among GuardedStarts, so that dropping it is always right.)
// - Numbers are whole decimal numbers; an empty cell is a value not known (no grade yet, no
//   answer judged yet, no time after "Сброс").
// - File name: "YYYY-MM-DD HH-MM COMPUTER.csv" for the date and time the run started and the
//   computer's name; a second run of the same computer in the same minute gets
//   "YYYY-MM-DD HH-MM COMPUTER (2).csv", and so on. A file is created exclusively and then
//   only ever replaced whole, so a reader sees it whole or not at all; a name beginning with
//   "." is another writer's temporary file, and an empty file a name just taken.

#include "host/host.h"

#include <array>
#include <string>
#include <string_view>

namespace vatro::journal {

enum Column {
    Computer,       // the computer's name, as in the file name
    Round,          // 1, 2, …: "Сброс" starts the next round of the run
    Number,         // the player's number in the game, as in the rating
    Name,           // surname or team, as typed
    Points,         // right answers
    Mistakes,       // wrong answers
    Minutes,        // whole minutes used
    Seconds,        // remaining seconds used
    Grade,          // 2..5; empty before a grade in this round
    Level,          // the level's caption; empty when none was chosen
    Mode,           // "Игра1", "Игра2" or "Обучалка"; empty before the first game
    QuestionsPosed, // in the last game
    RightShare,     // right answers among those judged, in whole per cent, rounded
    QuizFolder,     // where the questions were read from
    ColumnCount
};

inline constexpr std::array<std::u16string_view, ColumnCount> JournalColumns = {
    u"Компьютер",
    u"Тур",
    u"№",
    u"Фамилия или команда",
    u"Баллов",
    u"Ошибок",
    u"Минут",
    u"Секунд",
    u"Оценка",
    u"Уровень",
    u"Режим",
    u"Вопросов задано",
    u"Верных ответов (%)",
    u"Папка вопросов"};

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr char16_t Separator = u';';
inline constexpr std::u16string_view LineEnd = u"\r\n";
inline constexpr char16_t Quote = u'"';
// The characters a spreadsheet's import may split or end a cell at, with its import
// dialog's default choices (semicolon, comma and tab).
inline constexpr std::u16string_view QuotedIfHolding = u";,\t\"\r\n";
inline constexpr char16_t FormulaGuard = u'\'';
inline constexpr std::u16string_view GuardedStarts = u"=+-@\t\r'";
inline constexpr std::u16string_view NumberLike = u"0123456789.,:/-+ %eE";

inline constexpr std::string_view FileExtension = ".csv";

// "2026-12-08 10-15 pc07.csv", or "2026-12-08 10-15 pc07 (2).csv" for copy 2.
std::string fileName(const LocalDateTime& started, std::u16string_view computer, int copy);

} // namespace vatro::journal
