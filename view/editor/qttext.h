#pragma once

#include <QString>

#include <string>

namespace vatro {

// The document's texts as Qt shows them.
inline QString qt(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

} // namespace vatro
