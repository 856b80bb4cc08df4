#pragma once

#include <QWidget>

#include <cmath>

namespace vatro {

// Designed sizes are in twips, 1/1440 inch; the screen's logical DPI says how many
// device-independent pixels an inch is (15 twips a pixel at 96 dpi).
inline constexpr double TwipsPerInch = 1440;

inline int twipsToPx(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / TwipsPerInch));
}

inline double pxToTwips(double px, double dpi) {
    return px * TwipsPerInch / dpi;
}

inline double logicalDpi(const QWidget& widget) {
    return widget.logicalDpiX();
}

} // namespace vatro
