#pragma once
// Words, numbers and characters as the quiz checker tells of them.

#include "quiz/fieldreader.h"
#include "quiz/numbertext.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vatro::quizcheck {

// ---- Words and numbers ----

std::u16string num(std::size_t n);
using vatro::counted;
std::u16string range(std::size_t first, std::size_t last);
std::u16string inQuotes(std::u16string_view text);
// Long texts are shown by their beginning; the record number says where the rest is.
std::u16string excerpt(std::u16string_view text, std::size_t length = 60);

// ---- Characters ----

bool isCyrillic(char16_t c);
bool isLatin(char16_t c);
bool isLowerCase(char16_t c);
char16_t foldCase(char16_t c);
char16_t otherCase(char16_t c);
// Characters that show nothing, or a box, where the teacher sees a letter or nothing.
bool isInvisible(char16_t c);

// Latin letters that look like Russian ones, and the Russian letters they look like.
inline constexpr std::array<std::pair<char16_t, char16_t>, 19> LookAlikes = {{
    {u'A', u'А'}, {u'B', u'В'}, {u'C', u'С'}, {u'E', u'Е'}, {u'H', u'Н'},
    {u'K', u'К'}, {u'M', u'М'}, {u'O', u'О'}, {u'P', u'Р'}, {u'T', u'Т'},
    {u'X', u'Х'}, {u'Y', u'У'}, {u'a', u'а'}, {u'c', u'с'}, {u'e', u'е'},
    {u'o', u'о'}, {u'p', u'р'}, {u'x', u'х'}, {u'y', u'у'},
}};

std::optional<char16_t> russianLookAlike(char16_t latin);
bool hasCyrillic(std::u16string_view text);
bool hasLatin(std::u16string_view text);
std::u16string trimmed(std::u16string_view text);
// The text with blanks neither in front nor behind, and single plain blanks inside.
std::u16string withoutStrayBlanks(std::u16string_view text);

// Whether most records of a file hold Russian letters rather than Latin ones.
template <typename Records> bool mostlyRussian(const Records& records) {
    std::size_t russian = 0;
    std::size_t latin = 0;
    for (const auto& record : records) {
        russian += hasCyrillic(record.text) ? 1 : 0;
        latin += hasLatin(record.text) && !hasCyrillic(record.text) ? 1 : 0;
    }
    return russian > latin;
}

// The places of the characters that stand for Russian letters but are none: Latin letters
// in a Russian word, a word of Latin look-alikes among Russian ones, and the digits 0 and
// 3 typed inside a Russian word.
std::vector<std::size_t> foreignLetters(std::u16string_view text, bool russianFile);
// The Russian letter a foreign character was typed for; itself when none.
char16_t meantLetter(char16_t c);

} // namespace vatro::quizcheck
