#pragma once

#include "ui/controls/font.h"

#include <QFont>
#include <QString>

namespace vatro {

// The installed family with Cyrillic glyphs that stands in for a designed Windows font.
QString mappedFamily(const std::u16string& designedName);

// The designed font as a Qt font: mapped family, the designed point size, weight and slant.
QFont qtFont(const Font& font);

} // namespace vatro
