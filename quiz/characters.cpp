#include "characters.h"

namespace vatro {

namespace {

bool isHighHalf(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool isLowHalf(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

} // namespace

std::size_t characterSizeAt(std::u16string_view text, std::size_t pos) {
    return pos + 1 < text.size() && isHighHalf(text[pos]) && isLowHalf(text[pos + 1]) ? 2 : 1;
}

std::size_t lastCharacterSize(std::u16string_view text) {
    if (text.empty())
        return 0;
    const std::size_t n = text.size();
    return n >= 2 && isHighHalf(text[n - 2]) && isLowHalf(text[n - 1]) ? 2 : 1;
}

std::size_t characterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t k = 0; k < text.size(); k += characterSizeAt(text, k))
        ++count;
    return count;
}

std::vector<std::u16string> splitCharacters(std::u16string_view text) {
    std::vector<std::u16string> characters;
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t size = characterSizeAt(text, k);
        characters.emplace_back(text.substr(k, size));
        k += size;
    }
    return characters;
}

char32_t codePointAt(std::u16string_view text, std::size_t pos) {
    if (characterSizeAt(text, pos) == 2)
        return 0x10000 + ((char32_t{text[pos]} - 0xD800) << 10) +
               (char32_t{text[pos + 1]} - 0xDC00);
    return text[pos];
}

std::u16string characterText(char32_t character) {
    if (character < 0x10000)
        return std::u16string(1, static_cast<char16_t>(character));
    const char32_t offset = character - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

} // namespace vatro
