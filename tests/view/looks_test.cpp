// What a pupil sees, read from the rendered windows pixel by pixel: button faces in their
// colours, the bold of the best grade, a picture that leaves the printed lines legible,
// secondary windows without an icon that stay above the main window, a help file that fits.
#include "viewtest.h"

#include "quiz/fieldreader.h"
#include "quiz/quizfacts.h"
#include "ui/helpwindow.h"
#include "view/fontmap.h"
#include "view/pictures.h"

#include <QAbstractButton>
#include <QPainter>
#include <QWindow>

#include <cmath>
#include <map>

namespace vatro::testing {
namespace {

// The mean length of the horizontal runs of pixels close to the colour: the width of the
// letters' upright strokes.
double strokeWidth(const QImage& image, QColor color) {
    int inked = 0;
    int runs = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool inRun = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool ink = pixelsOf(image, color, QRect(x, y, 1, 1)) == 1;
            inked += ink;
            runs += ink && !inRun;
            inRun = ink;
        }
    }
    return runs ? double(inked) / runs : 0;
}

// The pixels a 16-pixel icon draws on; a missing icon draws none.
int inkedPixels(const QIcon& icon) {
    const QImage image = icon.pixmap(16).toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixelColor(x, y).alpha() > 0;
    return inked;
}

class Looks : public ViewTest {};

TEST_F(Looks, GraphicalButtonsShowTheirDesignedColourFlatAndDarkenWhenPressed) {
    startViews();
    registerByClick(u"Иванов");
    const QImage shot = picture(mainView(), "buttons.png");
    int checked = 0;
    for (const Control* control : form().controls) {
        const auto* button = dynamic_cast<const CommandButton*>(control);
        if (!button || !button->Graphical || !button->Visible)
            continue;
        const QWidget& view = widget(*button);
        const QColor designed(button->BackColor.r, button->BackColor.g, button->BackColor.b);
        // Inside the frame, the face is the colour itself wherever caption and picture
        // leave it, from the top edge to the bottom one: no gradient.
        const QRect inside =
            QRect(view.mapTo(&mainView(), QPoint(0, 0)), view.size()).adjusted(2, 2, -2, -2);
        int exact = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                exact += shot.pixelColor(x, y) == designed;
        EXPECT_GT(exact, inside.width() * inside.height() * 6 / 10) << utf8(button->Caption);
        EXPECT_EQ(shot.pixelColor(inside.bottomRight()), designed) << utf8(button->Caption);
        ++checked;
    }
    EXPECT_GE(checked, 8);

    QWidget& exit = widget(form().Command1);
    QTest::mousePress(&exit, Qt::LeftButton, {}, exit.rect().center());
    // The face is the colour most of the button shows, whatever frame the focus draws.
    const QImage down = exit.grab().toImage();
    std::map<QRgb, int> shown;
    for (int y = 0; y < down.height(); ++y)
        for (int x = 0; x < down.width(); ++x)
            ++shown[down.pixel(x, y)];
    const QColor pressed(std::max_element(shown.begin(), shown.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                         })->first);
    QTest::mouseRelease(&exit, Qt::LeftButton, {}, QPoint(-5, -5)); // let go outside: no exit
    EXPECT_LT(pressed.lightness(), QColor(255, 128, 128).lightness());
    EXPECT_GT(pressed.red(), pressed.green() + 64) << "still the button's red";
}

