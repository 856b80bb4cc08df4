#include "controlwidgets.h"

#include "colormap.h"
#include "eventguard.h"
#include "pictures.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

#include <algorithm>

namespace vatro {

namespace {

// The widget's palette with one role set to the designed colour.
void paintRole(QWidget& widget, QPalette::ColorRole role, const Color& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, qtColor(color, QApplication::palette()));
    widget.setPalette(palette);
}

constexpr int PictureGap = 1;
constexpr int PressedDarker = 112; // per cent, as QColor::darker takes it

} // namespace

QString captionText(const std::u16string& caption) {
    return QString::fromStdU16String(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

ButtonView::ButtonView(CommandButton& model, AfterEvent afterEvent, QWidget* parent)
    : QPushButton(parent), m_model(model) {
    connect(this, &QPushButton::clicked, this, [this, afterEvent = std::move(afterEvent)] {
        guardedCall([this] { m_model.click(); });
        afterEvent();
    });
}

void ButtonView::syncOwn(double) {
    if (m_caption.changed(m_model.Caption)) {
        setText(captionText(m_model.Caption));
        update();
    }
    const Color back = m_model.Graphical ? m_model.BackColor : Color::of(SystemColor::ButtonFace);
    if (m_back.changed(back))
        paintRole(*this, QPalette::Button, back);
    const std::string picture = m_model.Graphical ? m_model.Picture : std::string();
    if (m_picture.changed(picture)) {
        m_pixmap = QPixmap();
        update();
    }
}

// A graphical button's face is its colour, flat, in a raised frame; pressed, the frame sinks
// and the face darkens a little. Styles paint their own gradients over a palette colour.
void ButtonView::paintFlatFace(QPainter& painter, const QStyleOptionButton& option) {
    const bool down = option.state & QStyle::State_Sunken;
    const QColor face = option.palette.color(QPalette::Button);
    const QBrush fill(down ? face.darker(PressedDarker) : face);
    qDrawWinButton(&painter, rect(), option.palette, down, &fill);
}

void ButtonView::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (m_model.Graphical)
        paintFlatFace(painter, option);
    else
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const std::string picture = m_model.Graphical ? m_model.Picture : std::string();
    if (!picture.empty() &&
        (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != devicePixelRatioF()))
        m_pixmap = picturePixmap(picture, devicePixelRatioF());
    const QSize pictureArea =
        m_pixmap.isNull() ? QSize() : m_pixmap.deviceIndependentSize().toSize();

    const int flags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect textBounds = fontMetrics().boundingRect(area, flags, text());
    const int gap = pictureArea.isEmpty() ? 0 : PictureGap;
    const int contentHeight = pictureArea.height() + gap + textBounds.height();
    // Centred; when picture and caption do not fit the contents area, they may take
    // the margins, but the picture keeps inside the button.
    const int top = std::max(rect().top() + 1, area.top() + (area.height() - contentHeight) / 2);
    if (!pictureArea.isEmpty()) {
        const int left = rect().left() + (rect().width() - pictureArea.width()) / 2;
        painter.drawPixmap(left, top, m_pixmap);
    }
    const QRect textArea(area.left(), top + pictureArea.height() + gap, area.width(),
                         textBounds.height());
    painter.drawItemText(textArea, flags, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

OptionView::OptionView(OptionButton& model, AfterEvent afterEvent, QWidget* parent)
    : QRadioButton(parent), m_model(model) {
    setAutoExclusive(false);
    setAutoFillBackground(true);
    connect(this, &QRadioButton::clicked, this, [this, afterEvent = std::move(afterEvent)] {
        guardedCall([this] { m_model.click(); });
        afterEvent();
    });
}

void OptionView::syncOwn(double) {
    if (m_caption.changed(m_model.Caption))
        setText(captionText(m_model.Caption));
    if (m_back.changed(m_model.BackColor))
        paintRole(*this, backgroundRole(), m_model.BackColor);
    // Read from the widget itself: nothing but the model may have changed it.
    if (isChecked() != m_model.Value())
        setChecked(m_model.Value());
}

TextView::TextView(TextBox& model, AfterEvent afterEvent, QWidget* parent)
    : QLineEdit(parent), m_model(model) {
    connect(this, &QLineEdit::textEdited, this,
            [this, afterEvent = std::move(afterEvent)](const QString& text) {
                m_model.Text = text.toStdU16String();
                m_text.assume(m_model.Text);
                afterEvent();
            });
}

void TextView::syncOwn(double) {
    if (m_locked.changed(m_model.Locked))
        setReadOnly(m_model.Locked);
    if (m_text.changed(m_model.Text))
        setText(QString::fromStdU16String(m_model.Text));
    if (m_back.changed(m_model.BackColor))
        paintRole(*this, QPalette::Base, m_model.BackColor);
}

} // namespace vatro
