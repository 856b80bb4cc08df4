#pragma once
// A player's line of the rating print-outs.

#include "ui/controls/printsurface.h"

#include <string>
#include <vector>

namespace vatro {

struct RatingEntry {
    std::u16string name;
    int points = 0;
    int mistakes = 0;
    std::u16string minutes;
    std::u16string seconds;
    int grade = 0;
};

// "Иванов набрал  3 баллов, 1 ошибок за 0мин 42с Оценка 4 ", as printed items.
std::vector<PrintItem> ratingLine(const RatingEntry& entry);

} // namespace vatro
