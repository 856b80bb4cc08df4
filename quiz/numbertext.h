#pragma once

#include <string>

namespace vatro {

// The number as the program stores it in text: a blank (or a minus sign) and the digits.
std::u16string numberText(long long value);

// The number as a printed item: the stored form followed by one trailing blank.
std::u16string printedNumber(long long value);

// Plain decimal digits, with a minus sign when negative.
std::u16string decimal(long long value);

} // namespace vatro
