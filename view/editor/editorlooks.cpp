#include "editorlooks.h"

#include <QApplication>
#include <QStyle>

#include <map>

namespace vatro::editorlooks {

namespace {

// Looked up in the desktop's icon theme once, not for every cell and finding drawn. Kept to
// the program's end and never destroyed: an icon must not outlive the application.
QIcon standard(QStyle::StandardPixmap which) {
    static auto* const known = new std::map<QStyle::StandardPixmap, QIcon>;
    QIcon& icon = (*known)[which];
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(which);
    return icon;
}

} // namespace

QIcon warningIcon() {
    return standard(QStyle::SP_MessageBoxWarning);
}

QIcon problemIcon() {
    return standard(QStyle::SP_MessageBoxCritical);
}

QIcon noteIcon() {
    return standard(QStyle::SP_MessageBoxInformation);
}

} // namespace vatro::editorlooks
