// Ctrl+S in two steps: a plan of what to write and what to ask, then the changed files
// written all or none with the answers, the old ones kept as .bak.
#include "quizdocument.h"

#include "checker/checktext.h"
#include "quiz/fileset.h"
#include "quiz/textcodec.h"

#include <algorithm>

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

// Said after every save: when the game reads the files again. The board, the answers and
// the questions are read at "Сброс", "Новый игрок" and the mode buttons (the questions
// whenever the answers are and the file has changed), the help each time its window
// shows it.
std::u16string whenTheGameReads(const std::vector<QuizPart>& parts) {
    const auto has = [&](QuizPart part) {
        return std::find(parts.begin(), parts.end(), part) != parts.end();
    };
    std::vector<std::u16string> quiz;
    if (has(QuizPart::Board))
        quiz.emplace_back(u"табло");
    if (has(QuizPart::Answers))
        quiz.emplace_back(u"ответы");
    if (has(QuizPart::Questions))
        quiz.emplace_back(u"вопросы");
    std::u16string text;
    for (std::size_t n = 0; n < quiz.size(); ++n)
        text += (n == 0 ? u"" : n + 1 == quiz.size() ? u" и " : u", ") + quiz[n];
    if (!text.empty())
        text += u" игра прочитает при «Сброс», «Новый игрок» или выборе режима игры";
    if (has(QuizPart::Help))
        text += (text.empty() ? u"" : u"; ") + std::u16string(u"справку — при следующем нажатии "
                                                              u"«Дополнительно»");
    text[0] = quizcheck::otherCase(text[0]);
    return text + u".";
}

std::u16string describeSetProblem(const FileSetProblem& problem, QuizPart part) {
    if (problem.kind == FileSetProblem::Kind::ChangedOnDisk)
        return changedOnDisk(part, problem.now);
    return describeFileWriteError(problem.error, problem.path);
}

bool lacks(const std::vector<LackingCharacters>& lacking, QuizPart part) {
    return std::any_of(lacking.begin(), lacking.end(),
                       [&](const LackingCharacters& l) { return l.part == part; });
}

} // namespace

SavePlan QuizDocument::planSave() const {
    SavePlan plan;
    plan.parts = changedParts();
    plan.lacking = lackingCharacters();
    for (QuizPart part : plan.parts) {
        const char* name = fileInfo(part).name;
        for (const WriteProblem& problem : fileBytes(part).problems) {
            switch (problem.kind) {
            case WriteProblem::Kind::DoubleQuote:
                plan.quotes +=
                    (plan.quotes.empty() ? u"" : u" ") + describeWriteProblem(problem, name);
                break;
            case WriteProblem::Kind::NotInCp1251:
                break; // asked of in `lacking`
            case WriteProblem::Kind::NotReadBack:
                // The encoding is not settled while the teacher may still choose UTF-8.
                if (lacks(plan.lacking, part))
                    break;
                [[fallthrough]];
            case WriteProblem::Kind::BrokenCharacter:
                if (plan.refusal.empty())
                    plan.refusal = describeWriteProblem(problem, name);
                break;
            }
        }
    }
    return plan;
}

SaveOutcome QuizDocument::save(SaveChoices choices) {
    if (m_folder.empty())
        return failed(u"У викторины нет папки: выберите «Открыть папку…» или «Создать».");
    const SavePlan plan = planSave();
    if (plan.parts.empty()) {
        m_history.setClean();
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NothingToSave;
        outcome.message = u"Изменений нет: файлы на диске такие же.";
        return outcome;
    }
    if (!plan.refusal.empty())
        return failed(plan.refusal);
    if (!plan.lacking.empty() && choices.lacking == LackingChoice::Ask) {
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NeedsEncodingChoice;
        outcome.lacking = plan.lacking;
        outcome.message = u"В кодировке Windows-1251 нет некоторых знаков текста. Сохранить "
                          u"эти файлы в UTF-8 (старые версии игры их не прочтут) или заменить "
                          u"знаки на «?»?";
        return outcome;
    }
    if (!plan.quotes.empty() && !choices.guillemets) {
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::NeedsGuillemets;
        outcome.message = plan.quotes;
        return outcome;
    }

    // The answers are edits of their own, so the document shows what is written.
    if (!plan.quotes.empty())
        useGuillemets();
    if (!plan.lacking.empty() && choices.lacking == LackingChoice::Replace) {
        std::vector<PartChange> changes;
        for (const LackingCharacters& file : plan.lacking) {
            std::vector<std::u16string> records = m_content.list(file.part);
            for (std::u16string& record : records)
                record = withQuestionMarks(record);
            changes.push_back({file.part, m_content.list(file.part), std::move(records)});
        }
        apply({u"замена знаков на «?»", std::move(changes)});
    }
    const auto encodingOf = [&](QuizPart part) {
        const bool utf8 = choices.lacking == LackingChoice::UseUtf8 && lacks(plan.lacking, part);
        return utf8 ? FileEncoding::Utf8WithMark : onDisk(part).encoding;
    };

    std::vector<FileInSet> files;
    for (QuizPart part : plan.parts) {
        WrittenFile written = bytesIn(part, encodingOf(part));
        if (!written.ok())
            return failed(describeWriteProblem(written.problems.front(), fileInfo(part).name));
        const FileOnDisk& old = onDisk(part);
        const std::filesystem::path path = filePath(m_folder, part);
        files.push_back({path, std::move(written.bytes),
                         old.exists ? std::optional<std::string>(old.bytes) : std::nullopt,
                         backupPath(path)});
    }
    if (const auto problem = writeFileSet(files)) {
        QuizPart part = plan.parts.front();
        for (std::size_t n = 0; n < files.size(); ++n) {
            if (problem->path == files[n].path)
                part = plan.parts[n];
        }
        return failed(describeSetProblem(*problem, part));
    }

    for (std::size_t n = 0; n < plan.parts.size(); ++n) {
        FileOnDisk& file = m_disk[static_cast<std::size_t>(plan.parts[n])];
        file.exists = true;
        file.encoding = encodingOf(plan.parts[n]);
        file.bytes = std::move(files[n].bytes);
        file.records = m_content.records(plan.parts[n]);
    }
    m_created = false;
    m_history.setClean();
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Saved;
    outcome.written = plan.parts;
    outcome.message = u"Сохранено: " + fileList(plan.parts) + u". " + whenTheGameReads(plan.parts);
    return outcome;
}

} // namespace vatro::editor
