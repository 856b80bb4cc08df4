#pragma once

#include <string>

namespace vatro {

// A font as the designer names it; the view maps the name to an installed face.
struct Font {
    std::u16string name;
    double size = 13.5; // points
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace vatro
