#pragma once

#include "control.h"

#include <functional>
#include <string>

namespace vatro {

class CommandButton : public Control {
public:
    ControlKind kind() const override { return ControlKind::CommandButton; }

    std::u16string Caption;
    bool Graphical = false; // shows BackColor (and Picture) instead of the system face
    std::string Picture;    // resource name of the picture above the caption, if any

    std::function<void()> Click;

    // A user's click: a hidden or disabled button does nothing.
    void click() {
        if (isReachable() && Click)
            Click();
    }
};

} // namespace vatro
