#include "timetext.h"

namespace vatro {

std::u16string timeText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const int rest = seconds % 60;
    std::u16string text;
    if (hours >= 10)
        text += static_cast<char16_t>(u'0' + hours / 10);
    text += static_cast<char16_t>(u'0' + hours % 10);
    text += u':';
    text += static_cast<char16_t>(u'0' + minutes / 10);
    text += static_cast<char16_t>(u'0' + minutes % 10);
    text += u':';
    text += static_cast<char16_t>(u'0' + rest / 10);
    text += static_cast<char16_t>(u'0' + rest % 10);
    return text;
}

} // namespace vatro
