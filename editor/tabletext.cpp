#include "tabletext.h"

namespace vatro::editor {

namespace {

bool endsCell(char16_t c) {
    return c == u'\t' || c == u'\r' || c == u'\n';
}

// The cell that starts with a quote at pos, when the quotes are a spreadsheet's: the end of
// its closing quote, or npos when the quote belongs to the text.
std::size_t quotedCellEnd(std::u16string_view text, std::size_t pos) {
    for (std::size_t k = pos + 1; k < text.size(); ++k) {
        if (text[k] != u'"')
            continue;
        if (k + 1 < text.size() && text[k + 1] == u'"') {
            ++k; // a doubled quote inside
            continue;
        }
        return k + 1 == text.size() || endsCell(text[k + 1]) ? k + 1 : std::u16string_view::npos;
    }
    return std::u16string_view::npos;
}

// A line break inside a cell as one blank.
std::u16string oneLine(std::u16string_view text) {
    std::u16string line;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == u'\r' || text[k] == u'\n') {
            if (text[k] == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n')
                ++k;
            line += u' ';
        } else {
            line += text[k];
        }
    }
    return line;
}

} // namespace

std::vector<TableRow> readTableText(std::u16string_view text) {
    std::vector<TableRow> rows;
    TableRow row;
    std::size_t k = 0;
    while (k < text.size()) {
        std::u16string cell;
        const std::size_t quoted = text[k] == u'"' ? quotedCellEnd(text, k) : text.npos;
        if (quoted != text.npos) {
            for (std::size_t n = k + 1; n + 1 < quoted; ++n) {
                cell += text[n];
                if (text[n] == u'"')
                    ++n; // the second of a doubled quote
            }
            cell = oneLine(cell);
            k = quoted;
        } else {
            const std::size_t end = std::min(text.find_first_of(u"\t\r\n", k), text.size());
            cell = text.substr(k, end - k);
            k = end;
        }
        row.push_back(std::move(cell));
        if (k < text.size() && text[k] == u'\t') {
            ++k;
            if (k == text.size())
                row.emplace_back(); // a tab at the very end leaves an empty last cell
            continue;
        }
        if (k < text.size() && text[k] == u'\r')
            ++k;
        if (k < text.size() && text[k] == u'\n')
            ++k;
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty())
        rows.push_back(std::move(row));
    return rows;
}

std::u16string tableText(const std::vector<TableRow>& rows) {
    std::u16string text;
    for (const TableRow& row : rows) {
        for (std::size_t n = 0; n < row.size(); ++n) {
            const std::u16string& cell = row[n];
            if (n > 0)
                text += u'\t';
            if (cell.find_first_of(u"\t\r\n\"") == std::u16string::npos) {
                text += cell;
                continue;
            }
            text += u'"';
            for (char16_t c : cell)
                text += c == u'"' ? std::u16string(u"\"\"") : std::u16string(1, c);
            text += u'"';
        }
        text += u'\n';
    }
    return text;
}

bool isTableText(std::u16string_view text) {
    // A line end after the only line is what a spreadsheet adds to one copied cell.
    const std::size_t end = text.find_last_not_of(u"\r\n");
    const std::u16string_view body = text.substr(0, end == text.npos ? 0 : end + 1);
    return body.find_first_of(u"\t\r\n") != std::u16string_view::npos;
}

} // namespace vatro::editor
