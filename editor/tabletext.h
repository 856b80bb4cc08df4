#pragma once
// Tables as spreadsheets put them on the clipboard as text (LibreOffice Calc, Excel, a table
// of a word processor): a line a row, a tab between cells, and a cell that holds a line
// break, a tab or a double quote put in double quotes, its own quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace vatro::editor {

using TableRow = std::vector<std::u16string>;

// The rows of the text. Quotes around a cell are taken off only when they close right
// before a tab or a line end, so a question that merely begins with a quote keeps it; a line
// break inside a cell becomes one blank, since a quiz record is shown as one line. The line
// end after the last row makes no row of its own.
std::vector<TableRow> readTableText(std::u16string_view text);

// The rows as a spreadsheet pastes them back: cells quoted where they must be.
std::u16string tableText(const std::vector<TableRow>& rows);

// Whether text pasted into one cell is a table (a tab or a line break in it) rather than
// the text of that cell.
bool isTableText(std::u16string_view text);

} // namespace vatro::editor
