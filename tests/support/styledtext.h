#pragma once

#include "ui/controls/printsurface.h"

#include <ostream>
#include <string>
#include <vector>

namespace vatro::testing {

// A stretch of printed text as a reader sees it: its colour, its weight, and whether it
// starts at the next print zone.
struct Styled {
    std::u16string text;
    Color color = colors::Black;
    bool bold = false;
    bool zone = false;
    friend bool operator==(const Styled&, const Styled&) = default;
};
void PrintTo(const Styled& run, std::ostream* os);

// Black and not bold unless told.
Styled styled(std::u16string text, Color color = colors::Black, bool bold = false);
// The same, starting at the next print zone.
Styled atZone(std::u16string text, Color color = colors::Black);

// The stretches of one printed line, neighbours of the same colour and weight joined, so a
// test states what a reader sees and not how the printing was split into items.
std::vector<Styled> styledLine(const PrintSurface& surface, std::size_t line);

} // namespace vatro::testing
