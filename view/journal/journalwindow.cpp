#include "journalwindow.h"

#include "gradechart.h"
#include "lessonmodel.h"
#include "quiz/textcodec.h"
#include "view/editor/qttext.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

namespace vatro {

namespace {

QLabel* sectionTitle(const QString& text, QWidget* buddy) {
    auto* title = new QLabel(text);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    title->setBuddy(buddy);
    return title;
}

QAction* menuAction(QMenu* menu, const QString& text, const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    return action;
}

} // namespace

JournalWindow::JournalWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("journal"));
    setWindowTitle(QStringLiteral("Журнал класса — Ватро"));

    m_lessonList = new QListWidget;
    m_lessonList->setObjectName(QStringLiteral("lessons"));
    m_lessonList->setSpacing(3);
    connect(m_lessonList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < lessonCount())
            showLesson(lessonCount() - 1 - row);
    });
    auto* lessonsPanel = new QWidget;
    auto* lessonsLayout = new QVBoxLayout(lessonsPanel);
    lessonsLayout->setContentsMargins(8, 8, 4, 8);
    lessonsLayout->addWidget(sectionTitle(QStringLiteral("&Уроки"), m_lessonList));
    lessonsLayout->addWidget(m_lessonList, 1);

    m_model = new LessonModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(LessonModel::SortRole);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterKeyColumn(LessonModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, [this] { refreshStatus(); });
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, [this] { refreshStatus(); });
    connect(m_proxy, &QAbstractItemModel::modelReset, this, [this] { refreshStatus(); });

    m_tableView = new QTableView;
    m_tableView->setObjectName(QStringLiteral("pupils"));
    m_tableView->setModel(m_proxy);
    m_tableView->setSortingEnabled(true);
    m_tableView->sortByColumn(LessonModel::ComputerColumn, Qt::AscendingOrder);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setAlternatingRowColors(true);
    m_tableView->setWordWrap(false);
    m_tableView->verticalHeader()->hide();
    m_tableView->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * 3 / 2);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableView->horizontalHeader()->setStretchLastSection(true);

    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(QStringLiteral("часть фамилии или названия команды"));
    connect(m_filter, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_proxy->setFilterFixedString(text); });

    m_lessonTitle = new QLabel;
    m_lessonTitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont titleFont = m_lessonTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    m_lessonTitle->setFont(titleFont);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("&Найти ученика:"));
    filterLabel->setBuddy(m_filter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);

    auto* tablePanel = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePanel);
    tableLayout->setContentsMargins(4, 8, 8, 4);
    tableLayout->addWidget(m_lessonTitle);
    tableLayout->addLayout(filterRow);
    tableLayout->addWidget(sectionTitle(QStringLiteral("&Таблица урока"), m_tableView));
    tableLayout->addWidget(m_tableView, 1);

    m_chart = new GradeChart;
    m_chart->setObjectName(QStringLiteral("grades"));

    // The chart keeps the width its five bars need; the rest of its row stays empty.
    auto* chartRow = new QWidget;
    auto* chartLayout = new QHBoxLayout(chartRow);
    chartLayout->setContentsMargins(4, 0, 8, 4);
    chartLayout->addWidget(m_chart, 0);
    chartLayout->addStretch(1);

    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(tablePanel);
    right->addWidget(chartRow);
    right->setStretchFactor(0, 1);
    right->setChildrenCollapsible(false);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(lessonsPanel);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    setCentralWidget(split);

    m_status = new QLabel;
    statusBar()->addWidget(m_status, 1);
    buildActions();

    const int em = fontMetrics().averageCharWidth();
    const int line = fontMetrics().lineSpacing();
    lessonsPanel->setMinimumWidth(em * 30);
    split->setSizes({em * 40, em * 150});
    right->setSizes({line * 26, line * 12});
    const QSize room = screen()->availableGeometry().size() * 0.9;
    resize(std::min(em * 190, room.width()), std::min(line * 42, room.height()));
}

