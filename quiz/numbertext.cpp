#include "numbertext.h"

#include <algorithm>

namespace vatro {

std::u16string decimal(long long value) {
    const bool negative = value < 0;
    // Work in unsigned so that the smallest long long keeps its digits.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::u16string digits;
    do {
        digits.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits.push_back(u'-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::u16string numberText(long long value) {
    if (value < 0)
        return decimal(value);
    // Built in two steps: GCC's -Wrestrict misreads `u" " + decimal(value)` in Release.
    std::u16string text = u" ";
    text += decimal(value);
    return text;
}

std::u16string counted(std::size_t n, std::u16string_view one, std::u16string_view few,
                       std::u16string_view many) {
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    std::u16string_view word = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            word = one;
        else if (units >= 2 && units <= 4)
            word = few;
    }
    return decimal(static_cast<long long>(n)) + u" " + std::u16string(word);
}

std::u16string printedNumber(long long value) {
    return numberText(value) + u" ";
}

} // namespace vatro
