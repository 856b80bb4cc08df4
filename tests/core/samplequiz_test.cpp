// The sample quiz shipped with the game: a teacher can start a lesson on it as it is.
#include "quiz/fieldreader.h"
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

TEST(SampleQuiz, HoldsThirtyToFortyNineQuestionsPairedWithOneWordAnswersAndAHelpText) {
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
    const auto help = readSample("Справка1.txt", 1000);
    ASSERT_GE(help.size(), 5u);
    EXPECT_NE(help[0].find(u"ВАТРО"), std::u16string::npos) << utf8(help[0]);
}

class SampleGame : public GameTest {};

// Letters taken for one answer are gone for the rest of a letter game.
TEST_F(SampleGame, BoardShowsEnoughOfEveryLetterForAWholeLetterGame) {
    host.folder = SampleFolder;
    Form1& f = start();
    std::map<char16_t, int> shown;
    for (int row = 1; row <= 17; ++row) {
        for (int col = 1; col <= 20; ++col) {
            const std::u16string& cell = f.Grid1.TextMatrix(row, col);
            EXPECT_TRUE(cell.empty() || (cell.size() == 1 && isUpperCyrillic(cell[0])))
                << utf8(cell);
            if (!cell.empty())
                ++shown[cell[0]];
        }
    }
    std::map<char16_t, int> needed;
    for (int n = 1; n <= f.QuestionCount; ++n)
        for (char16_t c : f.Answers(n))
            ++needed[c];
    for (const auto& [letter, count] : needed)
        EXPECT_GE(shown[letter], count) << utf8(std::u16string(1, letter));
}

} // namespace
} // namespace vatro::testing
