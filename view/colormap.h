#pragma once

#include "ui/controls/color.h"

#include <QColor>
#include <QPalette>

namespace vatro {

// A designed colour on screen: RGB as it is, a system colour from the palette.
QColor qtColor(const Color& color, const QPalette& palette);

} // namespace vatro