void JournalWindow::buildActions() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    connect(menuAction(file, QStringLiteral("Открыть папку…"), QKeySequence::Open),
            &QAction::triggered, this, [this] { chooseFolder(); });
    connect(menuAction(file, QStringLiteral("Обновить"), QKeySequence::Refresh),
            &QAction::triggered, this, [this] { reload(); });
    file->addSeparator();
    const auto lessonAction = [this, file](const QString& text, const QKeySequence& key,
                                           void (JournalWindow::*command)()) {
        QAction* action = menuAction(file, text, key);
        connect(action, &QAction::triggered, this, command);
        m_lessonActions.push_back(action);
    };
    lessonAction(QStringLiteral("Сохранить таблицу…"), QKeySequence::Save,
                 &JournalWindow::chooseFileToSave);
    lessonAction(QStringLiteral("Печать…"), QKeySequence::Print, &JournalWindow::print);
    lessonAction(QStringLiteral("Сохранить для печати в PDF…"), {},
                 &JournalWindow::choosePdfToSave);
    file->addSeparator();
    m_problemsAction = menuAction(file, QStringLiteral("Что не прочитано…"), {});
    connect(m_problemsAction, &QAction::triggered, this, [this] { showProblems(); });
    file->addSeparator();
    connect(menuAction(file, QStringLiteral("Закрыть"), QKeySequence::Close), &QAction::triggered,
            this, &QWidget::close);

    // The headers sort with a click; the menu does it from the keyboard. Choosing the
    // column sorted by again turns the order round.
    QMenu* table = menuBar()->addMenu(QStringLiteral("&Таблица"));
    connect(menuAction(table, QStringLiteral("Найти ученика"), QKeySequence::Find),
            &QAction::triggered, this, [this] {
                m_filter->setFocus();
                m_filter->selectAll();
            });
    QMenu* sort = table->addMenu(QStringLiteral("&Упорядочить по"));
    m_sortActions = new QActionGroup(this);
    for (int column = 0; column < LessonModel::ColumnCount; ++column) {
        QAction* action = sort->addAction(
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(column == LessonModel::ComputerColumn);
        m_sortActions->addAction(action);
        connect(action, &QAction::triggered, this, [this, column] { sortBy(column); });
    }
    connect(m_tableView->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column) {
                if (column >= 0 && column < m_sortActions->actions().size())
                    m_sortActions->actions()[column]->setChecked(true);
            });

    QMenu* go = menuBar()->addMenu(QStringLiteral("П&ереход"));
    connect(menuAction(go, QStringLiteral("Уроки"), QKeySequence(Qt::ALT | Qt::Key_1)),
            &QAction::triggered, this, [this] { m_lessonList->setFocus(); });
    connect(menuAction(go, QStringLiteral("Таблица урока"), QKeySequence(Qt::ALT | Qt::Key_2)),
            &QAction::triggered, this, [this] { m_tableView->setFocus(); });
    connect(menuAction(go, QStringLiteral("Поиск ученика"), QKeySequence(Qt::ALT | Qt::Key_3)),
            &QAction::triggered, this, [this] { m_filter->setFocus(); });
}

void JournalWindow::openFolders(std::vector<std::filesystem::path> folders, bool named) {
    m_folders = std::move(folders);
    m_named = named;
    m_shown = -1;
    reload();
}

