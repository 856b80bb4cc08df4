#include "hostilequiz.h"

#include "game/quizreader.h"
#include "game/textcodec.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

namespace vatro::testing {

namespace {

using Outcome = HostileQuiz::Outcome;
namespace fs = std::filesystem;

std::u16string number(int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

std::vector<std::u16string> boardOf(int count) {
    const std::u16string alphabet = u"АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЭЮЯ";
    std::vector<std::u16string> letters;
    for (int n = 0; n < count; ++n)
        letters.emplace_back(1, alphabet[static_cast<std::size_t>(n) % alphabet.size()]);
    return letters;
}

std::vector<std::u16string> answersOf(int count) {
    std::vector<std::u16string> answers;
    for (int n = 1; n <= count; ++n)
        answers.push_back(u"ОТВЕТ" + number(n));
    return answers;
}

std::vector<std::u16string> questionsOf(int count) {
    std::vector<std::u16string> questions;
    for (int n = 1; n <= count; ++n)
        questions.push_back(u"Вопрос " + number(n) + u", с запятой?");
    return questions;
}

// Windows-1251 bytes of the text, through a table: the tests write many large files.
std::string cp1251(std::u16string_view text) {
    static const std::vector<char> table = [] {
        std::vector<char> bytes(0x10000, '?');
        for (int value = 255; value >= 0; --value) {
            const char byte = static_cast<char>(value);
            bytes[decodeCp1251(std::string_view(&byte, 1))[0]] = byte;
        }
        return bytes;
    }();
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text)
        bytes.push_back(table[c]);
    return bytes;
}

void write(QuizFolder& quiz, const std::string& name, std::u16string_view text) {
    quiz.writeBytes(name, cp1251(text));
}

// The three files as a teacher's editor lays them out: the board 20 letters a line, one
// answer and one quoted question a line, each line ended as given.
std::u16string lettersText(const std::vector<std::u16string>& letters,
                           std::u16string_view lineEnd = u"\r\n") {
    std::u16string text;
    for (std::size_t n = 0; n < letters.size(); ++n) {
        text += letters[n];
        text += (n + 1) % 20 == 0 || n + 1 == letters.size() ? std::u16string(lineEnd) : u",";
    }
    return text;
}
std::u16string answersText(const std::vector<std::u16string>& answers,
                           std::u16string_view lineEnd = u"\r\n") {
    std::u16string text;
    for (const auto& answer : answers)
        text += answer + std::u16string(lineEnd);
    return text;
}
std::u16string questionsText(const std::vector<std::u16string>& questions,
                             std::u16string_view lineEnd = u"\r\n") {
    std::u16string text;
    for (const auto& question : questions)
        text += u"\"" + question + u"\"" + std::u16string(lineEnd);
    return text;
}

std::string utf16le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// Bytes of no text at all, the same for every run, with the bytes a reader is most
// likely to trip over: NUL, the one byte Windows-1251 leaves undefined, and quotes.
std::string randomBytes(std::size_t size, std::uint64_t seed) {
    std::string bytes(size, '\0');
    std::uint64_t state = seed;
    for (char& byte : bytes) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        byte = static_cast<char>(state >> 56);
    }
    const char tricky[] = {'\0', '\x98', '"', '\0', '"', '\x98', '\r', '"'};
    for (std::size_t n = 0; n < sizeof tricky && n * 97 < size; ++n)
        bytes[n * 97] = tricky[n];
    return bytes;
}

// A file that holds the small quiz's answers and then blank lines up to the size.
std::string paddedAnswers(std::size_t size) {
    std::string bytes = cp1251(answersText(SmallQuiz::answers()));
    std::string line(62, ' ');
    line += "\r\n";
    while (bytes.size() < size)
        bytes += line;
    bytes.resize(size);
    return bytes;
}

std::string tenMegabytesOfLetters() {
    const std::string line = cp1251(u"А,Б,В,Г,Д,Е,Ж,З,И,К\r\n");
    std::string bytes;
    bytes.reserve(10 * 1024 * 1024 + line.size());
    while (bytes.size() < 10 * 1024 * 1024)
        bytes += line;
    return bytes;
}

// A file left in place of a quiz file: removed first, whatever it was.
fs::path replaced(QuizFolder& quiz, const std::string& name) {
    const fs::path path = quiz.path() / name;
    fs::remove_all(path);
    return path;
}

HostileQuiz refused(std::string name, std::string file, std::u16string problem,
                    std::function<void(QuizFolder&)> build) {
    HostileQuiz quiz;
    quiz.name = std::move(name);
    quiz.file = std::move(file);
    quiz.outcome = Outcome::Refused;
    quiz.problem = std::move(problem);
    quiz.build = std::move(build);
    return quiz;
}

HostileQuiz plays(std::string name, std::string file, int questionsAtStart, int questionsInPlay,
                  int letters, std::function<void(QuizFolder&)> build) {
    HostileQuiz quiz;
    quiz.name = std::move(name);
    quiz.file = std::move(file);
    quiz.outcome = Outcome::Plays;
    quiz.build = std::move(build);
    quiz.questionsAtStart = questionsAtStart;
    quiz.questionsInPlay = questionsInPlay;
    quiz.letters = letters;
    return quiz;
}

const std::u16string NotFound = u"Не найден файл";
const std::u16string Unreadable = u"Не удалось прочитать файл";
const std::u16string TooLarge = u"больше 1 МБ";

} // namespace

