#include "lettersupply.h"

#include "characters.h"

#include <algorithm>

namespace vatro {

LetterCounts countLetters(const std::vector<std::u16string>& texts) {
    LetterCounts counts;
    for (const std::u16string& text : texts) {
        for (std::size_t k = 0; k < text.size(); k += characterSizeAt(text, k))
            ++counts[codePointAt(text, k)];
    }
    return counts;
}

namespace {
std::size_t countOf(const LetterCounts& counts, char32_t letter) {
    const auto found = counts.find(letter);
    return found == counts.end() ? 0 : found->second;
}
} // namespace

std::vector<LetterCount> LetterSupply::lacking() const {
    std::vector<LetterCount> result;
    for (const auto& [letter, count] : needed) {
        const std::size_t have = countOf(onBoard, letter);
        if (count > have)
            result.push_back({letter, count - have});
    }
    return result;
}

std::vector<LetterCount> LetterSupply::spare() const {
    std::vector<LetterCount> result;
    for (const auto& [letter, count] : onBoard) {
        const std::size_t need = countOf(needed, letter);
        if (count > need)
            result.push_back({letter, count - need});
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const LetterCount& a, const LetterCount& b) { return a.count > b.count; });
    return result;
}

std::size_t LetterSupply::lackingTotal() const {
    std::size_t total = 0;
    for (const LetterCount& short_ : lacking())
        total += short_.count;
    return total;
}

std::size_t LetterSupply::neededTotal() const {
    std::size_t total = 0;
    for (const auto& entry : needed)
        total += entry.second;
    return total;
}

LetterSupply letterSupply(const std::vector<std::u16string>& board,
                          const std::vector<std::u16string>& answers) {
    return {countLetters(answers), countLetters(board)};
}

} // namespace vatro
