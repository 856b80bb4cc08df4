#pragma once

#include "support/gamefixture.h"
#include "view/gridview.h"
#include "view/viewmanager.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace vatro::testing {

// Twips to pixels worked out here, not by the view's own conversion: 1440 twips an inch.
inline int px(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440));
}

// A game on the small quiz with its real windows on the offscreen screen.
class ViewTest : public GameTest {
protected:
    void startViews() {
        start();
        views = std::make_unique<ViewManager>(form());
        views->sync();
        settle();
    }
    WindowView& mainView() { return views->mainView(); }
    WindowView& viewOf(const Window& window) {
        WindowView* view = views->viewOf(window);
        return view ? *view : throw std::logic_error("the window was never shown");
    }
    QWidget& widget(const Control& control) {
        QWidget* found = mainView().widgetFor(control);
        return found ? *found : throw std::logic_error("no widget for " + utf8(control.Name));
    }
    GridView& gridView(const FlexGrid& grid) { return dynamic_cast<GridView&>(widget(grid)); }

    // A press, release or click at a point of the widget, sent to its window as the
    // platform sends it: a widget lying on top would take it.
    static void mouse(QTest::MouseAction action, QWidget& target, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton) {
        QWidget* window = target.window();
        QTest::mouseEvent(action, window->windowHandle(), button, {}, target.mapTo(window, at));
    }
    void click(const Control& control) {
        mouse(QTest::MouseClick, widget(control), widget(control).rect().center());
    }
    void registerByClick(const std::u16string& name) {
        host.names.push_back(name);
        click(form().Command6);
    }
    void pressCell(const FlexGrid& grid, int row, int col,
                   Qt::MouseButton button = Qt::LeftButton) {
        const QRect cell = gridView(grid).cellRect(row, col);
        ASSERT_FALSE(cell.isEmpty()) << row << ", " << col << " is out of sight";
        mouse(QTest::MouseClick, *gridView(grid).viewport(), cell.center(), button);
    }
    void key(const FlexGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&gridView(grid), key, modifiers);
    }
    // Whether the screen shows what the widget's window draws now: nothing left stale.
    static bool screenIsCurrent(QWidget& widget) {
        settle();
        QWidget& window = *widget.window();
        auto rgb = [](const QPixmap& shot) {
            return shot.toImage().convertToFormat(QImage::Format_RGB32);
        };
        return rgb(window.screen()->grabWindow(window.winId())) == rgb(window.grab());
    }
    // Saves what the window shows, for a person to look at.
    static QImage picture(QWidget& window, const char* name) {
        EXPECT_TRUE(screenIsCurrent(window)) << name;
        const QImage image = window.grab().toImage();
        EXPECT_TRUE(image.save(QStringLiteral(VATRO_PICTURES_DIR "/") + QLatin1String(name)));
        return image;
    }
    static void settle() {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
    }

    std::unique_ptr<ViewManager> views; // goes before the game it mirrors
};

// How many pixels of the image, or of an area of it, lie close to the colour.
inline int pixelsOf(const QImage& image, QColor color, QRect area = {}) {
    int count = 0;
    area = area.isEmpty() ? image.rect() : area & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - color.red()) < 40 &&
                     std::abs(pixel.green() - color.green()) < 40 &&
                     std::abs(pixel.blue() - color.blue()) < 40;
        }
    }
    return count;
}

} // namespace vatro::testing
