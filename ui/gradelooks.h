#pragma once

#include "ui/controls/color.h"
#include "ui/controls/font.h"

#include <string>

namespace vatro {

// How the window of one grade looks.
struct GradeLook {
    std::u16string name;
    std::u16string word;
    std::u16string caption;
    Color color;
    Font font;
    double width;  // client area, twips
    double height; // client area, twips
};

// The look of the window for grade 2, 3, 4 or 5.
const GradeLook& gradeLook(int grade);

} // namespace vatro
