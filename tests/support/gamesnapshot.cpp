#include "gamesnapshot.h"

#include "quiz/textcodec.h"

#include <algorithm>
#include <sstream>

namespace vatro::testing {

namespace {
std::string text(const std::u16string& value) {
    return utf16ToUtf8(value);
}
template <typename T> std::string text(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}
} // namespace

GameSnapshot GameSnapshot::of(const Form1& f) {
    GameSnapshot snapshot;
    const auto add = [&](const std::string& name, const auto& value) {
        snapshot.entries.push_back(name + "=" + text(value));
    };
    const auto addAll = [&](const std::string& name, const auto& array) {
        for (int n = array.first; n <= array.last; ++n)
            add(name + "(" + std::to_string(n) + ")", array(n));
    };
    for (int row = 1; row <= 17; ++row)
        for (int col = 1; col <= 20; ++col)
            add("Letters(" + std::to_string(row) + "," + std::to_string(col) + ")",
                f.Letters(row, col));
    addAll("Questions", f.Questions);
    addAll("Answers", f.Answers);
    addAll("WordOrder", f.WordOrder);
    addAll("PlayerName", f.PlayerName);
    addAll("Points", f.Points);
    addAll("Mistakes", f.Mistakes);
    addAll("MinutesUsed", f.MinutesUsed);
    addAll("SecondsUsed", f.SecondsUsed);
    addAll("Grade", f.Grade);
    add("QuestionCount", f.QuestionCount);
    add("QuestionNo", f.QuestionNo);
    add("Answer", f.Answer);
    add("PickDepth", f.PickDepth);
    add("AnswerPending", f.AnswerPending);
    add("UndoAllowed", f.UndoAllowed);
    add("Percent", f.Percent);
    add("StartTime", f.StartTime);
    add("StartTimer", f.StartTimer);
    add("Elapsed", f.Elapsed);
    add("TimeLimit", f.TimeLimit);
    add("PlayerNo", f.PlayerNo);
    add("ClickShowsLevels", f.ClickShowsLevels);
    for (const Control* control : f.controls) {
        add(text(control->Name) + ".Visible", control->Visible);
        add(text(control->Name) + ".Enabled", control->Enabled);
    }
    for (const OptionButton* option : {&f.Option1, &f.Option2, &f.Option3})
        add(text(option->Name) + ".Value", option->Value());
    add("Text2.Text", f.Text2.Text);
    for (const FlexGrid* grid : {&f.Grid1, &f.Grid2}) {
        const std::string name = text(grid->Name);
        for (int row = 0; row < grid->Rows(); ++row)
            for (int col = 0; col < grid->Cols(); ++col)
                add(name + "(" + std::to_string(row) + "," + std::to_string(col) + ")",
                    grid->TextMatrix(row, col));
        add(name + ".Row", grid->Row);
        add(name + ".Col", grid->Col);
    }
    return snapshot;
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
