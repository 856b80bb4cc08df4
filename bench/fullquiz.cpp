#include "fullquiz.h"

#include <stdexcept>

namespace vatro::bench {

namespace {

constexpr int BoardLetters = 340;
constexpr int BoardCols = 20;

// Words of the subject, 318 letters in all: they fit the board with room to spare.
const char16_t* const Words[] = {
    u"АМПЕР",   u"ВАТТ",     u"ВЕБЕР",    u"ВОЛЬТ",    u"ГЕНРИ",   u"КУЛОН",  u"ОМ",
    u"ТЕСЛА",   u"ФАРАД",    u"СИМЕНС",   u"ТОК",      u"ЗАРЯД",   u"ПОЛЕ",   u"МАГНИТ",
    u"КАТУШКА", u"ДИОД",     u"РЕЗИСТОР", u"ЭЛЕКТРОН", u"ПРОТОН",  u"ИОН",    u"АНОД",
    u"КАТОД",   u"ДИПОЛЬ",   u"ФОТОН",    u"ИСКРА",    u"МОЛНИЯ",  u"ПРОВОД", u"ЯКОРЬ",
    u"РЕЛЕ",    u"КЛЕММА",   u"ЛАМПА",    u"ЩИТ",      u"ФАЗА",    u"НОЛЬ",   u"ЗЕМЛЯ",
    u"ЦЕПЬ",    u"УЗЕЛ",     u"ВЕТВЬ",    u"КОНТУР",   u"ЁМКОСТЬ", u"ПОТОК",  u"ИНДУКЦИЯ",
    u"ЭНЕРГИЯ", u"МОЩНОСТЬ", u"РАБОТА",   u"ЧАСТОТА",  u"ПЕРИОД",  u"ГЕРЦ",   u"ЯЧЕЙКА",
};
constexpr std::size_t WordCount = sizeof Words / sizeof Words[0];
static_assert(WordCount == 49, "the word list holds 49 answers");

} // namespace

FullQuiz::FullQuiz(int questions) {
    std::vector<std::u16string> board;
    for (const char16_t* word : Words) {
        m_answers.emplace_back(word);
        std::vector<std::pair<int, int>> cells;
        for (char16_t letter : m_answers.back()) {
            const int n = static_cast<int>(board.size());
            cells.emplace_back(n / BoardCols + 1, n % BoardCols + 1);
            board.emplace_back(1, letter);
        }
        m_cells.push_back(std::move(cells));
    }
    if (board.size() > BoardLetters)
        throw std::logic_error("the answers do not fit the board");
    const std::u16string spares = u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЫЭЮЯ";
    for (std::size_t n = 0; board.size() < BoardLetters; ++n)
        board.emplace_back(1, spares[n % spares.size()]);

    std::vector<std::u16string> texts;
    for (int n = 1; n <= questions; ++n) {
        const std::u16string number = [n] {
            const std::string digits = std::to_string(n);
            return std::u16string(digits.begin(), digits.end());
        }();
        texts.push_back(u"Как называется понятие номер " + number +
                        u", о котором шла речь на уроке электричества?");
    }
    m_folder.writeQuiz(board, m_answers, texts);
}

} // namespace vatro::bench
