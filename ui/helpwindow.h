#pragma once

#include "host/host.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/window.h"

#include <cstddef>
#include <string>

namespace vatro {

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
