#include "fontmap.h"

#include <array>
#include <utility>

namespace vatro {

QString mappedFamily(const std::u16string& designedName) {
    // The windows were designed with these Windows fonts; each stand-in has Cyrillic and
    // about the same widths, so captions fit their buttons as they were meant to.
    static const std::array<std::pair<const char16_t*, const char*>, 4> standIns = {{
        {u"Arial", "Liberation Sans"},
        {u"Times New Roman", "Liberation Serif"},
        {u"MS Sans Serif", "Liberation Sans"},
        {u"Monotype Corsiva", "Z003"},
    }};
    for (const auto& [designed, installed] : standIns) {
        if (designedName == designed)
            return QString::fromLatin1(installed);
    }
    return QString::fromStdU16String(designedName);
}

QFont qtFont(const Font& font) {
    QFont result(mappedFamily(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

} // namespace vatro
