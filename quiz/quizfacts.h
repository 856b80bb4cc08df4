#pragma once
// What the game's windows make of a quiz, which the checker and the editor go by too: the
// board's size, the longest word a pupil can spell, the help lines a pupil sees, and the
// files of a quiz folder with how many fields each may hold.

#include <cstddef>

namespace vatro {

// The letter board: 17 rows of 20 letters.
inline constexpr std::size_t BoardRows = 17;
inline constexpr std::size_t BoardColumns = 20;
inline constexpr std::size_t BoardCells = BoardRows * BoardColumns;

// A pupil composes a word on a pick stack of this many letters.
inline constexpr std::size_t PickStackDepth = 17;

// How many lines of the help file the help window shows whole at its designed size: lines
// of its font ("Times New Roman" 15.75 pt: 24 px high, 25 px apart at 96 dpi) whose letters
// end above the button "Дополнительно", which stands 700 twips above the bottom (199 px).
// The next line runs behind the button.
inline constexpr std::size_t HelpWindowLines = 8;

// A text file the game reads from the quiz folder, and how many fields it may hold.
struct QuizFileInfo {
    const char* name;
    std::size_t capacity;
};

inline constexpr QuizFileInfo LettersFileInfo{"vatro.txt", BoardCells};
// The answer words; the word list shows them in rows 1..49.
inline constexpr QuizFileInfo AnswersFileInfo{"vatroo.txt", 49};
inline constexpr QuizFileInfo QuestionsFileInfo{"vatrov.txt", 50};
// The teacher's help text; more lines than any window shows.
inline constexpr QuizFileInfo HelpFileInfo{"Справка1.txt", 5000};

} // namespace vatro
