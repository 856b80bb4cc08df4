#include "controlview.h"

#include "fontmap.h"
#include "twips.h"

#include <QWidget>

namespace vatro {

void ControlView::sync(double dpi, const Font& windowFont) {
    const Control& model = control();
    QWidget& view = widget();
    const QRect rect(twipsToPx(model.Left, dpi), twipsToPx(model.Top, dpi),
                     twipsToPx(model.Width, dpi), twipsToPx(model.Height, dpi));
    if (m_rect.changed(rect))
        view.setGeometry(rect);
    if (m_enabled.changed(model.Enabled))
        view.setEnabled(model.Enabled);
    const Font& font = model.font ? *model.font : windowFont;
    if (m_font.changed(font))
        view.setFont(qtFont(font));
    if (m_accessibleName.changed(model.accessibleName))
        view.setAccessibleName(QString::fromStdU16String(model.accessibleName));
    syncOwn(dpi);
    if (m_visible.changed(model.Visible))
        view.setVisible(model.Visible);
}

} // namespace vatro
