#include "qttranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vatro {

namespace {

// Qt's Russian catalogue files the file dialog's type names ("Folder", "Drive", "File")
// under the dialog, where Qt 6 looks them up under its icon provider: they are asked of the
// dialog's entries.
class MovedTranslations : public QTranslator {
public:
    MovedTranslations(const QTranslator& qtbase, QObject* parent)
        : QTranslator(parent), m_qtbase(qtbase) {}
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0)
            return m_qtbase.translate("QFileDialog", source, disambiguation, n);
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    const QTranslator& m_qtbase;
};

} // namespace

void translateQtTexts() {
    static bool read = false;
    if (read || !QCoreApplication::instance())
        return;
    read = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        // Installed later, asked first.
        QCoreApplication::installTranslator(
            new MovedTranslations(*translator, QCoreApplication::instance()));
    } else {
        delete translator;
    }
}

void processCommandLine(QCommandLineParser& options, const QCoreApplication& app) {
    if (!options.parse(QCoreApplication::arguments()) || options.isSet(QStringLiteral("help")))
        translateQtTexts();
    options.process(app);
}

} // namespace vatro
