#pragma once

#include "results/lessontable.h"

#include <QString>

class QAbstractItemModel;
class QPagedPaintDevice;

namespace vatro {

struct PrintedLesson {
    QString title; // the lesson's line
    QString note;  // under it: which pupils are shown, when not all
    GradeSummary grades;
    const QAbstractItemModel* table = nullptr; // the rows in the order shown
};

// The lesson on the device's pages, landscape: the title, the grades at a glance, and the
// table with its header on every page and the page's number under it. False when the
// device could not be painted on (a printer that refused the job).
bool printLesson(QPagedPaintDevice& device, const PrintedLesson& lesson);

} // namespace vatro
