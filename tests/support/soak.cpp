#include "soak.h"

#include "fakehost.h"
#include "filefaults.h"
#include "game/form1.h"
#include "gamesnapshot.h"
#include "quiz/textcodec.h"
#include "resultsledger.h"

#include <algorithm>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

namespace vatro::testing {

namespace {

class Soak {
public:
    Soak(const std::filesystem::path& folder, std::uint64_t seed, bool faulty)
        : m_faults(folder), m_faulty(faulty), m_host(m_faults.folder()), m_random(seed),
          m_form(m_host) {
        m_host.clock = pick(0, 86399);
        m_host.whileNameBoxOpen = [this] {
            if (pick(0, 3) == 0)
                tick();
        };
        m_form.Show();
        remember();
    }

    std::string step();
    std::uint64_t verdicts = 0;
    std::uint64_t faults() const { return m_faults.faults(); }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    void tick();
    void act();
    void pressGrid(std::ostringstream& event);
    std::string check();
    void remember();

    FileFaults m_faults;
    bool m_faulty;
    FakeHost m_host;
    std::mt19937_64 m_random;
    Form1 m_form;
    int m_lastPlayerNo = 0;
    ResultsLedger m_ledger;
    EventKind m_event;
    std::size_t m_errors = 0;
    std::optional<GameSnapshot> m_beforeReload; // taken while the folder is broken
    std::string m_lastFault;
    int m_shuffles = 0;
    int m_shuffledCount = -1; // QuestionCount the word list was last shuffled for
    std::string m_lastEvent;
};

void Soak::tick() {
    const int jump = pick(0, 499);
    // Mostly a fraction of a second; now and then minutes, rarely past midnight.
    const double seconds = jump < 480   ? 0.05 * pick(1, 20)
                           : jump < 499 ? pick(1, 400)
                                        : pick(1, 86399);
    m_host.advance(seconds);
    m_form.Timer1.tick();
}

// A press on a grid: mostly a data cell of a grid that is shown, with every button code,
// headers and the space beside the cells included.
void Soak::pressGrid(std::ostringstream& event) {
    Form1& f = m_form;
    FlexGrid* grid = pick(0, 1) == 0 ? &f.Grid1 : &f.Grid2;
    if (!grid->Visible && (grid == &f.Grid1 ? f.Grid2 : f.Grid1).Visible)
        grid = grid == &f.Grid1 ? &f.Grid2 : &f.Grid1;
    const int kind = pick(0, 19);
    const int button = kind < 11 ? 1 : kind < 14 ? 2 : kind < 19 ? 4 : pick(0, 7);
    int row = pick(1, grid == &f.Grid2 ? std::max(1, f.QuestionCount) : grid->Rows() - 1);
    int col = pick(1, grid->Cols() - 1);
    if (pick(0, 9) == 0) {
        row = pick(-1, grid->Rows() - 1);
        col = pick(-1, grid->Cols() - 1);
    }
    m_event.grid = true;
    event << "press " << utf16ToUtf8(grid->Name) << " button " << button << " at " << row << ","
          << col;
    grid->press(button, pick(0, 7), row, col);
}

void Soak::act() {
    Form1& f = m_form;
    CommandButton* buttons[] = {&f.Command1, &f.Command2, &f.Command3, &f.Command4, &f.Command5,
                                &f.Command6, &f.Command7, &f.Command8, &f.Command9, &f.Command10};
    OptionButton* options[] = {&f.Option1, &f.Option2, &f.Option3};
    MenuEntry* menu[] = {&f.Ватро1, &f.Ватро12, &f.Ватро123, &f.Ватро2, &f.Ватро3, &f.Ватро4};
    const int keys[] = {13, 32, 13, 32, 8, 27, 37, 38, 39, 40, 35, 36, 65, 192, 16, 0};
    std::ostringstream event;
    const int roll = pick(0, 99);
    if (roll < 35) {
        pressGrid(event);
    } else if (roll < 45) {
        FlexGrid& grid = f.Grid1.Visible || !f.Grid2.Visible ? f.Grid1 : f.Grid2;
        const int code = keys[pick(0, static_cast<int>(std::size(keys)) - 1)];
        event << "key " << code << " on " << utf16ToUtf8(grid.Name);
        m_event.grid = true;
        m_event.endAsked = code == 27;
        grid.keyPress(code, pick(0, 7));
    } else if (roll < 65) {
        // Mostly "Пуск"; the other buttons, "Сброс" and "Новый игрок" more rarely.
        const int n = pick(0, 3) == 0 ? 1 : pick(0, 9);
        if (n == 6 && pick(0, 9) != 0)
            return act();
        if (n == 5) // "Новый игрок": the name box is answered or cancelled
            m_host.names.push_back(
                pick(0, 4) == 0 ? u"" : u"Игрок" + utf8ToUtf16(std::to_string(pick(1, 999))));
        event << "click Command" << n + 1;
        m_event.endAsked = n == 0;
        m_event.result = n == 4;
        m_event.newPlayer = n == 5;
        m_event.reset = n == 6;
        // A button that reads a broken folder must report it and change nothing.
        if (m_faults.broken() && n >= 5)
            m_beforeReload = GameSnapshot::of(f);
        buttons[n]->click();
        m_host.names.clear();
    } else if (roll < 70) {
        const int n = pick(0, 2);
        event << "click Option" << n + 1;
        options[n]->click();
    } else if (roll < 73) {
        const int n = pick(0, 5);
        event << "menu " << utf16ToUtf8(menu[n]->Name);
        menu[n]->click();
    } else if (roll < 76) {
        event << "background click";
        f.backgroundMouseUp(1, 0, 100, 100);
        f.backgroundClick();
    } else if (roll < 78) {
        const int width = pick(0, 3) == 0 ? 0 : pick(0, 20000);
        const int height = pick(0, 3) == 0 ? 0 : pick(0, 15000);
        event << "resize " << width << "x" << height;
        f.resizeClient(width, height);
    } else if (roll < 80) {
        Window* windows[] = {&f.Form2, &f.Form7, &f.Form3, &f.Form4, &f.Form5, &f.Form6};
        Window* window = windows[pick(0, 5)];
        event << "secondary window " << utf16ToUtf8(window->Name);
        if (window->Visible()) {
            const int what = pick(0, 3);
            if (what == 0)
                window->unload();
            else if (what == 1 && window == &f.Form2)
                f.Form2.Command1.click();
            else {
                window->backgroundMouseUp(pick(1, 4), 0, 0, 0);
                window->backgroundClick();
            }
        }
    } else {
        event << "tick";
        tick();
    }
    m_lastEvent = event.str();
}

void Soak::remember() {
    m_lastPlayerNo = m_form.PlayerNo;
    m_ledger.remember(m_form, m_host.endRequests);
    m_errors = m_host.errors.size();
}

std::string Soak::check() {
    const Form1& f = m_form;
    std::ostringstream fault;
    if (f.PickDepth < 0 || f.PickDepth > 17)
        fault << "PickDepth " << f.PickDepth;
    if (f.QuestionNo < 0 || f.QuestionNo > f.QuestionCount)
        fault << "QuestionNo " << f.QuestionNo << " of " << f.QuestionCount;
    if (f.PlayerNo < 0 || f.PlayerNo > 100)
        fault << "PlayerNo " << f.PlayerNo;
    if (f.PlayerNo < m_lastPlayerNo && !(m_event.reset && f.PlayerNo == 1))
        fault << "PlayerNo fell from " << m_lastPlayerNo << " to " << f.PlayerNo;
    for (const FlexGrid* grid : {&f.Grid1, &f.Grid2}) {
        if (!grid->isDataCell(grid->Row, grid->Col))
            fault << utf16ToUtf8(grid->Name) << " current cell " << grid->Row << "," << grid->Col;
    }
    if (m_host.randomizeCalls != m_shuffles) {
        m_shuffles = m_host.randomizeCalls;
        m_shuffledCount = f.QuestionCount;
    }
    // A reload to another number of questions leaves the old order until the next shuffle.
    const int shuffled = f.QuestionCount == m_shuffledCount ? m_shuffledCount : 0;
    std::vector<bool> seen(static_cast<std::size_t>(shuffled) + 1, false);
    for (int r = 1; r <= shuffled; ++r) {
        const int word = f.WordOrder(r);
        if (word < 1 || word > shuffled || seen[static_cast<std::size_t>(word)])
            fault << "WordOrder is no permutation at row " << r;
        else
            seen[static_cast<std::size_t>(word)] = true;
    }
    fault << m_ledger.changes(f, m_event, m_host.endRequests, verdicts);
    if (m_host.errors.size() != m_errors && m_beforeReload) {
        const std::string changed = differences(*m_beforeReload, GameSnapshot::of(f));
        if (!changed.empty())
            fault << "a refused reload changed:\n" << changed;
    }
    return fault.str();
}

std::string Soak::step() {
    // Between two events, now and then, the folder is struck or mended.
    if (m_faulty && pick(0, 24) == 0) {
        m_lastFault = m_faults.strike(m_random);
        m_host.folderGone = m_faults.nameless();
    }
    m_event = {};
    m_beforeReload.reset();
    try {
        act();
    } catch (const std::exception& error) {
        return m_lastEvent + ": exception " + error.what();
    }
    std::string fault = check();
    remember();
    return fault.empty() ? fault : m_lastEvent + " (last fault: " + m_lastFault + "): " + fault;
}

} // namespace

SoakReport soak(const std::filesystem::path& quizFolder, std::uint64_t seed, std::uint64_t events,
                bool withFaults) {
    SoakReport report;
    report.seed = seed;
    Soak game(quizFolder, seed, withFaults);
    for (report.events = 0; report.events < events;) {
        ++report.events;
        report.violation = game.step();
        if (!report.violation.empty())
            break;
    }
    report.verdicts = game.verdicts;
    report.faults = game.faults();
    return report;
}

} // namespace vatro::testing
