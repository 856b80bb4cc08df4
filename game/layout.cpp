#include "form1.h"

namespace vatro {

// Keeps every control at its fixed distance from the bottom-right corner. No bounds:
// a minimised window puts controls outside the client area, restoring brings them back.
void Form1::Form_Resize() {
    struct Offset {
        Control* control;
        float bottom;
        float right;
    };
    const Offset offsets[] = {
        {&Command1, 700, 1300},   {&Command4, 1400, 1300}, {&Command7, 2100, 1300},
        {&Command6, 2800, 1300},  {&Command5, 3500, 1300}, {&Command3, 4000, 1300},
        {&Command2, 4800, 1300},  {&Command8, 5300, 1300}, {&Command9, 5800, 1300},
        {&Command10, 6300, 1300}, {&Grid2, 5400, 4500},    {&Grid1, 5400, 9700},
        {&Option2, 4600, 2800},   {&Option3, 4000, 2800},  {&Option1, 3400, 2800},
        {&Text2, 6000, 3100},
    };
    const auto width = static_cast<float>(ScaleWidth);
    const auto height = static_cast<float>(ScaleHeight);
    for (const Offset& offset : offsets) {
        offset.control->Top = height - offset.bottom;
        offset.control->Left = width - offset.right;
    }
}

// A click on the background swaps the grids and the level options.
void Form1::Form_Click() {
    if (ClickShowsLevels) {
        Grid1.Visible = false;
        Grid2.Visible = false;
        Option1.Visible = true;
        Option2.Visible = true;
        Option3.Visible = true;
        ClickShowsLevels = false;
    } else {
        Grid1.Visible = true;
        Grid2.Visible = true;
        Option1.Visible = false;
        Option2.Visible = false;
        Option3.Visible = false;
        ClickShowsLevels = true;
    }
}

} // namespace vatro
