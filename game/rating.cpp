// The rating print-outs of the menu "Рейтинг": one line per registered player.
#include "form1.h"
#include "results/ratingline.h"

namespace vatro {

void Form1::printRatingLines() {
    if (PlayerNo == 0)
        return;
    for (k = 1; k <= PlayerNo; ++k) {
        surface.Print(ratingLine(
            {PlayerName(k), Points(k), Mistakes(k), MinutesUsed(k), SecondsUsed(k), Grade(k)}));
    }
}

void Form1::Ватро12_Click() {
    surface.Cls();
    Grid1.Visible = false;
    Grid2.Visible = false;
    printRatingLines();
}

void Form1::Ватро123_Click() {
    surface.Cls();
    if (QuestionNo >= QuestionCount) {
        Grid1.Visible = false;
        Grid2.Visible = false;
        printRatingLines();
    }
}

} // namespace vatro
