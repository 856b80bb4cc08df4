#pragma once

#include "color.h"
#include "control.h"
#include "font.h"
#include "menuentry.h"
#include "printsurface.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vatro {

// A top-level window: its looks, its controls in stacking order, its menu bar, its print
// surface and its window events. Views mirror it; tests read it directly.
class Window {
public:
    explicit Window(Color foreColor = colors::Black) : surface(foreColor) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    std::u16string Name;
    std::u16string Caption;
    double ScaleWidth = 0;  // client area, twips
    double ScaleHeight = 0; // client area, twips
    Color BackColor = Color::of(SystemColor::ButtonFace);
    Font font;
    std::string Picture; // resource name of the background picture, drawn at top left
    std::string Icon;    // resource name of the window icon
    bool Resizable = true;
    // What a screen reader calls the window's printed text.
    std::u16string surfaceName;
    // Escape does what a click on the background does: for windows that a click puts away.
    bool EscapeCloses = false;

    PrintSurface surface;
    std::vector<Control*> controls; // topmost first
    std::vector<MenuEntry*> menuBar;

    std::function<void()> Load;
    std::function<void()> Resize;
    std::function<void()> Click;
    std::function<void(int button, int shift, double x, double y)> MouseUp;

    bool Visible() const { return m_visible; }
    bool isLoaded() const { return m_loaded; }

    // Loads the window on first use (its Load runs then), makes it visible and lays it out.
    void Show();
    void Hide() { m_visible = false; }
    // Closed with its own close button: the next Show creates it anew.
    void unload();

    // The user changed the client area's size.
    void resizeClient(double width, double height);
    // The user released a mouse button over the background, then clicked it.
    void backgroundMouseUp(int button, int shift, double x, double y);
    void backgroundClick();
    // The user pressed Escape in the window.
    void escapePressed();

    // Asks the view to put the keyboard focus on the control, where the player goes next;
    // the view takes the request once it mirrors the window.
    void requestFocus(Control& control) { m_focusRequest = &control; }
    const Control* focusRequest() const { return m_focusRequest; }
    Control* takeFocusRequest() { return std::exchange(m_focusRequest, nullptr); }

protected:
    // Back to the design state, after a close.
    virtual void restoreDesign() {}

private:
    bool m_visible = false;
    bool m_loaded = false;
    Control* m_focusRequest = nullptr;
};

} // namespace vatro
