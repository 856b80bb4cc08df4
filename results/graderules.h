#pragma once
// How "Результат" turns right answers into a school grade.

namespace vatro {

// The share of right answers in whole per cent, as the game counts it: division first,
// then × 100, then down to a whole number (29 of 50 gives 57).
double shareOfRight(int points, int outOf);

// The grade for a share: 2 up to 50 %, 3 up to 70 %, 4 up to 90 %, 5 above; 0 (no grade)
// below 1 %.
int gradeFor(double percent);

} // namespace vatro
