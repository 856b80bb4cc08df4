// Ctrl+S: the changed files written all or none, each atomically, the old ones kept as .bak.
#include "quizdocument.h"

#include "checker/checktext.h"
#include "quiz/atomicfile.h"
#include "quiz/safefile.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <memory>

namespace vatro::editor {

namespace {

// "vatro.txt" → "vatro.txt.bak": where the editor keeps a file's previous version.
std::filesystem::path backupPath(const std::filesystem::path& file) {
    std::filesystem::path backup = file;
    backup += ".bak";
    return backup;
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

// A file written under a temporary name, waiting to take its own.
struct Staged {
    explicit Staged(std::filesystem::path target)
        : path(std::move(target)), file(std::make_unique<AtomicFile>(path)) {}
    std::filesystem::path path;
    std::unique_ptr<AtomicFile> file;
};

// Puts a file back as it was after its new version was already in place.
void restore(const std::filesystem::path& path, const FileOnDisk& old) {
    std::error_code ignored; // a rollback that fails too leaves the new file: nothing better
    if (old.exists)
        writeFileAtomically(path, old.bytes);
    else
        std::filesystem::remove(path, ignored);
}

std::u16string changedOnDisk(QuizPart part, SafeRead::Status now) {
    const std::u16string file = u"«" + utf8ToUtf16(fileInfo(part).name) + u"»";
    if (now == SafeRead::Status::NotRegular)
        return u"Файл " + file +
               u" стал ссылкой, каналом или папкой: редактор через него не пишет.";
    if (now == SafeRead::Status::Unreadable)
        return u"Файл " + file + u" больше не читается: нет прав на чтение.";
    return u"Файл " + file +
           u" изменился на диске после того, как его открыли: его переписала другая программа. "
           u"Чтобы не потерять те изменения, откройте папку заново.";
}

// Said after every save: when the game reads each of the files again. The board and the
// answers are read at "Сброс", "Новый игрок" and the mode buttons, the questions only at
// start-up, the help each time its window shows it.
std::u16string whenTheGameReads(const std::vector<QuizPart>& parts) {
    const auto has = [&](QuizPart part) {
        return std::find(parts.begin(), parts.end(), part) != parts.end();
    };
    std::vector<std::u16string> said;
    const bool board = has(QuizPart::Board);
    const bool answers = has(QuizPart::Answers);
    if (board || answers)
        said.push_back(std::u16string(board && answers ? u"табло и ответы"
                                      : board          ? u"табло"
                                                       : u"ответы") +
                       u" игра прочитает при «Сброс», «Новый игрок» или выборе режима игры");
    if (has(QuizPart::Questions))
        said.emplace_back(u"вопросы — только при новом запуске игры");
    if (has(QuizPart::Help))
        said.emplace_back(u"справку — при следующем нажатии «Дополнительно»");
    std::u16string text;
    for (const std::u16string& part : said)
        text += (text.empty() ? u"" : u"; ") + part;
    text[0] = quizcheck::otherCase(text[0]);
    return text + u".";
}

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
        const SafeRead now = readFileSafely(filePath(m_folder, part), MaxFileBytes);
        const bool same = old.exists
                              ? now.status == SafeRead::Status::Read && now.bytes == old.bytes
                              : now.status == SafeRead::Status::Missing;
        if (!same)
            return failed(changedOnDisk(part, now.status));
    }
    // Every new file and every backup is on disk under a temporary name before any of them
    // takes the place of an old one.
    std::vector<Staged> staged;
    std::vector<Staged> backups;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const std::filesystem::path path = filePath(m_folder, parts[n]);
        staged.emplace_back(path);
        if (auto error = staged.back().file->write(files[n].bytes))
            return failed(describeFileWriteError(*error, path));
        if (onDisk(parts[n]).exists) {
            backups.emplace_back(backupPath(path));
            if (auto error = backups.back().file->write(onDisk(parts[n]).bytes))
                return failed(describeFileWriteError(*error, backups.back().path));
        }
    }
    for (Staged& backup : backups) {
        if (auto error = backup.file->commit())
            return failed(describeFileWriteError(*error, backup.path));
    }
    for (std::size_t n = 0; n < parts.size(); ++n) {
        if (auto error = staged[n].file->commit()) {
            for (std::size_t k = 0; k < n; ++k)
                restore(filePath(m_folder, parts[k]), onDisk(parts[k]));
            return failed(describeFileWriteError(*error, staged[n].path));
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
    outcome.message = u"Сохранено: " + fileList(parts) + u". " + whenTheGameReads(parts);
    return outcome;
}

} // namespace vatro::editor
