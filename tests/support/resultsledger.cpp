#include "resultsledger.h"

#include <sstream>

namespace vatro::testing {

void ResultsLedger::remember(const Form1& f, int endRequests) {
    m_points.assign(101, 0);
    m_mistakes.assign(101, 0);
    m_minutes.assign(101, u"");
    m_seconds.assign(101, u"");
    m_grades.assign(101, 0);
    m_names.assign(101, u"");
    for (int n = 1; n <= 100; ++n) {
        const auto at = static_cast<std::size_t>(n);
        m_points[at] = f.Points(n);
        m_mistakes[at] = f.Mistakes(n);
        m_minutes[at] = f.MinutesUsed(n);
        m_seconds[at] = f.SecondsUsed(n);
        m_grades[at] = f.Grade(n);
        m_names[at] = f.PlayerName(n);
    }
    m_endRequests = endRequests;
}

std::string ResultsLedger::changes(const Form1& f, const EventKind& event, int endRequests,
                                   std::uint64_t& verdicts) const {
    std::ostringstream fault;
    for (int n = 1; n <= 100; ++n) {
        const auto at = static_cast<std::size_t>(n);
        const bool current = n == f.PlayerNo;
        const bool cleared = f.Points(n) == 0 && f.Mistakes(n) == 0 && f.MinutesUsed(n).empty() &&
                             f.SecondsUsed(n).empty();
        if (event.reset && cleared)
            continue;
        const int points = f.Points(n) - m_points[at];
        const int mistakes = f.Mistakes(n) - m_mistakes[at];
        // One verdict at most, for the player at the board, from a press or a key.
        if (points < 0 || mistakes < 0 || points + mistakes > (event.grid && current ? 1 : 0))
            fault << "points " << m_points[at] << "->" << f.Points(n) << " and mistakes "
                  << m_mistakes[at] << "->" << f.Mistakes(n) << " of player " << n << "\n";
        else
            verdicts += static_cast<std::uint64_t>(points + mistakes);
        if ((f.MinutesUsed(n) != m_minutes[at] || f.SecondsUsed(n) != m_seconds[at]) &&
            !(event.grid && current))
            fault << "time used of player " << n << " changed\n";
        if (f.Grade(n) != m_grades[at] && !(event.result && current))
            fault << "grade of player " << n << " changed\n";
        if (f.PlayerName(n) != m_names[at] && !(event.newPlayer && current))
            fault << "name of player " << n << " changed\n";
    }
    if (endRequests != m_endRequests && !event.endAsked)
        fault << "the game asked to end unasked\n";
    return fault.str();
}

} // namespace vatro::testing
