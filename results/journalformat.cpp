#include "journalformat.h"

#include "quiz/textcodec.h"

#include <cstdio>

namespace vatro::journal {

std::string fileName(const LocalDateTime& started, std::u16string_view computer, int copy) {
    char time[64];
    std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d-%02d ", started.year, started.month,
                  started.day, started.hour, started.minute);
    std::string name = time + utf16ToUtf8(computer);
    if (copy > 1)
        name += " (" + std::to_string(copy) + ")";
    return name + std::string(FileExtension);
}

std::u16string dateTimeCell(const LocalDateTime& at) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", at.year, at.month, at.day, at.hour,
                  at.minute);
    return utf8ToUtf16(text);
}

std::optional<LocalDateTime> parseDateTimeCell(std::u16string_view cell) {
    if (cell.size() != 16)
        return std::nullopt;
    const auto number = [&cell](std::size_t from, std::size_t length) {
        int value = 0;
        for (const char16_t c : cell.substr(from, length)) {
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    LocalDateTime at{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), 0};
    if (cell[4] != u'-' || cell[7] != u'-' || cell[10] != u' ' || cell[13] != u':' || at.year < 0 ||
        at.month < 1 || at.month > 12 || at.day < 1 || at.day > 31 || at.hour < 0 || at.hour > 23 ||
        at.minute < 0 || at.minute > 59)
        return std::nullopt;
    return at;
}

} // namespace vatro::journal
