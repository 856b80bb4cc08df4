// "Сохранить как…": the quiz written into another folder, which the document then edits.
#include "quizdocument.h"

#include "quiz/textcodec.h"

#include <system_error>

namespace vatro::editor {

namespace {

// Why the quiz cannot be written into the folder; none when it can.
std::optional<std::u16string> refusalFor(const std::filesystem::path& folder) {
    std::error_code error;
    const std::u16string name = u"«" + displayPath(folder) + u"»";
    if (!std::filesystem::is_directory(folder, error))
        return u"Папка " + name + u" не найдена.";
    if (holdsQuiz(folder))
        return u"В папке " + name +
               u" уже есть викторина: «Сохранить как…» не пишет поверх неё. Выберите пустую "
               u"папку или новое название.";
    return std::nullopt;
}

} // namespace

// The new folder is a quiz not yet written: every file is new there, in the encoding it had.
QuizDocument::Target QuizDocument::retarget(const std::filesystem::path& folder) {
    Target old{m_folder, m_disk, m_created};
    m_folder = folder;
    for (FileOnDisk& file : m_disk)
        file = FileOnDisk{false, file.encoding, {}, {}};
    m_created = true;
    return old;
}

void QuizDocument::restore(Target target) {
    m_folder = std::move(target.folder);
    m_disk = std::move(target.disk);
    m_created = target.created;
}

SavePlan QuizDocument::planSaveAs(const std::filesystem::path& folder) {
    if (auto refusal = refusalFor(folder)) {
        SavePlan plan;
        plan.refusal = std::move(*refusal);
        return plan;
    }
    Target old = retarget(folder);
    SavePlan plan = planSave();
    restore(std::move(old));
    return plan;
}

SaveOutcome QuizDocument::saveAs(const std::filesystem::path& folder, SaveChoices choices) {
    if (auto refusal = refusalFor(folder)) {
        SaveOutcome outcome;
        outcome.status = SaveOutcome::Status::Failed;
        outcome.message = std::move(*refusal);
        return outcome;
    }
    Target old = retarget(folder);
    SaveOutcome outcome = save(choices);
    if (outcome.status != SaveOutcome::Status::Saved) {
        restore(std::move(old));
        return outcome;
    }
    outcome.message =
        u"Викторина сохранена в папке «" + displayPath(folder) + u"»; редактор работает с ней.";
    return outcome;
}

} // namespace vatro::editor
