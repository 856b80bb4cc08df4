#pragma once

#include "mirrored.h"
#include "ui/controls/control.h"

#include <QRect>

#include <functional>

class QWidget;

namespace vatro {

// Called after the view forwarded a user's event to a model, so that every window
// mirrors what the game did.
using AfterEvent = std::function<void()>;

// The widget of one control: mirrors the model and forwards the user's input to it.
class ControlView {
public:
    virtual ~ControlView() = default;

    virtual QWidget& widget() = 0;
    virtual const Control& control() const = 0;

    // Mirrors place, size, state and looks, touching the widget only where they changed.
    void sync(double dpi, const Font& windowFont);

protected:
    // What only this kind of control mirrors.
    virtual void syncOwn(double dpi) = 0;

private:
    Mirrored<QRect> m_rect;
    Mirrored<bool> m_visible;
    Mirrored<bool> m_enabled;
    Mirrored<Font> m_font;
    Mirrored<std::u16string> m_accessibleName;
};

} // namespace vatro
