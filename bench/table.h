#pragma once

// The printed table: rows of figures against their references and targets, under section
// titles, with notes below.
#include <optional>
#include <string>
#include <vector>

namespace vatro::bench {

std::string format(const char* pattern, double value);
// In ns, µs or ms, whichever reads best.
std::string duration(double ns);

class Table {
public:
    void section(const std::string& title) { m_rows.push_back({title}); }
    void row(const std::string& name, const std::string& value, const std::string& reference,
             const std::string& ratio, const std::string& target, std::optional<bool> met) {
        m_rows.push_back(
            {"  " + name, value, reference, ratio, target, met ? (*met ? "ok" : "MISSED") : ""});
    }
    void note(const std::string& text) { m_notes.push_back(text); }
    void print() const;

private:
    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::string> m_notes;
};

} // namespace vatro::bench
