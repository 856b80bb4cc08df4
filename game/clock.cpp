// The levels, the level clock with its time-out, and the time each player uses.
#include "form1.h"

#include "quiz/numbertext.h"
#include "timetext.h"

#include <cmath>

namespace vatro {

void Form1::Option1_Click() {
    TimeLimit = u"0:10:00";
}
// Compared as text, "0:00:60" is reached when the clock reads 0:01:00.
void Form1::Option2_Click() {
    TimeLimit = u"0:00:60";
}
void Form1::Option3_Click() {
    TimeLimit = u"0:05:00";
}

void Form1::restartLevelClock() {
    StartTime = m_host.timeOfDay() / double(SecondsPerDay);
}

void Form1::Timer1_Timer() {
    // Counted modulo one day, so a game across midnight reads on from where it was.
    const long seconds = std::lround(m_host.timeOfDay() - StartTime * SecondsPerDay);
    Elapsed = timeText(static_cast<int>((seconds % SecondsPerDay + SecondsPerDay) % SecondsPerDay));
    if (Text2.Text != Elapsed)
        Text2.Text = Elapsed;
    if ((Option1.Value() || Option2.Value() || Option3.Value()) && Elapsed >= TimeLimit)
        TimeOut();
    // The journal is written on a thread of its own; its trouble is told here.
    if (journal.hasMessage())
        showJournalMessage();
}

void Form1::TimeOut() {
    Grid1.Enabled = false;
    Grid2.Enabled = false;
    Command2.Enabled = false;
    Command7.Enabled = false;
    Command8.Enabled = false;
    Command9.Enabled = false;
    Grid1.Visible = false;
    Grid2.Visible = false;
    surface.Print({u"Ваше время истекло, нажмите -Результат-"});
    Option2.Visible = true;
    Option1.Visible = true;
    Option3.Visible = true;
    Option2.setValue(false);
    Option1.setValue(false);
    Option3.setValue(false);
    restartLevelClock();
    TimeLimit = u"0:00:00";
    updateJournal();
}

void Form1::MarkGameStart() {
    StartTimer = m_host.secondsSinceMidnight();
    noteGameStart();
}

void Form1::RecordTimeUsed() {
    // Before anyone has registered there is no player to record for.
    if (!MinutesUsed.contains(PlayerNo))
        return;
    double e = m_host.secondsSinceMidnight() - StartTimer;
    if (e < 0)
        e += SecondsPerDay; // the game went on past midnight
    const auto m = static_cast<long long>(std::floor(e / 60));
    const auto s = static_cast<long long>(std::floor(e)) - 60 * m;
    MinutesUsed(PlayerNo) = numberText(m);
    SecondsUsed(PlayerNo) = numberText(s);
    // A verdict reaches the journal with the time it took.
    if (m_verdictUnwritten)
        updateJournal();
}

} // namespace vatro
