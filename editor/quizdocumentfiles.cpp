// The document's files: opening a folder, and the bytes each file would be written as.
#include "quizdocument.h"

#include "quiz/fieldreader.h"
#include "quiz/safefile.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <system_error>

namespace vatro::editor {

namespace {

std::u16string nameOf(QuizPart part) {
    return u"«" + utf8ToUtf16(fileInfo(part).name) + u"»";
}

FileEncoding encodingOf(const DecodedText& text) {
    if (text.encoding == TextEncoding::Utf8)
        return text.byteOrderMark ? FileEncoding::Utf8WithMark : FileEncoding::Utf8;
    // Plain ASCII is Windows-1251 too, and stays readable by every copy of the game.
    return text.byteOrderMark ? FileEncoding::Utf8WithMark : FileEncoding::Cp1251;
}

std::size_t perLine(QuizPart part) {
    return part == QuizPart::Board ? BoardColumns : 1;
}

// The records as the editor keeps them, from the records as written.
std::vector<std::u16string> trimmedBoard(std::vector<std::u16string> cells) {
    while (!cells.empty() && cells.back().empty())
        cells.pop_back();
    return cells;
}

} // namespace

OpenOutcome QuizDocument::open(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return {false, u"Папка «" + displayPath(folder) + u"» не найдена."};
    QuizContent content;
    std::array<FileOnDisk, 4> disk;
    for (QuizPart part : AllParts) {
        FileOnDisk& file = disk[static_cast<std::size_t>(part)];
        SafeRead read = readFileSafely(filePath(folder, part), MaxFileBytes);
        if (read.status == SafeRead::Status::Missing)
            continue;
        if (read.status == SafeRead::Status::NotRegular)
            return {false, u"Файл " + nameOf(part) +
                               u" — не обычный файл (ссылка, канал или папка): редактор его "
                               u"не открывает. Замените его обычным файлом."};
        if (read.status == SafeRead::Status::Unreadable)
            return {false, u"Не удалось прочитать файл " + nameOf(part) + u" в папке «" +
                               displayPath(folder) + u"»: нет прав на чтение."};
        if (read.status == SafeRead::Status::TooLarge)
            return {false, u"Файл " + nameOf(part) + u" больше 1 МБ — это не файл викторины."};
        const DecodedText text = decodeTextFile(read.bytes);
        file.exists = true;
        file.encoding = encodingOf(text);
        file.records = splitFields(text.text, MaxFileBytes);
        if (part == QuizPart::Board)
            file.records = trimmedBoard(std::move(file.records));
        file.bytes = std::move(read.bytes);
        content.list(part) = file.records;
    }
    content.board.resize(std::max(BoardCells, content.board.size()));
    replaceAll(folder, std::move(content), std::move(disk), false);
    return {true, {}};
}

OpenOutcome QuizDocument::create(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return {false, u"Папка «" + displayPath(folder) + u"» не найдена."};
    for (QuizPart part : AllParts) {
        if (std::filesystem::exists(std::filesystem::symlink_status(filePath(folder, part), error)))
            return {false, u"В папке «" + displayPath(folder) + u"» уже есть файл " + nameOf(part) +
                               u": откройте её («Открыть папку…») или выберите пустую папку."};
    }
    replaceAll(folder, QuizContent{}, {}, true);
    return {true, {}};
}

void QuizDocument::replaceAll(const std::filesystem::path& folder, QuizContent content,
                              std::array<FileOnDisk, 4> disk, bool created) {
    m_folder = folder;
    m_content = std::move(content);
    m_disk = std::move(disk);
    m_created = created;
    m_history.clear();
    if (changed) {
        for (QuizPart part : AllParts)
            changed(part);
    }
}

std::vector<QuizPart> QuizDocument::changedParts() const {
    std::vector<QuizPart> parts;
    for (QuizPart part : AllParts) {
        const FileOnDisk& file = onDisk(part);
        const std::vector<std::u16string> records = m_content.records(part);
        const bool changes = file.exists ? records != file.records : m_created || !records.empty();
        if (changes)
            parts.push_back(part);
    }
    return parts;
}

std::vector<LackingCharacters> QuizDocument::lackingCharacters() const {
    std::vector<LackingCharacters> lacking;
    for (QuizPart part : changedParts()) {
        if (onDisk(part).encoding != FileEncoding::Cp1251)
            continue;
        std::u16string characters = charactersNotInCp1251(m_content.records(part));
        if (!characters.empty())
            lacking.push_back({part, std::move(characters)});
    }
    return lacking;
}

WrittenFile QuizDocument::fileBytes(QuizPart part) const {
    return bytesIn(part, onDisk(part).encoding);
}

WrittenFile QuizDocument::bytesIn(QuizPart part, FileEncoding encoding) const {
    const FileOnDisk& file = onDisk(part);
    const std::vector<std::u16string> records = m_content.records(part);
    if (file.exists && records == file.records && encoding == file.encoding)
        return {file.bytes, {}};
    return writeFields(records, perLine(part), encoding);
}

} // namespace vatro::editor
