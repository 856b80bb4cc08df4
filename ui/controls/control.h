#pragma once

#include "color.h"
#include "font.h"

#include <optional>
#include <string>

namespace vatro {

enum class ControlKind { CommandButton, OptionButton, TextBox, FlexGrid };

// What every visible control has: a designer name, a place and size in twips, a state.
class Control {
public:
    virtual ~Control() = default;
    virtual ControlKind kind() const = 0;

    std::u16string Name;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool Visible = true;
    bool Enabled = true;
    // What a screen reader calls a control whose caption does not say it, or that has none.
    std::u16string accessibleName;
    Color BackColor = Color::of(SystemColor::ButtonFace);
    std::optional<Font> font; // empty: the window's font

    // Whether the user can reach the control at all: hidden or disabled controls take no input.
    bool isReachable() const { return Visible && Enabled; }

    void place(double left, double top, double width, double height) {
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
};

} // namespace vatro
