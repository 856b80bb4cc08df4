// The sample quiz shipped with the game: a teacher can start a lesson on it as it is.
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"

#include <fstream>
#include <iterator>
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

// Windows Notepad saves "Юникод" as UTF-16 with its mark: the same quiz, help file included,
// plays as it does in Windows-1251, and is not refused for holding more records than it does.
TEST_F(SampleGame, SavedAsUtf16InEitherByteOrderPlaysTheSameQuiz) {
    host.folder = SampleFolder;
    const Form1& original = start();
    const GameSnapshot expected = GameSnapshot::of(original);
    const std::vector<std::u16string> help = readSample("Справка1.txt", 5000);
    for (bool bigEndian : {false, true}) {
        QuizFolder copy;
        for (const auto& entry : std::filesystem::directory_iterator(SampleFolder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes(std::istreambuf_iterator<char>(in), {});
            std::string utf16 = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
            for (char16_t c : decodeTextFile(bytes).text) {
                const char high = static_cast<char>(c >> 8);
                const char low = static_cast<char>(c & 0xFF);
                utf16 += bigEndian ? std::string{high, low} : std::string{low, high};
            }
            copy.writeBytes(entry.path().filename().string(), utf16);
        }
        FakeHost utf16Host(copy.path());
        Form1 f(utf16Host);
        ASSERT_NO_THROW(f.Show()) << (bigEndian ? "big endian" : "little endian");
        EXPECT_EQ(differences(expected, GameSnapshot::of(f)), "");
        f.Command4.click();       // "Справка"
        f.Form2.Command1.click(); // "Дополнительно"
        ASSERT_EQ(f.Form2.surface.texts().size(), help.size());
        EXPECT_EQ(f.Form2.surface.texts()[0], u" " + help[0]);
    }
}

} // namespace
} // namespace vatro::testing
