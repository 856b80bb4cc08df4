#include "fieldwriter.h"

#include "characters.h"
#include "fieldreader.h"
#include "foreigntext.h"
#include "numbertext.h"
#include "textcodec.h"

#include <vector>

namespace vatro {

namespace {

bool needsQuotes(std::u16string_view field) {
    if (field.empty() || isBlank(field.front()) || isBlank(field.back()))
        return true;
    for (char16_t c : field) {
        if (endsField(c))
            return true;
    }
    return false;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

// The position of a surrogate that has no partner, or npos.
std::size_t brokenPair(std::u16string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (isHighSurrogate(text[k]) && k + 1 < text.size() && isLowSurrogate(text[k + 1]))
            ++k;
        else if (isHighSurrogate(text[k]) || isLowSurrogate(text[k]))
            return k;
    }
    return std::u16string_view::npos;
}

} // namespace

std::u16string joinFields(const std::vector<std::u16string>& fields, std::size_t perLine) {
    perLine = perLine == 0 ? 1 : perLine;
    std::u16string text;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        const std::u16string& field = fields[n];
        if (needsQuotes(field))
            text += u'"' + field + u'"';
        else
            text += field;
        const bool lineEnds = (n + 1) % perLine == 0 || n + 1 == fields.size();
        text += lineEnds ? u"\r\n" : u",";
    }
    return text;
}

bool encodeCp1251(std::u16string_view text, std::string& bytes, std::size_t& failedAt) {
    // The byte of each character, 0 for none; one look-up a character.
    static const std::vector<unsigned char> byteOf = [] {
        std::vector<unsigned char> bytes(0x10000, 0);
        for (unsigned b = 0x80; b < 0x100; ++b) {
            const char byte = static_cast<char>(b);
            bytes[decodeCp1251(std::string_view(&byte, 1))[0]] = static_cast<unsigned char>(b);
        }
        return bytes;
    }();
    bytes.clear();
    bytes.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char16_t c = text[k];
        const unsigned char byte = c < 0x80 ? static_cast<unsigned char>(c) : byteOf[c];
        if (byte == 0 && c != 0) {
            failedAt = k;
            return false;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return true;
}

namespace {

bool inCp1251(std::u16string_view character) {
    std::string unused;
    std::size_t failedAt = 0;
    return encodeCp1251(character, unused, failedAt);
}

} // namespace

std::u16string charactersNotInCp1251(const std::vector<std::u16string>& texts) {
    std::u16string lacking;
    for (const std::u16string& text : texts) {
        for (std::size_t k = 0; k < text.size();) {
            const std::u16string_view character =
                std::u16string_view(text).substr(k, characterSizeAt(text, k));
            if (!inCp1251(character) && lacking.find(character) == std::u16string::npos)
                lacking += character;
            k += character.size();
        }
    }
    return lacking;
}

std::u16string withQuestionMarks(std::u16string_view text) {
    std::u16string result;
    for (std::size_t k = 0; k < text.size();) {
        const std::u16string_view character = text.substr(k, characterSizeAt(text, k));
        if (inCp1251(character))
            result += character;
        else
            result += u'?';
        k += character.size();
    }
    return result;
}

WrittenFile writeFields(const std::vector<std::u16string>& fields, std::size_t perLine,
                        FileEncoding encoding) {
    WrittenFile result;
    std::string unused;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        const std::u16string& field = fields[n];
        if (const std::size_t quote = field.find(u'"'); quote != std::u16string::npos)
            result.problems.push_back({WriteProblem::Kind::DoubleQuote, n + 1, u'"'});
        if (const std::size_t broken = brokenPair(field); broken != std::u16string::npos) {
            result.problems.push_back(
                {WriteProblem::Kind::BrokenCharacter, n + 1, codePointAt(field, broken)});
            continue;
        }
        std::size_t failedAt = 0;
        if (encoding == FileEncoding::Cp1251 && !encodeCp1251(field, unused, failedAt))
            result.problems.push_back(
                {WriteProblem::Kind::NotInCp1251, n + 1, codePointAt(field, failedAt)});
    }
    if (!result.ok())
        return result;

    const std::u16string text = joinFields(fields, perLine);
    if (encoding == FileEncoding::Cp1251) {
        std::size_t failedAt = 0;
        encodeCp1251(text, result.bytes, failedAt);
    } else {
        result.bytes =
            (encoding == FileEncoding::Utf8WithMark ? "\xEF\xBB\xBF" : "") + utf16ToUtf8(text);
    }
    // The reader decides the encoding from the bytes alone: a Windows-1251 text that
    // happens to be valid UTF-8, say, would come back as other letters, and text of
    // control characters is refused as no text at all.
    const DecodedText decoded = decodeTextFile(result.bytes);
    if (splitFields(decoded.text, fields.size()) != fields ||
        foreignText(result.bytes, decoded) != ForeignText::None) {
        result.bytes.clear();
        result.problems.push_back({WriteProblem::Kind::NotReadBack, 0, 0});
    }
    return result;
}

std::u16string describeWriteProblem(const WriteProblem& problem, std::string_view fileName) {
    const std::u16string file = u"«" + utf8ToUtf16(fileName) + u"»";
    const std::u16string record =
        u"запись " + decimal(static_cast<long long>(problem.field)) + u" файла " + file;
    switch (problem.kind) {
    case WriteProblem::Kind::DoubleQuote:
        return u"В записи " + decimal(static_cast<long long>(problem.field)) + u" файла " + file +
               u" есть двойная кавычка: файл викторины не может её хранить. "
               u"Замените её «ёлочками».";
    case WriteProblem::Kind::NotInCp1251:
        return u"В кодировке Windows-1251 нет знака «" + characterText(problem.character) + u"» (" +
               record + u"). Сохраните файл в UTF-8 или замените знак.";
    case WriteProblem::Kind::BrokenCharacter:
        return u"В тексте (" + record + u") есть испорченный знак. Наберите его заново.";
    case WriteProblem::Kind::NotReadBack:
        return u"Файл " + file +
               u" в этой кодировке читался бы иначе, чем написан. Сохраните его в UTF-8.";
    }
    return {};
}

} // namespace vatro
