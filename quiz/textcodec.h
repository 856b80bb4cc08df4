#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vatro {

// Windows-1251 bytes as UTF-16 text. The one byte the code page leaves undefined (0x98)
// becomes U+0098, as Windows itself maps it.
std::u16string decodeCp1251(std::string_view bytes);

// UTF-8 as UTF-16: the programs' one UTF-8 decoder. Each byte that begins no well-formed
// sequence (see utf8SequenceAt) becomes U+FFFD, so a broken character never decodes as
// another one.
std::u16string utf8ToUtf16(std::string_view text);

// The length of the well-formed UTF-8 sequence that starts at pos, or 0 when none does:
// overlong forms, surrogates and code points past U+10FFFF are not well-formed.
std::size_t utf8SequenceAt(std::string_view bytes, std::size_t pos);
bool isValidUtf8(std::string_view bytes);

enum class TextEncoding { Ascii, Utf8, Cp1251, Utf16Le, Utf16Be };

struct DecodedText {
    std::u16string text;
    TextEncoding encoding = TextEncoding::Ascii;
    bool byteOrderMark = false;
};

// UTF-16 bytes (without their mark) as text; a lone half of a pair, or a last odd byte,
// becomes U+FFFD.
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian);

// The text of a quiz or help file. A file that begins with a UTF-16 byte-order mark (what
// Windows Notepad saves as "Юникод") is read as UTF-16 of that byte order. A file that is
// valid UTF-8, or begins with the UTF-8 mark, is read as UTF-8 (the mark dropped, a broken
// byte read as U+FFFD); any other as Windows-1251, whose Russian text is practically never
// valid UTF-8, so files written for the game in Windows-1251 keep working.
DecodedText decodeTextFile(std::string_view bytes);

std::string utf16ToUtf8(std::u16string_view text);

// File names and folders are UTF-8 on the systems the game runs on.
std::filesystem::path pathFromUtf8(std::string_view name);
std::u16string displayPath(const std::filesystem::path& path);

} // namespace vatro
