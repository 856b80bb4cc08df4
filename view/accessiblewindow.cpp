// Windows, their print surfaces and their option groups as screen readers see them.
#include "accessibility.h"
#include "accessibleparts.h"
#include "clientarea.h"
#include "controlwidgets.h"
#include "screenorder.h"
#include "windowview.h"

#include <QWindow>

#include <algorithm>

namespace vatro {

namespace {

QString qt(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

std::vector<QWidget*> childWidgets(QWidget& parent) {
    std::vector<QWidget*> result;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            result.push_back(child);
    }
    return inScreenOrder(std::move(result));
}

QRect globalRect(const QWidget& widget, const QRect& local) {
    return QRect(widget.mapToGlobal(local.topLeft()), local.size());
}

// The named group an option belongs to; nullptr when it has none.
const OptionGroup* namedGroup(QWidget* widget) {
    const auto* option = dynamic_cast<OptionView*>(widget);
    if (!option)
        return nullptr;
    const OptionGroup* group = option->model().group();
    return group && !group->caption.empty() ? group : nullptr;
}

ClientAreaAccessible* clientAreaInterface(QWidget* area) {
    return dynamic_cast<ClientAreaAccessible*>(QAccessible::queryAccessibleInterface(area));
}

// A part of the client area with no widget of its own: valid while the area lives, placed
// over it, its child in the accessible tree.
class AreaPart : public QAccessibleInterface {
public:
    explicit AreaPart(ClientArea* area) : m_area(area) {}

    bool isValid() const override { return m_area; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_area ? m_area->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_area ? QAccessible::queryAccessibleInterface(m_area) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_area ? globalRect(*m_area, m_area->rect()) : QRect(); }

protected:
    QPointer<ClientArea> m_area;
};

// The print surface: read-only text of its printed lines.
class SurfaceText : public AreaPart, public QAccessibleTextInterface {
public:
    explicit SurfaceText(ClientArea* area) : AreaPart(area) {}

    QString text(QAccessible::Text t) const override {
        if (!m_area)
            return {};
        switch (t) {
        case QAccessible::Name:
            return qt(m_area->model().surfaceName);
        case QAccessible::Value:
            return content();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::EditableText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.multiLine = true;
        state.invisible = !m_area || !m_area->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : nullptr;
    }

    // Text: nothing to select, no cursor to move.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString whole = content();
        start = std::clamp(start, 0, int(whole.size()));
        end = std::clamp(end < 0 ? int(whole.size()) : end, start, int(whole.size()));
        return whole.mid(start, end - start);
    }
    int characterCount() const override { return int(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QString content() const { return m_area ? printedText(m_area->model().surface) : QString(); }
};

// What the print surface said last, as a notification named by it.
class PrintedNews : public AreaPart {
public:
    explicit PrintedNews(ClientArea* area) : AreaPart(area) {}

    QString text(QAccessible::Text t) const override {
        return m_area && t == QAccessible::Name ? m_area->news() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !m_area || !m_area->isVisible() || m_area->news().isEmpty();
        return state;
    }
};

// The options of one group, under the group's name.
class GroupAccessible : public AreaPart {
public:
    GroupAccessible(ClientArea* area, const OptionGroup* group) : AreaPart(area), m_group(group) {}

    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* member : members()) {
            if (member->isVisible() && globalRect(*member, member->rect()).contains(x, y))
                return QAccessible::queryAccessibleInterface(member);
        }
        return nullptr;
    }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> all = members();
        return index >= 0 && index < int(all.size())
                   ? QAccessible::queryAccessibleInterface(all[std::size_t(index)])
                   : nullptr;
    }
    int childCount() const override { return int(members().size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> all = members();
        for (std::size_t n = 0; n < all.size(); ++n) {
            if (child && child->object() == all[n])
                return int(n);
        }
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? qt(m_group->caption) : QString();
    }
    QRect rect() const override {
        QRect united;
        for (QWidget* member : members()) {
            if (member->isVisible())
                united |= globalRect(*member, member->rect());
        }
        return united;
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const std::vector<QWidget*> all = members();
        state.invisible = std::none_of(all.begin(), all.end(),
                                       [](QWidget* member) { return member->isVisible(); });
        return state;
    }

private:
    std::vector<QWidget*> members() const {
        std::vector<QWidget*> result;
        if (!m_area)
            return result;
        for (QWidget* widget : childWidgets(*m_area)) {
            if (namedGroup(widget) == m_group)
                result.push_back(widget);
        }
        return result;
    }

    const OptionGroup* m_group;
};

} // namespace

QString printedText(const PrintSurface& surface) {
    QStringList lines;
    for (const std::u16string& line : surface.texts())
        lines << qt(line);
    return lines.join(QLatin1Char('\n'));
}

WindowAccessible::WindowAccessible(WindowView* view)
    : QAccessibleWidget(view, view->parentWidget() ? QAccessible::Dialog : QAccessible::Window) {}

WindowView* WindowAccessible::view() const {
    return static_cast<WindowView*>(widget());
}

// A listener who opens a grade window or the help hears what it says.
QString WindowAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description && view()->parentWidget())
        return printedText(view()->model().surface);
    return QAccessibleWidget::text(t);
}

