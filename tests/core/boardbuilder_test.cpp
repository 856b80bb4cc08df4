// "Собрать табло": the board holds every letter one full game consumes, and a game played
// through the game core spells every answer from it.
#include "editor/boardbuilder.h"
#include "quiz/fieldreader.h"
#include "support/gamefixture.h"

#include <algorithm>

namespace vatro::testing {
namespace {

using editor::buildBoard;
using editor::BuiltBoard;

std::vector<std::u16string> sampleAnswers() {
    return readFieldFile(VATRO_SAMPLE_QUIZ, "vatroo.txt", 49).fields;
}

// 49 answers of 7 letters but two, 340 letters in all: a board with no room to spare.
std::vector<std::u16string> fullCapacityAnswers(std::size_t lettersEach = 7) {
    const std::u16string alphabet = u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    std::vector<std::u16string> answers;
    for (std::size_t n = 0; n < 49; ++n) {
        std::u16string word;
        for (std::size_t k = 0; k < lettersEach; ++k)
            word.push_back(alphabet[(n * 7 + k * 3) % alphabet.size()]);
        answers.push_back(word);
    }
    answers[47].resize(6);
    answers[48].resize(5);
    return answers;
}

std::size_t count(const std::vector<std::u16string>& cells, char16_t letter) {
    return static_cast<std::size_t>(
        std::count(cells.begin(), cells.end(), std::u16string(1, letter)));
}

TEST(BoardBuilder, SampleAnswersFillSeventeenRowsWithNothingLackingAndTheSeedRebuildsTheBoard) {
    const auto answers = sampleAnswers();
    const BuiltBoard board = buildBoard(answers, 4711);
    ASSERT_TRUE(board.built) << utf8(board.message);
    EXPECT_EQ(board.cells.size(), 340u);
    EXPECT_EQ(board.needed + board.decoys, 340u);
    const LetterSupply supply = letterSupply(board.cells, answers);
    EXPECT_TRUE(supply.lacking().empty());
    EXPECT_EQ(editor::lackingText(supply), u"");
    EXPECT_EQ(board.cells, buildBoard(answers, 4711).cells);
    EXPECT_NE(board.cells, buildBoard(answers, 4712).cells);
    // A shuffled board: the answers do not stand in a row, letter after letter.
    std::u16string joined;
    for (const auto& cell : board.cells)
        joined += cell;
    EXPECT_EQ(joined.find(answers[0] + answers[1]), std::u16string::npos);
}

TEST(BoardBuilder, AFullCapacityQuizTakesEveryCellAndOneLetterMoreBuildsNothing) {
    const BuiltBoard full = buildBoard(fullCapacityAnswers(), 1);
    ASSERT_TRUE(full.built);
    EXPECT_EQ(full.decoys, 0u);
    EXPECT_TRUE(letterSupply(full.cells, fullCapacityAnswers()).lacking().empty());

    auto tooMany = fullCapacityAnswers();
    tooMany[48] += u"А";
    const BuiltBoard refused = buildBoard(tooMany, 1);
    EXPECT_FALSE(refused.built);
    EXPECT_TRUE(refused.cells.empty());
    EXPECT_EQ(refused.message, u"Ответам нужно 341 буква, а на табло 340 клеток: сократите "
                               u"ответы на 1 букву. Табло не изменено.");
    EXPECT_FALSE(buildBoard({u"", u""}, 1).built);
}

// Decoys follow Russian letter frequency: letters the answers already overuse get none,
// and the board ends up looking like ordinary Russian text.
TEST(BoardBuilder, DecoysAreCommonRussianCapitalsNotTheAnswersRareLetters) {
    const std::vector<std::u16string> answers = {u"ЩЩЩ", u"ЪЪЪ", u"ЭЮЯ"};
    const BuiltBoard board = buildBoard(answers, 9);
    ASSERT_TRUE(board.built);
    EXPECT_EQ(count(board.cells, u'Щ'), 3u);
    EXPECT_EQ(count(board.cells, u'Ъ'), 3u);
    for (char16_t common : std::u16string_view(u"ОЕАИНТ"))
        EXPECT_GE(count(board.cells, common), 15u) << utf8(std::u16string(1, common));
    for (const auto& cell : board.cells)
        EXPECT_TRUE(cell.size() == 1 && cell[0] >= u'А' && cell[0] <= u'Я') << utf8(cell);
    // Fewer rows when asked, but never fewer than the answers need.
    EXPECT_EQ(buildBoard(answers, 9, 1).cells.size(), 20u);
    EXPECT_EQ(buildBoard(fullCapacityAnswers(), 9, 1).cells.size(), 340u);
}

TEST(BoardBuilder, SummaryNamesWhatTheBoardLacksAndHoldsSpare) {
    const LetterSupply supply =
        letterSupply({u"Т", u"О", u"О", u"О", u"К", u"А"}, {u"ТОК", u"ТЬМА", u"ОТЬ"});
    EXPECT_EQ(editor::lackingText(supply), u"не хватает: М ×1, Т ×2, Ь ×2");
    EXPECT_EQ(editor::spareText(supply), u"в запасе: О ×1");
    EXPECT_EQ(editor::lackingText(letterSupply({}, {u"А Б"})),
              u"не хватает: пробел ×1, А ×1, Б ×1");
}

// The whole point: every answer of one full letter game, played question by question
// through the game's own handlers, is spelled from the built board and judged right.
class BuiltBoardGame : public GameTest {
protected:
    void playWholeGame(const std::vector<std::u16string>& answers, std::uint32_t seed) {
        const BuiltBoard board = buildBoard(answers, seed);
        ASSERT_TRUE(board.built);
        std::vector<std::u16string> questions;
        for (std::size_t n = 1; n <= answers.size(); ++n)
            questions.push_back(u"Вопрос " + std::u16string(1, u'0' + n % 10));
        quiz.writeQuiz(board.cells, answers, questions);
        Form1& f = play(&Form1::Command8);
        for (std::size_t n = 0; n < answers.size(); ++n) {
            spell(answers[n]);
            pressGrid1(mouse::Middle);
            ASSERT_NE(screen().find("ВЕРНО"), std::string::npos)
                << "answer " << n + 1 << " " << utf8(answers[n]) << ":\n"
                << screen();
            f.Command2.click();
        }
        EXPECT_NE(screen().find("ВСЁ"), std::string::npos) << screen();
    }
};

TEST_F(BuiltBoardGame, SpellsEverySampleAnswer) {
    playWholeGame(sampleAnswers(), 20261208);
}

TEST_F(BuiltBoardGame, SpellsEveryAnswerOfAFullCapacityQuiz) {
    playWholeGame(fullCapacityAnswers(), 77);
}

} // namespace
} // namespace vatro::testing
