// Whether the board holds enough of each letter to spell every answer.
#include "quiz/lettersupply.h"
#include "checktext.h"
#include "foldercheck.h"
#include "quiz/characters.h"

#include <algorithm>
#include <map>

namespace vatro::quizcheck {

namespace {

// How often the character stands in the text, counted as whole characters.
std::size_t occurrences(std::u16string_view text, char32_t letter) {
    std::size_t count = 0;
    for (std::size_t k = 0; k < text.size(); k += characterSizeAt(text, k))
        count += codePointAt(text, k) == letter ? 1 : 0;
    return count;
}

std::u16string quoted(char32_t letter) {
    return inQuotes(characterText(letter));
}

// The questions are posed in file order, so the board runs out of a letter at one answer:
// that answer and every later one with the letter cannot be spelled. Named by number and
// word, as the teacher finds them in vatroo.txt.
std::u16string unspellable(char32_t letter, std::size_t onBoard,
                           const std::vector<std::u16string>& meantAnswers,
                           const LoadedFile& answers) {
    constexpr std::size_t Named = 5;
    std::size_t used = 0;
    std::vector<std::size_t> lost;
    for (std::size_t n = 0; n < meantAnswers.size(); ++n) {
        const std::size_t uses = occurrences(meantAnswers[n], letter);
        used += uses;
        if (uses != 0 && used > onBoard)
            lost.push_back(n);
    }
    std::u16string named;
    for (std::size_t k = 0; k < lost.size() && k < Named; ++k)
        named += (k == 0 ? u"" : u", ") + num(lost[k] + 1) + u" (" +
                 excerpt(answers.records[lost[k]].text, 30) + u")";
    if (lost.size() > Named)
        named += u" и ещё " + num(lost.size() - Named);
    return (lost.size() == 1 ? u"уже не собрать ответ " : u"уже не собрать ответы ") + named;
}

} // namespace

// Picked letters are used up: one full letter game spells every answer from one board.
void FolderCheck::checkLetterSupply(const LoadedFile& board, const LoadedFile& answers) {
    std::vector<std::u16string> cells;
    for (const Record& cell : board.records)
        cells.push_back(cell.text);
    std::vector<std::u16string> meantAnswers;
    std::map<char32_t, std::vector<std::size_t>> usedBy;
    const bool russianAnswers = mostlyRussian(answers.records);
    for (std::size_t n = 0; n < listed(answers); ++n) {
        // The answer as the teacher meant it: stray blanks and Latin look-alikes are told of
        // with the answer itself.
        std::u16string meant = answers.records[n].text;
        for (const std::size_t k : foreignLetters(meant, russianAnswers))
            meant[k] = meantLetter(meant[k]);
        std::u16string letters;
        for (const std::u16string& character : splitCharacters(withoutStrayBlanks(meant))) {
            const char32_t c = codePointAt(character, 0);
            if ((character.size() == 1 && isInvisible(character[0])) || c == U'\uFFFD')
                continue;
            letters += character;
            auto& list = usedBy[c];
            if (list.empty() || list.back() != n + 1)
                list.push_back(n + 1);
        }
        meantAnswers.push_back(std::move(letters));
    }
    const LetterSupply supply = letterSupply(cells, meantAnswers);
    const std::size_t boardSize = board.records.size();
    std::u16string spares;
    std::size_t shown = 0;
    for (const LetterCount& spare : supply.spare()) {
        if (spare.letter == U' ' || spare.letter == U'\t' || shown == 5)
            continue;
        spares += (shown++ == 0 ? u"" : u", ") + quoted(spare.letter) + u" — " + num(spare.count);
    }
    const bool full = boardSize + supply.lackingTotal() > board.facts->capacity;
    auto onBoard = supply.onBoard;
    for (const auto& [letter, missing] : supply.lacking()) {
        const std::size_t have = onBoard[letter];
        const std::size_t count = have + missing;
        const std::u16string name = letter == U' ' ? u"пробела" : u"буквы " + quoted(letter);
        std::u16string users;
        const auto& list = usedBy[letter];
        for (std::size_t k = 0; k < list.size() && k < 8; ++k)
            users += (k == 0 ? u"" : u", ") + num(list[k]);
        if (list.size() > 8)
            users += u" и другие";
        std::u16string what =
            u"На табло не хватает " + name + u": " + (list.size() == 1 ? u"ответу " : u"ответам ") +
            users + u" нужно " + num(count) + u", на табло " + num(have) + u" — не хватает " +
            num(count - have) + u". Выбранные буквы с табло исчезают, и в игре с буквами " +
            unspellable(letter, have, meantAnswers, answers) + u".";
        for (const auto& [latin, russian] : LookAlikes) {
            if (russian == letter && onBoard.count(latin) && onBoard[latin] > 0)
                what += u" (На табло вместо неё стоит латинская " + quoted(latin) +
                        u" — исправьте её.)";
        }
        const char32_t other = letter < 0x10000 ? otherCase(static_cast<char16_t>(letter)) : letter;
        if (other != letter && onBoard.count(other) && onBoard[other] > 0)
            what += u" (На табло есть " + quoted(other) +
                    u", но большие и маленькие буквы для игры разные.)";
        std::u16string fix =
            letter == U' ' ? u"Добавьте на табло клетку с пробелом (\" \")"
                           : u"Добавьте на табло ещё " + num(count - have) + u" " + quoted(letter);
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
