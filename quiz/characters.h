#pragma once
// Characters as a teacher and a pupil count them: a letter beyond the basic plane (a
// mathematical letter pasted from a formula) is two UTF-16 code units but one character,
// which stays whole in one board cell, is counted once and is taken back whole.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// How many code units the character that starts at pos takes: 2 for a well-formed pair,
// 1 otherwise (a lone half of a pair is a character of its own, so nothing is lost).
std::size_t characterSizeAt(std::u16string_view text, std::size_t pos);
// How many code units the last character of the text takes; 0 for an empty text.
std::size_t lastCharacterSize(std::u16string_view text);
std::size_t characterCount(std::u16string_view text);
// The text one character a piece.
std::vector<std::u16string> splitCharacters(std::u16string_view text);

// The code point of the character at pos (a lone half: itself).
char32_t codePointAt(std::u16string_view text, std::size_t pos);
// The text of one code point.
std::u16string characterText(char32_t character);

} // namespace vatro
