// The game and the editor on one folder: a teacher edits the quiz in the editor while a
// class plays, and the next game asks each question with its own answer.
#include "editor/quizdocument.h"
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

using Status = editor::SaveOutcome::Status;

class SharedFolder : public GameTest {
protected:
    // What the editor does: open the folder, change it, save.
    template <typename Change> void editAndSave(Change change) {
        editor::QuizDocument doc;
        ASSERT_TRUE(doc.open(quiz.path()).ok);
        change(doc);
        ASSERT_EQ(doc.save().status, Status::Saved);
    }
    // "Сброс", a player, "Игра1" and "Пуск": the first question of a new game.
    void newWordGame() {
        form().Command7.click();
        registerPlayer(u"Петров");
        chooseLevel(1);
        form().Command9.click();
        form().Command2.click();
    }
};

// Questions pair with answers by position: a question file the editor changed is read again
// whenever the answers are; an unchanged one is not read again at all.
TEST_F(SharedFolder, ADeletedPairTakesItsQuestionAlongIntoTheNextGame) {
    Form1& f = play(&Form1::Command9);
    EXPECT_NE(screen().find(utf8(SmallQuiz::questions()[0])), std::string::npos) << screen();

    // An answer changed, the questions not: the game keeps the questions it read.
    f.Questions(3) = u"прочитано при запуске";
    editAndSave([](editor::QuizDocument& doc) { doc.setText(2, editor::Side::Answer, u"ТОКИ"); });
    newWordGame();
    EXPECT_EQ(f.Questions(3), u"прочитано при запуске");
    EXPECT_EQ(f.Answers(3), u"ТОКИ");

    editAndSave([](editor::QuizDocument& doc) { doc.deletePairs(0); });
    newWordGame();
    EXPECT_EQ(f.QuestionCount, 2) << "the count is still that of the answers";
    EXPECT_EQ(f.Questions(2), SmallQuiz::questions()[2]);
    EXPECT_NE(screen().find(utf8(SmallQuiz::questions()[1])), std::string::npos) << screen();
    const int wrongRow = rowShowing(u"ТОКИ");
    ASSERT_NE(wrongRow, 0);
    pressWord(wrongRow);
    pressWord(wrongRow, mouse::Middle);
    EXPECT_NE(screen().find("ОШИБКА"), std::string::npos) << screen();
    f.Command3.click();
    pressWord(rowShowing(u"ВОЛЬТ"));
    pressGrid2(mouse::Middle);
    EXPECT_NE(screen().find("ВЕРНО"), std::string::npos) << screen();
    EXPECT_TRUE(host.errors.empty());
}

} // namespace
} // namespace vatro::testing
