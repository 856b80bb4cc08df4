#pragma once

#include "windowview.h"

#include <QTimer>

#include <chrono>
#include <vector>

class QApplication;

namespace vatro {

class Form1;

// Names the application, gives it its icon and a style that shows the designed button
// colours on every desktop. Qt's own texts turn Russian later (translateQtTexts).
void prepareApplication(QApplication& app);

// The views of the main window and of every secondary window, and the game clock.
// After each event every view mirrors its model; a secondary window whose model became
// visible is shown centred over the main window, one whose model was hidden is hidden.
class ViewManager {
public:
    explicit ViewManager(Form1& form);
    ~ViewManager();
    ViewManager(const ViewManager&) = delete;
    ViewManager& operator=(const ViewManager&) = delete;

    // Mirrors every model now.
    void sync();
    // One tick of the game clock, then a sync.
    void tick();
    // Ticks the clock now and then just after each new second of the time of day: the game
    // reads the time in whole seconds, so a tick between two seconds could change nothing,
    // and the designed 1 ms interval would only keep a processor awake.
    void startClock();
    // Ticks the clock at a fixed interval instead, for a clock that is not the system's.
    void startClock(std::chrono::milliseconds interval);
    void stopClock();

    WindowView& mainView() { return *m_main; }
    // The view of a secondary window; nullptr until it was first shown.
    WindowView* viewOf(const Window& window) const;

private:
    void syncOnce();
    void syncSecondary(Window& window);
    void endProgram();

    Form1& m_form;
    std::unique_ptr<WindowView> m_main;
    // Children of the main view, which deletes them.
    std::vector<std::pair<Window*, WindowView*>> m_secondary;
    QTimer m_clock;
    bool m_clockOnSeconds = false;
    bool m_clockFailing = false;
    bool m_mainShown = false;
    bool m_syncing = false;
    bool m_syncAgain = false;
};

} // namespace vatro
