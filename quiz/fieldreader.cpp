#include "fieldreader.h"

#include "foreigntext.h"
#include "numbertext.h"
#include "textcodec.h"

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
    return readFieldBytes(readFileSafely(folder / pathFromUtf8(fileName), MaxFileBytes), capacity);
}

FieldFile readFieldBytes(const SafeRead& file, std::size_t capacity) {
    FieldFile result;
    switch (file.status) {
    case SafeRead::Status::Read:
        return readFieldBytes(file.bytes, capacity);
    case SafeRead::Status::Missing:
        result.problem = FileProblem{FileProblem::Kind::NotFound};
        break;
    case SafeRead::Status::TooLarge:
        result.problem = FileProblem{FileProblem::Kind::TooLarge};
        break;
    // A link, a pipe or a folder under the file's name is no file the game reads.
    case SafeRead::Status::NotRegular:
    case SafeRead::Status::Unreadable:
        result.problem = FileProblem{FileProblem::Kind::Unreadable};
        break;
    }
    return result;
}

FieldFile readFieldBytes(std::string_view bytes, std::size_t capacity) {
    FieldFile result;
    if (bytes.size() > MaxFileBytes) {
        result.problem = FileProblem{FileProblem::Kind::TooLarge};
        return result;
    }
    // Today's editors save UTF-8, marked or not; files written for the game in
    // Windows-1251 are practically never valid UTF-8 and read as before.
    const DecodedText decoded = decodeTextFile(bytes);
    // Read as it stands, such a file would be refused for a wrong count of records.
    switch (foreignText(bytes, decoded)) {
    case ForeignText::None:
        break;
    case ForeignText::Utf16WithoutMark:
        result.problem = FileProblem{FileProblem::Kind::Utf16WithoutMark};
        return result;
    case ForeignText::Utf32:
        result.problem = FileProblem{FileProblem::Kind::Utf32};
        return result;
    case ForeignText::ControlCharacters:
        result.problem = FileProblem{FileProblem::Kind::NotText};
        return result;
    }
    result.fields = splitFields(decoded.text, capacity);
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

namespace {
constexpr const char16_t* SaveAsText = u"; сохраните его как UTF-8 или Windows-1251.";
} // namespace

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
    case FileProblem::Kind::Utf16WithoutMark:
        what =
            u"Файл " + file + u" сохранён в кодировке UTF-16 без метки порядка байтов" + SaveAsText;
        break;
    case FileProblem::Kind::Utf32:
        what = u"Файл " + file + u" сохранён в кодировке UTF-32" + SaveAsText;
        break;
    case FileProblem::Kind::NotText:
        what = u"Файл " + file +
               u" почти весь из управляющих знаков: он сохранён в незнакомой игре кодировке "
               u"или это не текст" +
               SaveAsText;
        break;
    }
    return what + u"\nПапка: «" + displayPath(folder) + u"».";
}

std::u16string describeLostFolder() {
    return u"Папки, из которой запущена игра, больше нет (её удалили или заменили новой), "
           u"или к ней нет доступа: файлы викторины не прочитать.\n"
           u"Игра читает файлы только из папки, в которой её запустили.";
}

QuizFileError::QuizFileError(std::u16string text)
    : std::runtime_error(utf16ToUtf8(text)), m_text(std::move(text)) {}

} // namespace vatro
