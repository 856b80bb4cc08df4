#include "support/gamefixture.h"

#include "game/textcodec.h"

namespace vatro::testing {
namespace {

const std::vector<std::u16string> Instructions = {
    u" После нажатия кнопки -Пуск-,",
    u" кликни левой кнопкой мышки букву или слово из списка,",
    u" чтобы слово сравнить с ответом,",
    u" жми среднюю кнопку мышки или -Ввод- или -Пробел-",
    u" Правой кнопкой можно убрать последнюю букву",
    u" или слово, а кнопкой -Очистка- стереть всё слово.",
    u"",
    u"Щёлкни мышкой по данному окну",
};

class HelpWindowTest : public GameTest {
protected:
    HelpWindow& help() { return form().Form2; }
    std::vector<std::u16string> helpLines() { return help().surface.texts(); }
};

TEST_F(HelpWindowTest, OpensWithBlueInstructionsAndARedClickHint) {
    start();
    form().Command4.click();
    ASSERT_TRUE(help().Visible());
    EXPECT_EQ(help().Caption, u"Ватро1");
    EXPECT_EQ(helpLines(), Instructions);
    const auto lines = help().surface.lines();
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(lines[n].runs.at(0).color, colors::Blue);
    EXPECT_EQ(lines[7].runs.at(0).color, colors::Red);
    EXPECT_EQ(help().surface.ForeColor(), colors::Black);
}

TEST_F(HelpWindowTest, ButtonAndMenuOpenTheSameSingleWindowPrintedOnce) {
    start();
    form().Command4.click();
    form().Ватро2.click();
    form().Command4.click();
    EXPECT_TRUE(help().Visible());
    EXPECT_EQ(helpLines().size(), Instructions.size());
}

TEST_F(HelpWindowTest, ExtraHelpPrintsEveryFieldAsALineWithALeadingBlank) {
    quiz.write("Справка1.txt", u"Первая строка, вторая часть\r\n\"Строка, с запятой\"\r\n");
    start();
    form().Command4.click();
    help().Command1.click();
    EXPECT_EQ(helpLines(), (std::vector<std::u16string>{u" Первая строка", u" вторая часть",
                                                        u" Строка, с запятой"}));
    EXPECT_EQ(help().HelpLine, u"Строка, с запятой");
    // Releasing a mouse button over the window brings the instructions back.
    help().backgroundMouseUp(2, 0, 10, 10);
    EXPECT_EQ(helpLines(), Instructions);
}

TEST_F(HelpWindowTest, EmptyHelpFileClearsTheWindow) {
    quiz.write("Справка1.txt", u"");
    start();
    form().Command4.click();
    help().Command1.click();
    EXPECT_TRUE(helpLines().empty());
}

TEST_F(HelpWindowTest, MissingHelpFileIsNamedOnTheWindowAndTheGameGoesOn) {
    start();
    form().Command4.click();
    help().Command1.click();
    const auto lines = helpLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], u" Не найден файл «Справка1.txt».");
    EXPECT_NE(lines[1].find(utf8ToUtf16(quiz.path().string())), std::u16string::npos);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.endRequests, 0);
}

TEST_F(HelpWindowTest, ClickReprintsThenHidesAndTheNextOpeningShowsInstructions) {
    quiz.write("Справка1.txt", u"Текст");
    start();
    form().Command4.click();
    help().Command1.click();
    help().backgroundMouseUp(1, 0, 0, 0);
    help().backgroundClick();
    EXPECT_FALSE(help().Visible());
    form().Command4.click();
    EXPECT_EQ(helpLines(), Instructions);
}

TEST_F(HelpWindowTest, ButtonKeepsItsDistanceFromTheCorner) {
    start();
    form().Command4.click();
    EXPECT_EQ(help().Command1.Top, 3690 - 700);
    EXPECT_EQ(help().Command1.Left, 8985 - 3700);
    help().resizeClient(8985 + 500, 3690 + 500);
    EXPECT_EQ(help().Command1.Top, 3690 - 200);
    EXPECT_EQ(help().Command1.Left, 8985 - 3200);
}

TEST_F(HelpWindowTest, ClosedWindowIsCreatedAnewNextTime) {
    quiz.write("Справка1.txt", u"Текст");
    start();
    form().Command4.click();
    help().Command1.click();
    help().unload();
    EXPECT_FALSE(help().Visible());
    form().Ватро2.click();
    EXPECT_EQ(helpLines(), Instructions);
}

class CreditsWindowTest : public GameTest {};

TEST_F(CreditsWindowTest, EightLinesBesideAndBelowThePortraitPrintedOnce) {
    start();
    form().Ватро3.click();
    form().Ватро3.click();
    CreditsWindow& credits = form().Form7;
    ASSERT_TRUE(credits.Visible());
    EXPECT_EQ(credits.Caption, u"Ватро6");
    const auto lines = credits.surface.lines();
    ASSERT_EQ(lines.size(), 8u);
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(lines[n].x, 2200.0);
    EXPECT_EQ(lines[5].y, 3500.0);
    EXPECT_FALSE(lines[6].x || lines[6].y);
    for (const PrintedLine& line : lines) {
        EXPECT_EQ(line.text().substr(0, 1), u" ");
        EXPECT_EQ(line.runs.at(0).color, colors::Blue);
    }
    EXPECT_NE(lines[0].text().find(u"Команда Ватро"), std::u16string::npos);
    credits.backgroundClick();
    EXPECT_FALSE(credits.Visible());
    form().Ватро3.click();
    EXPECT_EQ(credits.surface.lines().size(), 8u);
}

TEST_F(CreditsWindowTest, EditorMenuEntryDoesNothing) {
    Form1& f = start();
    const auto shown = printed();
    f.Ватро4.click();
    EXPECT_EQ(printed(), shown);
    EXPECT_FALSE(f.Form2.Visible() || f.Form7.Visible());
}

} // namespace
} // namespace vatro::testing
