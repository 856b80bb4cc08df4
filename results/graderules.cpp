#include "graderules.h"

#include <cmath>

namespace vatro {

double shareOfRight(int points, int outOf) {
    return std::floor(static_cast<double>(points) / outOf * 100);
}

int gradeFor(double percent) {
    if (percent >= 1 && percent <= 50)
        return 2;
    if (percent > 50 && percent <= 70)
        return 3;
    if (percent > 70 && percent <= 90)
        return 4;
    if (percent > 90)
        return 5;
    return 0;
}

} // namespace vatro
