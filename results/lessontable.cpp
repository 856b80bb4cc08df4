#include "lessontable.h"

#include "quiz/numbertext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vatro {

namespace {

std::optional<int> plainNumber(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

LessonTable openLesson(const Lesson& lesson, const std::vector<JournalRun>& runs) {
    std::vector<std::size_t> order = lesson.runs; // already in the order they started
    std::stable_sort(order.begin(), order.end(), [&runs](std::size_t a, std::size_t b) {
        return computerBefore(runs[a].computer, runs[b].computer);
    });
    LessonTable table;
    for (const std::size_t r : order) {
        std::vector<JournalEntry> rows = readJournalRun(runs[r], table.problems);
        std::stable_sort(rows.begin(), rows.end(),
                         [](const JournalEntry& a, const JournalEntry& b) {
                             return a.row.round != b.row.round ? a.row.round < b.row.round
                                                               : a.row.number < b.row.number;
                         });
        table.rows.insert(table.rows.end(), std::make_move_iterator(rows.begin()),
                          std::make_move_iterator(rows.end()));
    }
    return table;
}

GradeSummary summarizeGrades(const std::vector<JournalEntry>& rows) {
    GradeSummary grades;
    long long sum = 0;
    for (const JournalEntry& entry : rows) {
        const int grade = entry.row.grade;
        if (grade < 2 || grade > 5) {
            ++grades.withoutGrade;
            continue;
        }
        ++grades.withGrade[static_cast<std::size_t>(grade - 2)];
        sum += grade;
    }
    const std::size_t graded = rows.size() - grades.withoutGrade;
    grades.mean = graded == 0 ? 0 : static_cast<double>(sum) / static_cast<double>(graded);
    return grades;
}

std::u16string meanGradeText(const GradeSummary& grades) {
    if (grades.mean == 0)
        return u"—";
    const long long tenths = std::llround(grades.mean * 10);
    return decimal(tenths / 10) + u"," + decimal(tenths % 10);
}

std::u16string timeUsedText(const JournalRow& row) {
    const int seconds = timeUsedSeconds(row);
    if (seconds < 0)
        return {};
    const std::u16string secondsText = decimal(seconds % 60);
    return decimal(seconds / 60) + (secondsText.size() < 2 ? u":0" : u":") + secondsText;
}

int timeUsedSeconds(const JournalRow& row) {
    const std::optional<int> minutes = plainNumber(row.minutes);
    const std::optional<int> seconds = plainNumber(row.seconds);
    if (!minutes || !seconds)
        return -1;
    return *minutes * 60 + *seconds;
}

bool computerBefore(std::u16string_view a, std::u16string_view b) {
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Numbers compare by their value: the longer number, leading zeros aside, is
            // the larger.
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            std::u16string_view numberA = a.substr(i, endA - i);
            std::u16string_view numberB = b.substr(j, endB - j);
            while (numberA.size() > 1 && numberA.front() == u'0')
                numberA.remove_prefix(1);
            while (numberB.size() > 1 && numberB.front() == u'0')
                numberB.remove_prefix(1);
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::string lessonCsv(const std::vector<JournalEntry>& rows) {
    std::vector<JournalRow> table;
    table.reserve(rows.size());
    for (const JournalEntry& entry : rows)
        table.push_back(entry.row);
    return journalTable(table);
}

} // namespace vatro
