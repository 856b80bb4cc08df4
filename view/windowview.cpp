#include "windowview.h"

#include "controlwidgets.h"
#include "eventguard.h"
#include "gridview.h"
#include "pictures.h"
#include "screenorder.h"
#include "twips.h"
#include "ui/controls/flexgrid.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vatro {

namespace {

std::unique_ptr<ControlView> makeControlView(Control& control, AfterEvent afterEvent,
                                             QWidget* parent) {
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return std::make_unique<ButtonView>(static_cast<CommandButton&>(control),
                                            std::move(afterEvent), parent);
    case ControlKind::OptionButton:
        return std::make_unique<OptionView>(static_cast<OptionButton&>(control),
                                            std::move(afterEvent), parent);
    case ControlKind::TextBox:
        return std::make_unique<TextView>(static_cast<TextBox&>(control), std::move(afterEvent),
                                          parent);
    case ControlKind::FlexGrid:
        return std::make_unique<GridView>(static_cast<FlexGrid&>(control), std::move(afterEvent),
                                          parent);
    }
    return nullptr;
}

} // namespace

void centreAt(QWidget& window, QPoint centre) {
    window.move(centre - QPoint(window.width() / 2, window.height() / 2));
}

// A window with an owner is of the dialog type, which the window manager keeps above its
// owner while it is open: a click on the main window never buries it. It stays modeless.
WindowView::WindowView(Window& model, QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window), m_model(model) {
    m_afterEvent = [this] { sync(); };
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    // The player may shrink the window to nothing; the controls then lie outside it.
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_client = new ClientArea(
        model, [this] { forwarded(); }, this);
    m_client->resized = [this](QSize size) { clientResized(size); };
    m_layout->addWidget(m_client);
    setMinimumSize(0, 0);
}

WindowView::~WindowView() {
    // The control widgets are children of the client area; drop our handles first.
    m_controls.clear();
}

double WindowView::dpi() const {
    return logicalDpi(*m_client);
}

void WindowView::forwarded() {
    if (m_afterEvent)
        m_afterEvent();
}

void WindowView::buildControls() {
    m_controls.clear(); // each view is its widget: this deletes the old widgets
    m_builtControls = m_model.controls;
    // The model lists its controls topmost first.
    for (auto it = m_builtControls.rbegin(); it != m_builtControls.rend(); ++it) {
        auto view = makeControlView(
            **it, [this] { forwarded(); }, m_client);
        view->widget().raise();
        m_controls.push_back(std::move(view));
    }
    m_tabOrder.clear();
}

void WindowView::syncTabOrder() {
    std::vector<QWidget*> widgets;
    for (const auto& view : m_controls)
        widgets.push_back(&view->widget());
    std::vector<QWidget*> order = inScreenOrder(std::move(widgets));
    if (order == m_tabOrder)
        return;
    m_tabOrder = std::move(order);
    for (std::size_t n = 1; n < m_tabOrder.size(); ++n)
        QWidget::setTabOrder(m_tabOrder[n - 1], m_tabOrder[n]);
}

