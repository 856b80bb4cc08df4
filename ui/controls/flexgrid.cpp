#include "flexgrid.h"

#include "keycodes.h"

#include <algorithm>
#include <stdexcept>

namespace vatro {

namespace {
constexpr double DefaultColWidth = 960;
constexpr double DefaultRowHeight = 240;

// The capital of a Latin or Cyrillic small letter; any other character as it is. A pupil
// types small letters, and boards are written in capitals.
char16_t capital(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - (u'a' - u'A'));
    if (c >= u'а' && c <= u'я')
        return static_cast<char16_t>(c - (u'а' - u'А'));
    if (c >= u'ѐ' && c <= u'џ') // ё and the other letters of the row
        return static_cast<char16_t>(c - (u'ѐ' - u'Ѐ'));
    return c;
}

// Whether a typed text is one character that could stand in a cell: not a control
// character (Enter, Backspace, Escape, Tab type those), not the blank, not half of a pair.
bool isTypedCharacter(std::u16string_view typed) {
    return typed.size() == 1 && typed[0] > u' ' && typed[0] != u'\x7f' &&
           (typed[0] < 0xD800 || typed[0] > 0xDFFF);
}
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

void FlexGrid::keyPress(int keyCode, int shift, std::u16string_view typed) {
    if (!isReachable())
        return;
    if (KeyDown)
        KeyDown(keyCode, shift);
    const bool command = (shift & (shift::Ctrl | shift::Alt)) != 0;
    if ((keyCode == key::Insert || keyCode == key::Delete) && !command) {
        press(keyCode == key::Insert ? mouse::Left : mouse::Right, shift, Row, Col);
        return;
    }
    if (isTypedCharacter(typed) && !command) {
        const auto [row, col] = cellShowing(typed[0]);
        if (row >= 0)
            press(mouse::Left, shift, row, col);
        return;
    }
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

std::pair<int, int> FlexGrid::cellShowing(char16_t character) const {
    const char16_t wanted = capital(character);
    std::pair<int, int> best{-1, -1};
    long bestDistance = -1;
    for (int row = FixedRows; row < m_rows; ++row) {
        for (int col = FixedCols; col < m_cols; ++col) {
            const std::u16string& text = cell(row, col);
            if (text.size() != 1 || capital(text[0]) != wanted)
                continue;
            const long distance = long(row - Row) * (row - Row) + long(col - Col) * (col - Col);
            if (bestDistance < 0 || distance < bestDistance) {
                best = {row, col};
                bestDistance = distance;
            }
        }
    }
    return best;
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
