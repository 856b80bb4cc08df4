#include "colormap.h"

namespace vatro {

QColor qtColor(const Color& color, const QPalette& palette) {
    switch (color.system) {
    case SystemColor::None:
        return QColor(color.r, color.g, color.b);
    case SystemColor::Window:
        return palette.color(QPalette::Base);
    case SystemColor::WindowText:
        return palette.color(QPalette::Text);
    case SystemColor::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColor::ButtonText:
        return palette.color(QPalette::ButtonText);
    case SystemColor::Highlight:
        return palette.color(QPalette::Highlight);
    case SystemColor::HighlightText:
        return palette.color(QPalette::HighlightedText);
    }
    return QColor(color.r, color.g, color.b);
}

} // namespace vatro
