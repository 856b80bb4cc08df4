// Records that a comma outside quotes split apart: questions and lines of the help.
#include "checktext.h"
#include "foldercheck.h"

#include <algorithm>
#include <map>

namespace vatro::quizcheck {

namespace {

bool endsSentence(std::u16string_view text) {
    const std::u16string end = trimmed(text);
    return !end.empty() &&
           std::u16string_view(u"?!.…:)»\"'").find(end.back()) != std::u16string_view::npos;
}

bool startsLowerCase(std::u16string_view text) {
    for (char16_t c : text) {
        if (isBlank(c) || c == u'«' || c == u'"' || c == u'(' || c == u'—' || c == u'-')
            continue;
        return isLowerCase(c);
    }
    return false;
}

} // namespace

// A question with a comma outside quotes falls apart into two records: the first part
// lacks the question's end, the second often starts with a small letter or stands on the
// same line, and the file holds more questions than answers.
void FolderCheck::checkSplitQuestions(const LoadedFile& questions, const LoadedFile& answers) {
    const auto& records = questions.records;
    // A split question or two push a file just past its capacity, not far beyond.
    const std::size_t q = std::min(records.size(), 2 * questions.facts->capacity);
    std::size_t ended = 0;
    std::map<std::size_t, std::size_t> onLine; // records that start on each line
    for (std::size_t n = 0; n < q; ++n) {
        ended += endsSentence(records[n].text) ? 1 : 0;
        ++onLine[records[n].line];
    }
    std::size_t single = 0;
    for (const auto& [line, count] : onLine)
        single += count == 1 ? 1 : 0;
    const bool usuallyEnded = ended * 4 >= q * 3;
    // The teacher writes one question a line, so a line of several is a split one.
    const bool linePerQuestion = single * 2 >= onLine.size();
    const bool moreQuestions = records.size() > answers.records.size();
    std::vector<bool> continues(q, false);
    for (std::size_t n = 1; n < q; ++n) {
        const Record& before = records[n - 1];
        const Record& record = records[n];
        if (before.text.empty() || record.text.empty() || endsSentence(before.text))
            continue;
        const bool sameLine = record.line != 0 && record.line == before.line && !before.quoted;
        continues[n] = startsLowerCase(record.text) || (sameLine && linePerQuestion) ||
                       (moreQuestions && usuallyEnded);
    }
    for (std::size_t n = 1; n < q; ++n) {
        if (!continues[n] || continues[n - 1])
            continue;
        std::size_t last = n;
        while (last + 1 < q && continues[last + 1])
            ++last;
        const std::size_t first = n - 1;
        std::u16string parts;
        std::u16string joined;
        for (std::size_t k = first; k <= last; ++k) {
            parts += (k == first ? u"" : u" + ") + inQuotes(records[k].text);
            joined += (k == first ? u"" : u", ") + records[k].text;
        }
        problem(Finding::Kind::SplitQuestion, *questions.facts, &records[n], n + 1,
                u"Похоже, запятая вне кавычек разбила один вопрос на записи " +
                    range(first + 1, last + 1) + u": " + parts +
                    u". С этого места каждый следующий вопрос получает чужой ответ.",
                u"Возьмите весь вопрос в кавычки: \"" + joined + u"\".");
    }
}

// Each record of the help file is a line of its own in the help window.
void FolderCheck::checkHelpLines(const LoadedFile& help) {
    const auto& records = help.records;
    for (std::size_t n = 1; n < listed(help); ++n) {
        const Record& before = records[n - 1];
        const Record& record = records[n];
        if (before.quoted || record.line == 0 || record.line != before.line ||
            (n >= 2 && records[n - 2].line == before.line && !records[n - 2].quoted))
            continue;
        std::size_t last = n;
        while (last + 1 < records.size() && records[last + 1].line == record.line)
            ++last;
        std::u16string parts;
        std::u16string joined;
        for (std::size_t k = n - 1; k <= last; ++k) {
            parts += (k == n - 1 ? u"" : u", ") + inQuotes(records[k].text);
            joined += (k == n - 1 ? u"" : u", ") + records[k].text;
        }
        add(Finding::Severity::Note, Finding::Kind::SplitHelpLine, *help.facts, n + 1, record.line,
            u"Запятые делят строку " + num(record.line) + u" на " +
                counted(last - n + 2, u"строку", u"строки", u"строк") + u" окна справки: " + parts +
                u".",
            u"Если это одна строка, возьмите её в кавычки: \"" + joined + u"\".");
    }
}

} // namespace vatro::quizcheck
