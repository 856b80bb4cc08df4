#include "gamesnapshot.h"

#include "game/textcodec.h"

#include <algorithm>
#include <sstream>

namespace vatro::testing {

namespace {

class Recorder {
public:
    explicit Recorder(std::vector<std::string>& entries) : m_entries(entries) {}
    void add(const std::string& name, const std::u16string& value) {
        m_entries.push_back(name + "=" + utf16ToUtf8(value));
    }
    template <typename T> void add(const std::string& name, const T& value) {
        std::ostringstream text;
        text << name << "=" << value;
        m_entries.push_back(text.str());
    }
    template <typename Array>
    void addAll(const std::string& name, const Array& array, int first, int last) {
        for (int n = first; n <= last; ++n)
            add(name + "(" + std::to_string(n) + ")", array(n));
    }
    void addGrid(const std::string& name, const FlexGrid& grid) {
        for (int row = 0; row < grid.Rows(); ++row)
            for (int col = 0; col < grid.Cols(); ++col)
                add(name + "(" + std::to_string(row) + "," + std::to_string(col) + ")",
                    grid.TextMatrix(row, col));
        add(name + ".Row", grid.Row);
        add(name + ".Col", grid.Col);
    }

private:
    std::vector<std::string>& m_entries;
};

} // namespace

GameSnapshot GameSnapshot::of(const Form1& f) {
    GameSnapshot snapshot;
    Recorder r(snapshot.entries);
    for (int row = 1; row <= 17; ++row)
        for (int col = 1; col <= 20; ++col)
            r.add("Letters(" + std::to_string(row) + "," + std::to_string(col) + ")",
                  f.Letters(row, col));
    r.addAll("Questions", f.Questions, 1, 50);
    r.addAll("Answers", f.Answers, 1, 50);
    r.addAll("WordOrder", f.WordOrder, 1, 50);
    r.add("QuestionCount", f.QuestionCount);
    r.add("QuestionNo", f.QuestionNo);
    r.add("Answer", f.Answer);
    r.add("PickDepth", f.PickDepth);
    r.add("AnswerPending", f.AnswerPending);
    r.add("UndoAllowed", f.UndoAllowed);
    r.add("Percent", f.Percent);
    r.add("StartTime", f.StartTime);
    r.add("StartTimer", f.StartTimer);
    r.add("Elapsed", f.Elapsed);
    r.add("TimeLimit", f.TimeLimit);
    r.add("PlayerNo", f.PlayerNo);
    r.addAll("PlayerName", f.PlayerName, 1, 100);
    r.addAll("Points", f.Points, 1, 100);
    r.addAll("Mistakes", f.Mistakes, 1, 100);
    r.addAll("MinutesUsed", f.MinutesUsed, 1, 100);
    r.addAll("SecondsUsed", f.SecondsUsed, 1, 100);
    r.addAll("Grade", f.Grade, 1, 100);
    r.add("ClickShowsLevels", f.ClickShowsLevels);
    for (const Control* control : f.controls) {
        const std::string name = utf16ToUtf8(control->Name);
        r.add(name + ".Visible", control->Visible);
        r.add(name + ".Enabled", control->Enabled);
    }
    r.add("Option1.Value", f.Option1.Value());
    r.add("Option2.Value", f.Option2.Value());
    r.add("Option3.Value", f.Option3.Value());
    r.add("Text2.Text", f.Text2.Text);
    r.addGrid("Grid1", f.Grid1);
    r.addGrid("Grid2", f.Grid2);
    return snapshot;
}

namespace {
std::string namesWhere(const Form1& form, bool (*test)(const Control&)) {
    std::vector<std::string> names;
    for (const Control* control : form.controls)
        if (test(*control))
            names.push_back(utf16ToUtf8(control->Name));
    std::sort(names.begin(), names.end());
    std::string result;
    for (const std::string& name : names)
        result += (result.empty() ? "" : " ") + name;
    return result;
}
} // namespace

std::string shownControls(const Form1& form) {
    return namesWhere(form, [](const Control& c) { return c.Visible; });
}

std::string disabledControls(const Form1& form) {
    return namesWhere(form, [](const Control& c) { return !c.Enabled; });
}

std::string differences(const GameSnapshot& before, const GameSnapshot& after) {
    std::string result;
    const std::size_t count = std::max(before.entries.size(), after.entries.size());
    for (std::size_t n = 0; n < count; ++n) {
        const std::string a = n < before.entries.size() ? before.entries[n] : "(none)";
        const std::string b = n < after.entries.size() ? after.entries[n] : "(none)";
        if (a != b)
            result += a + "  ->  " + b + "\n";
    }
    return result;
}

} // namespace vatro::testing
