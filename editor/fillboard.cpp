#include "fillboard.h"

#include "boardbuilder.h"
#include "checker/checktext.h"
#include "checker/quizcheck.h"
#include "quizdocument.h"

namespace vatro::editor {

FillBoardOutcome fillBoard(const std::filesystem::path& folder, std::optional<std::uint32_t> seed) {
    using quizcheck::counted;
    using quizcheck::num;
    FillBoardOutcome outcome;
    QuizDocument document;
    if (const OpenOutcome opened = document.open(folder); !opened.ok) {
        outcome.text = opened.message + u"\n";
        return outcome;
    }
    if (!document.onDisk(QuizPart::Answers).exists) {
        outcome.text = u"В папке нет файла vatroo.txt: табло собирать не из чего.\n";
        return outcome;
    }
    const BuiltBoard built = document.buildBoard(seed.value_or(newBoardSeed()));
    if (!built.built) {
        outcome.text = built.message + u"\n";
        outcome.exitStatus = 1;
        return outcome;
    }
    const bool existed = document.onDisk(QuizPart::Board).exists;
    // The answers already hold what Windows-1251 lacks, so they are read as UTF-8 already.
    const SaveOutcome saved = document.save({LackingChoice::UseUtf8});
    if (saved.status == SaveOutcome::Status::NeedsGuillemets ||
        saved.status == SaveOutcome::Status::Failed) {
        outcome.text = u"Табло не записано. " + saved.message + u"\n";
        return outcome;
    }
    outcome.text =
        u"Табло собрано из ответов: " + counted(built.needed, u"буква", u"буквы", u"букв") +
        u" ответов и " + counted(built.decoys, u"случайная", u"случайные", u"случайных") +
        u", по 20 в ряд; зерно " + num(built.seed) + u" (vatro-check --fill-board --seed " +
        num(built.seed) + u" соберёт то же табло).\n" +
        (saved.status == SaveOutcome::Status::NothingToSave
             ? u"Файл vatro.txt уже был таким и не переписан.\n"
             : u"Файл vatro.txt переписан" +
                   std::u16string(existed ? u", прежний сохранён как vatro.txt.bak" : u"") +
                   u".\n") +
        u"\n";
    const QuizCheck check = checkQuizFolder(folder);
    outcome.text += formatQuizCheck(check);
    outcome.exitStatus = check.exitStatus();
    return outcome;
}

} // namespace vatro::editor
