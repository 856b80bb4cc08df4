#pragma once

#include <cstdint>

namespace vatro {

// The system colours a control may ask for instead of a fixed RGB value; the view
// takes them from the desktop's palette.
enum class SystemColor : std::uint8_t {
    None,
    Window,
    WindowText,
    ButtonFace,
    ButtonText,
    Highlight,
    HighlightText,
};

// A colour as the designer sets it: an RGB value or one of the system colours.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    SystemColor system = SystemColor::None;

    static constexpr Color rgb(int red, int green, int blue) {
        return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                     static_cast<std::uint8_t>(blue), SystemColor::None};
    }
    static constexpr Color of(SystemColor role) { return Color{0, 0, 0, role}; }
    constexpr bool isSystem() const { return system != SystemColor::None; }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color Black = Color::rgb(0, 0, 0);
inline constexpr Color White = Color::rgb(255, 255, 255);
inline constexpr Color Red = Color::rgb(255, 0, 0);
inline constexpr Color Blue = Color::rgb(0, 0, 255);
inline constexpr Color Silver = Color::rgb(192, 192, 192);
inline constexpr Color Grey = Color::rgb(128, 128, 128);
} // namespace colors

} // namespace vatro