// Contrast as low-vision guidelines reckon it, from 1:1 to 21:1.
double contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// What the focus changes on a widget stands out at least 3:1 from what was there, all
// round it: on the buttons, the options and the board, and in the help window.
TEST_F(Looks, TheFocusIsAFrameThatStandsOutFromItsSurroundings) {
    startViews();
    registerByClick(u"Иванов");
    click(form().Command4);
    auto framed = [](QWidget& shown) {
        shown.window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window()));
        shown.setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_TRUE(shown.hasFocus());
        const QImage focused = shown.grab().toImage();
        shown.clearFocus();
        settle();
        const QImage plain = shown.grab().toImage();
        int standingOut = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                standingOut += contrast(focused.pixelColor(x, y), plain.pixelColor(x, y)) >= 3;
        EXPECT_GT(standingOut, std::min(plain.width(), plain.height()) * 4)
            << shown.metaObject()->className() << " " << shown.accessibleName().toStdString();
    };
    framed(*viewOf(form().Form2).widgetFor(form().Form2.Command1));
    framed(widget(form().Command2));
    framed(widget(form().Command1));
    framed(widget(form().Option2));
    click(form().Option1);
    click(form().Command8);
    framed(gridView(form().Grid1));
    gridView(form().Grid1).setFocus();
    picture(mainView(), "focus.png");
}

// The script face has no bold cut; the best grade's word is drawn bold all the same.
TEST_F(Looks, TheBestGradesWordIsBoldInAFaceWithoutABoldCut) {
    startViews();
    form().Form3.Show();
    views->sync();
    WindowView& five = viewOf(form().Form3);
    const QImage shot = picture(five, "grade-5-bold.png");
    const QFont bold = qtFont(form().Form3.font);
    const int line = QFontMetrics(bold, &five.clientArea()).height();
    const QRect firstLine(five.clientArea().mapTo(&five, QPoint(0, 0)), QSize(five.width(), line));

    QFont regular = bold;
    regular.setBold(false);
    QImage thin(firstLine.size(), QImage::Format_RGB32);
    thin.fill(five.palette().color(QPalette::Window));
    {
        QPainter painter(&thin);
        painter.setFont(regular);
        painter.setPen(Qt::red);
        drawFontText(painter, QPoint(0, QFontMetrics(regular).ascent()),
                     QStringLiteral("МОЛОДЕЦ!"));
    }
    const double boldStroke = strokeWidth(shot.copy(firstLine), Qt::red);
    const double thinStroke = strokeWidth(thin, Qt::red);
    EXPECT_GT(thinStroke, 0.5);
    EXPECT_GT(boldStroke, thinStroke * 1.3) << boldStroke << " against " << thinStroke;
}

// The main window prints up to five lines over its picture's top; the picture keeps that
// band white at both densities, so every printed line stays legible.
TEST_F(Looks, TheMousePictureLeavesTheBandOfFivePrintedLinesWhite) {
    startViews();
    const int lines = 5 * QFontMetrics(qtFont(form().font), &mainView()).lineSpacing();
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage drawn = pictureImage("mouse.svg", ratio);
        ASSERT_EQ(drawn.deviceIndependentSize(), QSizeF(571, 472)) << ratio;
        ASSERT_EQ(drawn.size(), QSize(571, 472) * ratio);
        const QRect band(0, 0, drawn.width(), int(lines * ratio));
        EXPECT_EQ(pixelsOf(drawn, Qt::white, band), band.width() * band.height()) << ratio;
    }

    // On the window, left of the clock box: white until the game prints there.
    const QImage shot = mainView().grab().toImage();
    const QRect under(mainView().clientArea().mapTo(&mainView(), QPoint(0, 0)), QSize(440, lines));
    EXPECT_EQ(pixelsOf(shot, Qt::white, under), under.width() * under.height());
    for (int n = 0; n < 5; ++n)
        form().surface.Print({u"Ваше время истекло, нажмите -Результат-"});
    views->sync();
    picture(mainView(), "five-lines.png");
}

