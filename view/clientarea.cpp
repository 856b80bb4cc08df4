#include "clientarea.h"

#include "colormap.h"
#include "eventguard.h"
#include "fontmap.h"
#include "keymap.h"
#include "pictures.h"
#include "printview.h"
#include "twips.h"
#include "ui/controls/keycodes.h"

#include <QMouseEvent>
#include <QPainter>

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
