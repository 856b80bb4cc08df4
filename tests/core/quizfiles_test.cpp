// The three quiz files: where their records land on the board and in the word list.
#include "support/gamefixture.h"
#include "quiz/numbertext.h"

namespace vatro::testing {
namespace {

// Fields "1", "2", ... so that every cell shows which record it holds.
std::vector<std::u16string> numbered(int count, const std::u16string& prefix = u"") {
    std::vector<std::u16string> fields;
    for (int n = 1; n <= count; ++n)
        fields.push_back(prefix + decimal(n));
    return fields;
}

class QuizFiles : public GameTest {};

// The display pass writes, in every row, only as many columns as the last row holds.
TEST_F(QuizFiles, LettersFillTheBoardRowByRowAndShowOnlyTheColumnsOfTheLastRow) {
    quiz.writeLetters(numbered(340, u"с"));
    Form1& f = start();
    for (int n = 1; n <= 340; ++n) {
        const int row = (n - 1) / 20 + 1, col = (n - 1) % 20 + 1;
        EXPECT_EQ(f.Letters(row, col), u"с" + decimal(n));
        EXPECT_EQ(f.Grid1.TextMatrix(row, col), u"с" + decimal(n));
    }

    quiz.writeLetters(numbered(45));
    f.Command7.click();
    EXPECT_EQ(f.LetterRows, 3);
    EXPECT_EQ(f.LetterCol, 5);
    for (int n = 1; n <= 340; ++n) {
        const int row = (n - 1) / 20 + 1, col = (n - 1) % 20 + 1;
        EXPECT_EQ(f.Letters(row, col), (n <= 45 ? u"" : u"с") + decimal(n));
        EXPECT_EQ(f.Grid1.TextMatrix(row, col), (n <= 45 && col <= 5 ? u"" : u"с") + decimal(n))
            << row << "," << col;
    }
}

TEST_F(QuizFiles, AnswersAreListedInFileOrderAndAShorterListLeavesTheRestBehind) {
    quiz.writeAnswers(numbered(49, u"О"));
    quiz.writeQuestions(numbered(50, u"В"));
    Form1& f = start();
    EXPECT_EQ(f.QuestionCount, 50);
    EXPECT_EQ(f.Questions(50), u"В50");
    for (int row = 1; row <= 49; ++row) {
        EXPECT_EQ(f.Grid2.TextMatrix(row, 1), u"О" + decimal(row));
        EXPECT_EQ(f.WordOrder(row), row);
    }

    quiz.write("vatroo.txt", u"ТОК,,ОМ\r\n");
    f.Command7.click();
    EXPECT_EQ(f.QuestionCount, 3);
    EXPECT_EQ(f.Answers(2), u"");
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"ОМ");
    EXPECT_EQ(f.Answers(4), u"О4");
    EXPECT_EQ(f.Grid2.TextMatrix(49, 1), u"О49");
}

// The question file is read at start-up only; later the count is that of the answers.
TEST_F(QuizFiles, QuestionCountFollowsTheFileReadLast) {
    quiz.writeQuestions(numbered(5, u"В"));
    Form1& f = start();
    EXPECT_EQ(f.QuestionCount, 5);
    quiz.remove("vatrov.txt");
    registerPlayer(u"Иванов");
    EXPECT_EQ(f.QuestionCount, 3);
    f.QuestionCount = 5;
    chooseLevel(1);
    f.Command8.click(); // "Игра2" reads only the letters
    EXPECT_EQ(f.QuestionCount, 5);
    f.Command9.click();
    EXPECT_EQ(f.QuestionCount, 3);
    EXPECT_EQ(f.Questions(5), u"В5");
    EXPECT_TRUE(host.errors.empty());
}

} // namespace
} // namespace vatro::testing
