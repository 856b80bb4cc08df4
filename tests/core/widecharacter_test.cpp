// A character beyond the basic plane (a mathematical letter pasted from a formula) is one
// character everywhere a letter is counted: one board cell, one letter of the supply, saved
// whole in UTF-8, and picked and taken back whole in the game.
#include "checker/quizcheck.h"
#include "editor/quizdocument.h"
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

using editor::LackingChoice;
using editor::Side;
using Status = editor::SaveOutcome::Status;

const std::u16string Phi = u"\U0001D711"; // MATHEMATICAL ITALIC SMALL PHI

class WideCharacter : public GameTest {};

TEST_F(WideCharacter, StaysWholeFromTheEditorThroughTheCheckerIntoAGame) {
    quiz.write("Справка1.txt", u"Справка\r\n");
    editor::QuizDocument doc;
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    doc.setText(0, Side::Answer, u"Ф" + Phi);
    doc.setText(0, Side::Question, u"Потенциал и его буква?");
    const editor::BuiltBoard built = doc.buildBoard(7);
    ASSERT_TRUE(built.built);
    EXPECT_EQ(built.needed, 10u) << "Ф, the wide letter once, ВОЛЬТ, ТОК";
    EXPECT_EQ(std::count(built.cells.begin(), built.cells.end(), Phi), 1);
    EXPECT_TRUE(doc.letterSupply().lacking().empty());

    const editor::SaveOutcome asked = doc.save();
    ASSERT_EQ(asked.status, Status::NeedsEncodingChoice);
    EXPECT_EQ(asked.lacking.front().characters, Phi);
    ASSERT_EQ(doc.save({LackingChoice::UseUtf8}).status, Status::Saved);
    for (const Finding& finding : checkQuizFolder(quiz.path()).findings)
        EXPECT_NE(finding.severity, Finding::Severity::Problem) << utf8(finding.what);

    Form1& f = play(&Form1::Command8); // "Игра2": letters from the board
    int row = 0, col = 0;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 20; ++c)
            if (f.Letters(r, c) == Phi)
                row = r, col = c;
    ASSERT_NE(row, 0);
    spell(u"Ф");
    pressLetter(row, col);
    EXPECT_EQ(f.Answer, u"Ф" + Phi);
    pressLetter(row, col, mouse::Right); // the take-back returns the whole character
    EXPECT_EQ(f.Letters(row, col), Phi);
    EXPECT_EQ(f.Answer, u"Ф");
    pressLetter(row, col);
    pressGrid1(mouse::Middle);
    EXPECT_NE(screen().find("ВЕРНО"), std::string::npos) << screen();
    f.Grid1_KeyDown(key::Back, 0);
    EXPECT_EQ(f.Answer, u"Ф");

    // Replaced instead (the questions are still in Windows-1251), it is one '?'.
    doc.setText(1, Side::Question, u"Буква " + Phi + u" — это?");
    ASSERT_EQ(doc.save({LackingChoice::Replace}).status, Status::Saved);
    EXPECT_EQ(doc.content().questions[1], u"Буква ? — это?");
}

} // namespace
} // namespace vatro::testing
