// The sample quiz shipped with the game: a teacher can start a lesson on it as it is.
#include "game/quizreader.h"
#include "support/gamefixture.h"

#include <map>

namespace vatro::testing {
namespace {

const std::filesystem::path SampleFolder = VATRO_SAMPLE_QUIZ;

std::vector<std::u16string> readSample(const std::string& name, std::size_t capacity) {
    const FieldFile file = readFieldFile(SampleFolder, name, capacity);
    EXPECT_TRUE(file.ok()) << name << ": "
                           << utf8(describeProblem(*file.problem, SampleFolder, name, capacity));
    return file.fields;
}

bool isUpperCyrillic(char16_t c) {
    return (c >= u'А' && c <= u'Я') || c == u'Ё';
}

TEST(SampleQuiz, HoldsThirtyToFortyNineQuestionsPairedWithOneWordAnswers) {
    const auto questions = readSample("vatrov.txt", 50);
    const auto answers = readSample("vatroo.txt", 49);
    EXPECT_GE(questions.size(), 30u);
    EXPECT_LE(questions.size(), 49u);
    EXPECT_EQ(answers.size(), questions.size());
    for (const std::u16string& answer : answers) {
        EXPECT_FALSE(answer.empty());
        for (char16_t c : answer)
            EXPECT_TRUE(isUpperCyrillic(c)) << utf8(answer);
    }
    for (const std::u16string& question : questions) {
        EXPECT_GE(question.size(), 10u) << utf8(question);
        EXPECT_EQ(question.find_first_of(u"\r\n\""), std::u16string::npos) << utf8(question);
    }
}

// Letters taken for one answer are gone for the rest of a letter game.
TEST(SampleQuiz, BoardHoldsEnoughOfEveryLetterForAWholeLetterGame) {
    const auto board = readSample("vatro.txt", 340);
    std::map<char16_t, int> onBoard;
    for (const std::u16string& cell : board) {
        ASSERT_EQ(cell.size(), 1u) << utf8(cell);
        EXPECT_TRUE(isUpperCyrillic(cell[0])) << utf8(cell);
        ++onBoard[cell[0]];
    }
    std::map<char16_t, int> needed;
    for (const std::u16string& answer : readSample("vatroo.txt", 49))
        for (char16_t c : answer)
            ++needed[c];
    for (const auto& [letter, count] : needed)
        EXPECT_GE(onBoard[letter], count) << utf8(std::u16string(1, letter));
}

TEST(SampleQuiz, HelpFileReads) {
    const auto lines = readSample("Справка1.txt", 1000);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_NE(lines[0].find(u"ВАТРО"), std::u16string::npos) << utf8(lines[0]);
}

class SampleGame : public GameTest {};

TEST_F(SampleGame, EveryQuestionCanBeAnsweredRightInOneLetterGame) {
    host.folder = SampleFolder;
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    f.Command8.click();
    for (int n = 1; n <= f.QuestionCount; ++n) {
        f.Command2.click();
        spell(f.Answers(n));
        pressGrid1(mouse::Middle);
        EXPECT_EQ(printed().back(), u"ВЕРНО") << utf8(f.Answers(n));
    }
    EXPECT_EQ(f.Points(1), f.QuestionCount);
    EXPECT_EQ(f.Mistakes(1), 0);
}

} // namespace
} // namespace vatro::testing
