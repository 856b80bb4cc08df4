#pragma once

#include "support/gamefixture.h"
#include "ui/qt/gridview.h"
#include "ui/qt/twips.h"
#include "ui/qt/viewmanager.h"

#include <QAbstractButton>
#include <QString>

#include <memory>
#include <set>

namespace vatro::testing {

// A game on the small quiz with its real windows on screen.
class ViewTest : public GameTest {
protected:
    ~ViewTest() override;

    // Starts the game and shows its main window.
    Form1& startViews();
    ViewManager& views() { return *m_views; }
    WindowView& mainView() { return m_views->mainView(); }
    // The view of a secondary window, which must have been shown.
    WindowView& viewOf(const Window& window);

    QWidget& widget(const Control& control);
    GridView& gridView(const FlexGrid& grid);
    // Where a control should stand in its window, in pixels at the screen's DPI.
    QRect placeOf(const Control& control);

    // A real left click on a button, as a player makes it.
    void click(const Control& control);
    // Registers a player by a real click on "Новый игрок".
    void registerByClick(const std::u16string& name);
    // Real presses on a grid cell, centred in it.
    void pressCell(const FlexGrid& grid, int row, int col, Qt::MouseButton button = Qt::LeftButton);
    void key(const FlexGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

    // The captions of the visible buttons and options of the main window.
    std::set<QString> visibleCaptions();

    // Saves what the window shows, for a person to look at.
    void savePicture(QWidget& window, const QString& name);

    // Lets pending resizes and repaints happen.
    static void settle();

private:
    std::unique_ptr<ViewManager> m_views;
};

// How many pixels of the image are within a small distance of the colour.
int pixelsOf(const QImage& image, QColor color, QRect area = {});

} // namespace vatro::testing
