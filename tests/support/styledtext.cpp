#include "styledtext.h"

#include "game/textcodec.h"

namespace vatro::testing {

void PrintTo(const Styled& run, std::ostream* os) {
    *os << (run.zone ? "<zone>" : "") << '"' << utf16ToUtf8(run.text) << "\" rgb("
        << int(run.color.r) << ',' << int(run.color.g) << ',' << int(run.color.b) << ')'
        << (run.bold ? " bold" : "");
}

Styled styled(std::u16string text, Color color, bool bold) {
    return Styled{std::move(text), color, bold, false};
}

Styled atZone(std::u16string text, Color color) {
    return Styled{std::move(text), color, false, true};
}

std::vector<Styled> styledLine(const PrintSurface& surface, std::size_t line) {
    const std::vector<PrintedLine> lines = surface.lines();
    std::vector<Styled> joined;
    if (line >= lines.size())
        return joined;
    for (const PrintRun& run : lines[line].runs) {
        if (!joined.empty() && !run.zone && joined.back().color == run.color &&
            joined.back().bold == run.bold)
            joined.back().text += run.text;
        else
            joined.push_back(Styled{run.text, run.color, run.bold, run.zone});
    }
    return joined;
}

} // namespace vatro::testing
