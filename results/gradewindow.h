#pragma once

#include "ui/controls/window.h"

namespace vatro {

// One of the four small windows that show a grade: printed once when first loaded,
// hidden by a click, shown again by the next result with the same grade.
class GradeWindow : public Window {
public:
    explicit GradeWindow(int grade);

    int grade() const { return m_grade; }

    void Form_Load();
    void Form_Click();

private:
    int m_grade;
};

} // namespace vatro