void writeSmallQuiz(QuizFolder& quiz) {
    write(quiz, "vatro.txt", lettersText(SmallQuiz::letters()));
    write(quiz, "vatroo.txt", answersText(SmallQuiz::answers()));
    write(quiz, "vatrov.txt", questionsText(SmallQuiz::questions()));
}

void restoreSmallQuiz(QuizFolder& quiz) {
    for (const std::string& name : QuizFileNames)
        replaced(quiz, name);
    writeSmallQuiz(quiz);
}

std::vector<HostileQuiz> hostileQuizzes() {
    const std::u16string longLine = u"САМОИНДУКЦИЯ И ЭЛЕКТРОМАГНИТНАЯ ИНДУКЦИЯ В КАТУШКЕ";
    std::vector<HostileQuiz> corpus = {
        refused("MissingLetters", "vatro.txt", NotFound,
                [](QuizFolder& q) { q.remove("vatro.txt"); }),
        refused("MissingAnswers", "vatroo.txt", NotFound,
                [](QuizFolder& q) { q.remove("vatroo.txt"); }),
        refused("MissingQuestions", "vatrov.txt", NotFound,
                [](QuizFolder& q) { q.remove("vatrov.txt"); }),

        // An empty file gives no records and leaves what the game held.
        plays("EmptyLetters", "vatro.txt", 3, 3, 0,
              [](QuizFolder& q) { q.writeBytes("vatro.txt", ""); }),
        plays("EmptyAnswers", "vatroo.txt", 3, 0, 24,
              [](QuizFolder& q) { q.writeBytes("vatroo.txt", ""); }),
        plays("EmptyQuestions", "vatrov.txt", 0, 3, 24,
              [](QuizFolder& q) { q.writeBytes("vatrov.txt", ""); }),
        plays("OnlyBlankLines", "vatroo.txt", 3, 0, 24,
              [](QuizFolder& q) { q.writeBytes("vatroo.txt", "\r\n \r\n\t\t\r\n\n\n   "); }),
        // Two commas in a row make an empty record.
        plays("OnlyCommas", "vatroo.txt", 3, 10, 24,
              [](QuizFolder& q) { q.writeBytes("vatroo.txt", ",,,,,,,,,,\r\n"); }),
        refused("OnlyCommasPastTheBoard", "vatro.txt", u"больше 340 записей",
                [](QuizFolder& q) { q.writeBytes("vatro.txt", std::string(400, ',')); }),

        // Saved by an editor in another encoding: odd letters, but the same records, except
        // that the mark in front of the first question keeps it from being read as quoted.
        plays("Utf8WithByteOrderMark", "", -1, 3, 24,
              [](QuizFolder& q) {
                  const std::string bom = "\xEF\xBB\xBF";
                  q.writeBytes("vatro.txt", bom + utf16ToUtf8(lettersText(SmallQuiz::letters())));
                  q.writeBytes("vatroo.txt", bom + utf16ToUtf8(answersText(SmallQuiz::answers())));
                  q.writeBytes("vatrov.txt",
                               bom + utf16ToUtf8(questionsText(SmallQuiz::questions())));
              }),
        plays("Utf16", "", -1, -1, -1,
              [](QuizFolder& q) {
                  q.writeBytes("vatro.txt", utf16le(lettersText(SmallQuiz::letters())));
                  q.writeBytes("vatroo.txt", utf16le(answersText(SmallQuiz::answers())));
                  q.writeBytes("vatrov.txt", utf16le(questionsText(SmallQuiz::questions())));
              }),
        plays("CarriageReturnLineEnds", "", 3, 3, 24,
              [](QuizFolder& q) {
                  write(q, "vatro.txt", lettersText(SmallQuiz::letters(), u"\r"));
                  write(q, "vatroo.txt", answersText(SmallQuiz::answers(), u"\r"));
                  write(q, "vatrov.txt", questionsText(SmallQuiz::questions(), u"\r"));
              }),

        // Bytes of no text: a picture or a program renamed.
        plays("BinaryLetters", "vatro.txt", 3, 3, -1,
              [](QuizFolder& q) { q.writeBytes("vatro.txt", randomBytes(1024, 7)); }),
        plays("BinaryAnswers", "vatroo.txt", 3, -1, 24,
              [](QuizFolder& q) { q.writeBytes("vatroo.txt", randomBytes(1024, 11)); }),
        refused("LargeBinaryAnswers", "vatroo.txt", u"больше 49 записей",
                [](QuizFolder& q) { q.writeBytes("vatroo.txt", randomBytes(256 * 1024, 13)); }),

        // The size bound: a file of 1 MiB is read, one byte more is not.
        refused("TenMegabyteLetters", "vatro.txt", TooLarge,
                [](QuizFolder& q) {
                    static const std::string bytes = tenMegabytesOfLetters();
                    q.writeBytes("vatro.txt", bytes);
                }),
        plays("AnswersOfExactlyOneMebibyte", "vatroo.txt", 3, 3, 24,
              [](QuizFolder& q) {
                  static const std::string bytes = paddedAnswers(MaxFileBytes);
                  q.writeBytes("vatroo.txt", bytes);
              }),
        refused("AnswersOneByteOverOneMebibyte", "vatroo.txt", TooLarge,
                [](QuizFolder& q) { q.writeBytes("vatroo.txt", paddedAnswers(MaxFileBytes + 1)); }),

        // The field bound.
        plays("QuestionOfTheLongestLength", "vatrov.txt", 3, 3, 24,
              [](QuizFolder& q) {
                  auto questions = SmallQuiz::questions();
                  questions[1] = std::u16string(MaxFieldLength, u'Ж');
                  write(q, "vatrov.txt", questionsText(questions));
              }),
        refused("AnswerLongerThanAnyField", "vatroo.txt", u"запись 2 длиннее 2000 знаков",
                [](QuizFolder& q) {
                    auto answers = SmallQuiz::answers();
                    answers[1] = std::u16string(MaxFieldLength + 1, u'Ж');
                    write(q, "vatroo.txt", answersText(answers));
                }),

        // A quote left open runs on to the next quote, or to the end of the file.
        plays("UnclosedQuoteTakesTheNextQuestion", "vatrov.txt", 2, 3, 24,
              [](QuizFolder& q) {
                  const auto questions = SmallQuiz::questions();
                  write(q, "vatrov.txt",
                        u"\"" + questions[0] + u"\"\r\n\"" + questions[1] +
                            u"\r\n\"Что измеряет амперметр?\"\r\n");
              }),
        plays("UnclosedQuoteSwallowsTheRestOfTheAnswers", "vatroo.txt", 3, 2, 24,
              [](QuizFolder& q) { write(q, "vatroo.txt", u"ОМ\r\n\"ВОЛЬТ\r\nТОК\r\n"); }),
        refused("UnclosedQuoteSwallowsALongFile", "vatroo.txt", u"запись 2 длиннее",
                [longLine](QuizFolder& q) {
                    std::u16string text = u"ОМ\r\n\"ВОЛЬТ\r\n";
                    while (text.size() <= MaxFieldLength + 100)
                        text += longLine + u"\r\n";
                    write(q, "vatroo.txt", text);
                }),

        // The capacity of each file, and one record past it.
        plays("FullBoard", "vatro.txt", 3, 3, 340,
              [](QuizFolder& q) { write(q, "vatro.txt", lettersText(boardOf(340))); }),
        refused("BoardOfOneLetterTooMany", "vatro.txt", u"больше 340 записей",
                [](QuizFolder& q) { write(q, "vatro.txt", lettersText(boardOf(341))); }),
        plays("FullWordList", "vatroo.txt", 49, 49, 24,
              [](QuizFolder& q) {
                  write(q, "vatroo.txt", answersText(answersOf(49)));
                  write(q, "vatrov.txt", questionsText(questionsOf(49)));
              }),
        refused("WordListOfOneAnswerTooMany", "vatroo.txt", u"больше 49 записей",
                [](QuizFolder& q) {
                    write(q, "vatroo.txt", answersText(answersOf(50)));
                    write(q, "vatrov.txt", questionsText(questionsOf(50)));
                }),
        plays("FullQuestionList", "vatrov.txt", 50, 3, 24,
              [](QuizFolder& q) { write(q, "vatrov.txt", questionsText(questionsOf(50))); }),
        refused("QuestionListOfOneTooMany", "vatrov.txt", u"больше 50 записей",
                [](QuizFolder& q) { write(q, "vatrov.txt", questionsText(questionsOf(51))); }),

        // The two lists pair by position; the game plays as many questions as answers.
        plays("MoreQuestionsThanAnswers", "vatrov.txt", 5, 3, 24,
              [](QuizFolder& q) { write(q, "vatrov.txt", questionsText(questionsOf(5))); }),
        plays("MoreAnswersThanQuestions", "vatrov.txt", 2, 3, 24,
              [](QuizFolder& q) { write(q, "vatrov.txt", questionsText(questionsOf(2))); }),

        // Things in the folder that are not files.
        refused("DirectoryNamedLikeTheAnswers", "vatroo.txt", Unreadable,
                [](QuizFolder& q) { fs::create_directory(replaced(q, "vatroo.txt")); }),
        refused("PipeNamedLikeTheLetters", "vatro.txt", Unreadable,
                [](QuizFolder& q) {
                    if (::mkfifo(replaced(q, "vatro.txt").c_str(), 0644) != 0)
                        throw std::runtime_error("cannot make a pipe");
                }),
        refused("SymlinkLoopForTheAnswers", "vatroo.txt", u"файл «vatroo.txt»",
                [](QuizFolder& q) {
                    const fs::path path = replaced(q, "vatroo.txt");
                    fs::create_symlink("vatroo.lnk", path);
                    fs::create_symlink("vatroo.txt", q.path() / "vatroo.lnk");
                }),
    };

    HostileQuiz unreadable =
        refused("UnreadableLetters", "vatro.txt", Unreadable,
                [](QuizFolder& q) { fs::permissions(q.path() / "vatro.txt", fs::perms::none); });
    unreadable.needsPermissionChecks = true;
    corpus.push_back(std::move(unreadable));
    return corpus;
}

} // namespace vatro::testing
