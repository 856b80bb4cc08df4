#pragma once

#include <string>

namespace vatro {

inline constexpr int SecondsPerDay = 86400;

// H:mm:ss of a number of seconds within one day, as in "0:05:07".
std::u16string timeText(int seconds);

} // namespace vatro
