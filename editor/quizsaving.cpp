// Ctrl+S: the changed files written all or none, each atomically, the old ones kept as .bak.
#include "quizdocument.h"

#include "checker/checktext.h"
#include "quiz/atomicfile.h"
#include "quiz/textcodec.h"

#include <algorithm>

namespace vatro::editor {

namespace {

std::filesystem::path pathOf(const std::filesystem::path& folder, QuizPart part) {
    return folder / pathFromUtf8(fileInfo(part).name);
}

std::u16string fileList(const std::vector<QuizPart>& parts) {
    std::u16string list;
    for (QuizPart part : parts)
        list += (list.empty() ? u"" : u", ") + utf8ToUtf16(fileInfo(part).name);
    return list;
}

SaveOutcome failed(std::u16string message) {
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Failed;
    outcome.message = std::move(message) + u" Ни один файл не изменён.";
    return outcome;
}

// Puts a file back as it was after its new version was already in place.
void restore(const std::filesystem::path& path, const FileOnDisk& old) {
    if (old.exists)
        writeFileAtomically(path, old.bytes);
    else
        std::filesystem::remove(path);
}

// Said after every save: the game reads its files only at these moments.
constexpr std::u16string_view SavedForTheGame =
    u"Игра прочитает изменения при «Сброс», «Новый игрок» или выборе режима игры.";

} // namespace

SaveOutcome QuizDocument::save(LackingChoice choice) {
    if (m_folder.empty())
        return failed(u"У викторины нет папки: выберите «Открыть папку…» или «Создать».");
    std::vector<QuizPart> parts = changedParts();
    if (parts.empty()) {
        m_history.setClean();
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NothingToSave;
        outcome.message = u"Изменений нет: файлы на диске такие же.";
        return outcome;
    }
    std::vector<LackingCharacters> lacking = lackingCharacters();
    if (!lacking.empty() && choice == LackingChoice::Ask) {
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NeedsEncodingChoice;
        outcome.lacking = std::move(lacking);
        outcome.message = u"В кодировке Windows-1251 нет некоторых знаков текста. Сохранить "
                          u"эти файлы в UTF-8 (старые версии игры их не прочтут) или заменить "
                          u"знаки на «?»?";
        return outcome;
    }
    if (!lacking.empty() && choice == LackingChoice::Replace) {
        // The replacement is an edit of its own, so the document shows what was written.
        std::vector<PartChange> changes;
        for (const LackingCharacters& file : lacking) {
            std::vector<std::u16string> records = m_content.list(file.part);
            for (std::u16string& record : records)
                std::replace_if(
                    record.begin(), record.end(),
                    [&](char16_t c) { return file.characters.find(c) != std::u16string::npos; },
                    u'?');
            changes.push_back({file.part, m_content.list(file.part), std::move(records)});
        }
        apply({u"замена знаков на «?»", std::move(changes)});
    }

    std::vector<WrittenFile> files;
    std::u16string quotes;
    for (QuizPart part : parts) {
        files.push_back(fileBytes(part, choice));
        for (const WriteProblem& problem : files.back().problems) {
            if (problem.kind == WriteProblem::Kind::DoubleQuote) {
                quotes += (quotes.empty() ? u"" : u" ") +
                          describeWriteProblem(problem, fileInfo(part).name);
            } else {
                return failed(describeWriteProblem(problem, fileInfo(part).name));
            }
        }
    }
    if (!quotes.empty()) {
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NeedsGuillemets;
        outcome.message = quotes;
        return outcome;
    }

    // Nothing is written over a file that someone else changed since it was read.
    for (QuizPart part : parts) {
        const FileOnDisk& old = onDisk(part);
        std::optional<std::string> now;
        if (auto error = readRegularFile(pathOf(m_folder, part), now))
            return failed(describeWriteError(*error));
        if (now.has_value() != old.exists || (now && *now != old.bytes))
            return failed(describeWriteError(
                {FileWriteError::Kind::ChangedOnDisk, pathOf(m_folder, part), 0}));
    }
    // Every new file and every backup is on disk under a temporary name before any of them
    // takes the place of an old one.
    std::vector<StagedFile> staged(parts.size());
    std::vector<StagedFile> backups;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const std::filesystem::path path = pathOf(m_folder, parts[n]);
        if (auto error = StagedFile::stage(path, files[n].bytes, staged[n]))
            return failed(describeWriteError(*error));
        if (onDisk(parts[n]).exists) {
            backups.emplace_back();
            if (auto error =
                    StagedFile::stage(backupPath(path), onDisk(parts[n]).bytes, backups.back()))
                return failed(describeWriteError(*error));
        }
    }
    for (StagedFile& backup : backups) {
        if (auto error = backup.commit())
            return failed(describeWriteError(*error));
    }
    for (std::size_t n = 0; n < parts.size(); ++n) {
        if (auto error = staged[n].commit()) {
            for (std::size_t k = 0; k < n; ++k)
                restore(pathOf(m_folder, parts[k]), onDisk(parts[k]));
            return failed(describeWriteError(*error));
        }
    }

    for (std::size_t n = 0; n < parts.size(); ++n) {
        FileOnDisk& file = m_disk[static_cast<std::size_t>(parts[n])];
        file.exists = true;
        file.bytes = std::move(files[n].bytes);
        file.records = m_content.records(parts[n]);
        if (file.encoding == FileEncoding::Cp1251 && choice == LackingChoice::UseUtf8 &&
            std::any_of(lacking.begin(), lacking.end(),
                        [&](const LackingCharacters& l) { return l.part == parts[n]; }))
            file.encoding = FileEncoding::Utf8WithMark;
    }
    m_created = false;
    m_history.setClean();
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Saved;
    outcome.written = parts;
    outcome.message = u"Сохранено: " + fileList(parts) + u". " + std::u16string(SavedForTheGame);
    return outcome;
}

} // namespace vatro::editor
