#pragma once
// "Собрать табло": a board that holds every letter one full game consumes, filled up with
// decoy letters and shuffled by a seed the teacher can write down and build again from.

#include "quiz/lettersupply.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vatro::editor {

struct BuiltBoard {
    bool built = false;
    std::uint32_t seed = 0;
    std::vector<std::u16string> cells; // 20 a row, whole rows; empty when not built
    std::size_t needed = 0;            // the letters the answers consume
    std::size_t decoys = 0;            // the letters added so that rows are whole
    // When not built: why, in Russian ("Ответам нужно 352 буквы, а на табло 340 клеток…").
    std::u16string message;
};

// A fresh seed for a new board, small enough to write down (1..999999).
std::uint32_t newBoardSeed();

// Every character of every answer, counted over all answers, then decoys to fill `rows`
// whole rows of 20 (at least as many rows as the answers need, at most 17), drawn so that
// the whole board has the letter frequencies of Russian text and does not give the answers
// away; then all of it shuffled. The same answers and seed always give the same board.
// Builds nothing when the answers need more than 340 letters.
BuiltBoard buildBoard(const std::vector<std::u16string>& answers, std::uint32_t seed,
                      std::size_t rows = 17);

// "не хватает: Т ×1, Ь ×2"; empty when the board lacks nothing.
std::u16string lackingText(const LetterSupply& supply);
// "в запасе: А ×5, О ×3, …" (the most plentiful first); empty when nothing is spare.
std::u16string spareText(const LetterSupply& supply);

} // namespace vatro::editor
