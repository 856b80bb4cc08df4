#pragma once

#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace vatro {

// Widgets as they stand on screen: top to bottom, and left to right among those level with
// each other. The Tab key walks the controls so, and screen readers list them so.
inline std::vector<QWidget*> inScreenOrder(std::vector<QWidget*> widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return widgets;
}

} // namespace vatro
