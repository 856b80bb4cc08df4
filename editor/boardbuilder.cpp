#include "boardbuilder.h"

#include "checker/checktext.h"
#include "quiz/characters.h"
#include "quiz/letterfrequency.h"
#include "quizcontent.h"

#include <algorithm>
#include <array>
#include <random>

namespace vatro::editor {

namespace {

using quizcheck::counted;
using quizcheck::num;

// A whole number below n from the generator, the same on every system (the standard fixes
// mt19937's output, not the distributions').
std::uint32_t below(std::mt19937& generator, std::uint32_t n) {
    const std::uint32_t limit = static_cast<std::uint32_t>((std::uint64_t{1} << 32) / n * n - 1);
    for (;;) {
        const std::uint32_t value = generator();
        if (value <= limit)
            return value % n;
    }
}

// The decoys: so many letters that the whole board comes as close as whole letters allow
// to the letter frequencies of Russian text, the answers' letters hidden among them.
std::vector<char32_t> decoyLetters(const LetterCounts& needed, std::size_t boardSize,
                                   std::size_t decoys) {
    constexpr std::size_t Letters = 32;
    double frequencyTotal = 0;
    for (int f : RussianFrequency)
        frequencyTotal += f;
    std::array<double, Letters> want{};
    double wantTotal = 0;
    for (std::size_t k = 0; k < Letters; ++k) {
        const char16_t capital = static_cast<char16_t>(u'А' + k);
        const auto found = needed.find(capital);
        const double have = found == needed.end() ? 0.0 : static_cast<double>(found->second);
        const double target = RussianFrequency[k] / frequencyTotal * static_cast<double>(boardSize);
        want[k] = std::max(0.0, target - have);
        wantTotal += want[k];
    }
    if (wantTotal == 0) {
        for (std::size_t k = 0; k < Letters; ++k)
            want[k] = RussianFrequency[k];
        wantTotal = frequencyTotal;
    }
    // Largest remainders: each letter its whole share, the rest to the largest fractions.
    std::array<std::size_t, Letters> count{};
    std::array<double, Letters> remainder{};
    std::size_t given = 0;
    for (std::size_t k = 0; k < Letters; ++k) {
        const double share = want[k] / wantTotal * static_cast<double>(decoys);
        count[k] = static_cast<std::size_t>(share);
        remainder[k] = share - static_cast<double>(count[k]);
        given += count[k];
    }
    std::array<std::size_t, Letters> order{};
    for (std::size_t k = 0; k < Letters; ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainder[a] > remainder[b]; });
    for (std::size_t k = 0; given < decoys; k = (k + 1) % Letters, ++given)
        ++count[order[k]];
    std::vector<char32_t> letters;
    for (std::size_t k = 0; k < Letters; ++k)
        letters.insert(letters.end(), count[k], static_cast<char32_t>(U'А' + k));
    return letters;
}

std::u16string letterName(char32_t letter) {
    return letter == U' ' ? std::u16string(u"пробел") : characterText(letter);
}

std::u16string listed(std::u16string_view head, const std::vector<LetterCount>& letters) {
    if (letters.empty())
        return {};
    std::u16string text(head);
    for (std::size_t n = 0; n < letters.size(); ++n)
        text +=
            (n == 0 ? u" " : u", ") + letterName(letters[n].letter) + u" ×" + num(letters[n].count);
    return text;
}

} // namespace

std::uint32_t newBoardSeed() {
    std::random_device device;
    std::mt19937 generator(device());
    return 1 + below(generator, 999999);
}

BuiltBoard buildBoard(const std::vector<std::u16string>& answers, std::uint32_t seed,
                      std::size_t rows) {
    BuiltBoard board;
    board.seed = seed;
    const LetterCounts needed = countLetters(answers);
    for (const auto& entry : needed)
        board.needed += entry.second;
    if (board.needed > BoardCells) {
        board.message = u"Ответам нужно " + counted(board.needed, u"буква", u"буквы", u"букв") +
                        u", а на табло " + num(BoardCells) + u" клеток: сократите ответы на " +
                        counted(board.needed - BoardCells, u"букву", u"буквы", u"букв") +
                        u". Табло не изменено.";
        return board;
    }
    if (board.needed == 0) {
        board.message = u"В ответах нет ни одной буквы: табло собирать не из чего.";
        return board;
    }
    const std::size_t rowsNeeded = (board.needed + BoardColumns - 1) / BoardColumns;
    rows = std::clamp(rows, rowsNeeded, BoardRows);
    const std::size_t size = rows * BoardColumns;
    board.decoys = size - board.needed;
    // Whole characters: a letter beyond the basic plane takes one cell, never two halves.
    std::vector<char32_t> letters;
    for (const auto& [letter, count] : needed)
        letters.insert(letters.end(), count, letter);
    const std::vector<char32_t> decoys = decoyLetters(needed, size, board.decoys);
    letters.insert(letters.end(), decoys.begin(), decoys.end());
    std::mt19937 generator(seed);
    for (std::size_t n = letters.size(); n > 1; --n)
        std::swap(letters[n - 1], letters[below(generator, static_cast<std::uint32_t>(n))]);
    for (char32_t letter : letters)
        board.cells.push_back(characterText(letter));
    board.built = true;
    return board;
}

std::u16string lackingText(const LetterSupply& supply) {
    return listed(u"не хватает:", supply.lacking());
}

std::u16string spareText(const LetterSupply& supply) {
    return listed(u"в запасе:", supply.spare());
}

} // namespace vatro::editor
