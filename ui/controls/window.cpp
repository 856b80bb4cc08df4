#include "window.h"

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

} // namespace vatro
