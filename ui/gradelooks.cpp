#include "gradelooks.h"

#include <array>
#include <stdexcept>

namespace vatro {

const GradeLook& gradeLook(int grade) {
    static const std::array<GradeLook, 4> looks = {{
        {u"Form6",
         u"ПЛОХО!",
         u"Form6",
         Color::rgb(0, 0, 255),
         {u"MS Sans Serif", 13.5, true, false},
         4095,
         2490},
        {u"Form5",
         u"УДОВЛЕТВОРИТЕЛЬНО!",
         u"Form5",
         Color::rgb(0, 192, 0),
         {u"MS Sans Serif", 13.5, true, false},
         4050,
         2250},
        {u"Form4",
         u"ХОРОШО!",
         u"Ватро3",
         Color::rgb(255, 128, 128),
         {u"MS Sans Serif", 13.5, true, false},
         3690,
         2160},
        {u"Form3",
         u"МОЛОДЕЦ!",
         u"Form3",
         Color::rgb(255, 0, 0),
         {u"Monotype Corsiva", 14.25, true, true},
         3510,
         1995},
    }};
    if (grade < 2 || grade > 5)
        throw std::out_of_range("no window for grade " + std::to_string(grade));
    return looks[static_cast<std::size_t>(grade - 2)];
}

} // namespace vatro
