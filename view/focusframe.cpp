#include "focusframe.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

namespace vatro {

namespace {

constexpr int FrameWidth = 2;

// Relative luminance as contrast ratios are reckoned.
double luminance(const QColor& color) {
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// Fusion shows the focus faintly and only after a key moved it; this frame shows always.
class FocusFrameStyle : public QProxyStyle {
public:
    explicit FocusFrameStyle(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const bool focused = option->state & State_HasFocus;
        if (element == PE_FrameFocusRect) {
            paintFocusFrame(*painter, option->rect, background(option, widget));
            return;
        }
        if (element == PE_FrameLineEdit && focused) {
            QStyleOption plain(*option);
            plain.state &= ~State_HasFocus;
            QProxyStyle::drawPrimitive(element, &plain, painter, widget);
            paintFocusFrame(*painter, option->rect, option->palette.color(QPalette::Base));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static QColor background(const QStyleOption* option, const QWidget* widget) {
        if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
            focus && focus->backgroundColor.isValid())
            return focus->backgroundColor;
        return widget ? widget->palette().color(widget->backgroundRole())
                      : option->palette.color(QPalette::Window);
    }
};

} // namespace

QColor focusFrameColor(const QColor& background) {
    const double light = luminance(background);
    const double againstBlack = (light + 0.05) / 0.05;
    const double againstWhite = 1.05 / (light + 0.05);
    return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void paintFocusFrame(QPainter& painter, const QRect& rect, const QColor& background) {
    if (rect.width() <= 2 * FrameWidth || rect.height() <= 2 * FrameWidth)
        return;
    const QColor color = focusFrameColor(background);
    const int w = FrameWidth;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), w), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), color);
    painter.fillRect(QRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w), color);
    painter.fillRect(QRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w), color);
}

QStyle* focusFrameStyle(QStyle* base) {
    return new FocusFrameStyle(base);
}

} // namespace vatro
