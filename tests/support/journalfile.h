#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vatro::testing {

// The cells of a journal file as a spreadsheet reads them: the byte-order mark checked and
// dropped, cells split at semicolons and rows at line ends outside double quotes, a quoted
// cell's doubled quotes made single. A file without the mark reads as no rows.
std::vector<std::vector<std::string>> spreadsheetCells(std::string_view bytes);

// The same for a file without the mark, its cells split at the separator given.
std::vector<std::vector<std::string>> csvCells(std::string_view bytes, char separator);

// The whole file; empty when it cannot be read.
std::string fileBytes(const std::filesystem::path& file);

// The names in the folder, sorted; none when it is missing.
std::vector<std::string> folderNames(const std::filesystem::path& folder);

} // namespace vatro::testing
