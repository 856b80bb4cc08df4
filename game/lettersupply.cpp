// Whether the board holds enough of each letter to spell every answer.
#include "checktext.h"
#include "foldercheck.h"

#include <algorithm>
#include <map>

namespace vatro::quizcheck {

// Picked letters are used up: one full letter game spells every answer from one board.
void FolderCheck::checkLetterSupply(const LoadedFile& board, const LoadedFile& answers) {
    std::map<char16_t, std::size_t> onBoard;
    for (const Record& cell : board.records) {
        for (char16_t c : cell.text)
            ++onBoard[c];
    }
    std::map<char16_t, std::size_t> needed;
    std::map<char16_t, std::vector<std::size_t>> usedBy;
    const bool russianAnswers = mostlyRussian(answers.records);
    for (std::size_t n = 0; n < listed(answers); ++n) {
        // The answer as the teacher meant it: stray blanks and Latin look-alikes are told of
        // with the answer itself.
        std::u16string meant = answers.records[n].text;
        for (const std::size_t k : foreignLetters(meant, russianAnswers))
            meant[k] = meantLetter(meant[k]);
        for (char16_t c : withoutStrayBlanks(meant)) {
            if (isInvisible(c) || c == u'\uFFFD')
                continue;
            ++needed[c];
            auto& list = usedBy[c];
            if (list.empty() || list.back() != n + 1)
                list.push_back(n + 1);
        }
    }
    std::size_t boardSize = board.records.size();
    std::size_t shortTotal = 0;
    for (const auto& [letter, count] : needed)
        shortTotal += count > onBoard[letter] ? count - onBoard[letter] : 0;
    std::vector<std::pair<std::size_t, char16_t>> surplus;
    for (const auto& [letter, count] : onBoard) {
        const std::size_t need = needed.count(letter) ? needed[letter] : 0;
        if (count > need && !isBlank(letter))
            surplus.emplace_back(count - need, letter);
    }
    std::stable_sort(surplus.begin(), surplus.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::u16string spares;
    for (std::size_t k = 0; k < surplus.size() && k < 5; ++k)
        spares += (k == 0 ? u"" : u", ") + inQuotes(std::u16string(1, surplus[k].second)) + u" — " +
                  num(surplus[k].first);
    const bool full = boardSize + shortTotal > board.facts->capacity;
    for (const auto& [letter, count] : needed) {
        const std::size_t have = onBoard[letter];
        if (count <= have)
            continue;
        const std::u16string name =
            letter == u' ' ? u"пробела" : u"буквы " + inQuotes(std::u16string(1, letter));
        std::u16string users;
        const auto& list = usedBy[letter];
        for (std::size_t k = 0; k < list.size() && k < 8; ++k)
            users += (k == 0 ? u"" : u", ") + num(list[k]);
        if (list.size() > 8)
            users += u" и другие";
        std::u16string what = u"На табло не хватает " + name + u": " +
                              (list.size() == 1 ? u"ответу " : u"ответам ") + users + u" нужно " +
                              num(count) + u", на табло " + num(have) + u" — не хватает " +
                              num(count - have) +
                              u". Выбранные буквы с табло исчезают, и в игре с буквами все "
                              u"ответы не собрать.";
        for (const auto& [latin, russian] : LookAlikes) {
            if (russian == letter && onBoard.count(latin) && onBoard[latin] > 0)
                what += u" (На табло вместо неё стоит латинская " +
                        inQuotes(std::u16string(1, latin)) + u" — исправьте её.)";
        }
        const char16_t other = otherCase(letter);
        if (other != letter && onBoard.count(other) && onBoard[other] > 0)
            what += u" (На табло есть " + inQuotes(std::u16string(1, other)) +
                    u", но большие и маленькие буквы для игры разные.)";
        std::u16string fix = letter == u' ' ? u"Добавьте на табло клетку с пробелом (\" \")"
                                            : u"Добавьте на табло ещё " + num(count - have) + u" " +
                                                  inQuotes(std::u16string(1, letter));
        fix += full && !spares.empty()
                   ? u"; табло заполнено, так что замените ими лишние буквы (больше всего "
                     u"лишних: " +
                         spares + u")."
                   : u".";
        add(Finding::Severity::Problem, Finding::Kind::LettersShort, *board.facts, 0, 0,
            std::move(what), std::move(fix));
    }
}

} // namespace vatro::quizcheck
