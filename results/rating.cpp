// The rating print-outs of the menu "Рейтинг": one line per registered player.
#include "game/form1.h"

namespace vatro {

void Form1::printRatingLines() {
    if (PlayerNo == 0)
        return;
    for (k = 1; k <= PlayerNo; ++k) {
        surface.Print({PlayerName(k), u" набрал ", PrintItem::number(Points(k)), u" баллов,",
                       PrintItem::number(Mistakes(k)), u"ошибок за ", MinutesUsed(k), u"мин ",
                       SecondsUsed(k), u"с", u" Оценка", PrintItem::number(Grade(k))});
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
