#pragma once

#include "clientarea.h"
#include "controlview.h"
#include "mirrored.h"
#include "ui/controls/window.h"

#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QMenuBar;
class QVBoxLayout;

namespace vatro {

// Any window model as a real top-level window: caption, icon, menu bar, a client area of
// the model's size with its picture and printed text, and one widget per control.
// sync() mirrors the model; events the user makes go to the model and then to
// afterEvent, which by default syncs this window.
class WindowView : public QWidget {
public:
    // With an owner, the window stays above it while open (a secondary window).
    explicit WindowView(Window& model, QWidget* owner = nullptr);
    ~WindowView() override;

    Window& model() { return m_model; }
    // Runs after every event the view forwarded to a model.
    void setAfterEvent(AfterEvent afterEvent) { m_afterEvent = std::move(afterEvent); }
    // Runs when the user closes the window with its own close button.
    std::function<void()> closedByUser;

    // Mirrors the model, touching only what changed since the last sync.
    void sync();

    // The widget that mirrors the control; nullptr if the window has no such control.
    QWidget* widgetFor(const Control& control) const;
    ClientArea& clientArea() { return *m_client; }
    QMenuBar* menuBar() const { return m_menuBar; }
    // The action that mirrors a menu entry.
    QAction* actionFor(const MenuEntry& entry) const;
    double dpi() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void forwarded();
    void buildControls();
    void buildMenu();
    void syncMenu();
    void syncClientSize();
    // The Tab key walks the controls as they stand on screen.
    void syncTabOrder();
    // Puts the focus where the window asked for it.
    void syncFocus();
    void clientResized(QSize size);

    Window& m_model;
    AfterEvent m_afterEvent;
    QVBoxLayout* m_layout = nullptr;
    ClientArea* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;

    std::vector<Control*> m_builtControls;
    std::vector<std::unique_ptr<ControlView>> m_controls;
    std::vector<QWidget*> m_tabOrder;
    std::vector<MenuEntry*> m_builtMenu;
    std::vector<std::pair<MenuEntry*, QAction*>> m_actions;
    struct EntryLook {
        std::u16string caption;
        bool enabled;
        bool visible;
        friend bool operator==(const EntryLook&, const EntryLook&) = default;
    };
    std::vector<Mirrored<EntryLook>> m_actionLooks;

    Mirrored<std::u16string> m_caption;
    Mirrored<std::string> m_icon;
    Mirrored<unsigned long long> m_surfaceRevision;
    Mirrored<Color> m_backColor;
    Mirrored<Font> m_font;
    Mirrored<std::string> m_picture;
    // The model's client size last put on screen, and the pixels it came to.
    Mirrored<std::pair<double, double>> m_scale;
    QSize m_clientPx;
    bool m_minimized = false;
};

// Moves a window so that its centre lies on the point.
void centreAt(QWidget& window, QPoint centre);

} // namespace vatro
