// Pictures of every window for a person to look at, with the checks a glance would make.
#include "viewfixture.h"

#include "ui/qt/pictures.h"

#include <QImage>

namespace vatro::testing {
namespace {

class WindowPictures : public ViewTest {
protected:
    QImage shotOf(QWidget& window) {
        settle();
        return window.grab().toImage();
    }
    QImage shotOf(const Window& window) {
        views().sync();
        return shotOf(viewOf(window));
    }
};

TEST_F(WindowPictures, GameInProgressShowsQuestionRedWordAndVerdict) {
    startViews();
    registerByClick(u"Иванов");
    click(form().Option1);
    click(form().Command8);
    click(form().Command2);
    pressCell(form().Grid1, 1, 1);
    pressCell(form().Grid1, 1, 2);
    pressCell(form().Grid1, 4, 4, Qt::MiddleButton);
    ASSERT_EQ(printed().back(), u"ВЕРНО");
    savePicture(mainView(), QStringLiteral("game.png"));

    // The printed lines stand above the board, on the white background.
    const QImage client = shotOf(mainView().clientArea());
    const QRect printArea(0, 0, client.width() / 2, widget(form().Grid1).y());
    EXPECT_GT(pixelsOf(client, QColor(255, 0, 0), printArea), 20) << "the red word";
    EXPECT_GT(pixelsOf(client, QColor(0, 0, 0), printArea), 200) << "question and verdict";
}

TEST_F(WindowPictures, MainWindowAtTheDesignSizeAndLarger) {
    startViews();
    registerByClick(u"Иванов");
    click(form().Command10); // both grids
    const QImage design = shotOf(mainView().clientArea());
    savePicture(mainView(), QStringLiteral("main-design.png"));
    // The mouse picture lies under the controls at the top-left corner.
    const QSize picture = pictureSize("mouse.svg");
    EXPECT_EQ(picture, QSize(571, 472));
    EXPECT_LT(pixelsOf(design, Qt::white, QRect(QPoint(0, 0), QSize(571, 110))), 571 * 110 * 0.95);

    mainView().resize(mainView().size() + QSize(200, 120));
    const QImage larger = shotOf(mainView().clientArea());
    savePicture(mainView(), QStringLiteral("main-larger.png"));
    EXPECT_EQ(larger.size(), design.size() + QSize(200, 120));
    // Beyond the picture the larger window shows its white background.
    EXPECT_EQ(larger.pixelColor(larger.width() - 3, 2), QColor(Qt::white));
}

TEST_F(WindowPictures, EachGradeWindowInItsColour) {
    startViews();
    const struct {
        GradeWindow* window;
        QColor color;
        const char* file;
    } grades[] = {{&form().Form3, QColor(255, 0, 0), "grade-5.png"},
                  {&form().Form4, QColor(255, 128, 128), "grade-4.png"},
                  {&form().Form5, QColor(0, 192, 0), "grade-3.png"},
                  {&form().Form6, QColor(0, 0, 255), "grade-2.png"}};
    for (const auto& grade : grades) {
        grade.window->Show();
        const QImage shot = shotOf(*grade.window);
        savePicture(viewOf(*grade.window), QString::fromLatin1(grade.file));
        EXPECT_GT(pixelsOf(shot, grade.color), 60) << grade.file;
    }
}

TEST_F(WindowPictures, HelpAndCreditsWindows) {
    startViews();
    form().Form2.Show();
    const QImage help = shotOf(form().Form2);
    savePicture(viewOf(form().Form2), QStringLiteral("help.png"));
    EXPECT_GT(pixelsOf(help, QColor(0, 0, 255)), 500) << "six blue lines";
    EXPECT_GT(pixelsOf(help, QColor(255, 0, 0)), 100) << "the red line";

    form().Form7.Show();
    const QImage credits = shotOf(form().Form7);
    savePicture(viewOf(form().Form7), QStringLiteral("credits.png"));
    // The portrait at the top-left corner, the blue text beside and below it.
    const QColor face = viewOf(form().Form7).palette().color(QPalette::Button);
    EXPECT_LT(pixelsOf(credits, face, QRect(0, 0, 144, 200)), 144 * 200 / 2);
    EXPECT_GT(pixelsOf(credits, QColor(0, 0, 255), QRect(150, 0, 300, 120)), 200);
    EXPECT_GT(pixelsOf(credits, QColor(0, 0, 255), QRect(0, 230, 400, 60)), 200);
}

} // namespace
} // namespace vatro::testing
