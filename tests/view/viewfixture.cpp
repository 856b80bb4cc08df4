#include "viewfixture.h"

#include "ui/qt/twips.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace vatro::testing {

ViewTest::~ViewTest() {
    m_views.reset();
}

Form1& ViewTest::startViews() {
    start();
    m_views = std::make_unique<ViewManager>(form());
    m_views->sync();
    settle();
    return form();
}

WindowView& ViewTest::viewOf(const Window& window) {
    WindowView* view = m_views->viewOf(window);
    if (!view)
        throw std::logic_error("the window has no view yet");
    return *view;
}

QWidget& ViewTest::widget(const Control& control) {
    QWidget* found = mainView().widgetFor(control);
    if (!found)
        throw std::logic_error("no widget for " + utf8(control.Name));
    return *found;
}

GridView& ViewTest::gridView(const FlexGrid& grid) {
    return dynamic_cast<GridView&>(widget(grid));
}

QRect ViewTest::placeOf(const Control& control) {
    const double dpi = mainView().dpi();
    return QRect(twipsToPx(control.Left, dpi), twipsToPx(control.Top, dpi),
                 twipsToPx(control.Width, dpi), twipsToPx(control.Height, dpi));
}

void ViewTest::click(const Control& control) {
    QWidget& target = widget(control);
    QTest::mouseClick(&target, Qt::LeftButton, {}, target.rect().center());
}

void ViewTest::registerByClick(const std::u16string& name) {
    host.names.push_back(name);
    click(form().Command6);
}

void ViewTest::pressCell(const FlexGrid& grid, int row, int col, Qt::MouseButton button) {
    GridView& view = gridView(grid);
    const QRect cell = view.cellRect(row, col);
    ASSERT_FALSE(cell.isEmpty()) << "cell " << row << ", " << col << " is out of sight";
    QTest::mousePress(view.viewport(), button, {}, cell.center());
    QTest::mouseRelease(view.viewport(), button, {}, cell.center());
}

void ViewTest::key(const FlexGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&gridView(grid), key, modifiers);
}

std::set<QString> ViewTest::visibleCaptions() {
    std::set<QString> captions;
    for (auto* button : mainView().clientArea().findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            captions.insert(button->text());
    }
    return captions;
}

void ViewTest::savePicture(QWidget& window, const QString& name) {
    settle();
    const QString path = QStringLiteral(VATRO_PICTURES_DIR "/") + name;
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

void ViewTest::settle() {
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

int pixelsOf(const QImage& image, QColor color, QRect area) {
    if (area.isEmpty())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 40 &&
                std::abs(pixel.green() - color.green()) < 40 &&
                std::abs(pixel.blue() - color.blue()) < 40)
                ++count;
        }
    }
    return count;
}

} // namespace vatro::testing
