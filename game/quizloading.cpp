// The three quiz files: the letter board, the answer words and the questions.
#include "form1.h"
#include "quiz/quizfacts.h"

namespace vatro {

std::optional<std::u16string> Form1::prepareQuizFiles(int files) {
    const std::optional<std::filesystem::path> folder = m_host.quizFolder();
    if (!folder)
        return describeLostFolder();
    const std::pair<QuizFile, const QuizFileInfo*> order[] = {{LettersFile, &LettersFileInfo},
                                                              {AnswersFile, &AnswersFileInfo},
                                                              {QuestionsFile, &QuestionsFileInfo}};
    std::optional<std::vector<std::u16string>> prepared[3];
    for (std::size_t n = 0; n < 3; ++n) {
        const auto& [flag, info] = order[n];
        if ((files & flag) == 0)
            continue;
        FieldFile file = readFieldFile(*folder, info->name, info->capacity);
        if (!file.ok())
            return describeProblem(*file.problem, *folder, info->name, info->capacity);
        prepared[n] = std::move(file.fields);
    }
    // Questions pair with answers by position: whenever the answers are read again, a
    // question file that changed since it was read (a teacher saved in the editor while
    // the class plays) is read with them, so both come from the same moment. A question
    // file that is gone leaves the questions as they were read.
    bool questionsChanged = false;
    if ((files & AnswersFile) != 0 && (files & QuestionsFile) == 0) {
        FieldFile file = readFieldFile(*folder, QuestionsFileInfo.name, QuestionsFileInfo.capacity);
        if (!file.ok() && file.problem->kind != FileProblem::Kind::NotFound)
            return describeProblem(*file.problem, *folder, QuestionsFileInfo.name,
                                   QuestionsFileInfo.capacity);
        if (file.ok() && file.fields != m_questionsAsRead) {
            prepared[2] = std::move(file.fields);
            questionsChanged = true;
        }
    }
    // Only now, with every file read and checked, is anything handed to the loaders.
    m_questionsChanged = questionsChanged;
    if (prepared[0])
        m_preparedLetters = std::move(prepared[0]);
    if (prepared[1])
        m_preparedAnswers = std::move(prepared[1]);
    if (prepared[2])
        m_preparedQuestions = std::move(prepared[2]);
    return std::nullopt;
}

bool Form1::prepareOrReport(int files) {
    if (const auto problem = prepareQuizFiles(files)) {
        m_host.showError(*problem);
        return false;
    }
    return true;
}

std::vector<std::u16string> Form1::takePrepared(QuizFile file) {
    auto& slot = file == LettersFile   ? m_preparedLetters
                 : file == AnswersFile ? m_preparedAnswers
                                       : m_preparedQuestions;
    if (!slot) {
        if (const auto problem = prepareQuizFiles(file))
            throw QuizFileError(*problem);
    }
    std::vector<std::u16string> fields = std::move(*slot);
    slot.reset();
    return fields;
}

void Form1::LoadLetters() {
    const std::vector<std::u16string> fields = takePrepared(LettersFile);
    LetterCol = 0;
    i = 1;
    for (const std::u16string& field : fields) {
        Item = field;
        LetterCol = LetterCol + 1;
        if (LetterCol > 20) {
            LetterCol = 1;
            i = i + 1;
        }
        Letters(i, LetterCol) = Item;
        LetterRows = i;
    }
    // Only as many columns as the last row holds are shown, in every row.
    for (i = 1; i <= LetterRows; ++i) {
        Grid1.Row = i;
        for (k = 1; k <= LetterCol; ++k) {
            Grid1.Col = k;
            Grid1.setText(Letters(i, k));
        }
    }
}

void Form1::LoadAnswers() {
    if (m_questionsChanged) {
        m_questionsChanged = false;
        LoadQuestions();
    }
    const std::vector<std::u16string> fields = takePrepared(AnswersFile);
    QuestionCount = 0;
    for (const std::u16string& field : fields) {
        Item = field;
        QuestionCount = QuestionCount + 1;
        Answers(QuestionCount) = Item;
    }
    OrderNo = 0;
    for (i = 1; i <= QuestionCount; ++i) {
        OrderNo = OrderNo + 1;
        Grid2.Row = i;
        Grid2.Col = 1;
        WordOrder(i) = OrderNo;
        Grid2.setText(Answers(Grid2.Row));
    }
}

void Form1::LoadQuestions() {
    const std::vector<std::u16string> fields = takePrepared(QuestionsFile);
    m_questionsAsRead = fields;
    QuestionCount = 0;
    for (const std::u16string& field : fields) {
        Item = field;
        QuestionCount = QuestionCount + 1;
        Questions(QuestionCount) = Item;
    }
}

} // namespace vatro
