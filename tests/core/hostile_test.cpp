// Quiz files a teacher might put in the folder by mistake. At start-up each either plays to
// the end or is refused with a message that names the file and the folder; at a reload
// during play a refusal is reported and changes nothing, so no player's results are lost;
// and the checker tells the teacher as much before the lesson.
#include "checker/quizcheck.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"
#include "support/hostilequiz.h"

#include <ostream>
#include <tuple>

namespace vatro::testing {

void PrintTo(const HostileQuiz& quiz, std::ostream* out) {
    *out << quiz.name;
}

namespace {

class Hostile : public GameTest {
protected:
    Hostile() { writeGoodQuiz(quiz); }

    void expectNamesTheFault(const std::u16string& message, const HostileQuiz& hostile) {
        for (const std::u16string& part : {utf8ToUtf16("«" + hostile.file + "»"), hostile.refusal,
                                           u"Папка: «" + displayPath(quiz.path()) + u"»"})
            EXPECT_NE(message.find(part), std::u16string::npos) << utf8(message);
    }

    // The game must pose as many questions as the word list holds and count each answer once.
    void playOn(bool wrong = false) {
        Form1& f = form();
        const int counted = f.Points(f.PlayerNo) + f.Mistakes(f.PlayerNo);
        const Played played = playToTheEnd(f, wrong);
        EXPECT_TRUE(played.ended);
        EXPECT_EQ(played.posed, f.QuestionCount);
        EXPECT_EQ(f.Points(f.PlayerNo) + f.Mistakes(f.PlayerNo) - counted, played.submitted);
    }
};

class HostileFolder : public Hostile, public ::testing::WithParamInterface<HostileQuiz> {};

TEST_P(HostileFolder, AtStartUpPlaysToTheEndOrIsRefusedNamingTheFile) {
    const HostileQuiz& hostile = GetParam();
    hostile.build(quiz);
    if (hostile.refused()) {
        try {
            start();
            ADD_FAILURE() << "the game started";
        } catch (const QuizFileError& error) {
            expectNamesTheFault(error.text(), hostile);
        }
        return;
    }
    Form1& f = start();
    int letters = 0;
    for (int row = 1; row <= 17; ++row)
        for (int col = 1; col <= 20; ++col)
            letters += f.Letters(row, col).empty() ? 0 : 1;
    EXPECT_TRUE(hostile.letters < 0 || letters == hostile.letters) << letters;
    EXPECT_TRUE(hostile.questions < 0 || f.QuestionCount == hostile.questions) << f.QuestionCount;
    registerPlayer(u"Иванов");
    EXPECT_TRUE(hostile.answers < 0 || f.QuestionCount == hostile.answers) << f.QuestionCount;
    chooseLevel(1);
    f.Command9.click(); // "Игра1"
    playOn();
    f.Command8.click(); // "Игра2"
    playOn();
    f.Command9.click(); // "Игра1" lets "Игра2" be pressed again: now any letters are picked,
    f.Command8.click(); // more of them than a short word has
    playOn(true);
    const int points = f.Points(1);
    const int mistakes = f.Mistakes(1);
    f.Command5.click(); // "Результат"
    f.Ватро12.click();  // the rating so far
    ASSERT_FALSE(printed().empty());
    EXPECT_EQ(printed()[0].rfind(u"Иванов набрал ", 0), 0u) << utf8(printed()[0]);
    f.Ватро123.click();
    EXPECT_EQ(f.Points(1), points);
    EXPECT_EQ(f.Mistakes(1), mistakes);
    f.Command7.click(); // "Сброс"
    EXPECT_TRUE(host.errors.empty());
}

// Whatever the game refuses, the checker refuses too, with 2 for a file it cannot read at
// all; whatever the game plays otherwise than the teacher meant, the checker tells; and a
// finding of that weight names the file that is wrong.
TEST_P(HostileFolder, TheCheckerTellsTheTeacherWhatTheGameWillMakeOfIt) {
    const HostileQuiz& hostile = GetParam();
    hostile.build(quiz);
    const QuizCheck check = checkQuizFolder(quiz.path());
    EXPECT_EQ(check.exitStatus(), hostile.checkerExit) << utf8(formatQuizCheck(check));
    bool named = hostile.file.empty() || hostile.checkerExit == 0;
    for (const Finding& finding : check.findings)
        named = named || (finding.file == hostile.file &&
                          static_cast<int>(finding.severity) == hostile.checkerExit);
    EXPECT_TRUE(named) << utf8(formatQuizCheck(check));
}

enum QuizFiles { Letters = 1, Answers = 2 };

struct ReloadButton {
    const char* name; // names the tests
    CommandButton Form1::*button;
    int reads;                          // the quiz files the button reads
    void (*makeReachable)(Form1& form); // from the middle of the second player's game
};

const ReloadButton ReloadButtons[] = {
    {"Reset", &Form1::Command7, Letters | Answers, [](Form1&) {}},
    {"NewPlayer", &Form1::Command6, Letters | Answers, [](Form1& f) { f.Command5.click(); }},
    {"Training", &Form1::Command10, Letters | Answers, [](Form1&) {}},
    {"WordGame", &Form1::Command9, Answers, [](Form1&) {}},
    {"LetterGame", &Form1::Command8, Letters, [](Form1& f) { f.Command9.click(); }},
};

class HostileReload : public Hostile,
                      public ::testing::WithParamInterface<std::tuple<HostileQuiz, ReloadButton>> {
protected:
    // Two players with results: the first played "Игра1" to a right and a wrong answer and
    // saw the result, the second is halfway through "Игра2" with letters taken from the board.
    void playTwoPlayers() {
        Form1& f = start();
        registerPlayer(u"Иванов");
        chooseLevel(1);
        f.Command9.click(); // "Игра1"
        for (const std::u16string word : {u"ОМ", u"ТОК"}) {
            f.Command2.click();
            pressWord(rowShowing(word));
            f.Grid2.keyPress(key::Return, 0);
        }
        f.Command5.click(); // "Результат"
        registerPlayer(u"Петрова");
        f.Command8.click(); // "Игра2"
        for (const std::u16string word : {u"ОМ", u"А"}) {
            f.Command2.click();
            spell(word);
            f.Grid1.keyPress(key::Return, 0);
        }
        ASSERT_EQ(f.PlayerNo, 2);
        for (int player = 1; player <= 2; ++player) {
            ASSERT_EQ(f.Points(player), 1) << player;
            ASSERT_EQ(f.Mistakes(player), 1) << player;
        }
    }
};

// A teacher replaces the files while the class plays; a button that reads a bad file
// reports it and leaves everything as it was until the files are put back, and with files
// it can read the game goes on.
TEST_P(HostileReload, DuringPlayIsReportedAndKeepsEveryPlayersResults) {
    const auto& [hostile, reload] = GetParam();
    ASSERT_NO_FATAL_FAILURE(playTwoPlayers());
    Form1& f = form();
    reload.makeReachable(f);
    CommandButton& button = f.*reload.button;
    ASSERT_TRUE(button.isReachable());
    // A question file that changed is read again with the answers.
    const int file = hostile.file == "vatro.txt"                                    ? Letters
                     : hostile.file == "vatroo.txt" || hostile.file == "vatrov.txt" ? Answers
                                                                                    : 0;
    const bool refusal = hostile.refused() && (reload.reads & file) != 0;
    const GameSnapshot before = GameSnapshot::of(f);
    const std::vector<std::u16string> printedBefore = printed();

    hostile.build(quiz);
    host.names.push_back(u"Сидоров");
    button.click();
    if (refusal) {
        ASSERT_EQ(host.errors.size(), 1u);
        expectNamesTheFault(host.errors[0], hostile);
        EXPECT_EQ(differences(before, GameSnapshot::of(f)), "");
        EXPECT_EQ(printed(), printedBefore);
        EXPECT_EQ(host.prompts.size(), 2u) << "the name box was asked";
        // With the files put back, the same button works.
        writeGoodQuiz(quiz);
        button.click();
        EXPECT_EQ(host.errors.size(), 1u) << utf8(host.errors.back());
        EXPECT_EQ(f.PlayerName(2), u"Петрова");
        return;
    }
    ASSERT_TRUE(host.errors.empty()) << utf8(host.errors.front());
    EXPECT_EQ(f.PlayerName(1), u"Иванов");
    EXPECT_EQ(f.PlayerName(2), u"Петрова");
    for (int player = 1; player <= 2 && reload.button != &Form1::Command7; ++player) {
        EXPECT_EQ(f.Points(player), 1) << player; // only "Сброс" clears the results
        EXPECT_EQ(f.Mistakes(player), 1) << player;
    }
    if ((reload.reads & Answers) != 0 && hostile.answers >= 0) {
        EXPECT_EQ(f.QuestionCount, hostile.answers);
    }
    if (!f.Grid1.Visible && !f.Grid2.Visible)
        f.Command10.click(); // "Обучалка": the same files again
    playOn();
    EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(HostileFiles, HostileFolder, ::testing::ValuesIn(hostileQuizzes()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(HostileFiles, HostileReload,
                         ::testing::Combine(::testing::ValuesIn(hostileQuizzes()),
                                            ::testing::ValuesIn(ReloadButtons)),
                         [](const auto& info) {
                             return std::get<0>(info.param).name + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
} // namespace vatro::testing
