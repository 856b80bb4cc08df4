#include "journalfile.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vatro::testing {

std::vector<std::vector<std::string>> spreadsheetCells(std::string_view bytes) {
    if (!bytes.starts_with("\xEF\xBB\xBF"))
        return {};
    return csvCells(bytes.substr(3), ';');
}

std::vector<std::vector<std::string>> csvCells(std::string_view bytes, char separator) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (quoted && c == '"' && at + 1 < bytes.size() && bytes[at + 1] == '"') {
            cell += '"';
            ++at;
        } else if (c == '"' && (quoted || cell.empty())) {
            quoted = !quoted;
        } else if (!quoted && c == separator) {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (!quoted && (c == '\n' || bytes.substr(at).starts_with("\r\n"))) {
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            at += c == '\r' ? 1 : 0;
        } else {
            cell += c;
        }
    }
    return rows;
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> folderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vatro::testing
