#include "gridview.h"

#include "accessibleparts.h"
#include "colormap.h"
#include "eventguard.h"
#include "focusframe.h"
#include "keymap.h"
#include "twips.h"
#include "ui/controls/keycodes.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <utility>

namespace vatro {

namespace {
constexpr int TextMargin = 2;
} // namespace

GridView::GridView(FlexGrid& model, AfterEvent afterEvent, QWidget* parent)
    : QAbstractScrollArea(parent), m_model(model), m_afterEvent(std::move(afterEvent)) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

GridView::Snapshot GridView::snapshot(double dpi) const {
    Snapshot shot;
    shot.cells.reserve(static_cast<std::size_t>(m_model.Rows() * m_model.Cols()));
    for (int row = 0; row < m_model.Rows(); ++row) {
        shot.rowHeights.push_back(twipsToPx(m_model.RowHeight(row), dpi));
        for (int col = 0; col < m_model.Cols(); ++col)
            shot.cells.push_back(m_model.TextMatrix(row, col));
    }
    for (int col = 0; col < m_model.Cols(); ++col)
        shot.colWidths.push_back(twipsToPx(m_model.ColWidth(col), dpi));
    shot.row = m_model.Row;
    shot.col = m_model.Col;
    shot.colors = {m_model.BackColor,      m_model.ForeColor,    m_model.BackColorFixed,
                   m_model.ForeColorFixed, m_model.BackColorSel, m_model.ForeColorSel,
                   m_model.BackColorBkg,   m_model.GridColor,    m_model.GridColorFixed};
    return shot;
}

bool GridView::showsModel(double dpi) const {
    const auto rows = static_cast<std::size_t>(m_model.Rows());
    const auto cols = static_cast<std::size_t>(m_model.Cols());
    if (m_shown.rowHeights.size() != rows || m_shown.colWidths.size() != cols ||
        m_shown.row != m_model.Row || m_shown.col != m_model.Col)
        return false;
    const Color colors[] = {m_model.BackColor,      m_model.ForeColor,    m_model.BackColorFixed,
                            m_model.ForeColorFixed, m_model.BackColorSel, m_model.ForeColorSel,
                            m_model.BackColorBkg,   m_model.GridColor,    m_model.GridColorFixed};
    if (!std::equal(m_shown.colors.begin(), m_shown.colors.end(), std::begin(colors),
                    std::end(colors)))
        return false;
    for (std::size_t row = 0; row < rows; ++row) {
        if (m_shown.rowHeights[row] != twipsToPx(m_model.RowHeight(int(row)), dpi))
            return false;
        for (std::size_t col = 0; col < cols; ++col) {
            if (m_shown.cells[row * cols + col] != m_model.TextMatrix(int(row), int(col)))
                return false;
        }
    }
    for (std::size_t col = 0; col < cols; ++col) {
        if (m_shown.colWidths[col] != twipsToPx(m_model.ColWidth(int(col)), dpi))
            return false;
    }
    return true;
}

void GridView::syncOwn(double dpi) {
    m_dpi = dpi;
    if (showsModel(dpi))
        return;
    Snapshot before = std::exchange(m_shown, snapshot(dpi));
    const bool resized =
        before.colWidths != m_shown.colWidths || before.rowHeights != m_shown.rowHeights;
    if (resized)
        updateScrollBars();
    updateChangedCells(before);
    tellAccessibility(before);
}

void GridView::tellAccessibility(const Snapshot& before) {
    const bool moved = before.row != m_shown.row || before.col != m_shown.col;
    const bool sameCells = before.cells.size() == m_shown.cells.size();
    if ((!sameCells || before.cells == m_shown.cells) && !(moved && hasFocus()))
        return;
    auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (!table)
        return;
    const auto cols = static_cast<int>(m_shown.colWidths.size());
    for (std::size_t n = 0; sameCells && n < m_shown.cells.size(); ++n) {
        if (before.cells[n] == m_shown.cells[n])
            continue;
        // Only cells a reader has met can be news to it.
        if (QAccessibleInterface* cell =
                table->existingCell(static_cast<int>(n) / cols, static_cast<int>(n) % cols)) {
            QAccessibleEvent event(cell, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (moved && hasFocus())
        tellCurrentCellFocused();
}

void GridView::tellCurrentCellFocused() {
    auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (QAccessibleInterface* cell = table ? table->gridCell(m_model.Row, m_model.Col) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void GridView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    // After Qt has told that the grid took the focus: the reader then stands on the cell.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                tellCurrentCellFocused();
        },
        Qt::QueuedConnection);
}

void GridView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void GridView::updateChangedCells(const Snapshot& before) {
    // A picked letter changes one cell and moves the highlight: only those are drawn again.
    if (before.colWidths != m_shown.colWidths || before.rowHeights != m_shown.rowHeights ||
        before.colors != m_shown.colors || before.cells.size() != m_shown.cells.size()) {
        viewport()->update();
        return;
    }
    const auto cols = static_cast<int>(m_shown.colWidths.size());
    auto redraw = [this](int row, int col) {
        const QRect cell = cellRect(row, col);
        if (!cell.isEmpty())
            viewport()->update(cell);
    };
    for (std::size_t n = 0; n < m_shown.cells.size(); ++n) {
        if (before.cells[n] != m_shown.cells[n])
            redraw(static_cast<int>(n) / cols, static_cast<int>(n) % cols);
    }
    if (before.row != m_shown.row || before.col != m_shown.col) {
        redraw(before.row, before.col);
        redraw(m_shown.row, m_shown.col);
    }
}

void GridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPalette& palette = QApplication::palette();
    // Only the cells in the part asked for are drawn: laying out a cell's text is the cost.
    const QRect asked = event->rect();
    painter.fillRect(asked, qtColor(m_model.BackColorBkg, palette));
    const QSize room = viewport()->size();
    const auto rows = static_cast<int>(m_shown.rowHeights.size());
    const auto cols = static_cast<int>(m_shown.colWidths.size());
    auto visible = [](int count, int first) {
        std::vector<int> indexes;
        if (count > 0)
            indexes.push_back(0);
        for (int index = first; index < count; ++index)
            indexes.push_back(index);
        return indexes;
    };
    int y = 0;
    for (int row : visible(rows, topRow())) {
        if (y >= room.height())
            break;
        const int height = m_shown.rowHeights[static_cast<std::size_t>(row)];
        int x = 0;
        for (int col : visible(cols, leftCol())) {
            if (x >= room.width())
                break;
            const int width = m_shown.colWidths[static_cast<std::size_t>(col)];
            const QRect cell(x, y, width, height);
            x += width;
            if (width <= 0 || height <= 0 || !cell.intersects(asked))
                continue;
            const bool fixed = row < FlexGrid::FixedRows || col < FlexGrid::FixedCols;
            const bool current = !fixed && row == m_model.Row && col == m_model.Col;
            const Color back = fixed     ? m_model.BackColorFixed
                               : current ? m_model.BackColorSel
                                         : m_model.BackColor;
            const Color fore = fixed     ? m_model.ForeColorFixed
                               : current ? m_model.ForeColorSel
                                         : m_model.ForeColor;
            painter.fillRect(cell, qtColor(back, palette));
            // The lines lie on the right and bottom edges of every cell.
            painter.setPen(qtColor(fixed ? m_model.GridColorFixed : m_model.GridColor, palette));
            painter.drawLine(cell.topRight(), cell.bottomRight());
            painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            const std::u16string& text = m_shown.cells[static_cast<std::size_t>(row * cols + col)];
            if (text.empty())
                continue;
            painter.setPen(qtColor(fore, palette));
            const QRect textArea = cell.adjusted(TextMargin, 0, -TextMargin, -1);
            painter.save();
            painter.setClipRect(cell.adjusted(0, 0, -1, -1));
            painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdU16String(text));
            painter.restore();
        }
        y += height;
    }
    if (hasFocus())
        paintFocusFrame(painter, viewport()->rect(), qtColor(m_model.BackColorBkg, palette));
}

void GridView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    guardedCall([&] {
        m_model.press(mouseButtons(event->buttons()), shiftState(event->modifiers()), rowAt(at.y()),
                      colAt(at.x()), pxToTwips(at.x(), m_dpi), pxToTwips(at.y(), m_dpi));
    });
    event->accept();
    m_afterEvent();
}

void GridView::takeCell(int row, int col) {
    guardedCall([&] { m_model.press(mouse::Left, 0, row, col); });
    m_afterEvent();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const int row = m_model.Row;
    const int col = m_model.Col;
    guardedCall([&] {
        m_model.keyPress(virtualKey(event->key()), shiftState(event->modifiers()),
                         event->text().toStdU16String());
    });
    // Moving the current cell with the keys brings it into sight.
    if (m_model.Row != row || m_model.Col != col)
        scrollToCurrentCell();
    event->accept();
    m_afterEvent();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void GridView::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace vatro
