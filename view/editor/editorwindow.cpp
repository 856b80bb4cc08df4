#include "editorwindow.h"

#include "boardmodel.h"
#include "boardview.h"
#include "celldelegate.h"
#include "pairsmodel.h"
#include "view/fontmap.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace vatro {

namespace {

QLabel* sectionTitle(const QString& text) {
    auto* title = new QLabel(text);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    title->setFont(font);
    return title;
}

QLabel* quietLabel() {
    auto* label = new QLabel;
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A titled part of the window: the title and what stands beside it, then the content.
QWidget* panel(QLayout* header, QWidget* content, QWidget* footer = nullptr) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(6);
    layout->addLayout(header);
    layout->addWidget(content, 1);
    if (footer)
        layout->addWidget(footer);
    return widget;
}

QHBoxLayout* headerRow(QLabel* title, std::initializer_list<QWidget*> beside) {
    auto* row = new QHBoxLayout;
    row->addWidget(title);
    row->addStretch(1);
    for (QWidget* widget : beside)
        row->addWidget(widget);
    return row;
}

} // namespace

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_pairsModel = new PairsModel(m_document, this);
    m_boardModel = new BoardModel(m_document, this);
    m_document.changed = [this](editor::QuizPart part) { documentChanged(part); };
    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(0);
    connect(&m_statusTimer, &QTimer::timeout, this, [this] { refreshStatus(); });

    buildActions();
    auto* top = new QSplitter(Qt::Horizontal);
    top->addWidget(buildPairsPanel());
    top->addWidget(buildBoardPanel());
    top->setStretchFactor(0, 5);
    top->setStretchFactor(1, 4);
    auto* bottom = new QSplitter(Qt::Horizontal);
    bottom->addWidget(buildHelpPanel());
    bottom->addWidget(buildFindingsPanel());
    bottom->setStretchFactor(0, 4);
    bottom->setStretchFactor(1, 5);
    auto* whole = new QSplitter(Qt::Vertical);
    whole->addWidget(top);
    whole->addWidget(bottom);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    whole->setChildrenCollapsible(false);
    setCentralWidget(whole);
    statusBar()->setSizeGripEnabled(true);
    // A message too long for one line wraps instead of running past the window's edge: the
    // label takes the whole bar, where the bar would paint the message on one line.
    auto* message = new QLabel;
    message->setObjectName(QStringLiteral("statusMessage"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(message, 1);
    connect(statusBar(), &QStatusBar::messageChanged, message, &QLabel::setText);

    drawTexts(false);
    refreshTitle();
    showHelpText();

    const QSize wanted(1200, 800);
    if (const QScreen* screen = QApplication::primaryScreen())
        resize(wanted.boundedTo(screen->availableSize() * 0.92));
    else
        resize(wanted);
    m_pairs->setFocus();
}

EditorWindow::~EditorWindow() {
    // The tables read the document, which goes before the window's children do: they go
    // first, and the document tells no one of anything any more.
    m_document.changed = nullptr;
    delete takeCentralWidget();
    delete m_pairsModel;
    delete m_boardModel;
}

CellDelegate* EditorWindow::tableCells(QTableView* table) {
    auto* cells = new CellDelegate(table);
    cells->pastesTable = [this, table](const QModelIndex& cell, const QString& text) {
        pasteTable(table, cell, text);
    };
    return cells;
}

QWidget* EditorWindow::buildPairsPanel() {
    m_pairs = new QTableView;
    m_pairs->setObjectName(QStringLiteral("pairs"));
    m_pairs->setAccessibleName(QStringLiteral("Вопросы и ответы"));
    m_pairs->setModel(m_pairsModel);
    m_pairs->setItemDelegate(tableCells(m_pairs));
    m_pairs->setAlternatingRowColors(true);
    m_pairs->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pairs->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_pairs->setWordWrap(false);
    m_pairs->horizontalHeader()->setSectionResizeMode(PairsModel::QuestionColumn,
                                                      QHeaderView::Stretch);
    m_pairs->horizontalHeader()->setSectionResizeMode(PairsModel::AnswerColumn,
                                                      QHeaderView::Interactive);
    m_pairs->horizontalHeader()->resizeSection(PairsModel::AnswerColumn,
                                               m_pairs->fontMetrics().averageCharWidth() * 24);
    m_pairs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pairs->verticalHeader()->setDefaultSectionSize(m_pairs->fontMetrics().height() + 10);
    m_pairs->setToolTip(QStringLiteral("Вопрос и его ответ стоят в одной строке. Начните "
                                       "печатать или нажмите F2, чтобы изменить клетку."));
    m_pairCounts = quietLabel();
    m_pairCounts->setObjectName(QStringLiteral("pairCounts"));

    auto* footer = new QWidget;
    auto* buttons = new QHBoxLayout(footer);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QAction* action : {m_addPair, m_insertPair, m_deletePair, m_moveUp, m_moveDown}) {
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    return panel(headerRow(sectionTitle(QStringLiteral("Вопросы и ответы")), {m_pairCounts}),
                 m_pairs, footer);
}

QWidget* EditorWindow::buildBoardPanel() {
    auto* board = new BoardView;
    m_board = board;
    m_board->setObjectName(QStringLiteral("board"));
    m_board->setAccessibleName(QStringLiteral("Табло букв"));
    m_board->setModel(m_boardModel);
    m_board->setItemDelegate(tableCells(m_board));
    QFont letters = qtFont(Font{u"Times New Roman", 12, true, false});
    m_board->setFont(letters);
    m_board->setToolTip(QStringLiteral("Печатайте буквы подряд: каждая встаёт в свою клетку, "
                                       "Backspace стирает предыдущую, Delete — выбранные."));

    m_seed = new QSpinBox;
    m_seed->setObjectName(QStringLiteral("seed"));
    m_seed->setRange(1, 999999);
    m_seed->setValue(static_cast<int>(editor::newBoardSeed()));
    m_seed->setToolTip(QStringLiteral("С тем же числом и теми же ответами табло собирается "
                                      "так же, буква в букву."));
    auto* seedLabel = new QLabel(QStringLiteral("Число для перемешивания:"));
    seedLabel->setBuddy(m_seed);
    auto* build = new QPushButton(QStringLiteral("Собрать табло"));
    build->setObjectName(QStringLiteral("buildBoard"));
    build->setToolTip(QStringLiteral("Все буквы всех ответов, лишние буквы до полных рядов, "
                                     "перемешанные (Ctrl+B)"));
    connect(build, &QPushButton::clicked, this, [this] { buildBoard(); });

    m_boardSummary = quietLabel();
    m_boardSummary->setObjectName(QStringLiteral("boardSummary"));
    m_boardSummary->setWordWrap(true);
    return panel(headerRow(sectionTitle(QStringLiteral("Табло букв")), {seedLabel, m_seed, build}),
                 m_board, m_boardSummary);
}

QWidget* EditorWindow::buildHelpPanel() {
    m_help = new QPlainTextEdit;
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setAccessibleName(QStringLiteral("Справка"));
    // The help window neither wraps nor scrolls: a line is what a record shows.
    m_help->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_help->setTabChangesFocus(true);
    // Undo belongs to the document, over every part of the quiz: the keys go to the window.
    m_help->setUndoRedoEnabled(false);
    m_help->installEventFilter(this);
    m_help->setPlaceholderText(QStringLiteral("Текст кнопки «Дополнительно» окна справки: "
                                              "каждая строка здесь — строка окна."));
    connect(m_help, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showingHelp)
            m_document.setHelpText(m_help->toPlainText().toStdU16String());
    });
    m_helpCount = quietLabel();
    m_helpCount->setObjectName(QStringLiteral("helpCount"));
    return panel(headerRow(sectionTitle(QStringLiteral("Справка")), {m_helpCount}), m_help);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_help && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const QAction* action : {m_undo, m_redo}) {
            for (const QKeySequence& shortcut : action->shortcuts()) {
                if (QKeySequence(key->keyCombination()) == shortcut)
                    return true; // not claimed by the text: the window's action runs
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget* EditorWindow::buildFindingsPanel() {
    m_findings = new QListWidget;
    m_findings->setObjectName(QStringLiteral("findings"));
    m_findings->setAccessibleName(QStringLiteral("Замечания"));
    m_findings->setWordWrap(true);
    m_findings->setAlternatingRowColors(true);
    const int iconSize = m_findings->style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_findings->setIconSize(QSize(iconSize, iconSize));
    m_findings->setToolTip(QStringLiteral("Enter или щелчок по замечанию показывает место, "
                                          "о котором оно."));
    connect(m_findings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseFinding(m_findings->row(item)); });
    connect(m_findings, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseFinding(m_findings->row(item)); });
    m_findingsTitle = sectionTitle(QString());
    m_findingsTitle->setObjectName(QStringLiteral("findingsTitle"));
    return panel(headerRow(m_findingsTitle, {}), m_findings);
}

} // namespace vatro
