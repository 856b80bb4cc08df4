#include "accessibility.h"

#include "accessibleparts.h"
#include "clientarea.h"
#include "controlwidgets.h"
#include "gridview.h"
#include "windowview.h"

#include <QApplication>

namespace vatro {

namespace {

// Our widgets declare no classes of their own to Qt, so the factory is asked under the
// name of their Qt base class; it tells them apart by their C++ type.
QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* grid = dynamic_cast<GridView*>(object))
        return new GridAccessible(grid);
    if (auto* area = dynamic_cast<ClientArea*>(object))
        return new ClientAreaAccessible(area);
    if (auto* option = dynamic_cast<OptionView*>(object))
        return new OptionAccessible(option);
    if (auto* window = dynamic_cast<WindowView*>(object))
        return new WindowAccessible(window);
    return nullptr;
}

// The widget that holds the news now, so that it loses it when the focus goes on.
QPointer<QWidget>& newsHolder() {
    static QPointer<QWidget> holder;
    return holder;
}

void clearNews() {
    if (QWidget* holder = newsHolder())
        holder->setAccessibleDescription(QString());
    newsHolder() = nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget*) {
        if (old && old == newsHolder())
            clearNews();
    });
}

void tellFocusedControl(QWidget& focused, const QString& news) {
    if (newsHolder() != &focused)
        clearNews();
    // The same news twice is still news: the description is cleared first so that it changes.
    if (focused.accessibleDescription() == news)
        focused.setAccessibleDescription(QString());
    focused.setAccessibleDescription(news);
    newsHolder() = &focused;
    // A grid speaks through its current cell, where the reader is.
    if (auto* grid = dynamic_cast<GridView*>(&focused)) {
        auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(grid));
        if (QAccessibleInterface* cell =
                table ? table->gridCell(grid->model().Row, grid->model().Col) : nullptr) {
            QAccessibleEvent event(cell, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace vatro
