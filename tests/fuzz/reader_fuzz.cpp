// The fast layer of the quiz-file fuzzing: bytes to fields through every encoding the reader
// knows, without files or a game, and the writer's round trip over fields made of the bytes.
// The whole game is fuzzed by the slow layer, quizfiles_fuzz.cpp.
#include "quiz/fieldreader.h"
#include "quiz/fieldwriter.h"
#include "quiz/foreigntext.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace vatro;

// A broken rule is a crash, so that the fuzzer keeps the input that broke it.
void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xE000;
}

DecodedText checkDecoding(std::string_view bytes) {
    DecodedText decoded = decodeTextFile(bytes);
    switch (decoded.encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        require(decoded.byteOrderMark && decoded.text.size() <= bytes.size() / 2,
                "UTF-16 is read only after its mark, two bytes a character");
        break;
    case TextEncoding::Cp1251:
        require(decoded.text.size() == bytes.size(), "Windows-1251 is one character a byte");
        break;
    case TextEncoding::Ascii:
    case TextEncoding::Utf8:
        require(decoded.text.size() <= bytes.size(), "UTF-8 never gives more characters");
        if (!decoded.byteOrderMark)
            require(isValidUtf8(bytes) && utf16ToUtf8(decoded.text) == bytes,
                    "unmarked UTF-8 is read only when valid, and survives a round trip");
        break;
    }
    // Decoding never leaves half of a pair: every text the game shows is well formed.
    for (std::size_t k = 0; k < decoded.text.size(); ++k) {
        const char16_t c = decoded.text[k];
        if (c >= 0xD800 && c < 0xDC00) {
            require(k + 1 < decoded.text.size() && decoded.text[k + 1] >= 0xDC00 &&
                        decoded.text[k + 1] < 0xE000,
                    "a high surrogate is followed by a low one");
            ++k;
        } else {
            require(!isSurrogate(c), "no lone low surrogate");
        }
    }
    // Both byte orders of the same text read alike.
    if (decoded.encoding == TextEncoding::Utf16Le) {
        std::string swapped = "\xFE\xFF";
        for (std::size_t k = 2; k + 1 < bytes.size(); k += 2)
            swapped += {bytes[k + 1], bytes[k]};
        if (bytes.size() % 2 != 0)
            swapped += bytes.back();
        require(decodeTextFile(swapped).text == decoded.text, "UTF-16 BE reads as LE does");
    }
    return decoded;
}

void checkReader(std::string_view bytes, const std::u16string& text) {
    const std::vector<std::u16string> all = splitFields(text, 400);
    const std::vector<std::u16string> first = splitFields(text, 1);
    require(first.size() <= 2 && std::equal(first.begin(), first.end(), all.begin()),
            "the reader stops one field past the capacity, with the same fields");
    const FieldFile file = readFieldBytes(bytes, 49);
    require(file.ok() || file.fields.empty(), "a refused file hands on no fields");
    if (file.ok())
        require(file.fields.size() <= 49 &&
                    std::equal(file.fields.begin(), file.fields.end(), all.begin()),
                "the game reads the fields the splitter finds");
    else if (file.problem->kind == FileProblem::Kind::TooManyRecords)
        require(all.size() > 49, "a file is too long only past its capacity");
}

// Fields of any content: the text cut at each record separator, U+001E.
std::vector<std::u16string> fieldsOf(std::u16string_view text) {
    std::vector<std::u16string> fields(1);
    for (char16_t c : text) {
        if (c == u'\x1E')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    }
    return fields;
}

// One encoding an input, chosen by its length: over a run each is tried as often.
void checkWriter(const std::u16string& text, std::size_t size) {
    const std::vector<std::u16string> fields = fieldsOf(text);
    const std::size_t perLine = size / 3 % 22;
    const FileEncoding encoding =
        std::array{FileEncoding::Cp1251, FileEncoding::Utf8, FileEncoding::Utf8WithMark}[size % 3];
    const WrittenFile file = writeFields(fields, perLine, encoding);
    require(file.ok() != file.bytes.empty() || (file.ok() && fields.empty()),
            "a file is written whole or not at all");
    if (file.ok()) {
        // The game's own reader, limits and all, when every field is within them.
        const bool fitsTheGame = std::all_of(fields.begin(), fields.end(), [](const auto& field) {
            return field.size() <= MaxFieldLength;
        });
        if (fitsTheGame) {
            const FieldFile read = readFieldBytes(file.bytes, fields.size());
            require(read.ok() && read.fields == fields, "the game reads what the writer wrote");
        } else {
            require(splitFields(decodeTextFile(file.bytes).text, fields.size()) == fields,
                    "what the writer accepts reads back as it was");
        }
    }
    if (encoding != FileEncoding::Utf8WithMark)
        return;
    // With its mark, UTF-8 holds any text the format can: only a double quote, half of a
    // pair or control characters keep a field list from being written.
    const bool writable = std::none_of(fields.begin(), fields.end(), [](const auto& field) {
        return std::any_of(field.begin(), field.end(), [](char16_t c) {
            return c == u'"' || isSurrogate(c) ||
                   (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == 0x7F;
        });
    });
    require(!writable || file.ok(),
            "marked UTF-8 writes every field list without quotes and control characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedText decoded = checkDecoding(bytes);
    checkReader(bytes, decoded.text);
    checkWriter(decoded.text, size);
    return 0;
}
