// The main window as designed: captions, colours, fonts, places and sizes of its
// controls, its menu, and which handler each event reaches.
#include "form1.h"

namespace vatro {

namespace {

Font sans(double size, bool bold) {
    return Font{u"MS Sans Serif", size, bold, false};
}

void designButton(CommandButton& button, const char16_t* name, const char16_t* caption, double left,
                  double top, double width, double height, Color back, Font font) {
    button.Name = name;
    button.Caption = caption;
    button.place(left, top, width, height);
    button.Graphical = true;
    button.BackColor = back;
    button.font = font;
}

void designOption(OptionButton& option, const char16_t* name, const char16_t* caption, double left,
                  double top, double height) {
    option.Name = name;
    option.Caption = caption;
    option.place(left, top, 1455, height);
    option.BackColor = colors::White;
}

} // namespace

Form1::Form1(Host& host) : Form2(host), m_host(host) {
    design();
    wireEvents();
}

void Form1::design() {
    Name = u"Form1";
    Caption = u"Ватро";
    ScaleWidth = DesignWidth;
    ScaleHeight = DesignHeight;
    BackColor = colors::White;
    font = sans(13.5, false);
    Picture = "mouse.svg";
    Icon = "icon.svg";
    surfaceName = u"Сообщения игры";

    Text2.Name = u"Text2";
    Text2.place(6720, 1080, 1575, 480);
    Text2.font = Font{u"Arial", 18, true, false};
    // The clock only shows the time.
    Text2.Locked = true;
    Text2.accessibleName = u"Время";

    designOption(Option3, u"Option3", u"User2", 6960, 3000, 375);
    designOption(Option2, u"Option2", u"Мастер", 6960, 2520, 360);
    designOption(Option1, u"Option1", u"User1", 6960, 3480, 375);
    Levels.caption = u"Уровень";
    Levels.add(Option1);
    Levels.add(Option2);
    Levels.add(Option3);

    Timer1.Interval = 1;
    Timer1.Enabled = true;

    const Color lightGrey = Color::rgb(224, 224, 224);
    designButton(Command3, u"Command3", u"Очистка", 8520, 3120, 1215, 375,
                 Color::rgb(255, 192, 255), sans(9.75, true));
    designButton(Command10, u"Command10", u"Обучалка", 8520, 720, 1215, 375, lightGrey,
                 sans(12, false));

    Grid2.Name = u"Grid2";
    Grid2.place(5280, 1680, 3015, 5295);
    Grid2.font = sans(13.5, false);
    Grid2.accessibleName = u"Слова";
    Grid2.BackColorFixed = Color::of(SystemColor::ButtonFace);
    Grid2.BackColorBkg = colors::Grey;

    designButton(Command9, u"Command9", u"Игра1", 8520, 1200, 1215, 375, lightGrey, sans(12, true));
    designButton(Command8, u"Command8", u"Игра2", 8520, 1680, 1215, 360, lightGrey, sans(12, true));
    designButton(Command7, u"Command7", u"Сброс", 8520, 5160, 1215, 495, Color::rgb(192, 255, 255),
                 sans(9.75, true));
    designButton(Command6, u"Command6", u"Новый игрок", 8520, 4320, 1215, 615,
                 Color::rgb(255, 255, 128), sans(9.75, true));
    designButton(Command5, u"Command5", u"Результат", 8520, 3600, 1215, 495,
                 Color::rgb(192, 255, 192), sans(9.75, false));
    designButton(Command4, u"Command4", u"Справка", 8520, 5760, 1215, 495,
                 Color::rgb(255, 192, 128), sans(9.75, true));

    Grid1.Name = u"Grid1";
    Grid1.place(120, 1680, 8175, 5295);
    Grid1.font = Font{u"Times New Roman", 15.75, false, false};
    Grid1.accessibleName = u"Буквы";
    Grid1.BackColorFixed = colors::Silver;
    Grid1.BackColorBkg = colors::Silver;

    designButton(Command2, u"Command2", u"Пуск", 8520, 2280, 1215, 735, Color::rgb(192, 192, 255),
                 sans(9.75, true));
    Command2.Picture = "hand.svg";
    designButton(Command1, u"Command1", u"Выход", 8520, 6480, 1215, 495, Color::rgb(255, 128, 128),
                 sans(9.75, true));

    controls = {&Text2,    &Option3,  &Option2,  &Option1,  &Command3, &Command10,
                &Grid2,    &Command9, &Command8, &Command7, &Command6, &Command5,
                &Command4, &Grid1,    &Command2, &Command1};

    Ватро1.children = {&Ватро12, &Ватро123};
    menuBar = {&Ватро1, &Ватро2, &Ватро3, &Ватро4};
}

void Form1::wireEvents() {
    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    Click = [this] { Form_Click(); };

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command10.Click = [this] { Command10_Click(); };

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };

    Timer1.Tick = [this] { Timer1_Timer(); };

    Grid1.MouseDown = [this](int button, int shift, double x, double y) {
        Grid1_MouseDown(button, shift, x, y);
    };
    Grid2.MouseDown = [this](int button, int shift, double x, double y) {
        Grid2_MouseDown(button, shift, x, y);
    };
    Grid1.KeyDown = [this](int keyCode, int shift) { Grid1_KeyDown(keyCode, shift); };
    Grid2.KeyDown = [this](int keyCode, int shift) { Grid2_KeyDown(keyCode, shift); };

    Ватро12.Click = [this] { Ватро12_Click(); };
    Ватро123.Click = [this] { Ватро123_Click(); };
    Ватро2.Click = [this] { Ватро2_Click(); };
    Ватро3.Click = [this] { Ватро3_Click(); };
    Ватро4.Click = [this] { Ватро4_Click(); };
}

} // namespace vatro
