#pragma once

#include "control.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vatro {

// A grid of text cells with one fixed header row and column and a current cell.
class FlexGrid : public Control {
public:
    FlexGrid(int rows, int cols);
    ControlKind kind() const override { return ControlKind::FlexGrid; }

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    static constexpr int FixedRows = 1;
    static constexpr int FixedCols = 1;

    // The current cell.
    int Row = 1;
    int Col = 1;
    // The cell under the last mouse press; -1 when the press hit no cell.
    int MouseRow = -1;
    int MouseCol = -1;

    // Text of the current cell.
    const std::u16string& Text() const { return cell(Row, Col); }
    void setText(std::u16string text) { cell(Row, Col) = std::move(text); }
    const std::u16string& TextMatrix(int row, int col) const { return cell(row, col); }

    double ColWidth(int col) const { return m_colWidths.at(static_cast<std::size_t>(col)); }
    void setColWidth(int col, double twips) {
        m_colWidths.at(static_cast<std::size_t>(col)) = twips;
    }
    double RowHeight(int row) const { return m_rowHeights.at(static_cast<std::size_t>(row)); }
    void setRowHeight(int row, double twips) {
        m_rowHeights.at(static_cast<std::size_t>(row)) = twips;
    }

    // Looks; BackColor (the cells) comes from Control.
    Color ForeColor = Color::of(SystemColor::WindowText);
    Color BackColorFixed = Color::of(SystemColor::ButtonFace);
    Color ForeColorFixed = Color::of(SystemColor::ButtonText);
    Color BackColorSel = Color::of(SystemColor::Highlight);
    Color ForeColorSel = Color::of(SystemColor::HighlightText);
    Color BackColorBkg = colors::Grey;
    Color GridColor = colors::Silver;
    Color GridColorFixed = colors::Black;

    // Events: button 1 left, 2 right, 4 middle (several at once: their sum); shift 1/2/4.
    std::function<void(int button, int shift, double x, double y)> MouseDown;
    std::function<void(int keyCode, int shift)> KeyDown;

    // A user's press on (row, col), -1 for no cell. A left press on a data cell makes it
    // current before MouseDown is raised; other buttons leave the current cell alone.
    void press(int button, int shift, int row, int col, double x = 0, double y = 0);
    // A user's key: KeyDown is raised first, then the arrow keys move the current cell.
    // For a player without a mouse, keys also press the current cell as the mouse buttons
    // do: Insert as the left button, taking the cell whatever it holds, and Delete as the
    // right one, taking back (no designed key of the game uses either, and they mean "put
    // in" and "take out"); a typed character is a left press on the cell that shows it, in
    // either letter case: the current cell when it does, otherwise the nearest; nothing
    // when no cell does. With Ctrl or Alt held a key is a command, not typing.
    void keyPress(int keyCode, int shift, std::u16string_view typed = {});

    // The data cell nearest to the current one whose text is the character, in either
    // letter case; the current cell first, then the nearest, and among equally near
    // cells the first in reading order. {-1, -1} when no cell shows it.
    std::pair<int, int> cellShowing(char16_t character) const;

    // Which cell lies under the point (x, y) in twips from the grid's top-left corner;
    // -1 where no cell is.
    int rowAt(double y) const;
    int colAt(double x) const;

    bool isDataCell(int row, int col) const {
        return row >= FixedRows && row < m_rows && col >= FixedCols && col < m_cols;
    }

private:
    std::u16string& cell(int row, int col);
    const std::u16string& cell(int row, int col) const;

    int m_rows;
    int m_cols;
    std::vector<std::u16string> m_cells;
    std::vector<double> m_colWidths;
    std::vector<double> m_rowHeights;
};

} // namespace vatro
