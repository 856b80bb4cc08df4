#pragma once
// The runs of the journal grouped into lessons. In a lab the pupils start the game on their
// machines within minutes of each other, on the quiz the teacher named; that is one lesson.

#include "results/journalfolders.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

struct Lesson {
    LocalDateTime started;         // when its first run started
    std::u16string quiz;           // the name of the quiz's folder
    std::vector<std::size_t> runs; // into the runs grouped, in the order they started
    std::size_t machines = 0;
    std::size_t pupils = 0;
};

// How long after a lesson's first run began another run still belongs to it: a school
// lesson, and a pupil who starts late.
inline constexpr int LessonMinutes = 45;

// The lessons, oldest first. A run belongs to the lesson of the same quiz whose first run
// began at most LessonMinutes before it, on that day or, for a lesson across midnight, the
// day before; any other run begins a lesson of its own.
std::vector<Lesson> groupLessons(const std::vector<JournalRun>& runs);

// A quiz is known by the name of its folder: each machine may see the one quiz under a path
// of its own (a share mounted elsewhere, each pupil's own ~/Ватро).
std::u16string quizName(std::u16string_view quizFolder);

// The minutes from 1 January 1970 to the local time, the seconds left out.
long long minuteNumber(const LocalDateTime& at);

// "08.12.2026 10:15"
std::u16string dateTimeText(const LocalDateTime& at);

// "14 компьютеров, 27 учеников"
std::u16string lessonCounts(const Lesson& lesson);

// "08.12.2026 10:15  Ватро — 14 компьютеров, 27 учеников"
std::u16string lessonLine(const Lesson& lesson);

} // namespace vatro
