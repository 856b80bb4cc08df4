#pragma once

#include "controlview.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/optionbutton.h"
#include "ui/controls/textbox.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <string>

namespace vatro {

// A command button. A graphical one shows its own colour and its picture above the
// caption; a caption too long for one line wraps, as designed buttons expect.
class ButtonView : public QPushButton, public ControlView {
public:
    ButtonView(CommandButton& model, AfterEvent afterEvent, QWidget* parent);

    QWidget& widget() override { return *this; }
    const Control& control() const override { return m_model; }

protected:
    void syncOwn(double dpi) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFlatFace(QPainter& painter, const QStyleOptionButton& option);

    CommandButton& m_model;
    Mirrored<std::u16string> m_caption;
    Mirrored<Color> m_back;
    Mirrored<std::string> m_picture;
    QPixmap m_pixmap;
};

// A level option. The model keeps only one option of the group chosen, so the widget
// never checks or clears itself: it shows the model's value.
class OptionView : public QRadioButton, public ControlView {
public:
    OptionView(OptionButton& model, AfterEvent afterEvent, QWidget* parent);

    QWidget& widget() override { return *this; }
    const Control& control() const override { return m_model; }
    const OptionButton& model() const { return m_model; }

protected:
    void syncOwn(double dpi) override;
    void nextCheckState() override {}

private:
    OptionButton& m_model;
    Mirrored<std::u16string> m_caption;
    Mirrored<Color> m_back;
};

// The single-line text box. What the user types goes into the model, as the clock
// reads it; the box is rewritten only when the model's text changes. A locked box only
// shows its text.
class TextView : public QLineEdit, public ControlView {
public:
    TextView(TextBox& model, AfterEvent afterEvent, QWidget* parent);

    QWidget& widget() override { return *this; }
    const Control& control() const override { return m_model; }

protected:
    void syncOwn(double dpi) override;

private:
    TextBox& m_model;
    Mirrored<std::u16string> m_text;
    Mirrored<bool> m_locked;
    Mirrored<Color> m_back;
};

// An ampersand in a caption is a letter, not a keyboard shortcut marker.
QString captionText(const std::u16string& caption);

} // namespace vatro
