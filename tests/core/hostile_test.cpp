// Quiz files a teacher might put in the folder by mistake. At start-up each either plays to
// the end or is refused with a message that names the file and the folder; at a reload
// during play a refusal is reported and changes nothing, so no player's results are lost.
#include "game/textcodec.h"
#include "support/fakehost.h"
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"
#include "support/hostilequiz.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <unistd.h>

namespace vatro::testing {

void PrintTo(const HostileQuiz& quiz, std::ostream* out) {
    *out << quiz.name;
}

namespace {

// A game of its own on a folder of its own that starts with the small quiz.
struct Session {
    Session() { writeSmallQuiz(quiz); }

    Form1& start() {
        form = std::make_unique<Form1>(host);
        form->Show();
        return *form;
    }
    void registerPlayer(const std::u16string& name) {
        host.names.push_back(name);
        form->Command6.click();
    }

    QuizFolder quiz;
    FakeHost host{quiz.path()};
    std::unique_ptr<Form1> form;
};

bool contains(const std::u16string& text, const std::u16string& part) {
    return text.find(part) != std::u16string::npos;
}

void expectNamesTheFault(const std::u16string& message, const HostileQuiz& hostile,
                         const std::filesystem::path& folder) {
    const std::string shown = utf8(message);
    EXPECT_TRUE(contains(message, utf8ToUtf16("«" + hostile.file + "»"))) << shown;
    EXPECT_TRUE(contains(message, hostile.problem)) << shown;
    EXPECT_TRUE(contains(message, u"Папка: «" + displayPath(folder) + u"»")) << shown;
}

int lettersOnBoard(const Form1& f) {
    int count = 0;
    for (int row = 1; row <= 17; ++row)
        for (int col = 1; col <= 20; ++col)
            count += f.Letters(row, col).empty() ? 0 : 1;
    return count;
}

// The row of the word list that shows the word; 0 when none does.
int rowShowing(const Form1& f, const std::u16string& word) {
    for (int row = 1; row <= f.QuestionCount && row < f.Grid2.Rows(); ++row)
        if (!f.Grid2.TextMatrix(row, 1).empty() && f.Grid2.TextMatrix(row, 1) == word)
            return row;
    return 0;
}
int firstWordRow(const Form1& f) {
    for (int row = 1; row <= f.QuestionCount && row < f.Grid2.Rows(); ++row)
        if (!f.Grid2.TextMatrix(row, 1).empty())
            return row;
    return 0;
}

// Answers one posed question: a word from the list (the right one where it is listed) or
// the first letter the board shows; true when something was submitted.
bool answerQuestion(Form1& f) {
    if (f.Grid2.Visible) {
        int row = rowShowing(f, f.Answers(f.QuestionNo));
        if (row == 0)
            row = firstWordRow(f);
        if (row != 0)
            f.Grid2.press(mouse::Left, 0, row, 1);
        const bool picked = !f.Answer.empty();
        f.Grid2.press(mouse::Middle, 0, f.Grid2.Row, 1);
        return picked;
    }
    for (int row = 1; row <= 17; ++row) {
        for (int col = 1; col <= 20; ++col) {
            if (!f.Grid1.TextMatrix(row, col).empty()) {
                f.Grid1.press(mouse::Left, 0, row, col);
                const bool picked = !f.Answer.empty();
                f.Grid1.keyPress(key::Return, 0);
                return picked;
            }
        }
    }
    return false;
}

// Presses "Пуск" until the game says it is over, answering each question: the game must
// pose exactly as many questions as the word list holds and count every answer once.
void playToTheEnd(Form1& f) {
    ASSERT_TRUE(f.Grid1.Visible || f.Grid2.Visible);
    const int player = f.PlayerNo;
    const bool registered = f.Points.contains(player);
    const int countedBefore = registered ? f.Points(player) + f.Mistakes(player) : 0;
    int posed = 0;
    int submitted = 0;
    bool over = false;
    for (int press = 0; press <= 51 && !over; ++press) {
        f.Command2.click();
        over = f.surface.texts() == std::vector<std::u16string>{u"ВСЁ", u"Выбери игру"};
        if (!over) {
            ++posed;
            submitted += answerQuestion(f) ? 1 : 0;
        }
    }
    ASSERT_TRUE(over) << "the game never ended";
    EXPECT_EQ(posed, f.QuestionCount);
    if (registered) {
        EXPECT_EQ(f.Points(player) + f.Mistakes(player) - countedBefore, submitted);
    }
}

class HostileFolder : public ::testing::TestWithParam<HostileQuiz> {
protected:
    void SetUp() override {
        if (GetParam().needsPermissionChecks && ::geteuid() == 0)
            GTEST_SKIP() << "file permissions do not keep root from reading";
    }
};

TEST_P(HostileFolder, AtStartUpPlaysToTheEndOrIsRefusedNamingTheFile) {
    const HostileQuiz& hostile = GetParam();
    Session s;
    hostile.build(s.quiz);

    if (hostile.refused()) {
        try {
            s.start();
            ADD_FAILURE() << "the game started";
        } catch (const QuizFileError& error) {
            expectNamesTheFault(error.text(), hostile, s.quiz.path());
        }
        return;
    }

    Form1& f = s.start();
    if (hostile.questionsAtStart >= 0) {
        EXPECT_EQ(f.QuestionCount, hostile.questionsAtStart);
    }
    if (hostile.letters >= 0) {
        EXPECT_EQ(lettersOnBoard(f), hostile.letters);
    }

    s.registerPlayer(u"Иванов");
    if (hostile.questionsInPlay >= 0) {
        EXPECT_EQ(f.QuestionCount, hostile.questionsInPlay);
    }
    f.Option1.click();
    f.Command9.click(); // "Игра1"
    playToTheEnd(f);
    f.Command8.click(); // "Игра2"
    playToTheEnd(f);
    const int points = f.Points(1);
    const int mistakes = f.Mistakes(1);

    f.Command5.click(); // "Результат"
    f.Ватро12.click();  // the rating so far
    ASSERT_FALSE(f.surface.texts().empty());
    EXPECT_EQ(f.surface.texts()[0].rfind(u"Иванов набрал ", 0), 0u) << utf8(f.surface.texts()[0]);
    f.Ватро123.click();
    EXPECT_EQ(f.Points(1), points);
    EXPECT_EQ(f.Mistakes(1), mistakes);
    f.Command7.click(); // "Сброс"
    EXPECT_TRUE(s.host.errors.empty());
}

// Two players with results: the first played "Игра1" to a right and a wrong answer and saw
// the result, the second is halfway through "Игра2" with letters taken from the board.
void playTwoPlayers(Session& s) {
    Form1& f = *s.form;
    s.registerPlayer(u"Иванов");
    f.Option1.click();
    f.Command9.click(); // "Игра1"
    f.Command2.click();
    f.Grid2.press(mouse::Left, 0, rowShowing(f, u"ОМ"), 1);
    f.Grid2.press(mouse::Middle, 0, f.Grid2.Row, 1);
    f.Command2.click();
    f.Grid2.press(mouse::Left, 0, rowShowing(f, u"ТОК"), 1);
    f.Grid2.press(mouse::Middle, 0, f.Grid2.Row, 1);
    f.Command5.click(); // "Результат"

    s.registerPlayer(u"Петрова");
    f.Command8.click(); // "Игра2"
    f.Command2.click();
    f.Grid1.press(mouse::Left, 0, 1, 1); // О
    f.Grid1.press(mouse::Left, 0, 1, 2); // М
    f.Grid1.keyPress(key::Return, 0);
    f.Command2.click();
    f.Grid1.press(mouse::Left, 0, 2, 1); // Р, not "ВОЛЬТ"
    f.Grid1.keyPress(key::Return, 0);

    ASSERT_EQ(f.PlayerNo, 2);
    ASSERT_EQ(f.Points(1), 1);
    ASSERT_EQ(f.Mistakes(1), 1);
    ASSERT_EQ(f.Points(2), 1);
    ASSERT_EQ(f.Mistakes(2), 1);
    ASSERT_TRUE(f.Letters(1, 1).empty());
}

enum QuizFiles { Letters = 1, Answers = 2 };

struct ReloadButton {
    const char* caption;
    CommandButton Form1::*button;
    int reads;                          // the quiz files the button reads
    void (*makeReachable)(Form1& form); // from the middle of the second player's game
};

const ReloadButton ReloadButtons[] = {
    {"Сброс", &Form1::Command7, Letters | Answers, [](Form1&) {}},
    {"Новый игрок", &Form1::Command6, Letters | Answers, [](Form1& f) { f.Command5.click(); }},
    {"Обучалка", &Form1::Command10, Letters | Answers, [](Form1&) {}},
    {"Игра1", &Form1::Command9, Answers, [](Form1&) {}},
    {"Игра2", &Form1::Command8, Letters, [](Form1& f) { f.Command9.click(); }},
};

bool reads(const ReloadButton& reload, const std::string& file) {
    return (file == "vatro.txt" && (reload.reads & Letters) != 0) ||
           (file == "vatroo.txt" && (reload.reads & Answers) != 0);
}

// A teacher replaces the files while the class plays; each button that reads a bad file
// reports it and leaves everything as it was until the files are put back, and with files
// it can read the game goes on.
TEST_P(HostileFolder, AtReloadDuringPlayIsReportedAndKeepsEveryPlayersResults) {
    const HostileQuiz& hostile = GetParam();
    for (const ReloadButton& reload : ReloadButtons) {
        SCOPED_TRACE(reload.caption);
        Session s;
        Form1& f = s.start();
        ASSERT_NO_FATAL_FAILURE(playTwoPlayers(s));
        reload.makeReachable(f);
        CommandButton& button = f.*reload.button;
        ASSERT_TRUE(button.isReachable());
        const bool refusal = hostile.refused() && reads(reload, hostile.file);
        const GameSnapshot before = refusal ? GameSnapshot::of(f) : GameSnapshot{};
        const std::vector<std::u16string> printedBefore = f.surface.texts();

        hostile.build(s.quiz);
        s.host.names.push_back(u"Сидоров");
        button.click();

        if (refusal) {
            ASSERT_EQ(s.host.errors.size(), 1u);
            expectNamesTheFault(s.host.errors[0], hostile, s.quiz.path());
            EXPECT_EQ(differences(before, GameSnapshot::of(f)), "");
            EXPECT_EQ(f.surface.texts(), printedBefore);
            EXPECT_EQ(s.host.prompts.size(), 2u) << "the name box was asked";

            // With the files put back, the same button works.
            restoreSmallQuiz(s.quiz);
            button.click();
            EXPECT_EQ(s.host.errors.size(), 1u) << utf8(s.host.errors.back());
            EXPECT_EQ(f.PlayerName(2), u"Петрова");
            continue;
        }
        EXPECT_TRUE(s.host.errors.empty()) << utf8(s.host.errors.front());
        EXPECT_EQ(f.PlayerName(1), u"Иванов");
        EXPECT_EQ(f.PlayerName(2), u"Петрова");
        if (&button != &f.Command7) { // only "Сброс" clears the results
            for (int player = 1; player <= 2; ++player) {
                EXPECT_EQ(f.Points(player), 1) << player;
                EXPECT_EQ(f.Mistakes(player), 1) << player;
            }
        }
        if ((reload.reads & Answers) != 0 && hostile.questionsInPlay >= 0) {
            EXPECT_EQ(f.QuestionCount, hostile.questionsInPlay);
        }
        if (!f.Grid1.Visible && !f.Grid2.Visible)
            f.Command10.click(); // "Обучалка": the same files again
        EXPECT_TRUE(s.host.errors.empty());
        playToTheEnd(f);
    }
}

INSTANTIATE_TEST_SUITE_P(HostileFiles, HostileFolder, ::testing::ValuesIn(hostileQuizzes()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace vatro::testing
