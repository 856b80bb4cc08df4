// The help window ("Справка") and the credits window ("Об авторах").
#include "support/gamefixture.h"

#include "quiz/textcodec.h"

namespace vatro::testing {
namespace {

const std::string Instructions = "{blue} После нажатия кнопки -Пуск-,\n"
                                 "{blue} кликни левой кнопкой мышки букву или слово из списка,\n"
                                 "{blue} чтобы слово сравнить с ответом,\n"
                                 "{blue} жми среднюю кнопку мышки или -Ввод- или -Пробел-\n"
                                 "{blue} Правой кнопкой можно убрать последнюю букву\n"
                                 "{blue} или слово, а кнопкой -Очистка- стереть всё слово.\n"
                                 "\n"
                                 "{red}Щёлкни мышкой по данному окну";

class Windows : public GameTest {
protected:
    HelpWindow& help() { return form().Form2; }
};

// The button and the menu entry show one window, printed when it is first created.
TEST_F(Windows, HelpOpensOnceWithBlueInstructionsAndItsButtonKeepsToTheCorner) {
    start();
    form().Command4.click();
    ASSERT_TRUE(help().Visible());
    EXPECT_EQ(help().Caption, u"Ватро1");
    EXPECT_EQ(look(help().surface), Instructions);
    EXPECT_EQ(help().surface.ForeColor(), colors::Black);
    form().Ватро2.click();
    form().Command4.click();
    EXPECT_EQ(look(help().surface), Instructions);

    EXPECT_EQ(std::pair(help().Command1.Left, help().Command1.Top),
              std::pair(8985.0 - 3700, 3690.0 - 700));
    help().resizeClient(8985 + 500, 3690 + 500);
    EXPECT_EQ(std::pair(help().Command1.Left, help().Command1.Top),
              std::pair(8985.0 - 3200, 3690.0 - 200));
}

// Each field prints as a line with a leading blank; a mouse-up brings the help back.
TEST_F(Windows, ExtraHelpPrintsTheTeachersFileOrSaysItIsMissing) {
    quiz.write("Справка1.txt", u"Первая строка, вторая часть\r\n\"Строка, с запятой\"\r\n");
    start();
    form().Command4.click();
    help().Command1.click();
    EXPECT_EQ(look(help().surface), " Первая строка\n вторая часть\n Строка, с запятой");
    EXPECT_EQ(help().HelpLine, u"Строка, с запятой");
    help().backgroundMouseUp(2, 0, 10, 10);
    EXPECT_EQ(look(help().surface), Instructions);
    help().backgroundClick();
    EXPECT_FALSE(help().Visible());

    quiz.write("Справка1.txt", u"");
    form().Command4.click();
    help().Command1.click();
    EXPECT_EQ(look(help().surface), "");
    // Escape puts the window away as a click does, and the main window's Escape does not.
    help().escapePressed();
    EXPECT_FALSE(help().Visible());
    form().escapePressed();
    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(host.endRequests, 0);
    form().Command4.click();
    EXPECT_EQ(look(help().surface), Instructions);

    // Without the file the window says which file is missing where; the game goes on.
    quiz.remove("Справка1.txt");
    help().Command1.click();
    EXPECT_EQ(look(help().surface),
              " Не найден файл «Справка1.txt».\n Папка: «" + utf8(displayPath(quiz.path())) + "».");
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.endRequests, 0);
}

// A window closed with its own button is created anew, in the colours of a new one.
TEST_F(Windows, HelpClosedWithItsOwnButtonComesBackAsNew) {
    quiz.write("Справка1.txt", u"Текст");
    start();
    form().Command4.click();
    help().Command1.click();
    help().unload();
    EXPECT_FALSE(help().Visible());
    form().Ватро2.click();
    EXPECT_EQ(look(help().surface), Instructions);
}

// Five lines beside the portrait and three below it, printed once; "Редактор" opens the
// editor on the game's folder and changes nothing in the game.
TEST_F(Windows, CreditsShowEightBlueLinesBesideAndBelowThePortrait) {
    Form1& f = start();
    f.Ватро3.click();
    f.Ватро3.click();
    CreditsWindow& credits = f.Form7;
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
        EXPECT_EQ(line.text().find(u'('), std::u16string::npos) << "a blank left to fill";
    }
    EXPECT_NE(lines[0].text().find(u"Команда Ватро"), std::u16string::npos);
    credits.backgroundClick();
    EXPECT_FALSE(credits.Visible());
    f.Ватро3.click();
    EXPECT_EQ(credits.surface.lines().size(), 8u);

    f.Ватро4.click();
    EXPECT_EQ(screen(), "");
    EXPECT_FALSE(f.Form2.Visible());
    EXPECT_EQ(host.editorOpenings, 1);
    EXPECT_EQ(host.editorFolder, quiz.path());
}

} // namespace
} // namespace vatro::testing
