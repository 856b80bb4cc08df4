#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vatro {

// Windows-1251 bytes as UTF-16 text. The one byte the code page leaves undefined (0x98)
// becomes U+0098, as Windows itself maps it.
std::u16string decodeCp1251(std::string_view bytes);

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// File names and folders are UTF-8 on the systems the game runs on.
std::filesystem::path pathFromUtf8(std::string_view name);
std::u16string displayPath(const std::filesystem::path& path);

} // namespace vatro
