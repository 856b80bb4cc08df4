// The fonts the windows are drawn in, and the host the real program uses.
#include "viewfixture.h"

#include "ui/qt/fontmap.h"
#include "ui/qt/qthost.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>

namespace vatro::testing {
namespace {

TEST(DesignedFonts, EachMapsToAnInstalledFaceWithCyrillic) {
    const struct {
        const char16_t* designed;
        const char* installed;
    } fonts[] = {{u"Arial", "Liberation Sans"},
                 {u"Times New Roman", "Liberation Serif"},
                 {u"MS Sans Serif", "Liberation Sans"},
                 {u"Monotype Corsiva", "Z003"}};
    for (const auto& font : fonts) {
        const QFont mapped = qtFont(Font{font.designed, 13.5, true, false});
        // Fontconfig may name the foundry after the family, as in "Z003 [urw]".
        EXPECT_TRUE(QFontInfo(mapped).family().startsWith(QString::fromLatin1(font.installed)))
            << QFontInfo(mapped).family().toStdString();
        EXPECT_TRUE(QFontMetrics(mapped).inFont(QChar(u'Ж'))) << font.installed;
        EXPECT_TRUE(QFontInfo(mapped).bold());
    }
}

TEST(RealHost, RandomValuesStayBelowOneAndReplayForASeed) {
    QtHost host;
    host.randomize(12345.5);
    std::vector<double> first;
    for (int n = 0; n < 1000; ++n) {
        first.push_back(host.random());
        ASSERT_GE(first.back(), 0.0);
        ASSERT_LT(first.back(), 1.0);
    }
    host.randomize(12345.5);
    for (double value : first)
        ASSERT_EQ(host.random(), value);
}

// The fake clock of the tests with the real name box of the program.
class NameBoxHost : public FakeHost {
public:
    using FakeHost::FakeHost;
    std::u16string inputBox(const std::u16string& prompt) override { return real.inputBox(prompt); }
    QtHost real;
};

class NameBox : public ViewTest {};

TEST_F(NameBox, TheClockTicksWhileTheBoxWaitsForAName) {
    NameBoxHost dialogHost(quiz.path());
    Form1 game(dialogHost);
    game.Show();
    ViewManager views(game);
    views.sync();
    views.startClock(std::chrono::milliseconds(10));

    QString title;
    QString label;
    QString clockDuringBox;
    QString buttons;
    QTimer::singleShot(30, [&] { dialogHost.advance(7); });
    QTimer::singleShot(300, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        label = box->labelText();
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
            buttons += button->text();
        clockDuringBox = dynamic_cast<QLineEdit*>(views.mainView().widgetFor(game.Text2))->text();
        box->setTextValue(QStringLiteral("Петров"));
        box->accept();
    });
    views.mainView().widgetFor(game.Command6)->setFocus();
    dynamic_cast<QAbstractButton*>(views.mainView().widgetFor(game.Command6))->click();
    views.stopClock();

    EXPECT_EQ(title, QStringLiteral("Ватро"));
    EXPECT_EQ(label, QStringLiteral("Ваша фимилия? (Команда?)"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("Отмена"))) << buttons.toStdString();
    EXPECT_EQ(clockDuringBox, QStringLiteral("0:00:07"));
    EXPECT_EQ(game.PlayerName(1), u"Петров");

    // A cancelled box registers the player without a name.
    QTimer::singleShot(50, &views.mainView(), [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    game.Command5.click(); // "Результат" lets the next player register
    views.sync();
    dynamic_cast<QAbstractButton*>(views.mainView().widgetFor(game.Command6))->click();
    EXPECT_EQ(game.PlayerName(2), u"");
    EXPECT_EQ(game.PlayerNo, 2);
}

} // namespace
} // namespace vatro::testing
