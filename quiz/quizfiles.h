#pragma once

#include <cstddef>

namespace vatro {

// A text file the game reads from the quiz folder, and how many fields it may hold.
struct QuizFileInfo {
    const char* name;
    std::size_t capacity;
};

// The letter board: 17 rows of 20 letters.
inline constexpr QuizFileInfo LettersFileInfo{"vatro.txt", 340};
// The answer words; the word list shows them in rows 1..49.
inline constexpr QuizFileInfo AnswersFileInfo{"vatroo.txt", 49};
inline constexpr QuizFileInfo QuestionsFileInfo{"vatrov.txt", 50};
// The teacher's help text; more lines than any window shows.
inline constexpr QuizFileInfo HelpFileInfo{"Справка1.txt", 5000};

} // namespace vatro
