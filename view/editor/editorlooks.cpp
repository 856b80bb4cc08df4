#include "editorlooks.h"

#include <QApplication>
#include <QStyle>

namespace vatro::editorlooks {

QIcon warningIcon() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

QIcon problemIcon() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
}

QIcon noteIcon() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
}

} // namespace vatro::editorlooks
