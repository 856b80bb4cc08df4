#pragma once
// How often each Russian letter occurs in Russian text.

namespace vatro {

// Per ten thousand letters, for а..я in alphabet order; ё apart, as it is mostly written е.
inline constexpr int RussianFrequency[32] = {801, 159, 454, 170,  298, 845, 94,  165, 735, 121, 349,
                                             440, 321, 670, 1097, 281, 473, 547, 626, 262, 26,  97,
                                             48,  144, 73,  36,   4,   190, 174, 32,  64,  201};
inline constexpr int RussianFrequencyOfYo = 4;

} // namespace vatro
