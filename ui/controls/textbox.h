#pragma once

#include "control.h"

#include <string>

namespace vatro {

class TextBox : public Control {
public:
    TextBox() { BackColor = Color::of(SystemColor::Window); }
    ControlKind kind() const override { return ControlKind::TextBox; }

    std::u16string Text;
    // The box only shows its text: the user cannot type into it.
    bool Locked = false;
};

} // namespace vatro