// The window shows the mouse exactly as drawn wherever no control lies over it: the margin
// painted, the drawn part copied piece by piece around the controls.
TEST_F(Looks, TheMainWindowShowsTheMousePixelForPixelAroundItsControls) {
    startViews();
    const QImage drawn = pictureImage("mouse.svg", 1).convertToFormat(QImage::Format_RGB32);
    // The whole window: the client area lies below the menu bar in it.
    ClientArea& client = mainView().clientArea();
    const QImage shot = mainView().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = client.mapTo(&mainView(), QPoint(0, 0));
    QRegion covered;
    for (const QWidget* control : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible())
            covered += control->geometry();
    }
    int seen = 0;
    int wrong = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (covered.contains(QPoint(x, y)))
                continue;
            ++seen;
            wrong += shot.pixel(origin + QPoint(x, y)) != drawn.pixel(x, y);
        }
    }
    EXPECT_GT(seen, drawn.width() * drawn.height() * 3 / 4);
    EXPECT_EQ(wrong, 0);
}

TEST_F(Looks, SecondaryWindowsHaveNoIconAndStayAboveTheMainWindowWithoutBlockingIt) {
    startViews();
    EXPECT_GT(inkedPixels(mainView().windowIcon()), 16 * 16 / 4) << "the light bulb";
    form().Form4.Show();
    mainView().actionFor(form().Ватро2)->trigger();
    mainView().actionFor(form().Ватро3)->trigger();
    views->sync();
    for (const Window* window :
         {static_cast<const Window*>(&form().Form4), static_cast<const Window*>(&form().Form2),
          static_cast<const Window*>(&form().Form7)}) {
        WindowView& view = viewOf(*window);
        ASSERT_TRUE(view.isVisible()) << utf8(window->Caption);
        // Blank, not missing: a window manager fills a missing icon with its owner's.
        EXPECT_EQ(inkedPixels(view.windowIcon()), 0) << utf8(window->Caption);
        EXPECT_EQ(view.windowType(), Qt::Dialog) << utf8(window->Caption);
        EXPECT_EQ(view.windowModality(), Qt::NonModal);
        ASSERT_NE(view.windowHandle(), nullptr);
        EXPECT_EQ(view.windowHandle()->transientParent(), mainView().windowHandle());
    }
    registerByClick(u"Петров");
    EXPECT_EQ(form().PlayerName(1), u"Петров");
}

// Nothing wraps or scrolls: the sample help file fits the help window whole, and the number
// of lines the checker and the editor go by is the number the window shows.
TEST_F(Looks, TheSampleHelpFileAndTheCreditsFitTheirWindowsAtTheDesignedSize) {
    host.folder = VATRO_SAMPLE_QUIZ;
    startViews();
    form().Command4.click();
    views->sync();
    WindowView& help = viewOf(form().Form2);
    const QFontMetrics metrics(qtFont(form().Form2.font), &help.clientArea());
    const QWidget& more = *help.widgetFor(form().Form2.Command1);
    // Line n stands from (n - 1) line spacings down, one font height high.
    EXPECT_EQ(std::size_t((more.y() - metrics.height()) / metrics.lineSpacing() + 1),
              HelpWindowLines);

    const FieldFile sample = readFieldFile(host.folder, HelpFileInfo.name, HelpFileInfo.capacity);
    ASSERT_TRUE(sample.ok());
    EXPECT_GE(sample.fields.size(), 5u);
    EXPECT_LE(sample.fields.size(), HelpWindowLines);
    for (const std::u16string& line : sample.fields)
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdU16String(u" " + line)),
                  help.clientArea().width())
            << utf8(line);
    dynamic_cast<QAbstractButton&>(*help.widgetFor(form().Form2.Command1)).click();
    picture(help, "help-file.png");

    // So do the credits, beside the portrait and below it.
    mainView().actionFor(form().Ватро3)->trigger();
    WindowView& credits = viewOf(form().Form7);
    const QFontMetrics small(qtFont(form().Form7.font), &credits.clientArea());
    for (const PrintedLine& line : form().Form7.surface.lines())
        EXPECT_LE(px(line.x.value_or(0), credits.logicalDpiX()) +
                      small.horizontalAdvance(QString::fromStdU16String(line.text())),
                  credits.clientArea().width())
            << utf8(line.text());
    picture(credits, "credits-finished.png");
}

} // namespace
} // namespace vatro::testing
