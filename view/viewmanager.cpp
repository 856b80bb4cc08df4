#include "viewmanager.h"

#include "accessibility.h"
#include "eventguard.h"
#include "focusframe.h"
#include "game/form1.h"
#include "pictures.h"
#include "view/editor/openeditor.h"

#include <QApplication>
#include <QDateTime>
#include <QScreen>
#include <QStyleFactory>

namespace vatro {

namespace {

// A little past the next whole second of the system clock, which the time of day follows.
std::chrono::milliseconds untilNextSecond() {
    constexpr qint64 Second = 1000;
    constexpr qint64 Margin = 2;
    return std::chrono::milliseconds(Second - QDateTime::currentMSecsSinceEpoch() % Second +
                                     Margin);
}

} // namespace

void prepareApplication(QApplication& app) {
    // The display name falls back to this name. Set on its own, Qt would append it to every
    // caption ("Form3 — Ватро"), and the windows carry their designed captions.
    QApplication::setApplicationName(QStringLiteral("Ватро"));
    QApplication::setWindowIcon(pictureIcon("icon.svg"));
    // Fusion paints buttons in their palette colour, so graphical buttons keep their
    // designed colours whatever the desktop theme; the focus shows as a frame a low-sighted
    // player sees.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(focusFrameStyle(style));
    installAccessibility();
}

ViewManager::ViewManager(Form1& form) : m_form(form) {
    m_main = std::make_unique<WindowView>(form);
    m_main->setAfterEvent([this] { sync(); });
    m_main->closedByUser = [this] { endProgram(); };
    m_clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_clock, &QTimer::timeout, [this] {
        tick();
        if (m_clockOnSeconds)
            m_clock.start(untilNextSecond());
    });
}

ViewManager::~ViewManager() {
    m_clock.stop();
    m_secondary.clear();
    m_main.reset();
}

void ViewManager::startClock() {
    // The clock shows from the start, not from the next second on.
    tick();
    m_clockOnSeconds = true;
    m_clock.setSingleShot(true);
    m_clock.start(untilNextSecond());
}

void ViewManager::startClock(std::chrono::milliseconds interval) {
    m_clockOnSeconds = false;
    m_clock.setSingleShot(false);
    m_clock.start(interval);
}

void ViewManager::stopClock() {
    m_clockOnSeconds = false;
    m_clock.stop();
}

void ViewManager::tick() {
    // The clock ticks every second: a fault it keeps meeting is told once, not every tick.
    const bool failing = m_clockFailing;
    m_clockFailing = !guardedCall([this] { m_form.Timer1.tick(); }, !failing);
    sync();
}

WindowView* ViewManager::viewOf(const Window& window) const {
    if (&window == &m_form)
        return m_main.get();
    for (const auto& [model, view] : m_secondary) {
        if (model == &window)
            return view;
    }
    return nullptr;
}

void ViewManager::sync() {
    // Showing or resizing a window can deliver events that ask for a sync of their own;
    // they are folded into the one running.
    if (m_syncing) {
        m_syncAgain = true;
        return;
    }
    m_syncing = true;
    for (int round = 0; round < 4; ++round) {
        m_syncAgain = false;
        syncOnce();
        if (!m_syncAgain)
            break;
    }
    m_syncing = false;
}

void ViewManager::syncOnce() {
    m_main->sync();
    if (m_form.Visible() && !m_mainShown) {
        m_mainShown = true;
        if (const QScreen* screen = m_main->screen())
            centreAt(*m_main, screen->availableGeometry().center());
        m_main->show();
    }
    for (Window* window : m_form.secondaryWindows())
        syncSecondary(*window);
}

void ViewManager::syncSecondary(Window& window) {
    WindowView* view = viewOf(window);
    if (!view) {
        if (!window.Visible())
            return;
        view = new WindowView(window, m_main.get());
        view->setAfterEvent([this] { sync(); });
        // Closed with its own close button: the next showing creates the window anew.
        view->closedByUser = [this, &window] {
            window.unload();
            sync();
        };
        m_secondary.emplace_back(&window, view);
    }
    view->sync();
    if (window.Visible() && !view->isVisible()) {
        centreAt(*view, m_main->geometry().center());
        view->show();
        // The keys go to the window just opened, so that Escape puts it away again.
        view->activateWindow();
    } else if (!window.Visible() && view->isVisible()) {
        view->hide();
    }
}

void ViewManager::endProgram() {
    stopClock();
    for (const auto& [model, view] : m_secondary)
        view->hide();
    endProgramAfterEditors();
}

} // namespace vatro
