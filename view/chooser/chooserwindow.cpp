#include "chooserwindow.h"

#include "choosermodel.h"
#include "library/newquizfolder.h"
#include "view/quiznamedialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace vatro {

ChooserWindow::ChooserWindow(std::vector<library::QuizSummary> quizzes,
                             std::optional<std::filesystem::path> sample,
                             const std::vector<std::u16string>& notices, QWidget* parent)
    : QDialog(parent), m_sample(std::move(sample)) {
    setObjectName(QStringLiteral("chooser"));
    setWindowTitle(QStringLiteral("Викторины — Ватро"));
    m_model = new ChooserModel(std::move(quizzes), this);

    auto* title = new QLabel(QStringLiteral("&Выберите викторину:"));
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("quizzes"));
    title->setBuddy(m_table);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab goes on to the buttons
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(ChooserModel::NameColumn,
                                                      QHeaderView::Stretch);
    m_table->horizontalHeader()->setHighlightSections(false);
    // Enter reaches the dialog's default button, "Играть"; a double click plays too.
    connect(m_table, &QTableView::doubleClicked, this, [this] { choose(Choice::Play); });

    auto* buttons = new QDialogButtonBox;
    m_play = buttons->addButton(QStringLiteral("&Играть"), QDialogButtonBox::AcceptRole);
    m_play->setDefault(true);
    m_edit = buttons->addButton(QStringLiteral("&Редактировать"), QDialogButtonBox::ActionRole);
    QPushButton* create =
        buttons->addButton(QStringLiteral("&Новая викторина…"), QDialogButtonBox::ActionRole);
    create->setToolTip(QStringLiteral("Новая папка в ~/Ватро с копией примера викторины"));
    buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    connect(m_play, &QPushButton::clicked, this, [this] { choose(Choice::Play); });
    connect(m_edit, &QPushButton::clicked, this, [this] { choose(Choice::Edit); });
    connect(create, &QPushButton::clicked, this, [this] { makeNewQuiz(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_table, 1);
    for (const std::u16string& notice : notices) {
        auto* said = new QLabel(QString::fromStdU16String(notice));
        said->setWordWrap(true);
        said->setStyleSheet(QStringLiteral("color: #8a4b00"));
        said->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(said);
    }
    layout->addWidget(buttons);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { currentChanged(); });
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    currentChanged();
    m_table->setFocus();
    const int width = m_table->horizontalHeader()->length() +
                      fontMetrics().averageCharWidth() * 24 + 2 * m_table->frameWidth();
    resize(std::max(width, 640), 360);
}

const library::QuizSummary* ChooserWindow::current() const {
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? &m_model->quiz(index.row()) : nullptr;
}

void ChooserWindow::currentChanged() {
    const library::QuizSummary* quiz = current();
    m_play->setEnabled(quiz != nullptr);
    // The sample lies among the programs, where nobody may write: a copy of it is edited.
    const bool sample = quiz && quiz->place.home == library::Home::Sample;
    m_edit->setEnabled(quiz != nullptr && !sample);
    m_edit->setToolTip(sample ? QStringLiteral("Пример не меняют: «Новая викторина…» делает "
                                               "из него свою, её и редактируйте.")
                              : QString());
}

void ChooserWindow::choose(Choice choice) {
    const library::QuizSummary* quiz = current();
    if (!quiz || (choice == Choice::Edit && !m_edit->isEnabled()))
        return;
    m_choice = choice;
    m_folder = quiz->place.folder;
    accept();
}

void ChooserWindow::makeNewQuiz() {
    const auto made = QuizNameDialog::ask(
        this, QStringLiteral("Новая викторина"), QStringLiteral("Создать"),
        [this](const std::filesystem::path& root, std::u16string_view name) {
            // Without the sample the new quiz starts empty, as the editor's "Создать…" does.
            return m_sample ? library::newQuizFromCopy(root, name, *m_sample)
                            : library::makeQuizFolder(root, name);
        },
        false);
    if (!made)
        return;
    // The teacher goes on to make it her own.
    m_choice = Choice::Edit;
    m_folder = made->folder;
    accept();
}

} // namespace vatro
