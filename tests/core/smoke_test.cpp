#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class WholeGame : public GameTest {};

TEST_F(WholeGame, LetterGameFromFirstQuestionToTheEnd) {
    start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    form().Command8.click();
    for (const std::u16string& answer : SmallQuiz::answers()) {
        form().Command2.click();
        spell(answer);
        pressGrid1(mouse::Middle);
        EXPECT_EQ(printed().back(), u"ВЕРНО");
    }
    form().Command2.click();
    EXPECT_EQ(printed(), (std::vector<std::u16string>{u"ВСЁ", u"Выбери игру"}));
    EXPECT_EQ(form().Points(1), 3);
    EXPECT_EQ(form().Mistakes(1), 0);
}

} // namespace
} // namespace vatro::testing
