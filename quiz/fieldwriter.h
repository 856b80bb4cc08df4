#pragma once
// Writes quiz and help files: the exact inverse of the field reader.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// How a written file is encoded. Windows-1251 keeps a folder readable by every copy of the
// game; UTF-8 holds any character, and the mark tells Windows editors what they open.
enum class FileEncoding { Cp1251, Utf8, Utf8WithMark };

// Why a field cannot be written so that the reader gets it back.
struct WriteProblem {
    enum class Kind {
        DoubleQuote,     // the format has no way to carry a double quote inside a field
        NotInCp1251,     // a character Windows-1251 has no byte for
        BrokenCharacter, // half of a UTF-16 pair: no encoding can hold it
        NotReadBack,     // the file would read back otherwise (for example as another encoding)
    };
    Kind kind;
    std::size_t field = 0; // from 1; 0 when the whole file is meant
    char32_t character = 0;
};

struct WrittenFile {
    std::string bytes;
    std::vector<WriteProblem> problems;
    bool ok() const { return problems.empty(); }
};

// The fields as text: perLine fields to a line, joined by commas, lines ended by CR LF. A
// field is quoted when it is empty or holds a comma, a line end or blanks at either end,
// since the reader would otherwise split it, drop it or trim it.
std::u16string joinFields(const std::vector<std::u16string>& fields, std::size_t perLine);

// The file's bytes, or the problems that keep the fields from reading back as they are.
// Nothing is replaced silently: a file with a problem has no bytes.
WrittenFile writeFields(const std::vector<std::u16string>& fields, std::size_t perLine,
                        FileEncoding encoding);

// Windows-1251 bytes of the text; the position of the first character it lacks otherwise.
bool encodeCp1251(std::u16string_view text, std::string& bytes, std::size_t& failedAt);

// The characters of the texts that Windows-1251 has no byte for, each once, in the order
// found; a character beyond the basic plane whole.
std::u16string charactersNotInCp1251(const std::vector<std::u16string>& texts);
// "Заменить на «?»": the text with each character Windows-1251 lacks written as one '?'.
std::u16string withQuestionMarks(std::u16string_view text);

// One Russian sentence for a write problem of the named file.
std::u16string describeWriteProblem(const WriteProblem& problem, std::string_view fileName);

} // namespace vatro
