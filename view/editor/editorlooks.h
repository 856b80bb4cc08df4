#pragma once
// The few colours and marks the editor's tables share, so that a warning looks the same in
// the pairs, on the board and in the findings.

#include <QColor>
#include <QIcon>

namespace vatro::editorlooks {

// A cell the game will not read as the teacher meant: a soft amber.
inline QColor warningBackground() {
    return QColor(255, 236, 179);
}
// A row that one of the two files has no record for.
inline QColor missingBackground() {
    return QColor(238, 238, 238);
}
inline QColor missingText() {
    return QColor(120, 120, 120);
}

QIcon warningIcon();
QIcon problemIcon();
QIcon noteIcon();

} // namespace vatro::editorlooks
