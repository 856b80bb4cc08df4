// The game modes "Игра1", "Игра2", "Обучалка", the word shuffle, and "Пуск".
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"

#include <algorithm>
#include <map>

namespace vatro::testing {
namespace {

const Color QuestionGreen = Color::rgb(35, 122, 8);
using Texts = std::vector<std::u16string>;

class Modes : public GameTest {
protected:
    // A player registered, with the level chosen.
    Form1& ready(int level = 1) {
        Form1& f = start();
        registerPlayer(u"Иванов");
        if (level != 0)
            chooseLevel(level);
        return f;
    }
    void expectMode(bool letters, bool words, bool newPlayer, bool game2, bool game1) {
        const Form1& f = form();
        EXPECT_EQ(f.Grid1.Visible, letters);
        EXPECT_EQ(f.Grid2.Visible, words);
        EXPECT_EQ(f.Command6.Enabled, newPlayer);
        EXPECT_EQ(f.Command8.Enabled, game2);
        EXPECT_EQ(f.Command9.Enabled, game1);
        EXPECT_FALSE(f.Option1.Visible || f.Option2.Visible || f.Option3.Visible);
        EXPECT_EQ(f.QuestionNo, 0);
        EXPECT_DOUBLE_EQ(f.StartTime * 86400, host.timeOfDay());
        EXPECT_EQ(f.StartTimer, host.clock);
        EXPECT_TRUE(printed().empty());
    }
    std::vector<int> wordOrder() {
        std::vector<int> order;
        for (int r = 1; r <= form().QuestionCount; ++r)
            order.push_back(form().WordOrder(r));
        return order;
    }
    int rowOf(const std::u16string& word) {
        for (int r = 1; r <= 49; ++r)
            if (form().Grid2.TextMatrix(r, 1) == word)
                return r;
        return -1;
    }
};

TEST_F(Modes, EachModeButtonLeavesItsControlStates) {
    Form1& f = ready();
    host.advance(10.25);
    f.Command10.click(); // "Обучалка"
    expectMode(true, true, true, true, true);
    EXPECT_TRUE(f.Option1.Value()); // hidden, the level stays chosen
    EXPECT_EQ(wordOrder(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"ВОЛЬТ");

    f.Command2.click();
    f.Command2.click();
    EXPECT_EQ(f.QuestionNo, 2);
    EXPECT_FALSE(f.Command6.Enabled); // "Пуск" disables "Новый игрок"

    host.advance(20.5);
    f.Command9.click(); // "Игра1": from question 1 again
    expectMode(false, true, false, true, false);
    EXPECT_EQ(host.seed, host.clock);
    const std::vector<int> shuffled = wordOrder();

    host.advance(30);
    f.Command8.click(); // "Игра2" does not reload the word list
    expectMode(true, false, false, false, true);
    EXPECT_EQ(wordOrder(), shuffled);
}

TEST_F(Modes, GamesRefuseToStartWithoutALevel) {
    Form1& f = ready(0);
    const GameSnapshot before = GameSnapshot::of(f);
    host.advance(5);
    f.Command9.click();
    f.Command8.click();
    EXPECT_EQ(differences(before, GameSnapshot::of(f)), "");
    EXPECT_EQ(printed(), (Texts{u"Нажмте -Сброс-, затем выберите Уровень и -Игру-",
                                u"Выберите уровень!", u"Выберите уровень!"}));
    EXPECT_EQ(host.seed, 0);
    f.Command10.click(); // training needs no level
    EXPECT_TRUE(f.Grid1.Visible && f.Grid2.Visible);
}

// Row r of the word list shows answer WordOrder(r); every answer stands in exactly one row.
TEST_F(Modes, WordGameListsTheAnswersInAFreshRandomOrderEachTime) {
    std::vector<std::u16string> answers;
    for (char16_t c = u'А'; c < u'А' + 20; ++c)
        answers.push_back(u"СЛОВО" + std::u16string(1, c));
    quiz.writeAnswers(answers);
    Form1& f = ready();
    f.Command9.click();
    const std::vector<int> first = wordOrder();
    std::vector<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(20);
    for (int n = 0; n < 20; ++n)
        identity[static_cast<std::size_t>(n)] = n + 1;
    EXPECT_EQ(sorted, identity);
    EXPECT_NE(first, identity);
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(f.Grid2.TextMatrix(r, 1), f.Answers(f.WordOrder(r)));
        EXPECT_EQ(f.Answers(r), answers[static_cast<std::size_t>(r - 1)]); // file order kept
    }

    f.Command10.click();
    EXPECT_EQ(wordOrder(), identity);
    host.advance(1.5);
    f.Command9.click();
    EXPECT_EQ(host.seed, host.clock);
    EXPECT_NE(wordOrder(), first);
}

TEST_F(Modes, EveryOrderOfAShortListIsAboutEquallyLikely) {
    Form1& f = ready();
    std::map<std::vector<int>, int> seen;
    for (int game = 0; game < 300; ++game) {
        host.advance(0.37);
        f.Command9.click();
        ++seen[wordOrder()];
        f.Command8.click(); // brings "Игра1" back
    }
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen) {
        EXPECT_GE(count, 25);
        EXPECT_LE(count, 75);
    }
}

// Only rows 1..QuestionCount of the word list are written; rows below keep their words.
TEST_F(Modes, OneWordAndEmptyListsShuffleWithinTheirLength) {
    Form1& f = ready();
    quiz.writeAnswers({u"ЗАРЯД"});
    f.Command9.click();
    EXPECT_EQ(f.QuestionCount, 1);
    EXPECT_EQ(f.WordOrder(1), 1);
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ЗАРЯД");
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"ВОЛЬТ");

