#include "quizfolder.h"

#include "quizfacts.h"
#include "textcodec.h"

#include <system_error>

namespace vatro {

bool holdsQuiz(const std::filesystem::path& folder) {
    std::error_code error;
    for (const QuizFileInfo& file :
         {LettersFileInfo, AnswersFileInfo, QuestionsFileInfo, HelpFileInfo}) {
        if (std::filesystem::exists(
                std::filesystem::symlink_status(folder / pathFromUtf8(file.name), error)))
            return true;
    }
    return false;
}

} // namespace vatro
