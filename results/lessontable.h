#pragma once
// One lesson's rows from every machine in one table, its grades at a glance, and the table
// saved as one journal file.

#include "results/lessons.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vatro {

struct LessonTable {
    // By computer (pc2 before pc10), then by the run's start, round and player's number.
    std::vector<JournalEntry> rows;
    // What could not be read of the lesson's files now, one line each.
    std::vector<std::u16string> problems;
};

// Reads the lesson's files afresh: a file rewritten since the list was made shows its
// rows as they are now.
LessonTable openLesson(const Lesson& lesson, const std::vector<JournalRun>& runs);

struct GradeSummary {
    std::array<std::size_t, 4> withGrade{}; // how many got 2, 3, 4 and 5
    std::size_t withoutGrade = 0;
    double mean = 0; // of the grades given; 0 when none was
};

// A grade other than 2 to 5 counts as none.
GradeSummary summarizeGrades(const std::vector<JournalEntry>& rows);

// "3,8", as a Russian teacher writes it; "—" when no grade was given.
std::u16string meanGradeText(const GradeSummary& grades);

// The time used as the rating shows it, "3:25"; empty when the row has none.
std::u16string timeUsedText(const JournalRow& row);
// The same in seconds, for ordering; -1 when the row has none.
int timeUsedSeconds(const JournalRow& row);

// Computer names in the order a person counts them: "pc2" before "pc10".
bool computerBefore(std::u16string_view a, std::u16string_view b);

// The rows as one journal file, written as the game writes its own.
std::string lessonCsv(const std::vector<JournalEntry>& rows);

} // namespace vatro