void WindowView::syncFocus() {
    Control* wanted = m_model.takeFocusRequest();
    QWidget* widget = wanted ? widgetFor(*wanted) : nullptr;
    if (widget && wanted->isReachable()) {
        widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A window starts with the focus on its topmost control, not on whichever was built
    // first: on the main window that would be "Выход", which Space would press.
    if (focusWidget())
        return;
    for (QWidget* first : m_tabOrder) {
        const auto view = std::find_if(m_controls.begin(), m_controls.end(),
                                       [first](const auto& v) { return &v->widget() == first; });
        if ((*view)->control().isReachable() && first->focusPolicy() != Qt::NoFocus) {
            first->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void WindowView::buildMenu() {
    m_actions.clear();
    m_actionLooks.clear();
    m_builtMenu = m_model.menuBar;
    if (m_builtMenu.empty()) {
        delete m_menuBar;
        m_menuBar = nullptr;
        m_layout->setMenuBar(nullptr);
        return;
    }
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_layout->setMenuBar(m_menuBar);
    }
    m_menuBar->clear();
    auto connectEntry = [this](QAction* action, MenuEntry* entry) {
        connect(action, &QAction::triggered, this, [this, entry] {
            guardedCall([entry] { entry->click(); });
            forwarded();
        });
        m_actions.emplace_back(entry, action);
    };
    for (MenuEntry* entry : m_builtMenu) {
        if (entry->children.empty()) {
            connectEntry(m_menuBar->addAction(QString()), entry);
            continue;
        }
        QMenu* menu = m_menuBar->addMenu(QString());
        m_actions.emplace_back(entry, menu->menuAction());
        for (MenuEntry* child : entry->children)
            connectEntry(menu->addAction(QString()), child);
    }
    m_actionLooks.resize(m_actions.size());
}

void WindowView::syncMenu() {
    if (m_builtMenu != m_model.menuBar)
        buildMenu();
    for (std::size_t n = 0; n < m_actions.size(); ++n) {
        const auto& [entry, action] = m_actions[n];
        if (!m_actionLooks[n].changed({entry->Caption, entry->Enabled, entry->Visible}))
            continue;
        action->setText(captionText(entry->Caption));
        action->setEnabled(entry->Enabled);
        action->setVisible(entry->Visible);
    }
}

QAction* WindowView::actionFor(const MenuEntry& entry) const {
    for (const auto& [model, action] : m_actions) {
        if (model == &entry)
            return action;
    }
    return nullptr;
}

QWidget* WindowView::widgetFor(const Control& control) const {
    for (const auto& view : m_controls) {
        if (&view->control() == &control)
            return &view->widget();
    }
    return nullptr;
}

void WindowView::syncClientSize() {
    if (m_minimized || !m_scale.changed({m_model.ScaleWidth, m_model.ScaleHeight}))
        return;
    const double dots = dpi();
    const QSize client(twipsToPx(m_model.ScaleWidth, dots), twipsToPx(m_model.ScaleHeight, dots));
    m_clientPx = client;
    int menuHeight = 0;
    if (m_menuBar) {
        menuHeight = m_menuBar->heightForWidth(client.width());
        if (menuHeight < 0)
            menuHeight = m_menuBar->sizeHint().height();
    }
    const QSize whole(client.width(), client.height() + menuHeight);
    if (m_model.Resizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(whole);
    } else {
        setFixedSize(whole);
    }
}

void WindowView::clientResized(QSize size) {
    // Only a size the user gave the window is news to the model.
    if (size == m_clientPx || m_minimized)
        return;
    m_clientPx = size;
    const double dots = dpi();
    guardedCall([&] {
        m_model.resizeClient(pxToTwips(size.width(), dots), pxToTwips(size.height(), dots));
    });
    m_scale.assume({m_model.ScaleWidth, m_model.ScaleHeight});
    forwarded();
}

void WindowView::sync() {
    if (m_caption.changed(m_model.Caption))
        setWindowTitle(QString::fromStdU16String(m_model.Caption));
    // A window designed without an icon shows a blank one: given none at all, window
    // managers lend it its owner's icon or one of their own.
    if (m_icon.changed(m_model.Icon))
        setWindowIcon(m_model.Icon.empty() ? blankIcon() : pictureIcon(m_model.Icon));
    syncMenu();
    syncClientSize();

    const bool printed = m_surfaceRevision.changed(m_model.surface.revision());
    bool repaint = m_backColor.changed(m_model.BackColor);
    repaint = m_font.changed(m_model.font) || repaint;
    repaint = m_picture.changed(m_model.Picture) || repaint;
    if (repaint)
        m_client->update();
    else if (printed)
        m_client->surfaceChanged();

    if (m_builtControls != m_model.controls)
        buildControls();
    const double dots = dpi();
    for (const auto& view : m_controls)
        view->sync(dots, m_model.font);
    syncTabOrder();
    syncFocus();
    // Told last, once the focus is where the player goes on: screen readers speak news on
    // the control that has it.
    if (printed)
        m_client->tellPrinted();
}

void WindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closedByUser)
        guardedCall(closedByUser);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    guardedCall([this] { m_model.escapePressed(); });
    event->accept();
    forwarded();
}

void WindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // A minimised window has no client area to speak of; restoring gives it back.
    if (isMinimized() && !m_minimized) {
        m_minimized = true;
        guardedCall([this] { m_model.resizeClient(0, 0); });
        m_scale.assume({0.0, 0.0});
        forwarded();
    } else if (!isMinimized() && m_minimized) {
        m_minimized = false;
        m_clientPx = QSize();
        clientResized(m_client->size());
    }
}

} // namespace vatro
