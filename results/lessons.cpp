#include "lessons.h"

#include "quiz/numbertext.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace vatro {

namespace {

// Days from 1970-01-01 to the date of the proleptic Gregorian calendar.
long long daysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

} // namespace

long long minuteNumber(const LocalDateTime& at) {
    return daysFromCivil(at.year, static_cast<unsigned>(at.month), static_cast<unsigned>(at.day)) *
               1440 +
           at.hour * 60 + at.minute;
}

std::vector<Lesson> groupLessons(const std::vector<JournalRun>& runs) {
    std::vector<std::size_t> order(runs.size());
    for (std::size_t r = 0; r < runs.size(); ++r)
        order[r] = r;
    std::stable_sort(order.begin(), order.end(), [&runs](std::size_t a, std::size_t b) {
        return minuteNumber(runs[a].started) < minuteNumber(runs[b].started);
    });
    std::vector<Lesson> lessons;
    std::map<std::u16string, std::size_t> latestOfQuiz; // the newest lesson of each quiz
    std::vector<std::set<std::u16string>> computers;
    for (const std::size_t r : order) {
        const JournalRun& run = runs[r];
        const std::u16string quiz = quizName(run.quizFolder);
        const long long start = minuteNumber(run.started);
        const auto latest = latestOfQuiz.find(quiz);
        if (latest == latestOfQuiz.end() ||
            start - minuteNumber(lessons[latest->second].started) > LessonMinutes) {
            latestOfQuiz[quiz] = lessons.size();
            lessons.push_back({run.started, quiz, {}, 0, 0});
            computers.emplace_back();
        }
        const std::size_t l = latestOfQuiz[quiz];
        lessons[l].runs.push_back(r);
        lessons[l].pupils += run.pupils;
        computers[l].insert(run.computer);
        lessons[l].machines = computers[l].size();
    }
    return lessons;
}

std::u16string quizName(std::u16string_view quizFolder) {
    while (quizFolder.size() > 1 && quizFolder.back() == u'/')
        quizFolder.remove_suffix(1);
    const std::size_t slash = quizFolder.rfind(u'/');
    if (slash != quizFolder.npos && slash + 1 < quizFolder.size())
        quizFolder.remove_prefix(slash + 1);
    return quizFolder.empty() ? u"(папка викторины не записана)" : std::u16string(quizFolder);
}

std::u16string dateTimeText(const LocalDateTime& at) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", at.day, at.month, at.year, at.hour,
                  at.minute);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string lessonCounts(const Lesson& lesson) {
    return counted(lesson.machines, u"компьютер", u"компьютера", u"компьютеров") + u", " +
           counted(lesson.pupils, u"ученик", u"ученика", u"учеников");
}

std::u16string lessonLine(const Lesson& lesson) {
    return dateTimeText(lesson.started) + u"  " + lesson.quiz + u" — " + lessonCounts(lesson);
}

} // namespace vatro
