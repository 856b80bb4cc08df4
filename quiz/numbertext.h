#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vatro {

// The number as the program stores it in text: a blank (or a minus sign) and the digits.
std::u16string numberText(long long value);

// The number as a printed item: the stored form followed by one trailing blank.
std::u16string printedNumber(long long value);

// Plain decimal digits, with a minus sign when negative.
std::u16string decimal(long long value);

// The number and the Russian word in the form it takes: "1 ответ", "3 ответа", "11 ответов".
std::u16string counted(std::size_t n, std::u16string_view one, std::u16string_view few,
                       std::u16string_view many);

} // namespace vatro
