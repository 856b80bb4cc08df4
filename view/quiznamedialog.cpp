#include "quiznamedialog.h"

#include "library/quizlibrary.h"
#include "quiz/textcodec.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vatro {

namespace {

// ~/… as a teacher reads her folders.
QString shortPath(const std::filesystem::path& path) {
    QString text = QString::fromStdU16String(displayPath(path));
    const QString home = QDir::homePath();
    if (text == home || text.startsWith(home + QLatin1Char('/')))
        text = QStringLiteral("~") + text.mid(home.size());
    return text;
}

} // namespace

QuizNameDialog::QuizNameDialog(QWidget* parent, const QString& title, const QString& acceptText,
                               std::optional<std::filesystem::path> root, FolderMaker make,
                               bool otherFolder)
    : QDialog(parent), m_root(std::move(root)), m_make(std::move(make)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("quizName"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setPlaceholderText(QStringLiteral("например, Оптика"));
    m_where = new QLabel;
    m_where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->hide();

    auto* form = new QFormLayout;
    auto* nameLabel = new QLabel(QStringLiteral("&Название:"));
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);
    form->addRow(QStringLiteral("Папка:"), m_where);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    if (otherFolder) {
        QPushButton* other =
            buttons->addButton(QStringLiteral("&Другая папка…"), QDialogButtonBox::ActionRole);
        other->setToolTip(QStringLiteral("Любая пустая папка вместо новой в ~/Ватро"));
        connect(other, &QPushButton::clicked, this, [this] { chooseOtherFolder(); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QuizNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        m_problem->hide();
        showWhere();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    showWhere();
    m_name->setFocus();
}

void QuizNameDialog::showWhere() {
    if (!m_root) {
        m_where->setText(QStringLiteral("нет домашней папки"));
        return;
    }
    const QString name = m_name->text().trimmed();
    m_where->setText(shortPath(*m_root) + QLatin1Char('/') +
                     (name.isEmpty() ? QStringLiteral("…") : name));
}

void QuizNameDialog::accept() {
    const library::NewFolder made =
        m_root ? m_make(*m_root, m_name->text().toStdU16String())
               : library::NewFolder{std::nullopt, u"Нет домашней папки, а в ней папки «Ватро»: "
                                                  u"выберите «Другая папка…»."};
    if (!made.folder) {
        m_problem->setText(QString::fromStdU16String(made.problem));
        m_problem->show();
        adjustSize(); // the reason is read whole, never squeezed
        m_name->setFocus();
        m_name->selectAll();
        return;
    }
    m_chosen = Chosen{*made.folder, true};
    QDialog::accept();
}

void QuizNameDialog::chooseOtherFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Пустая папка для викторины"), QDir::homePath());
    if (folder.isEmpty())
        return;
    m_chosen = Chosen{pathFromUtf8(folder.toStdString()), false};
    QDialog::accept();
}

std::optional<QuizNameDialog::Chosen> QuizNameDialog::ask(QWidget* parent, const QString& title,
                                                          const QString& acceptText,
                                                          FolderMaker make, bool otherFolder) {
    QuizNameDialog dialog(parent, title, acceptText, library::ownQuizRoot(), std::move(make),
                          otherFolder);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace vatro