void JournalWindow::reload() {
    const bool hadLesson = m_shown >= 0 && m_shown < static_cast<int>(m_lessons.size());
    const Lesson previous = hadLesson ? m_lessons[static_cast<std::size_t>(m_shown)] : Lesson{};
    m_scan = scanJournalFolders(m_folders, m_named);
    m_lessons = groupLessons(m_scan.runs);
    m_shown = -1;
    m_lessonList->blockSignals(true);
    m_lessonList->clear();
    int chosen = 0;
    for (int l = lessonCount() - 1; l >= 0; --l) {
        const Lesson& lesson = m_lessons[static_cast<std::size_t>(l)];
        // Two lines, so that a narrow list shows the whole of each.
        auto* item = new QListWidgetItem(
            qt(dateTimeText(lesson.started) + u"  " + lesson.quiz + u"\n" + lessonCounts(lesson)));
        item->setToolTip(qt(lessonLine(lesson)));
        m_lessonList->addItem(item);
        if (hadLesson && minuteNumber(lesson.started) == minuteNumber(previous.started) &&
            lesson.quiz == previous.quiz)
            chosen = m_lessonList->count() - 1;
    }
    m_lessonList->blockSignals(false);
    if (m_lessons.empty()) {
        QStringList folders;
        for (const auto& folder : m_folders)
            folders << QStringLiteral("«") + qt(displayPath(folder)) + QStringLiteral("»");
        auto* none = new QListWidgetItem(QStringLiteral("Журналов не найдено"));
        none->setFlags(Qt::NoItemFlags);
        none->setToolTip(QStringLiteral("Папки журнала: ") + folders.join(QStringLiteral(", ")));
        m_lessonList->addItem(none);
        showLesson(-1);
        return;
    }
    m_lessonList->setCurrentRow(chosen);
    showLesson(lessonCount() - 1 - chosen);
}

int JournalWindow::lessonCount() const {
    return static_cast<int>(m_lessons.size());
}

void JournalWindow::chooseLesson(int row) {
    m_lessonList->setCurrentRow(row);
}

const GradeSummary& JournalWindow::grades() const {
    return m_chart->grades();
}

void JournalWindow::setNameFilter(const QString& text) {
    m_filter->setText(text);
}

void JournalWindow::showLesson(int lessonIndex) {
    m_shown = lessonIndex;
    m_problems = m_scan.problems;
    if (lessonIndex < 0) {
        m_model->setRows({});
        m_chart->setGrades({});
        m_lessonTitle->setText(QStringLiteral("Нет урока"));
        refreshStatus();
        return;
    }
    const Lesson& lesson = m_lessons[static_cast<std::size_t>(lessonIndex)];
    LessonTable opened = openLesson(lesson, m_scan.runs);
    // A file that could not be read in the list is told once, not again for the lesson.
    for (std::u16string& problem : opened.problems) {
        if (std::find(m_problems.begin(), m_problems.end(), problem) == m_problems.end())
            m_problems.push_back(std::move(problem));
    }
    m_chart->setGrades(summarizeGrades(opened.rows));
    m_model->setRows(std::move(opened.rows));
    m_lessonTitle->setText(qt(lessonLine(lesson)));
    m_lessonTitle->setToolTip(qt(lesson.quiz));
    refreshStatus();
}

void JournalWindow::sortBy(int column) {
    const QHeaderView& header = *m_tableView->horizontalHeader();
    const Qt::SortOrder order =
        header.sortIndicatorSection() == column && header.sortIndicatorOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    m_tableView->sortByColumn(column, order);
}

void JournalWindow::refreshStatus() {
    QString text;
    if (m_shown >= 0) {
        text = m_proxy->rowCount() == m_model->rowCount()
                   ? QStringLiteral("Строк: %1").arg(m_model->rowCount())
                   : QStringLiteral("Показано строк: %1 из %2")
                         .arg(m_proxy->rowCount())
                         .arg(m_model->rowCount());
        text += QStringLiteral(" · файлов журнала: %1").arg(m_scan.runs.size());
    }
    if (!m_problems.empty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" · ")) +
                QStringLiteral("прочитано не всё: Файл → Что не прочитано…");
    m_status->setText(text);
    m_problemsAction->setEnabled(!m_problems.empty());
    for (QAction* action : m_lessonActions)
        action->setEnabled(m_shown >= 0);
}

} // namespace vatro
