// What the class table reads and writes: other folders, the lesson saved as one table, and
// the lesson printed (to a PDF file where no printer is set up). Every file is written whole
// through the atomic file.
#include "journalwindow.h"

#include "gradechart.h"
#include "lessonmodel.h"
#include "lessonprint.h"
#include "quiz/atomicfile.h"
#include "quiz/textcodec.h"
#include "view/editor/qttext.h"

#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cstdio>

namespace vatro {

namespace {

std::filesystem::path chosenPath(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

PrintedLesson printedLesson(const QString& title, const QSortFilterProxyModel& table,
                            const GradeSummary& grades, const QString& filter) {
    PrintedLesson lesson{title, {}, grades, &table};
    if (!filter.isEmpty())
        lesson.note = QStringLiteral("Показаны ученики, в имени которых есть «%1»: %2 из %3.")
                          .arg(filter)
                          .arg(table.rowCount())
                          .arg(table.sourceModel()->rowCount());
    return lesson;
}

} // namespace

QString JournalWindow::lessonFileName(const char* extension) const {
    if (m_shown < 0)
        return {};
    const LocalDateTime& at = m_lessons[static_cast<std::size_t>(m_shown)].started;
    char name[64];
    std::snprintf(name, sizeof name, "Урок %04d-%02d-%02d %02d-%02d.%s", at.year, at.month, at.day,
                  at.hour, at.minute, extension);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(!documents.isEmpty() && QDir(documents).exists() ? documents
                                                                       : QDir::homePath());
    return folder.filePath(QString::fromUtf8(name));
}

void JournalWindow::chooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Папка с журналами класса"),
        m_folders.empty() ? QDir::homePath() : qt(displayPath(m_folders.front())));
    if (!folder.isEmpty())
        openFolders({chosenPath(folder)}, true);
}

std::u16string JournalWindow::saveTable(const std::filesystem::path& file) const {
    if (m_shown < 0)
        return u"Урок не выбран: сохранять нечего.";
    const auto failed = writeFileAtomically(file, lessonCsv(m_model->rows()));
    return failed ? describeFileWriteError(*failed, file) : std::u16string();
}

void JournalWindow::chooseFileToSave() {
    saveChosen(QStringLiteral("Сохранить таблицу урока"), "csv", QStringLiteral("Таблица (*.csv)"),
               QStringLiteral("Таблица сохранена: "),
               [this](const std::filesystem::path& file) { return saveTable(file); });
}

void JournalWindow::saveChosen(
    const QString& title, const char* extension, const QString& filter, const QString& done,
    const std::function<std::u16string(const std::filesystem::path&)>& save) {
    if (m_shown < 0)
        return;
    const QString file =
        QFileDialog::getSaveFileName(this, title, lessonFileName(extension), filter);
    if (file.isEmpty())
        return;
    if (const std::u16string failed = save(chosenPath(file)); !failed.empty()) {
        QMessageBox::warning(this, windowTitle(), qt(failed));
        return;
    }
    statusBar()->showMessage(done + file, 10000);
}

std::u16string JournalWindow::savePdf(const std::filesystem::path& file) const {
    if (m_shown < 0)
        return u"Урок не выбран: печатать нечего.";
    // Painted into memory first: the file is then written whole, as every file is.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(m_lessonTitle->text());
        pdf.setCreator(QStringLiteral("Ватро"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        if (!printLesson(
                pdf, printedLesson(m_lessonTitle->text(), *m_proxy, grades(), m_filter->text())))
            return u"Не удалось нарисовать страницы PDF.";
    }
    const QByteArray& data = bytes.data();
    const auto failed = writeFileAtomically(
        file, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    return failed ? describeFileWriteError(*failed, file) : std::u16string();
}

void JournalWindow::choosePdfToSave() {
    saveChosen(QStringLiteral("Сохранить для печати в PDF"), "pdf", QStringLiteral("PDF (*.pdf)"),
               QStringLiteral("PDF сохранён: "),
               [this](const std::filesystem::path& file) { return savePdf(file); });
}

void JournalWindow::print() {
    if (m_shown < 0)
        return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Принтер не настроен: урок сохраняется в PDF."),
                                 10000);
        choosePdfToSave();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_lessonTitle->text());
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать урока"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // "Печать в файл" of the dialog goes through the atomic file as well.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        if (const std::u16string failed = savePdf(chosenPath(printer.outputFileName()));
            !failed.empty())
            QMessageBox::warning(this, windowTitle(), qt(failed));
        return;
    }
    if (!printLesson(printer,
                     printedLesson(m_lessonTitle->text(), *m_proxy, grades(), m_filter->text())))
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("Принтер «%1» не принял задание.").arg(printer.printerName()));
}

void JournalWindow::showProblems() {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Что не прочитано"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("Эти файлы журнала прочитаны не целиком или пропущены. Остальные "
                                  "строки таблицы от этого не меняются.")));
    auto* lines = new QPlainTextEdit;
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QStringList text;
    for (const std::u16string& problem : m_problems)
        text << qt(problem);
    lines->setPlainText(text.join(QLatin1Char('\n')));
    layout->addWidget(lines, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(fontMetrics().averageCharWidth() * 100, fontMetrics().lineSpacing() * 20);
    dialog.exec();
}

} // namespace vatro
