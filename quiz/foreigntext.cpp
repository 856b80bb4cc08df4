#include "foreigntext.h"

#include <algorithm>

namespace vatro {

namespace {

// Characters a quiz file in Russian or English is made of.
bool plausible(char16_t c) {
    return c == u'\t' || c == u'\r' || c == u'\n' || (c >= 0x20 && c < 0x7F) ||
           (c >= 0xA0 && c <= 0xFF) || (c >= 0x400 && c < 0x460) || c == u'–' || c == u'—' ||
           c == u'№';
}

// Whether the bytes, read as UTF-16 of that byte order, are nearly all characters of a quiz.
bool looksLikeUtf16(std::string_view bytes, bool bigEndian) {
    const std::u16string text =
        decodeUtf16(bytes.substr(0, bytes.size() & ~std::size_t{1}), bigEndian);
    const auto fitting =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), plausible));
    return fitting * 10 >= text.size() * 9;
}

// Whether the bytes, read as UTF-32 of that byte order, are nearly all characters of a quiz:
// each four bytes one character, two of them zero.
bool looksLikeUtf32(std::string_view bytes, bool bigEndian) {
    const std::size_t characters = bytes.size() / 4;
    if (characters == 0)
        return false;
    std::size_t fitting = 0;
    for (std::size_t n = 0; n < characters; ++n) {
        const auto byte = [&](std::size_t k) {
            return static_cast<unsigned char>(bytes[4 * n + (bigEndian ? 3 - k : k)]);
        };
        const auto c = static_cast<char16_t>(byte(0) | byte(1) << 8);
        fitting += byte(2) == 0 && byte(3) == 0 && plausible(c) ? 1 : 0;
    }
    return fitting * 10 >= characters * 9;
}

bool isControl(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == 0x7F;
}

} // namespace

ForeignText foreignText(std::string_view bytes, const DecodedText& decoded) {
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return ForeignText::Utf32;
    if (!decoded.byteOrderMark && (looksLikeUtf32(bytes, false) || looksLikeUtf32(bytes, true)))
        return ForeignText::Utf32;
    // UTF-16 of a quiz has a zero byte (the high byte of ASCII) or a 0x04 byte (that of every
    // Russian letter) in nearly every pair; text in Windows-1251 or UTF-8 has neither.
    const bool zeroOrFour =
        std::any_of(bytes.begin(), bytes.end(), [](char b) { return b == '\0' || b == '\x04'; });
    if (!decoded.byteOrderMark && bytes.size() >= 2 && zeroOrFour &&
        (looksLikeUtf16(bytes, false) || looksLikeUtf16(bytes, true)))
        return ForeignText::Utf16WithoutMark;
    // Real text has next to none; a quarter is far more than any teacher's file holds.
    const auto controls = static_cast<std::size_t>(
        std::count_if(decoded.text.begin(), decoded.text.end(), isControl));
    if (controls > 0 && controls * 4 >= decoded.text.size())
        return ForeignText::ControlCharacters;
    return ForeignText::None;
}

} // namespace vatro
