// The game modes "Игра1", "Игра2", "Обучалка", the word shuffle, and "Пуск".
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"

#include <map>

namespace vatro::testing {
namespace {

class Modes : public GameTest {
protected:
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
        EXPECT_EQ(screen(), "");
    }
    std::vector<int> wordOrder() {
        std::vector<int> order;
        for (int r = 1; r <= form().QuestionCount; ++r)
            order.push_back(form().WordOrder(r));
        return order;
    }
};

// "Игра1" and "Игра2" need a level; "Обучалка" does not. Each mode restarts both clocks.
TEST_F(Modes, EachModeButtonLeavesItsControlStatesAndGamesNeedALevel) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    const GameSnapshot before = GameSnapshot::of(f);
    host.advance(5);
    f.Command9.click();
    f.Command8.click();
    EXPECT_EQ(differences(before, GameSnapshot::of(f)), "");
    EXPECT_EQ(screen(), "Выберите Уровень и -Игру-\n"
                        "Выберите уровень!\nВыберите уровень!");
    EXPECT_EQ(host.seed, 0);

    chooseLevel(1);
    host.advance(10.25);
    f.Command10.click();
    expectMode(true, true, true, true, true);
    EXPECT_TRUE(f.Option1.Value()); // hidden, the level stays chosen
    EXPECT_EQ(wordOrder(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"ВОЛЬТ");
    f.Command2.click();
    f.Command2.click();
    EXPECT_EQ(f.QuestionNo, 2);
    EXPECT_FALSE(f.Command6.Enabled); // "Пуск" disables "Новый игрок"

    host.advance(20.5);
    f.Command9.click(); // from question 1 again
    expectMode(false, true, false, true, false);
    EXPECT_EQ(host.seed, host.clock);
    const std::vector<int> shuffled = wordOrder();
    host.advance(30);
    f.Command8.click(); // does not reload the word list
    expectMode(true, false, false, false, true);
    EXPECT_EQ(wordOrder(), shuffled);
}

// Row r shows answer WordOrder(r); rows past QuestionCount keep what they showed.
TEST_F(Modes, WordGameShufflesTheListAnewEachTimeWithinItsLength) {
    Form1& f = play(&Form1::Command8);
    std::map<std::vector<int>, int> seen;
    for (int game = 0; game < 300; ++game) {
        host.advance(0.37);
        f.Command9.click();
        ++seen[wordOrder()];
        for (int r = 1; r <= 3; ++r)
            ASSERT_EQ(f.Grid2.TextMatrix(r, 1), f.Answers(f.WordOrder(r)));
        f.Command8.click(); // brings "Игра1" back
    }
    EXPECT_EQ(f.Answers(1) + f.Answers(2) + f.Answers(3), u"ОМВОЛЬТТОК"); // file order kept
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen) {
        EXPECT_GE(count, 25);
        EXPECT_LE(count, 75);
    }

    quiz.writeAnswers({u"ЗАРЯД"});
    const std::u16string row2 = f.Grid2.TextMatrix(2, 1);
    f.Command9.click();
    EXPECT_EQ(wordOrder(), std::vector<int>{1});
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ЗАРЯД");
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), row2);

    f.Command8.click();
    quiz.writeAnswers({});
    f.Command9.click();
    EXPECT_EQ(f.QuestionCount, 0);
    EXPECT_TRUE(f.Grid2.Visible);
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ЗАРЯД");
    f.Command2.click();
    EXPECT_EQ(screen(), "{darkgreen}ВСЁ\n{darkgreen}Выбери игру");
    EXPECT_EQ(f.QuestionNo, 0);
}

// "Пуск" poses the questions in file order; with no game or no question left it says so.
TEST_F(Modes, StartPosesTheQuestionsInOrderThenSaysAllDone) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    f.Command2.click();
    EXPECT_EQ(screen(), "{darkgreen}ВСЁ\n{darkgreen}Выбери игру");
    EXPECT_EQ(f.QuestionNo, 0);
    EXPECT_TRUE(f.AnswerPending && f.UndoAllowed);

    f.Command8.click();
    const auto answers = SmallQuiz::answers();
    for (int n = 1; n <= 3; ++n) {
        f.Command2.click();
        EXPECT_EQ(screen(), "{darkgreen}" + question(n));
        EXPECT_EQ(f.surface.ForeColor(), colors::Black);
        spell(answers[std::size_t(n - 1)]);
        pressGrid1(mouse::Middle);
        EXPECT_FALSE(f.AnswerPending);
    }
    for (int press = 0; press < 2; ++press) {
        f.Command2.click();
        EXPECT_EQ(screen(), "{darkgreen}ВСЁ\n{darkgreen}Выбери игру");
        EXPECT_EQ(f.QuestionNo, 3);
        EXPECT_TRUE(f.AnswerPending);
    }

    f.Command10.click(); // a mode button starts again from question 1
    f.Command2.click();
    EXPECT_EQ(screen(), "{darkgreen} 1 Единица сопротивления, названная в честь учёного?");
}

} // namespace
} // namespace vatro::testing
