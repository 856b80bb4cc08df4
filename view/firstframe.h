#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace vatro {

// Calls back once, just after a window's first frame went to the screen. The window's
// first paint is followed, in the same pass, by the flush to the screen; the call is queued
// behind both. Header only, so that a program without the game's view can use it as well.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> shown)
        : m_window(&window), m_shown(std::move(shown)) {
        if (m_shown)
            m_window->installEventFilter(this);
    }
    // The window may have gone first: one that deletes itself when closed.
    ~FirstFrameWatch() override {
        if (m_window)
            m_window->removeEventFilter(this);
    }
    FirstFrameWatch(const FirstFrameWatch&) = delete;
    FirstFrameWatch& operator=(const FirstFrameWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { m_shown(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_shown;
};

} // namespace vatro
