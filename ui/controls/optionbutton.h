#pragma once

#include "control.h"

#include <functional>
#include <string>
#include <vector>

namespace vatro {

class OptionGroup;

// A level option: at most one option of its group is chosen.
class OptionButton : public Control {
public:
    ControlKind kind() const override { return ControlKind::OptionButton; }

    std::u16string Caption;
    std::function<void()> Click;

    bool Value() const { return m_value; }
    const OptionGroup* group() const { return m_group; }
    // Choosing an option clears the others of its group; clearing raises no event.
    void setValue(bool chosen);

    // A user's click: chooses the option and raises Click.
    void click() {
        if (!isReachable())
            return;
        setValue(true);
        if (Click)
            Click();
    }

private:
    friend class OptionGroup;
    bool m_value = false;
    OptionGroup* m_group = nullptr;
};

class OptionGroup {
public:
    // What the options choose, as a screen reader names the group.
    std::u16string caption;

    void add(OptionButton& option) {
        option.m_group = this;
        m_members.push_back(&option);
    }
    void choose(OptionButton& chosen) {
        for (OptionButton* option : m_members)
            option->m_value = option == &chosen;
    }

private:
    std::vector<OptionButton*> m_members;
};

inline void OptionButton::setValue(bool chosen) {
    if (chosen && m_group)
        m_group->choose(*this);
    else
        m_value = chosen;
}

} // namespace vatro
