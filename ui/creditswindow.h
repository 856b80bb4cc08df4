#pragma once

#include "ui/controls/window.h"

namespace vatro {

// The credits window: a portrait and eight lines about the program and its questions.
class CreditsWindow : public Window {
public:
    CreditsWindow();

    void Form_Load();
    void Form_Click();

private:
    void restoreDesign() override;
};

} // namespace vatro
