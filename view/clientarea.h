#pragma once

#include "controlview.h"
#include "pictures.h"
#include "ui/controls/window.h"

#include <QImage>
#include <QWidget>

#include <string>

namespace vatro {

// A window's client area: its colour, its background picture at natural size in the
// top-left corner, and its print surface over the picture; the controls lie above.
// Mouse releases on the background go to the window model.
class ClientArea : public QWidget {
public:
    ClientArea(Window& model, AfterEvent afterEvent, QWidget* parent);

    Window& model() const { return m_model; }

    // Called when the client area got a new size, in pixels.
    std::function<void(QSize)> resized;

    // The print surface changed: only where its texts were and now are is drawn again,
    // not the controls elsewhere on the window.
    void surfaceChanged();
    // Tells assistive technology what the print surface says now: the text that changed,
    // and the whole lines it touched as news.
    void tellPrinted();
    // The lines the last change of the print surface touched.
    const QString& news() const { return m_news; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const Picture& picture();

    Window& m_model;
    AfterEvent m_afterEvent;
    Picture m_picture;
    std::string m_pictureName;
    // The buttons pressed on the background itself: only their release is the window's.
    Qt::MouseButtons m_pressed;
    // Where the print surface's texts were last drawn.
    QRect m_printed;
    // The text assistive technology was last told of.
    QString m_told;
    QString m_news;
};

} // namespace vatro
