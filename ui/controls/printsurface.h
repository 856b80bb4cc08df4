#pragma once

#include "color.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vatro {

// One item of a Print: a text (numbers come already formatted) or a zone advance.
struct PrintItem {
    enum class Kind { Text, Zone };
    Kind kind = Kind::Text;
    std::u16string text;

    PrintItem(std::u16string value) : text(std::move(value)) {}
    PrintItem(const char16_t* value) : text(value) {}
    static PrintItem number(long long value);
    static PrintItem zone() {
        PrintItem item(u"");
        item.kind = Kind::Zone;
        return item;
    }
};

// One step of the display list that the view replays with real font metrics.
struct PrintOp {
    enum class Kind { Text, Zone, NewLine, Color, Bold, MoveX, MoveY };
    Kind kind;
    std::u16string text; // Text
    Color color{};       // Color
    bool flag = false;   // Bold
    double twips = 0;    // MoveX, MoveY
};

// A stretch of printed text in one colour and weight.
struct PrintRun {
    std::u16string text;
    Color color;
    bool bold = false;
    bool zone = false; // starts at the next print zone
    friend bool operator==(const PrintRun&, const PrintRun&) = default;
};

// A printed line as a reader sees it, with the position set before it began, if any.
struct PrintedLine {
    std::optional<double> x;
    std::optional<double> y;
    std::vector<PrintRun> runs;
    // The text of the line; a zone advance reads as a tab.
    std::u16string text() const;
};

// The text a window prints on its client area, kept as a display list.
class PrintSurface {
public:
    explicit PrintSurface(Color foreColor = colors::Black) : m_designColor(foreColor) {
        m_color = foreColor;
    }

    // Erases everything and returns the print position to the top-left corner.
    void Cls();
    void setForeColor(Color color);
    Color ForeColor() const { return m_color; }
    void setFontBold(bool bold);
    bool FontBold() const { return m_bold; }
    void setCurrentX(double twips);
    void setCurrentY(double twips);

    // Prints the items; unless continueLine, the position then moves to the next line.
    void Print(std::initializer_list<PrintItem> items = {}, bool continueLine = false);
    void Print(const std::vector<PrintItem>& items, bool continueLine = false);

    // Back to the state of a freshly created window.
    void reset();

    // The display list since the last clear; it starts in designColor(), not bold.
    const std::vector<PrintOp>& ops() const { return m_ops; }
    Color designColor() const { return m_designColor; }
    // Changes whenever the display list changes, so a view redraws only then.
    unsigned long long revision() const { return m_revision; }

    // The printed lines, for readers of the surface; a line still open counts too.
    std::vector<PrintedLine> lines() const;
    // Just the texts of lines().
    std::vector<std::u16string> texts() const;

    // Lines beyond this many since the last clear lie far below any screen; they are
    // not kept, so a window printed on forever does not grow without bound.
    static constexpr int MaxLines = 2000;

private:
    void push(PrintOp op);

    Color m_designColor;
    Color m_color;
    bool m_bold = false;
    int m_lineBreaks = 0;
    std::vector<PrintOp> m_ops;
    unsigned long long m_revision = 0;
};

} // namespace vatro
