#include "hostilequiz.h"

#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"
#include "ui/controls/keycodes.h"
#include "quiz/numbertext.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <sys/stat.h>

namespace vatro::testing {

namespace {

namespace fs = std::filesystem;

// One row of 20 letters that spells every answer of the small quiz in one game.
constexpr std::u16string_view Board = u"ОМВОЛЬТТОКАБГДЕЖЗИЙП";

std::vector<std::u16string> boardOf(std::size_t count) {
    std::vector<std::u16string> letters;
    for (std::size_t n = 0; n < count; ++n)
        letters.emplace_back(1, Board[n % Board.size()]);
    return letters;
}

// Answers "ОТВЕТ1"... (none: the good ones stay) and questions, each with a comma.
void writeWordList(QuizFolder& quiz, std::size_t answers, std::size_t questions) {
    std::vector<std::u16string> records[2];
    for (std::size_t n = 1; n <= std::max(answers, questions); ++n) {
        const std::u16string number = decimal(static_cast<long long>(n));
        records[0].push_back(u"ОТВЕТ" + number);
        records[1].push_back(u"Вопрос " + number + u", с запятой?");
    }
    records[0].resize(answers);
    records[1].resize(questions);
    if (answers > 0)
        quiz.writeAnswers(records[0]);
    quiz.writeQuestions(records[1]);
}

// The good quiz's three files as text.
std::array<std::u16string, 3> goodQuizText() {
    std::array<std::u16string, 3> text;
    for (char16_t letter : Board)
        text[0] += (text[0].empty() ? u"" : u",") + std::u16string(1, letter);
    for (const std::u16string& answer : SmallQuiz::answers())
        text[1] += answer + u"\r\n";
    for (const std::u16string& question : SmallQuiz::questions())
        text[2] += u"\"" + question + u"\"\r\n";
    return text;
}

void writeGoodQuizAs(QuizFolder& quiz, std::string (*encode)(std::u16string_view)) {
    const auto text = goodQuizText();
    for (std::size_t n = 0; n < 3; ++n)
        quiz.writeBytes(QuizFileNames[n], encode(text[n]));
}

std::string utf8Marked(std::u16string_view text) {
    return "\xEF\xBB\xBF" + utf16ToUtf8(text);
}

// As Windows Notepad saves "Юникод" (little-endian) and "Юникод big endian", with the mark.
template <bool BigEndian, bool Mark = true> std::string utf16(std::u16string_view text) {
    std::string bytes = Mark ? (BigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (char16_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += BigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// A picture or a program renamed: the same bytes every run, led by those a reader is most
// likely to trip over (NUL, the byte Windows-1251 leaves undefined, quotes).
std::string binary(std::size_t size) {
    std::string bytes = std::string("\0\x98\"\0\"\x98\r\"", 8);
    for (std::uint64_t state = 11; bytes.size() < size;) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        bytes.push_back(static_cast<char>(state >> 56));
    }
    return bytes;
}

// The good answers, then blank lines up to the size.
std::string paddedAnswers(std::size_t size) {
    std::string bytes = encodeCp1251(goodQuizText()[1]);
    while (bytes.size() < size)
        bytes += std::string(62, ' ') + "\r\n";
    bytes.resize(size);
    return bytes;
}

// Removes whatever stands in place of the quiz file: a file, a folder, a pipe or a link.
fs::path cleared(QuizFolder& quiz, const std::string& name) {
    fs::remove_all(quiz.path() / name);
    return quiz.path() / name;
}

constexpr const char16_t* NotFound = u"Не найден файл";
constexpr const char16_t* Unreadable = u"Не удалось прочитать файл";
constexpr const char16_t* TooLarge = u"больше 1 МБ";
constexpr int Any = -1;

} // namespace

void writeGoodQuiz(QuizFolder& quiz) {
    for (const std::string& name : QuizFileNames)
        cleared(quiz, name);
    writeGoodQuizAs(quiz, encodeCp1251);
    quiz.write("Справка1.txt", u"\"Как играть\"\r\n\"Щёлкните букву, затем «Пуск».\"\r\n");
}

Played playToTheEnd(Form1& f, bool wrong, void (*check)(const Form1&)) {
    const auto checked = [&] {
        if (check)
            check(f);
    };
    Played played;
    for (int press = 0; press <= 51; ++press) {
        f.Command2.click(); // "Пуск"
        checked();
        played.ended = f.surface.texts() == std::vector<std::u16string>{u"ВСЁ", u"Выбери игру"};
        if (played.ended || (!f.Grid1.Visible && !f.Grid2.Visible))
            break;
        ++played.posed;
        const bool words = f.Grid2.Visible;
        FlexGrid& grid = words ? f.Grid2 : f.Grid1;
        const std::u16string answer = f.QuestionNo >= 1 ? f.Answers(f.QuestionNo) : u"";
        const std::size_t picks = wrong   ? static_cast<std::size_t>(press % 5 + 1)
                                  : words ? 1
                                          : std::min<std::size_t>(answer.size(), 17);
        for (std::size_t n = 0; n < picks; ++n) {
            // Wrong picks take whatever comes first; they may outnumber the answer's letters.
            const std::u16string wanted =
                words ? answer : answer.substr(std::min(n, answer.size()), 1);
            bool picked = false;
            for (int row = 1; row < grid.Rows() && (!words || row <= f.QuestionCount) && !picked;
                 ++row) {
                for (int col = 1; col < grid.Cols() && !picked; ++col) {
                    const std::u16string& cell = grid.TextMatrix(row, col);
                    picked = !cell.empty() && (wrong || cell == wanted);
                    if (picked) {
                        grid.press(mouse::Left, 0, row, col);
                        checked();
                    }
                }
            }
        }
        if (wrong)
            grid.press(mouse::Right, 0, grid.Row, grid.Col);
        played.submitted += f.Answer.empty() ? 0 : 1;
        grid.keyPress(key::Return, 0);
        checked();
    }
    return played;
}

std::vector<HostileQuiz> hostileQuizzes() {
    using Q = QuizFolder;
    return {
        {"MissingAnswers", "vatroo.txt", NotFound, Any, Any, Any, 2,
         [](Q& q) { q.remove("vatroo.txt"); }},
        // An empty file gives no records and leaves what the game held.
        {"EmptyAnswers", "vatroo.txt", u"", 3, 0, 20, 1,
         [](Q& q) { q.writeBytes("vatroo.txt", ""); }},
        // Today's editors save UTF-8, often with the byte-order mark: read as UTF-8, the mark
        // dropped, so the first question is still a quoted one.
        {"Utf8WithByteOrderMark", "", u"", 3, 3, 20, 0,
         [](Q& q) { writeGoodQuizAs(q, utf8Marked); }},
        // UTF-16 with its mark reads as the same quiz; without one, or in UTF-32, the game
        // cannot tell the text, and says so instead of counting wrong records.
        {"Utf16", "", u"", 3, 3, 20, 0, [](Q& q) { writeGoodQuizAs(q, utf16<false>); }},
        {"Utf16BigEndian", "", u"", 3, 3, 20, 0, [](Q& q) { writeGoodQuizAs(q, utf16<true>); }},
        {"AnswersInUtf16WithoutMark", "vatroo.txt", u"сохранён в кодировке UTF-16", Any, Any, Any,
         2, [](Q& q) { q.writeBytes("vatroo.txt", utf16<false, false>(goodQuizText()[1])); }},
        {"LettersInUtf32", "vatro.txt", u"сохранён в кодировке UTF-32", Any, Any, Any, 2,
         [](Q& q) {
             std::string bytes("\xFF\xFE\0\0", 4);
             const std::u16string board = goodQuizText()[0];
             for (char16_t c : board)
                 bytes += utf16<false, false>(std::u16string{c}) + std::string(2, '\0');
             q.writeBytes("vatro.txt", bytes);
         }},
        {"QuestionsOfControlCharacters", "vatrov.txt", u"почти весь из управляющих знаков", Any,
         Any, Any, 2,
         [](Q& q) { q.writeBytes("vatrov.txt", "\x01,\x02\x03\r\n\x1B[0m,\x7F\r\n"); }},
        {"BinaryAnswers", "vatroo.txt", u"", 3, Any, 20, 1,
         [](Q& q) { q.writeBytes("vatroo.txt", binary(1024)); }},

        // The size bound: a file of 1 MiB is read, one byte more is not.
        {"TenMegabyteLetters", "vatro.txt", TooLarge, Any, Any, Any, 2,
         [](Q& q) { q.writeBytes("vatro.txt", paddedAnswers(10 * MaxFileBytes)); }},
        {"AnswersOfExactlyOneMebibyte", "vatroo.txt", u"", 3, 3, 20, 0,
         [](Q& q) { q.writeBytes("vatroo.txt", paddedAnswers(MaxFileBytes)); }},
        {"AnswersOneByteOverOneMebibyte", "vatroo.txt", TooLarge, Any, Any, Any, 2,
         [](Q& q) { q.writeBytes("vatroo.txt", paddedAnswers(MaxFileBytes + 1)); }},

        // The field bound.
        {"QuestionOfTheLongestLength", "vatrov.txt", u"", 3, 3, 20, 0,
         [](Q& q) {
             q.writeQuestions({u"Ом?", std::u16string(MaxFieldLength, u'Ж'), u"Ток?"});
         }},
        {"AnswerLongerThanAnyField", "vatroo.txt", u"запись 2 длиннее 2000 знаков", Any, Any, Any,
         1,
         [](Q& q) {
             q.writeAnswers({u"ОМ", std::u16string(MaxFieldLength + 1, u'Ж'), u"ТОК"});
         }},
        // A quote left open runs on to the end of the file.
        {"UnclosedQuoteSwallowsTheRestOfTheAnswers", "vatroo.txt", u"", 3, 2, 20, 1,
         [](Q& q) { q.write("vatroo.txt", u"ОМ\r\n\"ВОЛЬТ\r\nТОК\r\n"); }},

        // The capacity of each file, and one record past it.
        {"FullBoard", "vatro.txt", u"", 3, 3, 340, 0, [](Q& q) { q.writeLetters(boardOf(340)); }},
        {"BoardOfOneLetterTooMany", "vatro.txt", u"больше 340 записей", Any, Any, Any, 1,
         [](Q& q) { q.writeLetters(boardOf(341)); }},
        {"FullWordList", "vatroo.txt", u"", 49, 49, 20, 1, [](Q& q) { writeWordList(q, 49, 49); }},
        {"WordListOfOneAnswerTooMany", "vatroo.txt", u"больше 49 записей", Any, Any, Any, 1,
         [](Q& q) { writeWordList(q, 50, 50); }},
        {"FullQuestionList", "vatrov.txt", u"", 50, 3, 20, 1,
         [](Q& q) { writeWordList(q, 0, 50); }},
        {"QuestionListOfOneTooMany", "vatrov.txt", u"больше 50 записей", Any, Any, Any, 1,
         [](Q& q) { writeWordList(q, 0, 51); }},
        // The two lists pair by position; the game plays as many questions as answers.
        {"MoreAnswersThanQuestions", "vatroo.txt", u"", 3, 4, 20, 1,
         [](Q& q) {
             q.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК", u"ГИД"});
         }},

        // Things in the folder that are not files.
        {"PipeNamedLikeTheLetters", "vatro.txt", Unreadable, Any, Any, Any, 2,
         [](Q& q) {
             if (::mkfifo(cleared(q, "vatro.txt").c_str(), 0644) != 0)
                 throw std::runtime_error("cannot make a pipe");
         }},
        {"SymlinkLoopForTheAnswers", "vatroo.txt", Unreadable, Any, Any, Any, 2,
         [](Q& q) {
             fs::create_symlink("vatroo.lnk", cleared(q, "vatroo.txt"));
             fs::create_symlink("vatroo.txt", q.path() / "vatroo.lnk");
         }},
    };
}

} // namespace vatro::testing
