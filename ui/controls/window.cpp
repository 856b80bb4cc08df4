#include "window.h"

#include "keycodes.h"

namespace vatro {

void Window::Show() {
    if (!m_loaded) {
        m_loaded = true;
        if (Load)
            Load();
    }
    if (m_visible)
        return;
    m_visible = true;
    if (Resize)
        Resize();
}

void Window::unload() {
    m_visible = false;
    m_loaded = false;
    m_focusRequest = nullptr;
    surface.reset();
    restoreDesign();
}

void Window::resizeClient(double width, double height) {
    ScaleWidth = width;
    ScaleHeight = height;
    if (Resize)
        Resize();
}

void Window::backgroundMouseUp(int button, int shift, double x, double y) {
    if (MouseUp)
        MouseUp(button, shift, x, y);
}

void Window::backgroundClick() {
    if (Click)
        Click();
}

void Window::escapePressed() {
    if (!EscapeCloses)
        return;
    backgroundMouseUp(mouse::Left, 0, 0, 0);
    backgroundClick();
}

} // namespace vatro
