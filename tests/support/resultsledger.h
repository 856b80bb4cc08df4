#pragma once

#include "game/form1.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vatro::testing {

// What an event was, as far as the rules let it change the player table.
struct EventKind {
    bool grid = false;      // a press or key on a grid: a verdict and the time used
    bool reset = false;     // "Сброс": every result cleared
    bool result = false;    // "Результат": the grade
    bool newPlayer = false; // "Новый игрок": the next name
    bool endAsked = false;  // "Выход" or Esc
};

// The player table between two events: points, mistakes, time used, grades and names.
class ResultsLedger {
public:
    void remember(const Form1& form, int endRequests);
    // Every change the event may not make, one a line; empty when there is none. The
    // verdicts given are added to the count.
    std::string changes(const Form1& form, const EventKind& event, int endRequests,
                        std::uint64_t& verdicts) const;

private:
    std::vector<int> m_points;
    std::vector<int> m_mistakes;
    std::vector<std::u16string> m_minutes;
    std::vector<std::u16string> m_seconds;
    std::vector<int> m_grades;
    std::vector<std::u16string> m_names;
    int m_endRequests = 0;
};

} // namespace vatro::testing
