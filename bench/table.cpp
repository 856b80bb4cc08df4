#include "table.h"

#include <algorithm>
#include <cstdio>

namespace vatro::bench {

namespace {

// Columns on the screen, not bytes: the table has Cyrillic letters, µ and ×.
std::size_t columns(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string padded(const std::string& text, std::size_t width, bool right = false) {
    const std::size_t used = columns(text);
    const std::string fill(used < width ? width - used : 0, ' ');
    return right ? fill + text : text + fill;
}

} // namespace

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string duration(double ns) {
    if (ns < 1e3)
        return format("%.1f ns", ns);
    if (ns < 1e6)
        return format("%.2f µs", ns / 1e3);
    return format("%.2f ms", ns / 1e6);
}

void Table::print() const {
    const std::vector<std::string> head = {"", "measured", "reference", "ratio", "target", ""};
    std::vector<std::size_t> width(head.size(), 0);
    for (const auto& cells : m_rows) {
        if (cells.size() == 1)
            continue;
        for (std::size_t n = 0; n < cells.size(); ++n)
            width[n] = std::max(width[n], columns(cells[n]));
    }
    for (std::size_t n = 0; n < head.size(); ++n)
        width[n] = std::max(width[n], columns(head[n]));
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text = padded(cells[0], width[0]);
        for (std::size_t n = 1; n < cells.size(); ++n)
            text += "  " + padded(cells[n], width[n], n < 4);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        std::printf("%s\n", text.c_str());
    };
    line(head);
    for (const auto& cells : m_rows) {
        if (cells.size() == 1)
            std::printf("%s\n", cells[0].c_str());
        else
            line(cells);
    }
    for (const std::string& text : m_notes)
        std::printf("%s\n", text.c_str());
}

} // namespace vatro::bench
