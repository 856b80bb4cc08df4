#include "keymap.h"

#include "ui/controls/keycodes.h"

#include <array>

namespace vatro {

int mouseButtons(Qt::MouseButtons buttons) {
    int result = 0;
    if (buttons & Qt::LeftButton)
        result |= mouse::Left;
    if (buttons & Qt::RightButton)
        result |= mouse::Right;
    if (buttons & Qt::MiddleButton)
        result |= mouse::Middle;
    return result;
}

int mouseButton(Qt::MouseButton button) {
    return mouseButtons(button);
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    int result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= shift::Shift;
    if (modifiers & Qt::ControlModifier)
        result |= shift::Ctrl;
    if (modifiers & Qt::AltModifier)
        result |= shift::Alt;
    return result;
}

int virtualKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt reports the capital letter whatever Shift says, as Windows does
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    // With Shift held Qt reports the symbol on a digit key; the game wants the key itself.
    static constexpr std::array<int, 10> shiftedDigits = {
        Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
        Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
        Qt::Key_Asterisk,   Qt::Key_ParenLeft};
    for (std::size_t digit = 0; digit < shiftedDigits.size(); ++digit) {
        if (qtKey == shiftedDigits[digit])
            return Qt::Key_0 + static_cast<int>(digit);
    }
    switch (qtKey) {
    case Qt::Key_Backspace:
        return key::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Return;
    case Qt::Key_Shift:
        return key::Shift;
    case Qt::Key_Control:
        return key::Control;
    case Qt::Key_Alt:
        return key::Menu;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_Space:
        return key::Space;
    case Qt::Key_PageUp:
        return key::PageUp;
    case Qt::Key_PageDown:
        return key::PageDown;
    case Qt::Key_End:
        return key::End;
    case Qt::Key_Home:
        return key::Home;
    case Qt::Key_Left:
        return key::Left;
    case Qt::Key_Up:
        return key::Up;
    case Qt::Key_Right:
        return key::Right;
    case Qt::Key_Down:
        return key::Down;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return key::Delete;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    default:
        return 0;
    }
}

} // namespace vatro
