// Where the grid's cells lie: the fixed header row and column stay put, the others scroll
// by whole rows and columns.
#include "gridview.h"

#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace vatro {

int GridView::lastFirst(const std::vector<int>& sizes, int room) {
    // The first scrolled index that still lets the last one be seen whole.
    const int fixed = 1;
    int first = static_cast<int>(sizes.size()) - 1;
    int used = first >= fixed ? sizes[static_cast<std::size_t>(first)] : 0;
    while (first > fixed && used + sizes[static_cast<std::size_t>(first - 1)] <= room) {
        --first;
        used += sizes[static_cast<std::size_t>(first)];
    }
    return std::max(fixed, first);
}

void GridView::updateScrollBars() {
    if (m_shown.rowHeights.empty() || m_shown.colWidths.empty())
        return;
    const QSize room = viewport()->size();
    const int lastTop = lastFirst(m_shown.rowHeights, room.height() - m_shown.rowHeights[0]);
    const int lastLeft = lastFirst(m_shown.colWidths, room.width() - m_shown.colWidths[0]);
    verticalScrollBar()->setRange(0, lastTop - FlexGrid::FixedRows);
    verticalScrollBar()->setPageStep(std::max(1, m_model.Rows() - lastTop));
    horizontalScrollBar()->setRange(0, lastLeft - FlexGrid::FixedCols);
    horizontalScrollBar()->setPageStep(std::max(1, m_model.Cols() - lastLeft));
}

int GridView::topRow() const {
    return FlexGrid::FixedRows + verticalScrollBar()->value();
}
int GridView::leftCol() const {
    return FlexGrid::FixedCols + horizontalScrollBar()->value();
}

int GridView::indexAt(int position, const std::vector<int>& sizes, int first) {
    if (position < 0 || sizes.empty())
        return -1;
    if (position < sizes[0])
        return 0;
    int edge = sizes[0];
    for (std::size_t index = static_cast<std::size_t>(first); index < sizes.size(); ++index) {
        edge += sizes[index];
        if (position < edge)
            return static_cast<int>(index);
    }
    return -1;
}

int GridView::rowAt(int y) const {
    return indexAt(y, m_shown.rowHeights, topRow());
}
int GridView::colAt(int x) const {
    return indexAt(x, m_shown.colWidths, leftCol());
}

QRect GridView::cellRect(int row, int col) const {
    auto span = [](int index, const std::vector<int>& sizes, int first) -> std::pair<int, int> {
        if (index < 0 || index >= static_cast<int>(sizes.size()) || (index > 0 && index < first))
            return {0, -1};
        int start = 0;
        if (index > 0) {
            start = sizes[0];
            for (int i = first; i < index; ++i)
                start += sizes[static_cast<std::size_t>(i)];
        }
        return {start, sizes[static_cast<std::size_t>(index)]};
    };
    const auto [x, width] = span(col, m_shown.colWidths, leftCol());
    const auto [y, height] = span(row, m_shown.rowHeights, topRow());
    if (width < 0 || height < 0)
        return {};
    return QRect(x, y, width, height);
}

void GridView::scrollToCurrentCell() {
    auto bring = [](QScrollBar* bar, int index, int fixed, const std::vector<int>& sizes,
                    int room) {
        if (index < fixed || index >= static_cast<int>(sizes.size()))
            return;
        const int first = fixed + bar->value();
        if (index < first) {
            bar->setValue(index - fixed);
            return;
        }
        int used = sizes[0];
        for (int i = first; i <= index; ++i)
            used += sizes[static_cast<std::size_t>(i)];
        int top = first;
        while (used > room && top < index) {
            used -= sizes[static_cast<std::size_t>(top)];
            ++top;
        }
        bar->setValue(top - fixed);
    };
    const QSize room = viewport()->size();
    bring(verticalScrollBar(), m_model.Row, FlexGrid::FixedRows, m_shown.rowHeights, room.height());
    bring(horizontalScrollBar(), m_model.Col, FlexGrid::FixedCols, m_shown.colWidths, room.width());
}

} // namespace vatro
