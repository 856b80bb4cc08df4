#include "quizcontent.h"

#include "quiz/textcodec.h"

#include <algorithm>

namespace vatro::editor {

const QuizFileInfo& fileInfo(QuizPart part) {
    switch (part) {
    case QuizPart::Board:
        return LettersFileInfo;
    case QuizPart::Answers:
        return AnswersFileInfo;
    case QuizPart::Questions:
        return QuestionsFileInfo;
    case QuizPart::Help:
        break;
    }
    return HelpFileInfo;
}

std::filesystem::path filePath(const std::filesystem::path& folder, QuizPart part) {
    return folder / pathFromUtf8(fileInfo(part).name);
}

std::size_t QuizContent::pairCount() const {
    return std::max(questions.size(), answers.size());
}

const std::u16string& QuizContent::text(std::size_t row, Side side) const {
    static const std::u16string none;
    const auto& list = side == Side::Question ? questions : answers;
    return row < list.size() ? list[row] : none;
}

bool QuizContent::has(std::size_t row, Side side) const {
    return row < (side == Side::Question ? questions : answers).size();
}

std::vector<std::u16string>& QuizContent::list(QuizPart part) {
    switch (part) {
    case QuizPart::Board:
        return board;
    case QuizPart::Answers:
        return answers;
    case QuizPart::Questions:
        return questions;
    case QuizPart::Help:
        break;
    }
    return help;
}

const std::vector<std::u16string>& QuizContent::list(QuizPart part) const {
    return const_cast<QuizContent*>(this)->list(part);
}

std::vector<std::u16string> QuizContent::records(QuizPart part) const {
    std::vector<std::u16string> result = list(part);
    if (part == QuizPart::Board) {
        while (!result.empty() && result.back().empty())
            result.pop_back();
    }
    return result;
}

} // namespace vatro::editor
