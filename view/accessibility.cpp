#include "accessibility.h"

#include "accessibleparts.h"
#include "clientarea.h"
#include "controlwidgets.h"
#include "gridview.h"
#include "windowview.h"

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

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

} // namespace vatro
