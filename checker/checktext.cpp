#include "checktext.h"

#include "quiz/numbertext.h"

#include <algorithm>

namespace vatro::quizcheck {

std::u16string num(std::size_t n) {
    return decimal(static_cast<long long>(n));
}

std::u16string range(std::size_t first, std::size_t last) {
    return first == last ? num(first) : num(first) + u"–" + num(last);
}

std::u16string inQuotes(std::u16string_view text) {
    // Built in steps: GCC's -Wrestrict misreads `u"«" + std::u16string(text)` in Release.
    std::u16string quoted = u"«";
    quoted += text;
    quoted += u"»";
    return quoted;
}

std::u16string excerpt(std::u16string_view text, std::size_t length) {
    if (text.size() <= length)
        return inQuotes(text);
    return inQuotes(std::u16string(text.substr(0, length)) + u"…");
}

bool isCyrillic(char16_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}
bool isLatin(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool isLowerCase(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'а' && c <= u'я') || c == u'ё';
}
char16_t foldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я'))
        return static_cast<char16_t>(c + 0x20);
    return c == u'Ё' ? u'ё' : c;
}
char16_t otherCase(char16_t c) {
    if (c == u'ё' || c == u'Ё')
        return c == u'ё' ? u'Ё' : u'ё';
    if (isLowerCase(c))
        return static_cast<char16_t>(c - 0x20);
    return foldCase(c);
}
bool isInvisible(char16_t c) {
    return (c < 0x20 && !isBlank(c) && !isLineEnd(c)) || (c >= 0x7F && c <= 0x9F) || c == 0x200B ||
           c == 0xFEFF;
}

std::optional<char16_t> russianLookAlike(char16_t latin) {
    for (const auto& [from, to] : LookAlikes) {
        if (from == latin)
            return to;
    }
    return std::nullopt;
}

bool hasCyrillic(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), isCyrillic);
}
bool hasLatin(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), isLatin);
}

std::u16string trimmed(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return std::u16string(text.substr(first, last - first));
}

std::u16string withoutStrayBlanks(std::u16string_view text) {
    std::u16string clean;
    for (char16_t c : text) {
        const char16_t blank = c == u'\u00A0' || c == u'\t' ? u' ' : c;
        if (blank != u' ' || (!clean.empty() && clean.back() != u' '))
            clean.push_back(blank);
    }
    if (!clean.empty() && clean.back() == u' ')
        clean.pop_back();
    return clean;
}

std::vector<std::size_t> foreignLetters(std::u16string_view text, bool russianFile) {
    const bool mixed = hasCyrillic(text) && hasLatin(text);
    bool allLookAlike = true;
    for (char16_t c : text)
        allLookAlike = allLookAlike && (!isLatin(c) || russianLookAlike(c).has_value());
    const bool latinSuspect = mixed || (hasLatin(text) && allLookAlike && russianFile);
    std::vector<std::size_t> places;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool besideRussian =
            (k > 0 && isCyrillic(text[k - 1])) || (k + 1 < text.size() && isCyrillic(text[k + 1]));
        if ((latinSuspect && isLatin(text[k])) ||
            ((text[k] == u'0' || text[k] == u'3') && besideRussian))
            places.push_back(k);
    }
    return places;
}

char16_t meantLetter(char16_t c) {
    if (c == u'0' || c == u'3')
        return c == u'0' ? u'О' : u'З';
    return russianLookAlike(c).value_or(c);
}

} // namespace vatro::quizcheck
