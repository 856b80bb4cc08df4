#include "fieldreader.h"

#include "textcodec.h"
#include "ui/controls/numbertext.h"

#include <fstream>
#include <iterator>

namespace vatro {

std::vector<std::u16string> splitFields(std::u16string_view text, std::size_t maxFields) {
    std::vector<std::u16string> fields;
    std::size_t pos = 0;
    const std::size_t size = text.size();
    while (fields.size() <= maxFields) {
        while (pos < size && (isBlank(text[pos]) || isLineEnd(text[pos])))
            ++pos;
        if (pos == size)
            break;
        std::u16string value;
        if (text[pos] == u'"') {
            const std::size_t start = pos + 1;
            std::size_t close = text.find(u'"', start);
            if (close == std::u16string_view::npos)
                close = size;
            value = text.substr(start, close - start);
            pos = close < size ? close + 1 : size;
            // Whatever stands between the closing quote and the delimiter is dropped.
            while (pos < size && !endsField(text[pos]))
                ++pos;
        } else {
            const std::size_t start = pos;
            while (pos < size && !endsField(text[pos]))
                ++pos;
            std::size_t end = pos;
            while (end > start && isBlank(text[end - 1]))
                --end;
            value = text.substr(start, end - start);
        }
        if (pos < size && text[pos] == u',')
            ++pos;
        fields.push_back(std::move(value));
    }
    return fields;
}

FieldFile readFieldFile(const std::filesystem::path& folder, const std::string& fileName,
                        std::size_t capacity) {
    FieldFile result;
    const std::filesystem::path path = folder / pathFromUtf8(fileName);
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        result.problem = FileProblem{FileProblem::Kind::NotFound};
        return result;
    }
    // A link that leads nowhere sensible, or a folder we may not look into.
    if (error) {
        result.problem = FileProblem{FileProblem::Kind::Unreadable};
        return result;
    }
    if (!std::filesystem::is_regular_file(status)) {
        result.problem = FileProblem{FileProblem::Kind::Unreadable};
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        result.problem = FileProblem{FileProblem::Kind::Unreadable};
        return result;
    }
    if (size > MaxFileBytes) {
        result.problem = FileProblem{FileProblem::Kind::TooLarge};
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) {
        result.problem = FileProblem{FileProblem::Kind::Unreadable};
        return result;
    }
    // A file cut short while it was read is taken as far as it went.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readFieldBytes(bytes, capacity);
}

FieldFile readFieldBytes(std::string_view bytes, std::size_t capacity) {
    FieldFile result;
    if (bytes.size() > MaxFileBytes) {
        result.problem = FileProblem{FileProblem::Kind::TooLarge};
        return result;
    }
    // Today's editors save UTF-8, marked or not; files written for the game in
    // Windows-1251 are practically never valid UTF-8 and read as before.
    result.fields = splitFields(decodeTextFile(bytes).text, capacity);
    if (result.fields.size() > capacity) {
        result.fields.clear();
        result.problem = FileProblem{FileProblem::Kind::TooManyRecords};
        return result;
    }
    for (std::size_t n = 0; n < result.fields.size(); ++n) {
        if (result.fields[n].size() > MaxFieldLength) {
            result.fields.clear();
            result.problem = FileProblem{FileProblem::Kind::FieldTooLong, n + 1};
            return result;
        }
    }
    return result;
}

std::u16string describeProblem(const FileProblem& problem, const std::filesystem::path& folder,
                               const std::string& fileName, std::size_t capacity) {
    const std::u16string file = u"«" + utf8ToUtf16(fileName) + u"»";
    std::u16string what;
    switch (problem.kind) {
    case FileProblem::Kind::NotFound:
        what = u"Не найден файл " + file + u".";
        break;
    case FileProblem::Kind::Unreadable:
        what = u"Не удалось прочитать файл " + file + u".";
        break;
    case FileProblem::Kind::TooManyRecords:
        what = u"В файле " + file + u" больше " + decimal(static_cast<long long>(capacity)) +
               u" записей: столько игра не вмещает.";
        break;
    case FileProblem::Kind::TooLarge:
        what = u"Файл " + file + u" больше 1 МБ: это не файл викторины.";
        break;
    case FileProblem::Kind::FieldTooLong:
        what = u"В файле " + file + u" запись " + decimal(static_cast<long long>(problem.record)) +
               u" длиннее " + decimal(static_cast<long long>(MaxFieldLength)) +
               u" знаков. Проверьте, закрыта ли кавычка.";
        break;
    }
    return what + u"\nПапка: «" + displayPath(folder) + u"».";
}

QuizFileError::QuizFileError(std::u16string text)
    : std::runtime_error(utf16ToUtf8(text)), m_text(std::move(text)) {}

} // namespace vatro
