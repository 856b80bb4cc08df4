// "Сохранить как…": the quiz written into another folder, which the document then edits.
#include "quizdocument.h"

#include "quiz/textcodec.h"

#include <system_error>

namespace vatro::editor {

namespace {

SaveOutcome refused(std::u16string message) {
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Failed;
    outcome.message = std::move(message);
    return outcome;
}

} // namespace

SaveOutcome QuizDocument::saveAs(const std::filesystem::path& folder, LackingChoice choice) {
    std::error_code error;
    const std::u16string name = u"«" + displayPath(folder) + u"»";
    if (!std::filesystem::is_directory(folder, error))
        return refused(u"Папка " + name + u" не найдена.");
    if (holdsQuiz(folder))
        return refused(u"В папке " + name +
                       u" уже есть викторина: «Сохранить как…» не пишет поверх неё. Выберите "
                       u"пустую папку или новое название.");
    // The new folder is a quiz not yet written: save() writes all its files there, all or
    // none, and keeps each file's encoding.
    const std::filesystem::path oldFolder = m_folder;
    const std::array<FileOnDisk, 4> oldDisk = m_disk;
    const bool oldCreated = m_created;
    m_folder = folder;
    for (FileOnDisk& file : m_disk)
        file = FileOnDisk{false, file.encoding, {}, {}};
    m_created = true;
    SaveOutcome outcome = save(choice);
    if (outcome.status != SaveOutcome::Status::Saved) {
        m_folder = oldFolder;
        m_disk = oldDisk;
        m_created = oldCreated;
        return outcome;
    }
    outcome.message = u"Викторина сохранена в папке " + name + u"; редактор работает с ней.";
    return outcome;
}

} // namespace vatro::editor
