// The quiz-file checker: what it tells a teacher about a quiz folder, and the program that
// tells it. The hostile folders are checked beside the game in hostile_test.cpp.
#include "checker/quizcheck.h"
#include "quiz/numbertext.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/hostilequiz.h"
#include "support/runcommand.h"

#include <fstream>
#include <functional>
#include <iconv.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;
using Kind = Finding::Kind;

const fs::path SampleFolder = VATRO_SAMPLE_QUIZ;

bool contains(const std::u16string& text, std::u16string_view part) {
    return text.find(part) != std::u16string::npos;
}

// The text in another encoding, through glibc's iconv.
std::string encoded(std::u16string_view text, const char* encoding) {
    std::string in = utf16ToUtf8(text);
    std::string out(in.size() * 4, '\0');
    iconv_t codec = iconv_open(encoding, "UTF-8");
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    if (codec == reinterpret_cast<iconv_t>(-1) ||
        iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        throw std::runtime_error(std::string("no iconv to ") + encoding);
    iconv_close(codec);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(QuizCheck, TheSampleQuizPlaysAsMeant) {
    const QuizCheck result = checkQuizFolder(SampleFolder);
    EXPECT_TRUE(result.findings.empty()) << utf8(formatQuizCheck(result));
    EXPECT_EQ(result.exitStatus(), 0);
    for (const CheckedFile& file : result.files)
        EXPECT_TRUE(file.read && file.records > 0) << file.name;
}

// A folder with one mistake a teacher makes, over the good quiz, and what the checker must
// say of it: the exit status, how many findings (-1: not pinned), and the finding (its file,
// kind, record and line, and words of its message or fix).
struct BrokenFolder {
    const char* mistake;
    std::string file;  // the file the mistake is in, and the finding's
    std::string bytes; // what that file holds
    int exit;
    int findings;
    Kind kind;
    std::size_t record;
    std::size_t line;
    std::u16string says;
    void (*build)(QuizFolder&) = nullptr; // instead of writing the bytes
};

// Windows-1251 lines, and a board of one line.
std::string lines(std::initializer_list<std::u16string> records) {
    std::u16string text;
    for (const std::u16string& record : records)
        text += record + u"\r\n";
    return encodeCp1251(text);
}
std::string board(std::u16string_view letters) {
    std::u16string text;
    for (char16_t letter : letters)
        text += (text.empty() ? u"" : u",") + std::u16string(1, letter);
    return encodeCp1251(text);
}

std::vector<BrokenFolder> brokenFolders() {
    const std::u16string questions = u"\"Как называется единица электрического заряда?\"\r\n"
                                     u"\"Какая величина измеряется в ваттах?\"\r\n"
                                     u"\"Как называется прибор для измерения силы тока?\"\r\n";
    std::string brokenUtf8 = utf16ToUtf8(questions);
    brokenUtf8[brokenUtf8.rfind("\r\n\"") + 5] = '\xFF';
    std::u16string unclosed = u"ОМ\r\n\"ВОЛЬТ\r\n";
    while (unclosed.size() <= MaxFieldLength + 100)
        unclosed += u"ТОК\r\n";
    const std::string board340 = board(u"ОМВОЛТТОК" + std::u16string(331, u'А')); // no Ь
    using K = Kind;
    return {
        {"a question split at a comma", "vatrov.txt",
         lines({u"\"Единица сопротивления?\"", u"Как называется прибор, измеряющий ток?",
                u"\"В чём измеряют напряжение?\""}),
         1, 2, K::SplitQuestion, 3, 2, u"«Как называется прибор» + «измеряющий ток?»"},
        {"a question split in three, the middle part capitalised", "vatrov.txt",
         lines({u"Какой прибор, Амперметр или Вольтметр, измеряет ток?",
                u"\"Единица сопротивления?\"", u"\"В чём измеряют напряжение?\""}),
         1, 2, K::SplitQuestion, 2, 1, u"\"Какой прибор, Амперметр или Вольтметр, измеряет ток?\""},
        {"one question a line, without question marks", "vatrov.txt",
         lines({u"Единица сопротивления", u"Единица напряжения",
                u"Направленное движение заряженных частиц"}),
         0, 0, K::Missing, 0, 0, u""},
        {"more answers than questions", "vatroo.txt", lines({u"ОМ", u"ВОЛЬТ", u"ТОК", u"ГИД"}), 1,
         1, K::CountMismatch, 4, 4, u"вопрос 4 будет пустым"},
        {"Latin look-alikes and a digit in the answers", "vatroo.txt",
         lines({u"ОM", u"В0ЛЬТ", u"TOK"}), 1, 3, K::LatinLetters, 1, 1, u"латинская «M» (2-я)"},
        {"a Latin letter on the board", "vatro.txt", board(u"ОМВOЛЬТТОКАБГДЕЖЗИЙП"), 1, 2,
         K::LatinLetters, 4, 1, u"латинская «O»"},
        {"a letter the board lacks", "vatro.txt", board(u"ОМВОЛАТТОКАБГДЕЖЗИЙП"), 1, 1,
         K::LettersShort, 0, 0, u"буквы «Ь»: ответу 2 нужно 1, на табло 0 — не хватает 1"},
        {"two answers sharing a letter the board holds once", "vatro.txt",
         board(u"ОМВОЛЬТОКАБГДЕЖЗИЙПР"), 1, 1, K::LettersShort, 0, 0,
         u"ответам 2, 3 нужно 2, на табло 1 — не хватает 1. Выбранные буквы с табло исчезают, и "
         u"в игре с буквами уже не собрать ответ 3 («ТОК»)."},
        {"small letters on the board, capitals in the answers", "vatro.txt",
         board(u"ОМВОЛЬттОКАБГДЕЖЗИЙП"), 1, 1, K::LettersShort, 0, 0,
         u"На табло есть «т», но большие и маленькие"},
        {"a full board short of a letter", "vatro.txt", board340, 1, 1, K::LettersShort, 0, 0,
         u"замените ими лишние буквы (больше всего лишних: «А» — 331)"},
        {"a blank after an answer", "vatroo.txt", lines({u"\"ОМ \"", u"ВОЛЬТ", u"ТОК"}), 1, 1,
         K::StrayBlanks, 1, 1, u"Уберите лишние пробелы: \"ОМ\""},
        {"two commas in a row", "vatroo.txt", lines({u"ОМ", u"ВОЛЬТ,,", u"ТОК"}), 1, 2,
         K::EmptyRecord, 3, 2, u"Пустая запись"},
        {"an answer too long to spell", "vatroo.txt", lines({u"ОМ", u"ЭЛЕКТРОСТАТИЧЕСКИЙ", u"ТОК"}),
         1, -1, K::AnswerTooLong, 2, 2, u"не больше 17"},
        {"a short last row of the board", "vatro.txt", board(u"ОМВОЛЬТТОКАБГДЕЖЗИЙПРСУФ"), 1, 1,
         K::BoardRowIncomplete, 24, 1, u"16 букв табло не видны"},
        {"two letters in one cell", "vatro.txt", encodeCp1251(u"О,М,В,О,Л,Ь,Т,Т,О,К,А,Б,ГД,Е"), 1,
         1, K::CellNotOneLetter, 13, 1, u"(Г,Д)"},
        {"a quote closed a line late", "vatrov.txt",
         lines({u"\"Единица сопротивления?\"", u"\"В чём измеряют напряжение?",
                u"\"Направленное движение заряженных частиц\" — это?"}),
         1, -1, K::UnclosedQuote, 2, 2, u"закрывается только в строке 3"},
        {"text after a closing quote", "vatrov.txt",
         lines({u"\"Единица сопротивления?\"", u"\"В чём измеряют\" напряжение?",
                u"\"Направленное движение заряженных частиц?\""}),
         1, 1, K::TextAfterQuote, 2, 2, u"«напряжение?»"},
        {"a quote never closed, in a file too long for the game", "vatroo.txt",
         encodeCp1251(unclosed), 1, -1, K::UnclosedQuote, 2, 2,
         u"нигде не закрыта: весь остаток файла стал одной записью. Запись длиннее 2000 знаков, "
         u"и игра не читает файл."},
        {"one answer past the capacity", "vatroo.txt", encodeCp1251([] {
             std::u16string text;
             for (int n = 0; n < 50; ++n)
                 text += u"ВОЛЬТ\r\n";
             return text;
         }()),
         1, -1, K::TooManyRecords, 50, 50, u"игра вмещает не больше 49"},
        {"no help file", "Справка1.txt", "", 1, 1, K::Missing, 0, 0, u"Файла нет в папке",
         [](QuizFolder& q) { q.remove("Справка1.txt"); }},
        {"a quiz file named in capitals", "vatro.txt", "", 2, 1, K::Missing, 0, 0,
         u"«VATRO.TXT»: переименуйте его точно в vatro.txt",
         [](QuizFolder& q) { fs::rename(q.path() / "vatro.txt", q.path() / "VATRO.TXT"); }},
        {"a quiz file with a second .txt", "vatrov.txt", "", 2, 1, K::Missing, 0, 0,
         u"«vatrov.txt.txt»",
         [](QuizFolder& q) { fs::rename(q.path() / "vatrov.txt", q.path() / "vatrov.txt.txt"); }},
        // A file read into gibberish is told of once, as a whole, by the encoding it is in.
        {"questions in KOI8-R", "vatrov.txt", encoded(questions, "KOI8-R"), 1, 1, K::WrongEncoding,
         0, 0, u"KOI8-R"},
        {"questions in CP866", "vatrov.txt", encoded(questions, "CP866"), 1, 1, K::WrongEncoding, 0,
         0, u"CP866"},
        // The game refuses UTF-16 without its mark: so does the checker.
        {"questions in UTF-16 without the mark", "vatrov.txt", encoded(questions, "UTF-16BE"), 2, 1,
         K::WrongEncoding, 0, 0, u"UTF-16 без метки"},
        {"questions in UTF-8 with a broken byte on line 3", "vatrov.txt", brokenUtf8, 1, 1,
         K::WrongEncoding, 0, 3, u"в строке 3 испорчена последовательность байтов"},
        {"questions in UTF-8 read as Windows-1251 and saved again", "vatrov.txt",
         utf16ToUtf8(decodeCp1251(utf16ToUtf8(questions))), 1, 1, K::WrongEncoding, 0, 0,
         u"перекодирован дважды"},
        {"a broken byte after the UTF-8 mark", "vatroo.txt",
         "\xEF\xBB\xBF" + utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\nТ") + "\xD0К\r\n", 1, 1, K::WrongEncoding, 3,
         3, u"испорчен знак"},
        {"a help line split at a comma", "Справка1.txt",
         lines({u"\"Как играть\"", u"Нажмите Пуск, затем выберите букву"}), 0, 1, K::SplitHelpLine,
         3, 2, u"\"Нажмите Пуск, затем выберите букву\""},
        // The window shows the first lines only, and nothing scrolls.
        {"a help file longer than its window", "Справка1.txt",
         lines({u"Строка 1", u"Строка 2", u"Строка 3", u"Строка 4", u"Строка 5", u"Строка 6",
                u"Строка 7", u"Строка 8", u"Строка 9", u"Строка 10"}),
         1, 1, K::HelpTooLong, 9, 9, u"строки с 9-й по 10-ю ученик не увидит"},
        {"an invisible character in an answer", "vatroo.txt", lines({u"ОМ", u"ВОЛ\x01ЬТ", u"ТОК"}),
         1, 1, K::InvisibleCharacters, 2, 2, u"U+0001"},
    };
}

TEST(QuizCheck, TellsEachMistakeWithItsFileRecordLineAndFix) {
    for (const BrokenFolder& broken : brokenFolders()) {
        SCOPED_TRACE(broken.mistake);
        QuizFolder quiz;
        writeGoodQuiz(quiz);
        if (broken.build)
            broken.build(quiz);
        else
            quiz.writeBytes(broken.file, broken.bytes);
        const QuizCheck result = checkQuizFolder(quiz.path());
        const std::u16string report = formatQuizCheck(result);
        EXPECT_EQ(result.exitStatus(), broken.exit) << utf8(report);
        EXPECT_TRUE(broken.findings < 0 ||
                    result.findings.size() == static_cast<std::size_t>(broken.findings))
            << utf8(report);
        const std::u16string verdict[] = {u"Итог: ошибок нет", u"Итог: ошибок — ",
                                          u"Итог: игра не прочитает"};
        EXPECT_TRUE(contains(report, verdict[broken.exit])) << utf8(report);
        const auto found =
            std::find_if(result.findings.begin(), result.findings.end(), [&](const Finding& f) {
                return f.file == broken.file && f.kind == broken.kind;
            });
        if (broken.findings == 0)
            continue;
        ASSERT_NE(found, result.findings.end()) << utf8(report);
        EXPECT_EQ(found->record, broken.record);
        EXPECT_EQ(found->line, broken.line);
        EXPECT_TRUE(contains(found->what + u"\n" + found->fix, broken.says)) << utf8(report);
        // The report gives the place, the message and the fix.
        const std::u16string place = u"Запись " + decimal(static_cast<long long>(found->record)) +
                                     u", строка " + decimal(static_cast<long long>(found->line));
        EXPECT_TRUE(contains(
            report, (found->record && found->line ? place + u": " : u"") + found->what + u"\n" +
                        (found->fix.empty() ? u"" : u"    Как исправить: ") + found->fix))
            << utf8(report);
    }
}

// UTF-8, and UTF-16 with its mark as Notepad saves it, are read as the teacher wrote them:
// named beside the file, never a note.
TEST(QuizCheck, AQuizInUtf8OrMarkedUtf16IsNamedButNotNoted) {
    QuizFolder quiz;
    writeGoodQuiz(quiz);
    quiz.writeBytes("vatroo.txt", "\xEF\xBB\xBF" + utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\nТОК\r\n"));
    quiz.writeBytes("vatrov.txt", "\xFF\xFE" + encoded(u"\"Единица сопротивления?\"\r\n\"Единица "
                                                       u"напряжения?\"\r\n\"Что течёт по "
                                                       u"проводу?\"\r\n",
                                                       "UTF-16LE"));
    const QuizCheck result = checkQuizFolder(quiz.path());
    const std::u16string report = formatQuizCheck(result);
    EXPECT_TRUE(result.findings.empty()) << utf8(report);
    EXPECT_TRUE(contains(report, u"vatroo.txt — ответы: 3 ответа из 49, UTF-8\n")) << utf8(report);
    EXPECT_TRUE(contains(report, u"vatrov.txt — вопросы: 3 вопроса из 50, UTF-16 LE\n"))
        << utf8(report);
    EXPECT_FALSE(contains(report, u"Заметк")) << utf8(report);
    EXPECT_TRUE(contains(report, u"Итог: ошибок нет — игра сыграет викторину так, как задумано.\n"))
        << utf8(report);
}

// Answers that repeat a few short words are Windows-1251 as the teacher saved them: read as
// KOI8-R their letters merely happen to be commoner ones.
TEST(QuizCheck, ShortRepeatedAnswersInWindows1251AreNotTakenForAnotherEncoding) {
    QuizFolder quiz;
    writeGoodQuiz(quiz);
    quiz.writeBytes("vatroo.txt", lines({u"ТОК", u"ТОК", u"ОМ", u"ОМ", u"ТОК", u"ОМ"}));
    const QuizCheck result = checkQuizFolder(quiz.path());
    for (const Finding& finding : result.findings)
        EXPECT_NE(finding.kind, Kind::WrongEncoding) << utf8(finding.what);
}

// "--fill-board": the board built from the answers, the old one kept, the folder checked.
TEST(QuizCheckProgram, FillBoardBuildsTheBoardFromTheAnswersAndChecksTheFolder) {
    QuizFolder folder;
    writeGoodQuiz(folder);
    folder.writeLetters(lettersOf(u"ОМ"));
    std::string output;
    const std::string program = quoted(VATRO_CHECK_PROGRAM) + " --fill-board --seed 5 ";
    EXPECT_EQ(runCommand(program + quoted(folder.path()), output), 0) << output;
    EXPECT_NE(output.find("зерно 5"), std::string::npos) << output;
    EXPECT_NE(output.find("ошибок нет"), std::string::npos) << output;
    EXPECT_TRUE(fs::exists(folder.path() / "vatro.txt.bak"));
    EXPECT_EQ(runCommand(quoted(VATRO_CHECK_PROGRAM) + " --fill-board --seed пять " +
                             quoted(folder.path()),
                         output),
              2)
        << output;
}

// The installed program: the report on stdout in UTF-8, the verdict in the exit status.
TEST(QuizCheckProgram, ExitsWithZeroOneOrTwoAsTheFolderDeserves) {
    std::string output;
    const auto run = [&](const fs::path& folder) {
        return runCommand(quoted(VATRO_CHECK_PROGRAM) + " " + quoted(folder), output);
    };
    EXPECT_EQ(run(SampleFolder), 0) << output;
    EXPECT_NE(output.find("vatrov.txt — вопросы: 39 вопросов из 50, Windows-1251"),
              std::string::npos)
        << output;
    QuizFolder broken;
    writeGoodQuiz(broken);
    broken.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК", u"ГИД"});
    EXPECT_EQ(run(broken.path()), 1) << output;
    broken.remove("vatroo.txt");
    EXPECT_EQ(run(broken.path()), 2) << output;
    EXPECT_EQ(run(broken.path() / "нет такой папки"), 2) << output;
    // The folder the teacher stands in, given as "." or not at all, is told of by its name.
    const std::string named =
        "Проверка викторины в папке «" + fs::canonical(broken.path()).string() + "»\n";
    const std::string parent = " ../" + broken.path().filename().string();
    for (const std::string& argument : std::vector<std::string>{" .", "", " ./", parent}) {
        runCommand("cd " + quoted(broken.path()) + " && " + quoted(VATRO_CHECK_PROGRAM) + argument,
                   output);
        EXPECT_EQ(output.rfind(named, 0), 0u) << argument << "\n" << output;
    }
}

} // namespace
} // namespace vatro::testing