ClientAreaAccessible::ClientAreaAccessible(ClientArea* area)
    : QAccessibleWidget(area, QAccessible::Client) {}

ClientAreaAccessible::~ClientAreaAccessible() {
    for (QAccessible::Id id : {m_text, m_news}) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
    for (const auto& [group, id] : m_groups)
        QAccessible::deleteAccessibleInterface(id);
}

ClientArea* ClientAreaAccessible::area() const {
    return static_cast<ClientArea*>(widget());
}

QAccessibleInterface* ClientAreaAccessible::surfaceText() const {
    if (!m_text)
        m_text = QAccessible::registerAccessibleInterface(new SurfaceText(area()));
    return QAccessible::accessibleInterface(m_text);
}

QAccessibleInterface* ClientAreaAccessible::news() const {
    if (!m_news)
        m_news = QAccessible::registerAccessibleInterface(new PrintedNews(area()));
    return QAccessible::accessibleInterface(m_news);
}

QAccessibleInterface* ClientAreaAccessible::groupOf(const OptionGroup* group) const {
    if (!group || group->caption.empty())
        return nullptr;
    auto found = m_groups.find(group);
    if (found == m_groups.end())
        found = m_groups
                    .emplace(group, QAccessible::registerAccessibleInterface(
                                        new GroupAccessible(area(), group)))
                    .first;
    return QAccessible::accessibleInterface(found->second);
}

std::vector<QAccessibleInterface*> ClientAreaAccessible::children() const {
    std::vector<QAccessibleInterface*> result{surfaceText()};
    std::vector<const OptionGroup*> listed;
    for (QWidget* widget : childWidgets(*area())) {
        const OptionGroup* group = namedGroup(widget);
        if (!group) {
            result.push_back(QAccessible::queryAccessibleInterface(widget));
        } else if (std::find(listed.begin(), listed.end(), group) == listed.end()) {
            listed.push_back(group);
            result.push_back(groupOf(group));
        }
    }
    result.push_back(news());
    return result;
}

int ClientAreaAccessible::childCount() const {
    return int(children().size());
}

QAccessibleInterface* ClientAreaAccessible::child(int index) const {
    const std::vector<QAccessibleInterface*> all = children();
    return index >= 0 && index < int(all.size()) ? all[std::size_t(index)] : nullptr;
}

int ClientAreaAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QAccessibleInterface*> all = children();
    const auto found = std::find(all.begin(), all.end(), child);
    return found == all.end() ? -1 : int(found - all.begin());
}

// The controls lie over the printed text.
QAccessibleInterface* ClientAreaAccessible::childAt(int x, int y) const {
    const std::vector<QAccessibleInterface*> all = children();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        QAccessibleInterface* child = *it;
        if (child && child != news() && !child->state().invisible && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

OptionAccessible::OptionAccessible(OptionView* option)
    : QAccessibleWidget(option, QAccessible::RadioButton) {}

OptionView* OptionAccessible::option() const {
    return static_cast<OptionView*>(widget());
}

QAccessibleInterface* OptionAccessible::parent() const {
    if (const OptionGroup* group = namedGroup(option())) {
        if (ClientAreaAccessible* area = clientAreaInterface(option()->parentWidget()))
            return area->groupOf(group);
    }
    return QAccessibleWidget::parent();
}

QString OptionAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && option()->accessibleName().isEmpty())
        return qt(option()->model().Caption);
    return QAccessibleWidget::text(t);
}

QAccessible::State OptionAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = option()->isChecked();
    return state;
}

QStringList OptionAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void OptionAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        option()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace vatro
