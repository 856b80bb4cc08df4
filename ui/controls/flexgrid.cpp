#include "flexgrid.h"

#include "keycodes.h"

#include <algorithm>
#include <stdexcept>

namespace vatro {

namespace {
constexpr double DefaultColWidth = 960;
constexpr double DefaultRowHeight = 240;
} // namespace

FlexGrid::FlexGrid(int rows, int cols)
    : m_rows(rows), m_cols(cols),
      m_cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols)),
      m_colWidths(static_cast<std::size_t>(cols), DefaultColWidth),
      m_rowHeights(static_cast<std::size_t>(rows), DefaultRowHeight) {
    BackColor = Color::of(SystemColor::Window);
}

std::u16string& FlexGrid::cell(int row, int col) {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        throw std::out_of_range("grid cell out of range");
    return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
                   static_cast<std::size_t>(col)];
}

const std::u16string& FlexGrid::cell(int row, int col) const {
    return const_cast<FlexGrid*>(this)->cell(row, col);
}

void FlexGrid::press(int button, int shift, int row, int col, double x, double y) {
    if (!isReachable())
        return;
    MouseRow = row;
    MouseCol = col;
    if ((button & 1) != 0 && isDataCell(row, col)) {
        Row = row;
        Col = col;
    }
    if (MouseDown)
        MouseDown(button, shift, x, y);
}

void FlexGrid::keyPress(int keyCode, int shift) {
    if (!isReachable())
        return;
    if (KeyDown)
        KeyDown(keyCode, shift);
    switch (keyCode) {
    case key::Left:
        Col = std::max(FixedCols, Col - 1);
        break;
    case key::Right:
        Col = std::min(m_cols - 1, Col + 1);
        break;
    case key::Up:
        Row = std::max(FixedRows, Row - 1);
        break;
    case key::Down:
        Row = std::min(m_rows - 1, Row + 1);
        break;
    case key::Home:
        Col = FixedCols;
        break;
    case key::End:
        Col = m_cols - 1;
        break;
    default:
        break;
    }
}

int FlexGrid::rowAt(double y) const {
    if (y < 0)
        return -1;
    double edge = 0;
    for (int row = 0; row < m_rows; ++row) {
        edge += RowHeight(row);
        if (y < edge)
            return row;
    }
    return -1;
}

int FlexGrid::colAt(double x) const {
    if (x < 0)
        return -1;
    double edge = 0;
    for (int col = 0; col < m_cols; ++col) {
        edge += ColWidth(col);
        if (x < edge)
            return col;
    }
    return -1;
}

} // namespace vatro
