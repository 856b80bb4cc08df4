#pragma once

#include "controlview.h"
#include "ui/controls/flexgrid.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

#include <string>
#include <vector>

namespace vatro {

// A grid drawn from its model: a fixed header row and column that stay put, cells that
// scroll by whole rows and columns, the current cell highlighted. Presses and keys go to
// the model's own behaviour with the button, shift, key codes the game's handlers expect.
class GridView : public QAbstractScrollArea, public ControlView {
public:
    GridView(FlexGrid& model, AfterEvent afterEvent, QWidget* parent);

    QWidget& widget() override { return *this; }
    const Control& control() const override { return m_model; }
    const FlexGrid& model() const { return m_model; }

    // Takes the cell as a left press on it does, for assistive technology that presses it.
    void takeCell(int row, int col);

    // The first scrolled row and column on screen.
    int topRow() const;
    int leftCol() const;
    // The cell under a point of the viewport: header row or column 0, -1 where no cell is.
    int rowAt(int y) const;
    int colAt(int x) const;
    // Where a cell lies in the viewport; empty when it is scrolled out of sight.
    QRect cellRect(int row, int col) const;

protected:
    void syncOwn(double dpi) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A quick second press is a press like any other: each one picks or takes back.
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    // The release ends a press on the grid; it is no click on the window behind.
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Everything the grid shows, to tell when it must be drawn again.
    struct Snapshot {
        std::vector<std::u16string> cells;
        std::vector<int> colWidths; // pixels
        std::vector<int> rowHeights;
        int row = 0;
        int col = 0;
        std::vector<Color> colors;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot(double dpi) const;
    // Whether the grid on screen still shows the model: read in place, without a copy,
    // since every tick of the clock asks.
    bool showsModel(double dpi) const;
    // Asks for the cells whose text or highlight changed to be drawn again; all of them
    // when the sizes or colours changed.
    void updateChangedCells(const Snapshot& before);
    // Tells assistive technology which cells changed their text and where the current
    // cell went.
    void tellAccessibility(const Snapshot& before);
    void tellCurrentCellFocused();
    void updateScrollBars();
    void scrollToCurrentCell();
    // Positions of the fixed and the scrolled cells along one axis.
    static int indexAt(int position, const std::vector<int>& sizes, int first);
    static int lastFirst(const std::vector<int>& sizes, int room);

    FlexGrid& m_model;
    AfterEvent m_afterEvent;
    double m_dpi = 96;
    Snapshot m_shown;
};

} // namespace vatro
