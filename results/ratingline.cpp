#include "ratingline.h"

namespace vatro {

std::vector<PrintItem> ratingLine(const RatingEntry& entry) {
    return {entry.name,
            u" набрал ",
            PrintItem::number(entry.points),
            u" баллов,",
            PrintItem::number(entry.mistakes),
            u"ошибок за ",
            entry.minutes,
            u"мин ",
            entry.seconds,
            u"с",
            u" Оценка",
            PrintItem::number(entry.grade)};
}

} // namespace vatro
