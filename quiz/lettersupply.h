#pragma once
// Which letters one full letter game takes from the board, and whether the board has them.
// A picked letter leaves the board for the rest of the game, so the board must hold every
// letter of every answer, counted over all answers.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace vatro {

// Keyed by character: a letter beyond the basic plane is one key, as it is one board cell.
using LetterCounts = std::map<char32_t, std::size_t>;

struct LetterCount {
    char32_t letter;
    std::size_t count;
    bool operator==(const LetterCount&) const = default;
};

// Every character of the texts, counted (whole characters, not UTF-16 halves).
LetterCounts countLetters(const std::vector<std::u16string>& texts);

struct LetterSupply {
    LetterCounts needed;  // what one full game consumes
    LetterCounts onBoard; // what the board holds

    // Letters the board holds fewer of than the answers need, and how many fewer.
    std::vector<LetterCount> lacking() const;
    // Letters the board holds more of than the answers need, and how many more; the most
    // plentiful first.
    std::vector<LetterCount> spare() const;
    std::size_t lackingTotal() const;
    std::size_t neededTotal() const;
};

LetterSupply letterSupply(const std::vector<std::u16string>& board,
                          const std::vector<std::u16string>& answers);

} // namespace vatro
