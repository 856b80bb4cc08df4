#include "textcodec.h"

#include <algorithm>
#include <array>

namespace vatro {

namespace {
// Code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> Cp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};
} // namespace

std::u16string decodeCp1251(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.push_back(value < 0x80 ? static_cast<char16_t>(value) : Cp1251High[value - 0x80]);
    }
    return text;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceAt(text, pos);
        if (length == 0) {
            result.push_back(u'\uFFFD');
            ++pos;
            continue;
        }
        // The sequence is well-formed: its lead byte's value bits, then six of each other.
        const auto lead = static_cast<unsigned char>(text[pos]);
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[pos + k]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(code));
        }
        pos += length;
    }
    return result;
}

std::size_t utf8SequenceAt(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[pos + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // The second byte's range is what rules out overlong forms, surrogates and code points
    // past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > bytes.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = utf8SequenceAt(bytes, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t pos) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    const auto high = [](char16_t c) { return c >= 0xD800 && c < 0xDC00; };
    const auto low = [](char16_t c) { return c >= 0xDC00 && c < 0xE000; };
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (std::size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        const char16_t c = unit(pos);
        if (high(c) && pos + 3 < bytes.size() && low(unit(pos + 2))) {
            text += {c, unit(pos + 2)};
            pos += 2;
        } else {
            text.push_back(high(c) || low(c) ? u'\uFFFD' : c);
        }
    }
    if (bytes.size() % 2 != 0)
        text.push_back(u'\uFFFD');
    return text;
}

DecodedText decodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return {decodeUtf16(bytes.substr(2), false), TextEncoding::Utf16Le, true};
    if (bytes.starts_with("\xFE\xFF"))
        return {decodeUtf16(bytes.substr(2), true), TextEncoding::Utf16Be, true};
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    // The mark says UTF-8 outright: a broken byte after it is a broken character, not a
    // sign of Windows-1251.
    const bool mark = bytes.starts_with(ByteOrderMark);
    const std::string_view body = mark ? bytes.substr(ByteOrderMark.size()) : bytes;
    if (!mark && !isValidUtf8(body))
        return {decodeCp1251(bytes), TextEncoding::Cp1251, false};
    const bool ascii = !mark && std::all_of(body.begin(), body.end(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x80;
    });
    return {utf8ToUtf16(body), ascii ? TextEncoding::Ascii : TextEncoding::Utf8, mark};
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            result.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (code >> 6)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (code >> 12)));
            result.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (code >> 18)));
            result.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return result;
}

std::filesystem::path pathFromUtf8(std::string_view name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::u16string displayPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

} // namespace vatro
