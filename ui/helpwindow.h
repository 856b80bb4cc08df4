#pragma once

#include "game/host.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/window.h"

#include <cstddef>
#include <string>

namespace vatro {

// How many lines of the help file the help window shows whole at its designed size: lines
// of its font ("Times New Roman" 15.75 pt: 24 px high, 25 px apart at 96 dpi) whose letters
// end above the button "Дополнительно", which stands 700 twips above the bottom (199 px).
// The next line runs behind the button. The quiz checker and the quiz editor go by it.
inline constexpr std::size_t HelpWindowLines = 8;

// The help window: how to compose and submit an answer, and on request the teacher's
// help file.
class HelpWindow : public Window {
public:
    explicit HelpWindow(Host& host);

    CommandButton Command1; // "Дополнительно"
    std::u16string HelpLine;

    void Form_Load();
    void Form_MouseUp(int Button, int Shift, double X, double Y);
    void Form_Click();
    void Form_Resize();
    void Command1_Click();

private:
    void printInstructions();
    void restoreDesign() override;

    Host& m_host;
};

} // namespace vatro
