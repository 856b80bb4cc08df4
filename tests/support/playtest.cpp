#include "playtest.h"

#include <string>

namespace vatro::testing {

namespace {
struct Unit {
    const char16_t* name;
    const char16_t* question;
};
constexpr Unit Units[] = {
    {u"АМПЕР", u"Единица силы тока?"},         {u"ВАТТ", u"Единица мощности?"},
    {u"ВЕБЕР", u"Единица магнитного потока?"}, {u"ВОЛЬТ", u"Единица напряжения?"},
    {u"ГЕНРИ", u"Единица индуктивности?"},     {u"КУЛОН", u"Единица электрического заряда?"},
    {u"ОМ", u"Единица сопротивления?"},        {u"ТЕСЛА", u"Единица магнитной индукции?"},
    {u"ФАРАД", u"Единица электроёмкости?"},    {u"СИМЕНС", u"Единица проводимости?"},
};
} // namespace

std::vector<std::u16string> UnitsQuiz::answers(int count) {
    std::vector<std::u16string> words;
    for (int n = 0; n < count; ++n)
        words.emplace_back(Units[n].name);
    return words;
}

std::vector<std::u16string> UnitsQuiz::questions(int count) {
    std::vector<std::u16string> texts;
    for (int n = 0; n < count; ++n)
        texts.emplace_back(Units[n].question);
    return texts;
}

void PlayTest::letterGame() {
    start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    form().Command8.click();
    form().Command2.click();
}

void PlayTest::wordGame() {
    start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    form().Command9.click();
    form().Command2.click();
}

void PlayTest::trainingGame() {
    start();
    registerPlayer(u"Иванов");
    form().Command10.click();
    form().Command2.click();
}

void PlayTest::writeUnitsQuiz(int count) {
    quiz.writeQuiz(SmallQuiz::letters(), UnitsQuiz::answers(count), UnitsQuiz::questions(count));
}

std::u16string PlayTest::questionLine(int n, const std::u16string& question) {
    // A number prints with a blank on either side.
    const std::string digits = std::to_string(n);
    return u" " + std::u16string(digits.begin(), digits.end()) + u" " + question;
}

int PlayTest::rowShowing(const std::u16string& word) {
    for (int row = 1; row < form().Grid2.Rows(); ++row)
        if (form().Grid2.TextMatrix(row, 1) == word)
            return row;
    return 0;
}

} // namespace vatro::testing
