#pragma once

#include "safefile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// The characters that shape the fields of a quiz file: blanks around them, commas and line
// ends between them.
inline bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
inline bool isLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}
inline bool endsField(char16_t c) {
    return c == u',' || isLineEnd(c);
}

// Splits text into fields: a field ends at a comma or a line end; blanks and line ends in
// front of a field are skipped; a field that begins with a double quote runs to the next
// double quote and may hold commas; blanks after an unquoted field are dropped.
// Stops after maxFields + 1 fields, which is enough to tell that a file is too long.
std::vector<std::u16string> splitFields(std::u16string_view text, std::size_t maxFields);

// What can be wrong with a quiz or help file.
struct FileProblem {
    enum class Kind {
        NotFound,
        Unreadable,
        TooManyRecords,
        TooLarge,
        FieldTooLong,
        Utf16WithoutMark, // an encoding the game does not read, named in the message
        Utf32,
        NotText, // mostly control characters
    };
    Kind kind;
    std::size_t record = 0; // the record that is too long
};

struct FieldFile {
    std::vector<std::u16string> fields;
    std::optional<FileProblem> problem;
    bool ok() const { return !problem.has_value(); }
};

// Limits that keep a stray file from taking unbounded memory or time.
inline constexpr std::uintmax_t MaxFileBytes = 1 << 20;
inline constexpr std::size_t MaxFieldLength = 2000;

// Reads the whole file in the folder, as UTF-16 when it bears a UTF-16 mark, as UTF-8 when
// it is UTF-8 and as Windows-1251 otherwise (see decodeTextFile), and splits it into
// fields, checking every limit before anything is handed on: a file with more than
// capacity fields is refused whole, and so is a file that is no text the game reads.
FieldFile readFieldFile(const std::filesystem::path& folder, const std::string& fileName,
                        std::size_t capacity);
// The same for the bytes of a file already read.
FieldFile readFieldBytes(std::string_view bytes, std::size_t capacity);
FieldFile readFieldBytes(const SafeRead& file, std::size_t capacity);

// Two Russian lines: what is wrong with which file, then the folder it was looked for in.
std::u16string describeProblem(const FileProblem& problem, const std::filesystem::path& folder,
                               const std::string& fileName, std::size_t capacity);

// Why nothing can be read when the folder the game was started in has gone: deleted,
// deleted and put back as a new folder, or out of reach.
std::u16string describeLostFolder();

// A quiz file that the game cannot start with.
class QuizFileError : public std::runtime_error {
public:
    explicit QuizFileError(std::u16string text);
    const std::u16string& text() const { return m_text; }

private:
    std::u16string m_text;
};

} // namespace vatro
