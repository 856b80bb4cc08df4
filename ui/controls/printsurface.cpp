#include "printsurface.h"

#include "quiz/numbertext.h"

namespace vatro {

PrintItem PrintItem::number(long long value) {
    return PrintItem(printedNumber(value));
}

std::u16string PrintedLine::text() const {
    std::u16string result;
    for (const PrintRun& run : runs) {
        if (run.zone)
            result += u'\t';
        result += run.text;
    }
    return result;
}

void PrintSurface::push(PrintOp op) {
    m_ops.push_back(std::move(op));
    ++m_revision;
}

void PrintSurface::Cls() {
    m_ops.clear();
    m_lineBreaks = 0;
    ++m_revision;
    // The colour and weight in force carry over to what is printed after the clear.
    if (m_color != m_designColor)
        m_ops.push_back({PrintOp::Kind::Color, {}, m_color, false, 0});
    if (m_bold)
        m_ops.push_back({PrintOp::Kind::Bold, {}, {}, true, 0});
}

void PrintSurface::reset() {
    // Back to the design colour and weight first, so the clear carries nothing over.
    m_color = m_designColor;
    m_bold = false;
    Cls();
}

void PrintSurface::setForeColor(Color color) {
    if (color == m_color)
        return;
    m_color = color;
    if (m_lineBreaks < MaxLines)
        push({PrintOp::Kind::Color, {}, color, false, 0});
}

void PrintSurface::setFontBold(bool bold) {
    if (bold == m_bold)
        return;
    m_bold = bold;
    if (m_lineBreaks < MaxLines)
        push({PrintOp::Kind::Bold, {}, {}, bold, 0});
}

void PrintSurface::setCurrentX(double twips) {
    push({PrintOp::Kind::MoveX, {}, {}, false, twips});
}

void PrintSurface::setCurrentY(double twips) {
    m_lineBreaks = 0; // an explicit position starts counting lines afresh
    push({PrintOp::Kind::MoveY, {}, {}, false, twips});
}

void PrintSurface::Print(std::initializer_list<PrintItem> items, bool continueLine) {
    Print(std::vector<PrintItem>(items), continueLine);
}

void PrintSurface::Print(const std::vector<PrintItem>& items, bool continueLine) {
    if (m_lineBreaks >= MaxLines)
        return;
    for (const PrintItem& item : items) {
        if (item.kind == PrintItem::Kind::Zone)
            push({PrintOp::Kind::Zone, {}, {}, false, 0});
        else if (!item.text.empty())
            push({PrintOp::Kind::Text, item.text, {}, false, 0});
    }
    if (!continueLine) {
        push({PrintOp::Kind::NewLine, {}, {}, false, 0});
        ++m_lineBreaks;
    }
}

std::vector<PrintedLine> PrintSurface::lines() const {
    std::vector<PrintedLine> result;
    PrintedLine current;
    bool open = false;
    Color color = m_designColor;
    bool bold = false;
    bool zonePending = false;
    for (const PrintOp& op : m_ops) {
        switch (op.kind) {
        case PrintOp::Kind::Color:
            color = op.color;
            break;
        case PrintOp::Kind::Bold:
            bold = op.flag;
            break;
        case PrintOp::Kind::MoveX:
            current.x = op.twips;
            break;
        case PrintOp::Kind::MoveY:
            current.y = op.twips;
            break;
        case PrintOp::Kind::Zone:
            zonePending = true;
            open = true;
            break;
        case PrintOp::Kind::Text:
            current.runs.push_back({op.text, color, bold, zonePending});
            zonePending = false;
            open = true;
            break;
        case PrintOp::Kind::NewLine:
            if (zonePending)
                current.runs.push_back({u"", color, bold, true});
            zonePending = false;
            result.push_back(std::move(current));
            current = PrintedLine{};
            open = false;
            break;
        }
    }
    if (open || current.x || current.y)
        result.push_back(std::move(current));
    return result;
}

std::vector<std::u16string> PrintSurface::texts() const {
    std::vector<std::u16string> result;
    for (const PrintedLine& line : lines())
        result.push_back(line.text());
    return result;
}

} // namespace vatro
