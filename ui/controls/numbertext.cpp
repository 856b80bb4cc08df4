#include "numbertext.h"

namespace vatro {

std::u16string decimal(long long value) {
    const bool negative = value < 0;
    // Work in unsigned so that the smallest long long keeps its digits.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits.insert(digits.begin(), u'-');
    return digits;
}

std::u16string numberText(long long value) {
    return value < 0 ? decimal(value) : u" " + decimal(value);
}

std::u16string printedNumber(long long value) {
    return numberText(value) + u" ";
}

} // namespace vatro
