#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vatro {

// One entry of a window's menu bar; an entry with children opens its submenu.
class MenuEntry {
public:
    MenuEntry(std::u16string name, std::u16string caption)
        : Name(std::move(name)), Caption(std::move(caption)) {}

    std::u16string Name;
    std::u16string Caption;
    bool Enabled = true;
    bool Visible = true;
    std::vector<MenuEntry*> children;
    std::function<void()> Click;

    void click() {
        if (Enabled && Visible && Click)
            Click();
    }
};

} // namespace vatro
