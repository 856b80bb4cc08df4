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

} // namespace vatro::journal
