#pragma once
// Files the game cannot take as text: saved in an encoding it does not read, or no text at
// all. Read on regardless, they would give a wrong count of records or a board of noise.

#include "textcodec.h"

#include <string_view>

namespace vatro {

enum class ForeignText {
    None,             // text the game reads
    Utf16WithoutMark, // UTF-16 whose byte order nothing tells
    Utf32,            // with its mark or without
    ControlCharacters, // decodes to mostly control characters: no text the game knows
};

// What the bytes are, given what the reader made of them.
ForeignText foreignText(std::string_view bytes, const DecodedText& decoded);

} // namespace vatro
