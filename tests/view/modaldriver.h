#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace vatro::testing {

// Works a modal dialog of the kind given the way a teacher would: each step runs once the
// dialog is the active window, the next one a moment later, while the code under test
// waits in the dialog's exec().
template <class Dialog> class ModalDriver {
public:
    explicit ModalDriver(std::vector<std::function<void(Dialog&)>> steps)
        : m_steps(std::move(steps)) {
        m_timer.setInterval(5);
        m_timer.callOnTimeout([this] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow() || m_next == m_steps.size())
                return;
            m_steps[m_next++](*dialog);
        });
        m_timer.start();
    }
    bool finished() const { return m_next == m_steps.size(); }

private:
    std::vector<std::function<void(Dialog&)>> m_steps;
    std::size_t m_next = 0;
    QTimer m_timer;
};

} // namespace vatro::testing
