// The board's cells and the answers, record by record: what a pupil cannot pick or spell.
#include "checktext.h"
#include "foldercheck.h"
#include "quiz/characters.h"
#include "quiz/quizfacts.h"

#include <algorithm>

namespace vatro::quizcheck {

void FolderCheck::checkBoard(const LoadedFile& board) {
    const FileFacts& facts = *board.facts;
    for (std::size_t n = 0; n < listed(board); ++n) {
        const Record& cell = board.records[n];
        // A character beyond the basic plane is one letter in one cell.
        const std::size_t characters = characterCount(cell.text);
        if (characters <= 1)
            continue;
        const bool blanks = std::any_of(cell.text.begin(), cell.text.end(), isBlank);
        std::u16string split;
        for (const std::u16string& c : splitCharacters(cell.text)) {
            if (c.size() != 1 || !isBlank(c[0]))
                split += (split.empty() ? u"" : u",") + c;
        }
        problem(Finding::Kind::CellNotOneLetter, facts, &cell, n + 1,
                u"В клетке табло " + inQuotes(cell.text) + u" " +
                    counted(characters, u"знак", u"знака", u"знаков") +
                    (blanks ? u" вместе с пробелом" : u"") +
                    u": ученик возьмёт их одним щелчком, а правая кнопка вернёт на табло только "
                    u"последний.",
                u"По одной букве в клетке: разделите буквы запятыми (" + split + u").");
    }
    const std::size_t count = board.records.size();
    const std::size_t lastRow = count % BoardWidth;
    if (count > BoardWidth && lastRow != 0 && count <= facts.capacity) {
        const std::size_t rows = count / BoardWidth + 1;
        const std::size_t hidden = (rows - 1) * (BoardWidth - lastRow);
        problem(Finding::Kind::BoardRowIncomplete, facts, &board.records.back(), count,
                u"В последнем ряду табло " + counted(lastRow, u"буква", u"буквы", u"букв") +
                    u" из 20, а игра показывает в каждом ряду столько столбцов, сколько букв в "
                    u"последнем: " +
                    counted(hidden, u"буква табло не видна", u"буквы табло не видны",
                            u"букв табло не видны") +
                    u".",
                u"Допишите в последний ряд ещё " + num(BoardWidth - lastRow) +
                    u" (лишние буквы не мешают) или уберите " + num(lastRow) +
                    u", чтобы во всех рядах было ровно по 20 букв.");
    }
}

void FolderCheck::checkAnswers(const LoadedFile& answers) {
    const FileFacts& facts = *answers.facts;
    for (std::size_t n = 0; n < listed(answers); ++n) {
        const Record& answer = answers.records[n];
        const std::u16string& text = answer.text;
        if (text.empty())
            continue;
        std::vector<std::u16string> blanks;
        if (isBlank(text.front()))
            blanks.push_back(u"пробел в начале");
        if (isBlank(text.back()))
            blanks.push_back(u"пробел в конце");
        for (std::size_t k = 1; k < text.size(); ++k) {
            if (isBlank(text[k]) && isBlank(text[k - 1])) {
                blanks.push_back(u"два пробела подряд");
                break;
            }
        }
        if (text.find(u'\u00A0') != std::u16string::npos)
            blanks.push_back(u"неразрывный пробел");
        if (!blanks.empty()) {
            std::u16string list;
            for (const std::u16string& item : blanks)
                list += (list.empty() ? u"" : u", ") + item;
            const std::u16string clean = withoutStrayBlanks(text);
            problem(Finding::Kind::StrayBlanks, facts, &answer, n + 1,
                    u"В ответе " + inQuotes(text) + u" " + list +
                        u": собранное с табло слово никогда не совпадёт с ним.",
                    u"Уберите лишние пробелы: \"" + clean + u"\".");
        }
        if (const std::size_t length = characterCount(text); length > PickStackDepth) {
            problem(Finding::Kind::AnswerTooLong, facts, &answer, n + 1,
                    u"Ответ " + inQuotes(text) + u" длиной " +
                        counted(length, u"знак", u"знака", u"знаков") +
                        u", а с табло можно набрать не больше " + num(PickStackDepth) +
                        u": в игре с буквами на этот вопрос не ответить.",
                    u"Выберите ответ не длиннее " + num(PickStackDepth) + u" букв.");
        }
    }
}

// Latin letters that look Russian, in a file of Russian letters: exact judging compares
// codes, so the Russian letter a pupil picks never matches them.
void FolderCheck::checkLatin(const LoadedFile& file) {
    const FileFacts& facts = *file.facts;
    const bool russianFile = mostlyRussian(file.records);
    for (std::size_t n = 0; n < listed(file); ++n) {
        const Record& record = file.records[n];
        const std::u16string& text = record.text;
        const std::vector<std::size_t> foreign = foreignLetters(text, russianFile);
        if (foreign.empty())
            continue;
        std::u16string list;
        std::u16string russianForms;
        std::size_t strays = 0;
        for (const std::size_t k : foreign) {
            const char16_t c = text[k];
            const bool digit = !isLatin(c);
            ++strays;
            list += (list.empty() ? u"" : u", ") +
                    std::u16string(digit ? u"цифра " : u"латинская ") +
                    inQuotes(std::u16string(1, c));
            if (characterCount(text) > 1)
                list += u" (" + num(characterCount(std::u16string_view(text).substr(0, k)) + 1) +
                        u"-я)";
            const char16_t looksLike = meantLetter(c);
            const std::u16string form = inQuotes(std::u16string(1, looksLike));
            if (looksLike != c && russianForms.find(form) == std::u16string::npos)
                russianForms += (russianForms.empty() ? u"" : u", ") + form;
        }
        const std::u16string where =
            facts.role == Role::Letters ? u"В клетке табло " : u"В ответе ";
        const bool one = strays == 1;
        std::u16string what = where + inQuotes(text) +
                              (one ? u" вместо русской буквы " : u" вместо русских букв: ") + list +
                              u".";
        if (!russianForms.empty())
            what += (one ? u" На вид это русская " : u" На вид это русские ") + russianForms +
                    u", но игра их различает";
        what += facts.role == Role::Letters
                    ? u": ответ, собранный с этой клеткой, никогда не будет верным."
                    : u": ответ, собранный из русских букв, никогда не будет верным.";
        problem(Finding::Kind::LatinLetters, facts, &record, n + 1, std::move(what),
                one ? u"Сотрите этот знак и наберите его заново в русской раскладке."
                    : u"Сотрите эти знаки и наберите их заново в русской раскладке.");
    }
}

} // namespace vatro::quizcheck
