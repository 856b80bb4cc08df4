#include "clientarea.h"

#include "accessibility.h"
#include "accessibleparts.h"
#include "colormap.h"
#include "eventguard.h"
#include "fontmap.h"
#include "keymap.h"
#include "pictures.h"
#include "printview.h"
#include "twips.h"
#include "ui/controls/keycodes.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace vatro {

ClientArea::ClientArea(Window& model, AfterEvent afterEvent, QWidget* parent)
    : QWidget(parent), m_model(model), m_afterEvent(std::move(afterEvent)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const Picture& ClientArea::picture() {
    const qreal ratio = devicePixelRatioF();
    if (m_pictureName != m_model.Picture || m_picture.part.devicePixelRatio() != ratio) {
        m_pictureName = m_model.Picture;
        m_picture = vatro::picture(m_pictureName, ratio);
    }
    return m_picture;
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qtColor(m_model.BackColor, palette()));
    paintPicture(painter, picture());
    m_printed = paintPrintSurface(painter, m_model.surface, qtFont(m_model.font), logicalDpi(*this),
                                  palette());
}

void ClientArea::surfaceChanged() {
    update(m_printed |
           printSurfaceArea(m_model.surface, qtFont(m_model.font), logicalDpi(*this), this));
}

namespace {

// Where two texts part: the length of their common start, and of their common end after it.
std::pair<int, int> commonEnds(const QString& a, const QString& b) {
    const int most = static_cast<int>(std::min(a.size(), b.size()));
    int start = 0;
    while (start < most && a[start] == b[start])
        ++start;
    int end = 0;
    while (end < most - start && a[a.size() - 1 - end] == b[b.size() - 1 - end])
        ++end;
    return {start, end};
}

// The whole lines of the text that the stretch from..to touches.
QString touchedLines(const QString& text, int from, int to) {
    // A stretch that starts a new line touches only that line.
    while (from < to && text[from] == QLatin1Char('\n'))
        ++from;
    const int first =
        from == 0 ? 0 : static_cast<int>(text.lastIndexOf(QLatin1Char('\n'), from - 1)) + 1;
    int last = static_cast<int>(text.indexOf(QLatin1Char('\n'), std::max(to, from)));
    if (last < 0)
        last = static_cast<int>(text.size());
    return text.mid(first, last - first).trimmed();
}

} // namespace

void ClientArea::tellPrinted() {
    const QString now = printedText(m_model.surface);
    if (now == m_told)
        return;
    const QString before = std::exchange(m_told, now);
    auto* area = dynamic_cast<ClientAreaAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (!area)
        return;
    const auto [start, end] = commonEnds(before, now);
    QAccessibleTextUpdateEvent changed(area->surfaceText(), start,
                                       before.mid(start, before.size() - start - end),
                                       now.mid(start, now.size() - start - end));
    QAccessible::updateAccessibility(&changed);
    // A secondary window is described by what it prints.
    if (window()->parentWidget()) {
        QAccessibleEvent described(window(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    // Screen readers speak text that changes only where the keyboard focus is, and the
    // focus is on the grid or a button: the news shows as a notification, which they speak
    // wherever it appears.
    m_news = touchedLines(now, start, static_cast<int>(now.size()) - end);
    if (!m_news.isEmpty() && isVisible()) {
        QAccessibleEvent shown(area->news(), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    m_pressed |= event->button();
    event->accept();
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (!(m_pressed & event->button()))
        return;
    m_pressed &= ~event->button();
    const double dpi = logicalDpi(*this);
    const QPointF at = event->position();
    const int button = mouseButton(event->button());
    guardedCall([&] {
        m_model.backgroundMouseUp(button, shiftState(event->modifiers()), pxToTwips(at.x(), dpi),
                                  pxToTwips(at.y(), dpi));
    });
    // A click is a left press and release on the background.
    if (button == mouse::Left && rect().contains(at.toPoint()))
        guardedCall([this] { m_model.backgroundClick(); });
    event->accept();
    m_afterEvent();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resized)
        resized(size());
}

} // namespace vatro
