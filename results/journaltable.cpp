#include "journaltable.h"

#include "quiz/numbertext.h"
#include "quiz/textcodec.h"

namespace vatro {

namespace {

constexpr std::u16string_view Header =
    u"№;Фамилия или команда;Баллов;Ошибок;Минут;Секунд;Оценка;Уровень;Режим;"
    u"Вопросов задано;Верных ответов, %;Папка вопросов";

// The stored time texts carry a leading blank; a spreadsheet wants the bare number.
std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    return text;
}

// The share of the answers judged that were right, in whole per cent; empty when none was.
std::u16string shareCell(int points, int mistakes) {
    const long long judged = static_cast<long long>(points) + mistakes;
    if (judged <= 0)
        return {};
    return decimal(static_cast<long long>(points) * 100 / judged);
}

} // namespace

std::u16string textCell(std::u16string_view text) {
    std::u16string cell;
    if (!text.empty() && std::u16string_view(u"=+-@\t\r").find(text.front()) != text.npos)
        cell = u"'";
    cell += text;
    const bool quoted = cell.find_first_of(u";\"\r\n") != cell.npos ||
                        (!cell.empty() && (cell.front() == u' ' || cell.back() == u' '));
    if (!quoted)
        return cell;
    std::u16string escaped = u"\"";
    for (const char16_t c : cell) {
        if (c == u'"')
            escaped += u'"';
        escaped += c;
    }
    return escaped + u'"';
}

std::string journalTable(const std::vector<JournalRow>& rows) {
    std::u16string text(Header);
    text += u"\r\n";
    for (const JournalRow& row : rows) {
        // The times are stored as number text; should one ever hold more, it stays one cell.
        const std::u16string minutes = textCell(trimmed(row.minutes));
        const std::u16string seconds = textCell(trimmed(row.seconds));
        const std::u16string cells[] = {decimal(row.number),
                                        textCell(row.name),
                                        decimal(row.points),
                                        decimal(row.mistakes),
                                        minutes,
                                        seconds,
                                        row.grade == 0 ? std::u16string() : decimal(row.grade),
                                        textCell(row.level),
                                        textCell(row.mode),
                                        decimal(row.questionsPosed),
                                        shareCell(row.points, row.mistakes),
                                        textCell(row.quizFolder)};
        bool first = true;
        for (const std::u16string& cell : cells) {
            if (!first)
                text += u';';
            text += cell;
            first = false;
        }
        text += u"\r\n";
    }
    return "\xEF\xBB\xBF" + utf16ToUtf8(text);
}

} // namespace vatro