    f.Command8.click();
    quiz.writeAnswers({});
    f.Command9.click();
    EXPECT_EQ(f.QuestionCount, 0);
    EXPECT_TRUE(f.Grid2.Visible);
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ЗАРЯД");
    f.Command2.click();
    EXPECT_EQ(printed(), (Texts{u"ВСЁ", u"Выбери игру"}));
    EXPECT_EQ(f.QuestionNo, 0);
}

// "Пуск" poses the questions in file order: the number framed by blanks, then the question,
// all in dark green; with no game or no question left it says so.
TEST_F(Modes, StartPosesQuestionsInOrderInGreenThenSaysAllDone) {
    Form1& f = ready();
    f.Command2.click(); // no game yet: both grids hidden
    EXPECT_EQ(printed(), (Texts{u"ВСЁ", u"Выбери игру"}));
    EXPECT_EQ(f.surface.lines()[0].runs[0].color, QuestionGreen);
    EXPECT_EQ(f.QuestionNo, 0);
    EXPECT_TRUE(f.AnswerPending && f.UndoAllowed);

    f.Command8.click();
    const auto questions = SmallQuiz::questions();
    const auto answers = SmallQuiz::answers();
    for (int n = 1; n <= 3; ++n) {
        f.Command2.click();
        const auto lines = f.surface.lines();
        ASSERT_EQ(lines.size(), 1u);
        const std::u16string number =
            u" " + std::u16string(1, static_cast<char16_t>(u'0' + n)) + u" ";
        EXPECT_EQ(lines[0].runs,
                  (std::vector<PrintRun>{{number, QuestionGreen, false, false},
                                         {questions[n - 1], QuestionGreen, false, false}}));
        EXPECT_EQ(f.surface.ForeColor(), colors::Black);
        EXPECT_EQ(f.QuestionNo, n);
        spell(answers[static_cast<std::size_t>(n - 1)]);
        pressGrid1(mouse::Middle);
        EXPECT_FALSE(f.AnswerPending);
    }
    for (int press = 0; press < 2; ++press) {
        f.Command2.click();
        EXPECT_EQ(printed(), (Texts{u"ВСЁ", u"Выбери игру"}));
        EXPECT_EQ(f.surface.lines()[1].runs[0].color, QuestionGreen);
        EXPECT_EQ(f.QuestionNo, 3);
        EXPECT_TRUE(f.AnswerPending);
    }

    f.Command10.click(); // a mode button starts again from question 1
    f.Command2.click();
    EXPECT_EQ(printed(), (Texts{u" 1 " + questions[0]}));
}

// A word answered right in the word game is gone from the list until the list is reloaded,
// and "Игра2" does not reload it.
TEST_F(Modes, LetterGameAfterWordGameKeepsTheAnswersTheWordGameUsedUp) {
    Form1& f = ready();
    f.Command9.click();
    f.Command2.click();
    const int row = rowOf(u"ОМ");
    ASSERT_GE(row, 1);
    pressWord(row);
    pressGrid2(mouse::Middle);
    ASSERT_EQ(printed().back(), u"ВЕРНО");
    ASSERT_EQ(f.Answers(1), u"");
    const std::vector<int> order = wordOrder();

    f.Command8.click();
    EXPECT_EQ(f.Answers(1), u"");
    EXPECT_EQ(wordOrder(), order);
    EXPECT_EQ(f.QuestionCount, 3);
    f.Command2.click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
}

} // namespace
} // namespace vatro::testing
