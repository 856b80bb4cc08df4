// The quiz-file checker: what it tells a teacher about a quiz folder, and that it agrees
// with what the game itself makes of the folder.
#include "game/quizcheck.h"
#include "game/quizreader.h"
#include "game/textcodec.h"
#include "support/gamefixture.h"
#include "support/hostilequiz.h"

#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vatro::testing {
namespace {

using Kind = Finding::Kind;
using Severity = Finding::Severity;

const std::filesystem::path SampleFolder = VATRO_SAMPLE_QUIZ;

bool contains(const std::u16string& text, std::u16string_view part) {
    return text.find(part) != std::u16string::npos;
}

std::string shown(const QuizCheck& check) {
    return utf8(formatQuizCheck(check));
}

std::vector<Finding> findings(const QuizCheck& check, Kind kind, const std::string& file = "") {
    std::vector<Finding> found;
    for (const Finding& finding : check.findings) {
        if (finding.kind == kind && (file.empty() || finding.file == file))
            found.push_back(finding);
    }
    return found;
}

// The text in another encoding, through glibc's iconv.
std::string encoded(std::u16string_view text, const char* encoding) {
    const std::string source = utf16ToUtf8(text);
    iconv_t codec = iconv_open(encoding, "UTF-8");
    if (codec == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no iconv for ") + encoding);
    std::string in = source;
    std::string out(in.size() * 4 + 8, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(codec);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error("iconv failed");
    out.resize(out.size() - outLeft);
    return out;
}

// A small quiz whose board spells every answer in one game, 20 letters to the row.
class QuizCheckTest : public ::testing::Test {
protected:
    QuizCheckTest() {
        quiz.writeQuiz(lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙП"), {u"ОМ", u"ВОЛЬТ", u"ТОК"},
                       SmallQuiz::questions());
        quiz.write("Справка1.txt", u"\"Как играть\"\r\n\"Щёлкните букву, затем Пуск.\"\r\n");
    }
    QuizCheck check() const { return checkQuizFolder(quiz.path()); }

    QuizFolder quiz;
};

TEST_F(QuizCheckTest, ACarefulTeachersQuizHasNothingToFix) {
    const QuizCheck result = check();
    EXPECT_TRUE(result.findings.empty()) << shown(result);
    EXPECT_EQ(result.exitStatus(), 0);
    ASSERT_EQ(result.files.size(), 4u);
    EXPECT_EQ(result.files[0].records, 20u);
    EXPECT_EQ(result.files[2].records, 3u);
    EXPECT_TRUE(contains(formatQuizCheck(result),
                         u"vatro.txt — табло букв: 20 букв из 340, 1 ряд, Windows-1251\n"))
        << shown(result);
    EXPECT_TRUE(contains(formatQuizCheck(result), u"Итог: ошибок нет")) << shown(result);
}

TEST(QuizCheckSample, TheSampleQuizPlaysAsMeant) {
    const QuizCheck result = checkQuizFolder(SampleFolder);
    EXPECT_TRUE(result.findings.empty()) << shown(result);
    EXPECT_EQ(result.exitStatus(), 0);
    for (const CheckedFile& file : result.files) {
        EXPECT_TRUE(file.read) << file.name;
        EXPECT_GT(file.records, 0u) << file.name;
    }
}

// Runs a shell command; its exit status, and its output in output.
int runCommand(const std::string& command, std::string& output) {
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return -1;
    char buffer[4096];
    output.clear();
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string shellQuoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// The installed program: the report on stdout in UTF-8, the verdict in the exit status.
TEST(QuizCheckProgram, ExitsWithZeroOneOrTwoAsTheFolderDeserves) {
    const auto run = [](const std::filesystem::path& folder, std::string& output) {
        return runCommand(shellQuoted(VATRO_CHECK_PROGRAM) + " " + shellQuoted(folder), output);
    };
    std::string output;
    EXPECT_EQ(run(SampleFolder, output), 0) << output;
    EXPECT_NE(output.find("vatrov.txt — вопросы: 39 вопросов из 50, Windows-1251"),
              std::string::npos)
        << output;

    QuizFolder broken;
    broken.writeQuiz(lettersOf(u"ОМ"), {u"ОМ", u"ТОК"}, {u"Единица сопротивления?"});
    EXPECT_EQ(run(broken.path(), output), 1) << output;
    EXPECT_NE(output.find("Вопросов 1, а ответов 2."), std::string::npos) << output;

    broken.remove("vatroo.txt");
    EXPECT_EQ(run(broken.path(), output), 2) << output;
    EXPECT_EQ(run(broken.path() / "нет такой папки", output), 2) << output;
}

// The menu entry's launcher starts the game in the teacher's ~/Ватро when it holds a quiz,
// and in the sample quiz installed beside the game otherwise.
TEST(QuizCheckLauncher, StartsTheGameInTheTeachersQuizFolderOrInTheSample) {
    namespace fs = std::filesystem;
    QuizFolder install;
    const fs::path bin = install.path() / "bin";
    const fs::path sample = install.path() / "share" / "vatro" / "quiz";
    const fs::path home = install.path() / "home";
    const fs::path own = home / pathFromUtf8("Ватро");
    for (const fs::path& folder : {bin, sample, own})
        fs::create_directories(folder);
    fs::copy_file(SampleFolder.parent_path() / "vatro-launch", bin / "vatro-launch");
    // A stand-in for the game that tells where it was started and with what.
    std::ofstream(bin / "vatro") << "#!/bin/sh\necho \"$PWD|$*\"\n";
    for (const char* program : {"vatro-launch", "vatro"})
        fs::permissions(bin / program, fs::perms::owner_all);

    const auto launch = [&](const std::string& arguments = "") {
        std::string output;
        const int status = runCommand("HOME=" + shellQuoted(home) + " " +
                                          shellQuoted(bin / "vatro-launch") + arguments,
                                      output);
        EXPECT_EQ(status, 0) << output;
        return output;
    };
    EXPECT_EQ(launch(), fs::canonical(sample).string() + "|\n");
    std::ofstream(own / "vatro.txt") << "\xCE,\xCC\r\n";
    EXPECT_EQ(launch(" -style fusion"), own.string() + "|-style fusion\n");
}

// A comma outside quotes splits a question in two, and every later question is paired
// with the wrong answer.
TEST_F(QuizCheckTest, AQuestionSplitAtACommaIsShownWithItsPartsAndTheQuotedWhole) {
    quiz.write("vatrov.txt", u"\"Единица сопротивления?\"\r\n"
                             u"Как называется прибор, измеряющий ток?\r\n"
                             u"\"В чём измеряют напряжение?\"\r\n");
    QuizCheck result = check();
    auto split = findings(result, Kind::SplitQuestion, "vatrov.txt");
    ASSERT_EQ(split.size(), 1u) << shown(result);
    EXPECT_EQ(split[0].record, 3u);
    EXPECT_EQ(split[0].line, 2u);
    EXPECT_TRUE(contains(split[0].what, u"«Как называется прибор» + «измеряющий ток?»"))
        << utf8(split[0].what);
    EXPECT_TRUE(contains(split[0].fix, u"\"Как называется прибор, измеряющий ток?\""))
        << utf8(split[0].fix);
    const auto counts = findings(result, Kind::CountMismatch, "vatrov.txt");
    ASSERT_EQ(counts.size(), 1u) << shown(result);
    EXPECT_EQ(counts[0].record, 4u);
    EXPECT_EQ(counts[0].line, 3u);
    EXPECT_EQ(result.exitStatus(), 1);

    // Three parts, the middle one capitalised: one finding, the whole question joined.
    quiz.write("vatrov.txt", u"Какой прибор, Амперметр или Вольтметр, измеряет ток?\r\n"
                             u"\"Единица сопротивления?\"\r\n\"В чём измеряют напряжение?\"\r\n");
    result = check();
    split = findings(result, Kind::SplitQuestion);
    ASSERT_EQ(split.size(), 1u) << shown(result);
    EXPECT_EQ(split[0].record, 2u);
    EXPECT_TRUE(contains(split[0].what, u"записи 1–3")) << utf8(split[0].what);
    EXPECT_TRUE(
        contains(split[0].fix, u"\"Какой прибор, Амперметр или Вольтметр, измеряет ток?\""));

    // A teacher who writes no question marks, one question a line, is left alone.
    quiz.write("vatrov.txt", u"Единица сопротивления\r\nЕдиница напряжения\r\n"
                             u"Направленное движение заряженных частиц\r\n");
    result = check();
    EXPECT_TRUE(result.findings.empty()) << shown(result);
}

TEST_F(QuizCheckTest, QuestionsAndAnswersOfDifferentCountsNameTheFirstUnpairedRecord) {
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК", u"ОМ"});
    quiz.writeLetters(lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗОМП"));
    const QuizCheck result = check();
    const auto counts = findings(result, Kind::CountMismatch);
    ASSERT_EQ(counts.size(), 1u) << shown(result);
    EXPECT_EQ(counts[0].file, "vatroo.txt");
    EXPECT_EQ(counts[0].record, 4u);
    EXPECT_EQ(counts[0].line, 4u);
    EXPECT_TRUE(contains(counts[0].what, u"вопрос 4 будет пустым")) << utf8(counts[0].what);
    EXPECT_TRUE(findings(result, Kind::SplitQuestion).empty());
}

// Exact judging compares codes: a Latin M in an answer or on the board never matches the
// Russian М a pupil picks.
TEST_F(QuizCheckTest, LatinLookAlikesInAnswersAndOnTheBoardAreNamedWithTheirPlace) {
    quiz.writeAnswers({u"ОM", u"В0ЛЬТ", u"TOK"});
    quiz.writeLetters(lettersOf(u"ОМВOЛЬТТОКАБГДЕЖЗИЙП"));
    const QuizCheck result = check();
    const auto answers = findings(result, Kind::LatinLetters, "vatroo.txt");
    ASSERT_EQ(answers.size(), 3u) << shown(result);
    EXPECT_EQ(answers[0].record, 1u);
    EXPECT_EQ(answers[0].line, 1u);
    EXPECT_TRUE(contains(answers[0].what, u"латинская «M» (2-я)")) << utf8(answers[0].what);
    EXPECT_TRUE(contains(answers[0].what, u"русская «М»")) << utf8(answers[0].what);
    EXPECT_TRUE(contains(answers[1].what, u"цифра «0» (2-я)")) << utf8(answers[1].what);
    EXPECT_TRUE(contains(answers[2].what, u"«T» (1-я), латинская «O» (2-я), латинская «K»"))
        << utf8(answers[2].what);

    const auto board = findings(result, Kind::LatinLetters, "vatro.txt");
    ASSERT_EQ(board.size(), 1u) << shown(result);
    EXPECT_EQ(board[0].record, 4u);
    EXPECT_TRUE(contains(board[0].what, u"латинская «O»")) << utf8(board[0].what);
    // The Russian О the Latin one stands in for is missing from the board, and the message
    // says why.
    const auto supply = findings(result, Kind::LettersShort);
    ASSERT_EQ(supply.size(), 1u) << shown(result);
    EXPECT_TRUE(contains(supply[0].what, u"латинская «O»")) << utf8(supply[0].what);
    EXPECT_EQ(result.exitStatus(), 1);
}

// Picked letters are used up, so one game needs every answer's letters at once.
TEST_F(QuizCheckTest, ABoardShortOfLettersForAWholeGameSaysWhichAndByHowMany) {
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ЩИТ", u"ток"});
    quiz.writeQuestions({u"Единица сопротивления?", u"Единица напряжения?", u"Что защищает?",
                         u"Что течёт по проводу?"});
    QuizCheck result = check();
    auto supply = findings(result, Kind::LettersShort, "vatro.txt");
    ASSERT_EQ(supply.size(), 4u) << shown(result);
    const auto about = [&](std::u16string_view letter) -> const Finding& {
        for (const Finding& finding : supply) {
            if (contains(finding.what, u"буквы «" + std::u16string(letter) + u"»"))
                return finding;
        }
        ADD_FAILURE() << "nothing about " << utf8(std::u16string(letter)) << "\n" << shown(result);
        return supply[0];
    };
    EXPECT_TRUE(contains(about(u"Щ").what, u"ответу 3 нужно 1, на табло 0 — не хватает 1"));
    EXPECT_TRUE(contains(about(u"т").what, u"На табло есть «Т», но большие и маленькие"));
    EXPECT_TRUE(contains(about(u"Щ").fix, u"Добавьте на табло ещё 1 «Щ»."));
    for (const auto letter : {u"о", u"к"})
        EXPECT_TRUE(contains(about(letter).what, u"ответу 4 нужно 1")) << utf8(about(letter).what);

    // On a full board the new letters must take the place of spare ones.
    std::vector<std::u16string> board;
    for (int n = 0; n < 17; ++n) {
        for (const auto& letter : lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙ"))
            board.push_back(letter);
        board.push_back(n == 0 ? u"Т" : u"Я");
    }
    quiz.writeLetters(board);
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ЩИТ"});
    quiz.writeQuestions({u"Единица сопротивления?", u"Единица напряжения?", u"Что защищает?"});
    result = check();
    supply = findings(result, Kind::LettersShort);
    ASSERT_EQ(supply.size(), 1u) << shown(result);
    EXPECT_TRUE(contains(supply[0].fix, u"замените ими лишние буквы")) << utf8(supply[0].fix);
    EXPECT_TRUE(contains(supply[0].fix, u"больше всего лишних: «О» — 49")) << utf8(supply[0].fix);
}

TEST_F(QuizCheckTest, StrayBlanksEmptyRecordsAndOverlongAnswersCannotBeSpelled) {
    quiz.write("vatroo.txt", u"\"ОМ \"\r\n\"СИЛА  ТОКА\"\r\nВОЛЬТ,,\r\n"
                             u"ЭЛЕКТРОСТАТИЧЕСКИЙ\r\n");
    const QuizCheck result = check();
    const auto blanks = findings(result, Kind::StrayBlanks);
    ASSERT_EQ(blanks.size(), 2u) << shown(result);
    EXPECT_TRUE(contains(blanks[0].what, u"«ОМ » пробел в конце")) << utf8(blanks[0].what);
    EXPECT_TRUE(contains(blanks[0].fix, u"\"ОМ\"")) << utf8(blanks[0].fix);
    EXPECT_TRUE(contains(blanks[1].what, u"два пробела подряд")) << utf8(blanks[1].what);
    EXPECT_TRUE(contains(blanks[1].fix, u"\"СИЛА ТОКА\"")) << utf8(blanks[1].fix);

    const auto empty = findings(result, Kind::EmptyRecord);
    ASSERT_EQ(empty.size(), 1u) << shown(result);
    EXPECT_EQ(empty[0].record, 4u);
    EXPECT_EQ(empty[0].line, 3u);
    const auto tooLong = findings(result, Kind::AnswerTooLong);
    ASSERT_EQ(tooLong.size(), 1u) << shown(result);
    EXPECT_EQ(tooLong[0].record, 5u);
    EXPECT_EQ(tooLong[0].line, 4u);
    // A two-word answer needs a blank on the board, and the board has none.
    bool blankShort = false;
    for (const Finding& finding : findings(result, Kind::LettersShort))
        blankShort = blankShort || contains(finding.what, u"не хватает пробела");
    EXPECT_TRUE(blankShort) << shown(result);
}

// The board shows, in every row, only as many columns as its last row holds.
TEST_F(QuizCheckTest, ABoardWithAShortLastRowOrMultiLetterCellsIsNotWhatPupilsSee) {
    auto board = lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙПРСУФ");
    board[12] = u"ГД";
    quiz.writeLetters(board);
    const QuizCheck result = check();
    const auto row = findings(result, Kind::BoardRowIncomplete);
    ASSERT_EQ(row.size(), 1u) << shown(result);
    EXPECT_EQ(row[0].record, 24u);
    EXPECT_EQ(row[0].line, 2u);
    EXPECT_TRUE(contains(row[0].what, u"4 буквы из 20")) << utf8(row[0].what);
    EXPECT_TRUE(contains(row[0].what, u"16 букв табло не видны")) << utf8(row[0].what);
    EXPECT_TRUE(contains(row[0].fix, u"ещё 16")) << utf8(row[0].fix);
    const auto cells = findings(result, Kind::CellNotOneLetter);
    ASSERT_EQ(cells.size(), 1u) << shown(result);
    EXPECT_EQ(cells[0].record, 13u);
    EXPECT_TRUE(contains(cells[0].fix, u"(Г,Д)")) << utf8(cells[0].fix);
}

TEST_F(QuizCheckTest, QuotesLeftOpenOrFollowedByTextSayWhereToCloseThem) {
    quiz.write("vatrov.txt", u"\"Единица сопротивления?\"\r\n\"В чём измеряют напряжение?\r\n"
                             u"\"Направленное движение заряженных частиц\" — это?\r\n");
    QuizCheck result = check();
    const auto open = findings(result, Kind::UnclosedQuote);
    ASSERT_EQ(open.size(), 1u) << shown(result);
    EXPECT_EQ(open[0].record, 2u);
    EXPECT_EQ(open[0].line, 2u);
    EXPECT_TRUE(contains(open[0].what, u"закрывается только в строке 3")) << utf8(open[0].what);
    EXPECT_TRUE(contains(open[0].fix, u"в конце строки 2")) << utf8(open[0].fix);

    quiz.write("vatrov.txt", u"\"Единица сопротивления?\"\r\n\"В чём измеряют\" напряжение?\r\n"
                             u"\"Направленное движение заряженных частиц?\"\r\n");
    result = check();
    const auto dropped = findings(result, Kind::TextAfterQuote);
    ASSERT_EQ(dropped.size(), 1u) << shown(result);
    EXPECT_EQ(dropped[0].line, 2u);
    EXPECT_TRUE(contains(dropped[0].what, u"«напряжение?»")) << utf8(dropped[0].what);

    // A quote never closed, in a file too long for the game to read.
    std::u16string answers = u"ОМ\r\n\"ВОЛЬТ\r\n";
    while (answers.size() <= MaxFieldLength + 100)
        answers += u"ТОК\r\n";
    quiz.write("vatroo.txt", answers);
    result = check();
    const auto refused = findings(result, Kind::UnclosedQuote, "vatroo.txt");
    ASSERT_EQ(refused.size(), 1u) << shown(result);
    EXPECT_EQ(refused[0].record, 2u);
    EXPECT_TRUE(contains(refused[0].what, u"нигде не закрыта")) << utf8(refused[0].what);
    EXPECT_TRUE(contains(refused[0].what, u"игра не читает файл")) << utf8(refused[0].what);
}

TEST_F(QuizCheckTest, AMissingFileStopsTheGameButAMissingHelpFileDoesNot) {
    quiz.remove("Справка1.txt");
    QuizCheck result = check();
    ASSERT_EQ(result.findings.size(), 1u) << shown(result);
    EXPECT_EQ(result.findings[0].kind, Kind::Missing);
    EXPECT_EQ(result.exitStatus(), 1);

    // Windows does not tell the case of a name, nor show a second ".txt".
    std::filesystem::rename(quiz.path() / "vatro.txt", quiz.path() / "VATRO.TXT");
    std::filesystem::rename(quiz.path() / "vatrov.txt", quiz.path() / "vatrov.txt.txt");
    result = check();
    const auto missing = findings(result, Kind::Missing);
    ASSERT_EQ(missing.size(), 3u) << shown(result);
    EXPECT_EQ(missing[0].severity, Severity::Unreadable);
    EXPECT_TRUE(contains(missing[0].fix, u"«VATRO.TXT»: переименуйте его точно в vatro.txt"))
        << utf8(missing[0].fix);
    EXPECT_TRUE(contains(missing[1].fix, u"«vatrov.txt.txt»")) << utf8(missing[1].fix);
    EXPECT_EQ(result.exitStatus(), 2);
    EXPECT_TRUE(contains(formatQuizCheck(result), u"игра не прочитает vatro.txt, vatrov.txt"))
        << shown(result);
}

// Capacities: the checker refuses exactly what the game refuses.
class QuizCheckCapacity : public GameTest {};

TEST_F(QuizCheckCapacity, TheCheckerAndTheGameAgreeOnHowManyRecordsFit) {
    struct Case {
        std::string file;
        std::size_t capacity;
    };
    for (const Case& c : {Case{"vatro.txt", 340}, Case{"vatroo.txt", 49}, Case{"vatrov.txt", 50}}) {
        for (const std::size_t count : {c.capacity, c.capacity + 1}) {
            std::u16string text;
            for (std::size_t n = 0; n < count; ++n)
                text += u"\"Ж\"\r\n";
            quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
            quiz.write(c.file, text);
            bool refused = false;
            try {
                start();
            } catch (const QuizFileError&) {
                refused = true;
            }
            const QuizCheck result = checkQuizFolder(quiz.path());
            const auto tooMany = findings(result, Kind::TooManyRecords, c.file);
            EXPECT_EQ(refused, count > c.capacity) << c.file << " " << count;
            EXPECT_EQ(tooMany.size(), refused ? 1u : 0u) << c.file << " " << count;
            if (!tooMany.empty()) {
                EXPECT_EQ(tooMany[0].record, c.capacity + 1);
                EXPECT_EQ(tooMany[0].line, c.capacity + 1);
            }
        }
    }
}

// A file the game cannot read, or reads into gibberish, is told of once, as a whole.
TEST_F(QuizCheckTest, FilesSavedInAnEncodingTheGameDoesNotReadAreNamedByIt) {
    const std::u16string questions = u"\"Как называется единица электрического заряда?\"\r\n"
                                     u"\"Какая величина измеряется в ваттах?\"\r\n"
                                     u"\"Как называется прибор для измерения силы тока?\"\r\n";
    struct Case {
        std::string name;
        std::string bytes;
        std::u16string says;
        std::size_t line;
    };
    std::string brokenUtf8 = utf16ToUtf8(questions);
    brokenUtf8[brokenUtf8.find('\n', brokenUtf8.find('\n') + 1) + 3] = '\xFF';
    const std::vector<Case> cases = {
        {"KOI8-R", encoded(questions, "KOI8-R"), u"KOI8-R", 0},
        {"CP866", encoded(questions, "CP866"), u"CP866", 0},
        {"UTF-16", "\xFF\xFE" + encoded(questions, "UTF-16LE"), u"UTF-16", 0},
        {"UTF-8 broken on line 3", brokenUtf8, u"в строке 3 испорчен байт", 3},
        {"UTF-8 read as Windows-1251 and saved again",
         utf16ToUtf8(decodeCp1251(utf16ToUtf8(questions))), u"перекодирован дважды", 0},
    };
    for (const Case& c : cases) {
        quiz.writeBytes("vatrov.txt", c.bytes);
        const QuizCheck result = check();
        const auto wrong = findings(result, Kind::WrongEncoding, "vatrov.txt");
        ASSERT_EQ(wrong.size(), 1u) << c.name << "\n" << shown(result);
        EXPECT_TRUE(contains(wrong[0].what, c.says)) << c.name << ": " << utf8(wrong[0].what);
        EXPECT_EQ(wrong[0].line, c.line) << c.name;
        // Nothing more is said of a file whose text is gibberish.
        std::size_t aboutQuestions = 0;
        for (const Finding& finding : result.findings)
            aboutQuestions += finding.file == "vatrov.txt" ? 1 : 0;
        EXPECT_EQ(aboutQuestions, 1u) << c.name << "\n" << shown(result);
        EXPECT_EQ(result.exitStatus(), 1) << c.name;
    }
}

TEST_F(QuizCheckTest, AQuizSavedInUtf8PlaysAndIsOnlyNoted) {
    quiz.writeBytes("vatroo.txt", "\xEF\xBB\xBF" + utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\nТОК\r\n"));
    std::u16string questions;
    for (const std::u16string& question : SmallQuiz::questions())
        questions += u"\"" + question + u"\"\r\n";
    quiz.writeBytes("vatrov.txt", utf16ToUtf8(questions));
    quiz.writeBytes("Справка1.txt", "Just press Start\r\n");
    QuizCheck result = check();
    const auto notes = findings(result, Kind::Utf8);
    ASSERT_EQ(notes.size(), 2u) << shown(result);
    EXPECT_EQ(notes[0].severity, Severity::Note);
    EXPECT_TRUE(contains(notes[0].what, u"UTF-8 (с меткой BOM)")) << utf8(notes[0].what);
    EXPECT_EQ(result.findings.size(), 2u) << shown(result);
    EXPECT_EQ(result.exitStatus(), 0);
    EXPECT_EQ(result.files[3].encoding, TextEncoding::Ascii);

    // A broken byte after the mark is a broken letter of that record.
    quiz.writeBytes("vatroo.txt", "\xEF\xBB\xBF" + utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\n") + "Т\xD0К\r\n");
    result = check();
    const auto broken = findings(result, Kind::WrongEncoding, "vatroo.txt");
    ASSERT_EQ(broken.size(), 1u) << shown(result);
    EXPECT_EQ(broken[0].record, 3u);
    EXPECT_EQ(broken[0].line, 3u);
}

TEST_F(QuizCheckTest, HelpLinesSplitByACommaAreANoteAndInvisibleCharactersAProblem) {
    quiz.write("Справка1.txt", u"\"Как играть\"\r\nНажмите Пуск, затем выберите букву\r\n");
    quiz.write("vatroo.txt", u"ОМ\r\nВОЛ\x01ЬТ\r\nТОК\r\n");
    const QuizCheck result = check();
    const auto help = findings(result, Kind::SplitHelpLine);
    ASSERT_EQ(help.size(), 1u) << shown(result);
    EXPECT_EQ(help[0].severity, Severity::Note);
    EXPECT_EQ(help[0].line, 2u);
    EXPECT_TRUE(contains(help[0].fix, u"\"Нажмите Пуск, затем выберите букву\""));
    const auto invisible = findings(result, Kind::InvisibleCharacters);
    ASSERT_EQ(invisible.size(), 1u) << shown(result);
    EXPECT_EQ(invisible[0].record, 2u);
    EXPECT_TRUE(contains(invisible[0].what, u"U+0001")) << utf8(invisible[0].what);
}

// The report a teacher reads: file by file, each finding with its place and its fix.
TEST_F(QuizCheckTest, TheReportGroupsFindingsUnderTheirFileWithPlaceAndFix) {
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"TOK"});
    const std::u16string report = formatQuizCheck(check());
    const std::u16string expected =
        u"\nvatroo.txt — ответы: 3 ответа из 49, Windows-1251\n"
        u"  Ошибка. Запись 3, строка 3: В ответе «TOK» вместо русских букв: латинская «T» "
        u"(1-я), латинская «O» (2-я), латинская «K» (3-я). На вид это русские «Т», «О», «К», "
        u"но игра их различает: ответ, собранный из русских букв, никогда не будет верным.\n"
        u"    Как исправить: Сотрите эти знаки и наберите их заново в русской раскладке.\n"
        u"\nvatrov.txt";
    EXPECT_TRUE(contains(report, expected)) << utf8(report);
    EXPECT_TRUE(contains(report, u"Итог: ошибок — 1. Исправьте ошибки")) << utf8(report);
}

// Every hostile folder is checked without a fault. Whatever the game refuses, the checker
// refuses too; whatever the game plays otherwise than the teacher meant, the checker tells;
// and every finding names the file it is about.
TEST(QuizCheckHostile, TheCheckerFindsWhatTheGameRefusesAndNamesTheFile) {
    // Files the game reads as the teacher wrote them, however odd they look.
    const std::vector<std::string> meantSo = {"AnswersOfExactlyOneMebibyte",
                                              "QuestionOfTheLongestLength"};
    for (const HostileQuiz& hostile : hostileQuizzes()) {
        if (hostile.needsPermissionChecks && ::geteuid() == 0)
            continue;
        QuizFolder folder;
        folder.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
        hostile.build(folder);
        const QuizCheck result = checkQuizFolder(folder.path());
        const std::u16string file = utf8ToUtf16(hostile.file);
        bool named = false;
        for (const Finding& finding : result.findings) {
            named = named || (finding.severity != Severity::Note &&
                              (finding.file == hostile.file || contains(finding.fix, file)));
        }
        if (hostile.refused()) {
            const bool unreadable = hostile.problem == u"Не найден файл" ||
                                    hostile.problem == u"Не удалось прочитать файл" ||
                                    hostile.problem == u"больше 1 МБ" ||
                                    hostile.problem == u"файл «vatroo.txt»";
            EXPECT_EQ(result.exitStatus(), unreadable ? 2 : 1) << hostile.name;
            EXPECT_TRUE(named) << hostile.name << "\n" << shown(result);
        } else if (!hostile.file.empty()) {
            const bool meant =
                std::find(meantSo.begin(), meantSo.end(), hostile.name) != meantSo.end();
            EXPECT_EQ(named, !meant) << hostile.name << "\n" << shown(result);
            EXPECT_LE(result.exitStatus(), 1) << hostile.name;
        }
    }
}

} // namespace
} // namespace vatro::testing
