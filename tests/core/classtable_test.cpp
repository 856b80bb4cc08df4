// The teacher's class table: the journal read back exactly as the game wrote it, the runs of a
// lab grouped into lessons, what cannot be read told by name, and the program's verdicts.
#include "quiz/numbertext.h"
#include "quiz/textcodec.h"
#include "results/lessontable.h"
#include "support/gamefixture.h"
#include "support/journalfile.h"
#include "support/lessonfiles.h"
#include "support/runcommand.h"

#include <optional>
#include <random>
#include <sys/stat.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

LocalDateTime at(int day, int hour, int minute, int month = 12, int year = 2026) {
    return {year, month, day, hour, minute, 0};
}

// The rows of a table as one line each, for messages that show what differs.
std::string shown(const JournalEntry& entry) {
    const JournalRow& r = entry.row;
    return utf8(r.computer) + "|" + std::to_string(r.round) + "|" + std::to_string(r.number) + "|" +
           utf8(r.name) + "|" + std::to_string(r.points) + "|" + std::to_string(r.mistakes) + "|" +
           utf8(r.minutes) + "|" + utf8(r.seconds) + "|" + std::to_string(r.grade) + "|" +
           utf8(r.level) + "|" + utf8(r.mode) + "|" + std::to_string(r.questionsPosed) + "|" +
           utf8(r.quizFolder);
}

// Texts a pupil or a folder may hold: the separators, quotes, line breaks, blanks at the ends,
// the characters a spreadsheet takes for a formula and the apostrophe that guards them.
std::u16string anyText(std::mt19937& random) {
    static const std::u16string pieces[] = {
        u";", u",", u"\t",     u"\"", u"\r", u"\n", u"\r\n",       u" ", u"'", u"=",    u"+",
        u"-", u"@", u"Иванов", u"Ёж", u"a",  u"7",  u"\U0001F600", u"«", u"»", u"\"\"", u";;"};
    std::u16string text;
    const int length = std::uniform_int_distribution<int>(0, 6)(random);
    for (int n = 0; n < length; ++n)
        text +=
            pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
    return text;
}

// Property: any table the writer writes reads back as the rows it was given.
TEST(JournalReader, ReadsBackEveryTableTheWriterWrites) {
    std::mt19937 random(20261208);
    const auto number = [&random] { return std::uniform_int_distribution<int>(-5, 120)(random); };
    for (int table = 0; table < 400; ++table) {
        std::vector<JournalRow> rows;
        const int count = std::uniform_int_distribution<int>(0, 6)(random);
        for (int p = 1; p <= count; ++p) {
            JournalRow row{anyText(random),
                           std::uniform_int_distribution<int>(1, 4)(random),
                           p,
                           anyText(random),
                           number(),
                           number(),
                           random() % 2 ? decimal(number()) : anyText(random),
                           anyText(random),
                           std::uniform_int_distribution<int>(0, 5)(random),
                           anyText(random),
                           anyText(random),
                           number(),
                           anyText(random)};
            rows.push_back(row);
        }
        const std::string bytes = journalTable(rows);
        const JournalTableRead read = readJournalTable(bytes);
        ASSERT_TRUE(read.skipped.empty()) << utf8(read.skipped);
        ASSERT_TRUE(read.leftOut.empty()) << utf8(read.leftOut.front());
        ASSERT_EQ(read.rows.size(), rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            JournalEntry written{rows[r], read.rows[r].rightShare};
            EXPECT_EQ(shown(read.rows[r]), shown(written)) << "table " << table;
        }
        EXPECT_EQ(lessonCsv(read.rows), bytes) << "table " << table;
    }
}

// The table before rounds and computers: a guard stood only before a formula's character.
TEST(JournalReader, ReadsTheOlderLayout) {
    const std::string older =
        "\xEF\xBB\xBF№;Фамилия или команда;Баллов;Ошибок;Минут;Секунд;Оценка;Уровень;Режим;"
        "Вопросов задано;Верных ответов, %;Папка вопросов\r\n"
        "1;\"Петров; Сидоров\";2;1;3;25;4;User1;Игра2;3;66;/home/u/Ватро\r\n"
        "2;'=1+1;0;0;;;;;;0;;/home/u/Ватро\r\n"
        "3;'Ох;1;0;0;5;;Мастер;Игра1;1;100;\"/home/u/Мой \"\"класс\"\"\"\r\n";
    const JournalTableRead read = readJournalTable(older);
    ASSERT_EQ(read.rows.size(), 3u);
    EXPECT_EQ(shown(read.rows[0]), "|1|1|Петров; Сидоров|2|1|3|25|4|User1|Игра2|3|/home/u/Ватро");
    EXPECT_EQ(read.rows[0].rightShare, 66);
    EXPECT_EQ(shown(read.rows[1]), "|1|2|=1+1|0|0|||0|||0|/home/u/Ватро");
    EXPECT_EQ(read.rows[1].rightShare, -1);
    EXPECT_EQ(shown(read.rows[2]), "|1|3|'Ох|1|0|0|5|0|Мастер|Игра1|1|/home/u/Мой \"класс\"");
}

// The names the game gives, the older ones without a computer among them; nothing else.
TEST(JournalReader, KnowsTheNamesTheGameGivesItsFiles) {
    const auto parsed = [](const char* name) {
        const std::optional<JournalFileName> file = parseJournalFileName(name);
        if (!file)
            return std::string("none");
        const LocalDateTime& t = file->started;
        return std::to_string(t.day) + "." + std::to_string(t.month) + "." +
               std::to_string(t.year) + " " + std::to_string(t.hour) + ":" +
               std::to_string(t.minute) + " [" + utf8(file->computer) + "] " +
               std::to_string(file->copy);
    };
    EXPECT_EQ(parsed("2026-12-08 10-15 pc07.csv"), "8.12.2026 10:15 [pc07] 1");
    EXPECT_EQ(parsed("2026-12-08 10-15 pc07 (2).csv"), "8.12.2026 10:15 [pc07] 2");
    EXPECT_EQ(parsed("2026-12-08 23-59 Кабинет физики 3.csv"),
              "8.12.2026 23:59 [Кабинет физики 3] 1");
    EXPECT_EQ(parsed("2026-12-08 10-15.csv"), "8.12.2026 10:15 [] 1");
    EXPECT_EQ(parsed("2026-12-08 10-15 (12).csv"), "8.12.2026 10:15 [] 12");
    for (const char* other :
         {"2026-13-08 10-15 pc07.csv", "2026-12-08 24-00 pc07.csv", "2026-12-08 10-15pc07.csv",
          "2026-12-08 10-15 pc07.txt", "Итоги 2026-12-08 10-15.csv", "2026-12-08.csv"})
        EXPECT_EQ(parsed(other), "none") << other;
}

// Every file that is no whole journal is told of by name and why; the whole rows of a torn
// file are kept, its torn row is not.
TEST(JournalFolders, SkipFilesThatAreNoJournalsAndSayWhy) {
    QuizFolder folder;
    const fs::path share = folder.path();
    writeRun(share, at(8, 10, 15), u"pc01", {pupilRow(1, u"Иванов", 3, 1, 4)});
    const std::string whole =
        journalTable({pupilRow(1, u"Козлов", 1, 1, 2), pupilRow(2, u"Орлова", 4, 0, 5),
                      pupilRow(3, u"Ли", 0, 0, 0)});
    folder.writeBytes("2026-12-08 10-16 pc02.csv", whole.substr(0, whole.size() - 9));
    folder.writeBytes("2026-12-08 10-17 pc03.csv", "Дата,Сумма\r\n1,2\r\n");
    folder.writeBytes("2026-12-08 10-18 pc04.csv", "");
    folder.writeBytes("Итоги урока.csv", journalTable({pupilRow(1, u"Копия", 1, 0, 0)}));
    folder.writeBytes(".2026-12-08 10-15 pc01.csv.x1y2", "half a file");
    folder.writeBytes("заметки.txt", "not a table");
    fs::create_directory(share / "2026-12-08 10-19 pc05.csv");
    std::string badNumber = journalTable({pupilRow(1, u"Белов", 2, 0, 3)});
    badNumber.replace(badNumber.find(";2;0;"), 5, ";два;0;");
    folder.writeBytes("2026-12-08 10-20 pc06.csv", badNumber);

    const JournalScan scan = scanJournalFolders({share}, true);
    const auto file = [&share](const char* name) {
        return "Файл «" + (share / name).string() + "»";
    };
    std::vector<std::string> problems;
    for (const auto& problem : scan.problems)
        problems.push_back(utf8(problem));
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  file("2026-12-08 10-16 pc02.csv") +
                      ": строка 4 пропущена: она оборвана, файл не дописан до конца.",
                  file("2026-12-08 10-17 pc03.csv") +
                      " пропущен: это не журнал Ватро: в первой строке не названия столбцов "
                      "журнала.",
                  file("2026-12-08 10-18 pc04.csv") +
                      " пропущен: файл пуст (игра, видимо, только что его создала).",
                  file("2026-12-08 10-19 pc05.csv") +
                      " пропущен: это не обычный файл, а ссылка, папка или устройство.",
                  file("2026-12-08 10-20 pc06.csv") +
                      ": строка 2 пропущена: в столбце «Баллов» не число: «два».",
                  file("Итоги урока.csv") +
                      " пропущен: его назвала не игра — в имени нет даты и времени запуска, как "
                      "в «2026-12-08 10-15 pc07.csv».",
              }));
    ASSERT_EQ(scan.runs.size(), 2u);
    EXPECT_EQ(utf8(scan.runs[1].computer), "pc02");
    EXPECT_EQ(scan.runs[1].pupils, 2u) << "the torn row is left out whole";

    // The same folder named twice is read once; a missing folder named is told of.
    const JournalScan twice = scanJournalFolders({share, share / ".", share / "нет"}, true);
    EXPECT_EQ(twice.runs.size(), 2u);
    EXPECT_EQ(utf8(twice.problems.back()),
              "Папка «" + (share / "нет").string() + "» пропущена: её нет.");
    EXPECT_TRUE(scanJournalFolders({share / "нет"}, false).problems.empty());
}

// While a shared folder was away the game kept the whole table in its own folder too: the run
// is counted once, from the folder that holds more of it.
TEST(JournalFolders, CountARunKeptInTwoFoldersOnce) {
    QuizFolder folder;
    const fs::path share = folder.path() / "share";
    const fs::path local = folder.path() / "local";
    writeRun(share, at(8, 10, 15), u"pc01", {pupilRow(1, u"Иванов", 3, 1, 0)});
    writeRun(local, at(8, 10, 15), u"pc01",
             {pupilRow(1, u"Иванов", 3, 1, 4), pupilRow(2, u"Петров", 1, 0, 0)});
    writeRun(share, at(8, 10, 16), u"pc02", {pupilRow(1, u"Сидоров", 2, 0, 5)});
    const JournalScan scan = scanJournalFolders({share, local}, true);
    ASSERT_EQ(scan.runs.size(), 2u);
    EXPECT_EQ(scan.runs[0].file.parent_path(), share);
    EXPECT_EQ(scan.runs[1].file.parent_path(), local);
    EXPECT_EQ(scan.runs[1].pupils, 2u);
}

JournalRun run(const char* computer, const LocalDateTime& started, std::size_t pupils,
               const char16_t* quiz = u"/srv/школа/Электричество") {
    return {{}, started, utf8ToUtf16(computer), quiz, pupils};
}

std::vector<std::string> lines(const std::vector<Lesson>& lessons) {
    std::vector<std::string> shown;
    for (const Lesson& lesson : lessons)
        shown.push_back(utf8(lessonLine(lesson)));
    return shown;
}

// A lesson: runs of one quiz starting within 45 minutes of its first run, whatever the
// date; the same quiz under each machine's own path is one quiz.
TEST(Lessons, GroupTheMachinesOfALessonAndNothingMore) {
    const std::vector<JournalRun> runs = {
        run("pc01", at(8, 10, 15), 2),
        run("pc02", at(8, 10, 17), 1, u"/home/pc02/Электричество/"),
        run("pc01", at(8, 10, 40), 1), // the game started again: the same machine
        run("pc03", at(8, 11, 0), 2),  // 45 minutes after the first: still that lesson
        run("pc04", at(8, 11, 1), 1),  // 46: the next lesson
        run("pc05", at(8, 10, 16), 1, u"/srv/школа/Магнетизм"),
        run("pc01", at(8, 8, 30), 3),
        run("pc01", at(31, 23, 50, 12), 1),
        run("pc02", at(1, 0, 20, 1, 2027), 2), // across midnight and the year
        run("pc01", at(1, 0, 36, 1, 2027), 1), // 46 minutes after the first of that lesson
    };
    EXPECT_EQ(lines(groupLessons(runs)),
              (std::vector<std::string>{
                  "08.12.2026 08:30  Электричество — 1 компьютер, 3 ученика",
                  "08.12.2026 10:15  Электричество — 3 компьютера, 6 учеников",
                  "08.12.2026 10:16  Магнетизм — 1 компьютер, 1 ученик",
                  "08.12.2026 11:01  Электричество — 1 компьютер, 1 ученик",
                  "31.12.2026 23:50  Электричество — 2 компьютера, 3 ученика",
                  "01.01.2027 00:36  Электричество — 1 компьютер, 1 ученик",
              }));
    EXPECT_EQ(groupLessons(runs)[1].runs, (std::vector<std::size_t>{0, 1, 2, 3}));
}

// Three machines' files become one table in the computers' order, which saves as one
// journal file and reads back the same; the grades are counted over every row.
TEST(LessonTables, MergeALessonIntoOneJournalTable) {
    QuizFolder folder;
    writeRun(folder.path(), at(8, 10, 16), u"pc10",
             {pupilRow(1, u"Орлова", 9, 1, 4), pupilRow(2, u"Ли", 0, 0, 0)});
    writeRun(folder.path(), at(8, 10, 15), u"pc2",
             {pupilRow(1, u"Иванов; Петров", 5, 5, 2), pupilRow(2, u"=Хакер", 10, 0, 5)});
    writeRun(folder.path(), at(8, 10, 18), u"pc03", {pupilRow(1, u"Ёлкина", 7, 3, 3)});
    const JournalScan scan = scanJournalFolders({folder.path()}, true);
    const std::vector<Lesson> lessons = groupLessons(scan.runs);
    ASSERT_EQ(lessons.size(), 1u);
    const LessonTable table = openLesson(lessons[0], scan.runs);
    EXPECT_TRUE(table.problems.empty());
    std::vector<std::string> names;
    for (const JournalEntry& entry : table.rows)
        names.push_back(utf8(entry.row.computer) + " " + utf8(entry.row.name));
    EXPECT_EQ(names, (std::vector<std::string>{"pc2 Иванов; Петров", "pc2 =Хакер", "pc03 Ёлкина",
                                               "pc10 Орлова", "pc10 Ли"}));

    const std::string merged = lessonCsv(table.rows);
    EXPECT_TRUE(merged.starts_with("\xEF\xBB\xBF"));
    const JournalTableRead back = readJournalTable(merged);
    ASSERT_EQ(back.rows.size(), table.rows.size());
    for (std::size_t r = 0; r < back.rows.size(); ++r)
        EXPECT_EQ(shown(back.rows[r]), shown(table.rows[r]));

    const GradeSummary grades = summarizeGrades(table.rows);
    EXPECT_EQ(grades.withGrade, (std::array<std::size_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(grades.withoutGrade, 1u);
    EXPECT_EQ(utf8(meanGradeText(grades)), "3,5");
    EXPECT_EQ(utf8(timeUsedText(table.rows[0].row)), "4:07");
}

// What the game writes through a lesson, its rounds included, is what the class table shows.
class ClassTableOfAGame : public GameTest {};
TEST_F(ClassTableOfAGame, ShowsWhatTheGameWroteRoundByRound) {
    host.journal = {quiz.path() / "Журнал"};
    Form1& f = play(&Form1::Command8);
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    f.Command7.click(); // "Сброс": the next round in the same file
    registerPlayer(u"=Петров; \"Гроза\"");
    f.journal.flush();

    const JournalScan scan = scanJournalFolders(host.journal, true);
    EXPECT_TRUE(scan.problems.empty());
    const std::vector<Lesson> lessons = groupLessons(scan.runs);
    ASSERT_EQ(lessons.size(), 1u);
    EXPECT_EQ(utf8(lessonLine(lessons[0])),
              "08.12.2026 12:00  " + quiz.path().filename().string() + " — 1 компьютер, 3 ученика");
    std::vector<std::string> rows;
    for (const JournalEntry& entry : openLesson(lessons[0], scan.runs).rows)
        rows.push_back(shown(entry));
    const std::string folder = "|" + quiz.path().string();
    EXPECT_EQ(rows, (std::vector<std::string>{"pc07|1|1|Иванов|1|0|0|0|2|User1|Игра2|1" + folder,
                                              "pc07|2|1|Иванов|0|0|||0|||0" + folder,
                                              "pc07|2|2|=Петров; \"Гроза\"|0|0|||0|||0" + folder}));
}

// For scripts: 0 when every file was read, 1 when one was skipped, 2 when nothing was read or
// the table not written.
TEST(JournalProgram, ExitsWithZeroOneOrTwoAsTheFoldersDeserve) {
    QuizFolder folder;
    const fs::path share = folder.path() / "share";
    writeRun(share, at(8, 10, 15), u"pc01", {pupilRow(1, u"Иванов", 3, 1, 4)});
    writeRun(share, at(8, 10, 17), u"pc02", {pupilRow(1, u"Петров", 1, 3, 2)});
    writeRun(share, at(9, 12, 0), u"pc01", {pupilRow(1, u"Сидоров", 2, 0, 5)});
    const std::string program = quoted(VATRO_JOURNAL_PROGRAM);
    std::string output;
    EXPECT_EQ(runCommand(program + " --list " + quoted(share), output), 0) << output;
    EXPECT_EQ(output, "1  08.12.2026 10:15  Электричество — 2 компьютера, 2 ученика\n"
                      "2  09.12.2026 12:00  Электричество — 1 компьютер, 1 ученик\n");
    const fs::path out = folder.path() / "урок.csv";
    EXPECT_EQ(
        runCommand(program + " --csv " + quoted(out) + " --lesson 1 " + quoted(share), output), 0)
        << output;
    const JournalTableRead saved = readJournalTable(fileBytes(out));
    ASSERT_EQ(saved.rows.size(), 2u);
    EXPECT_EQ(utf8(saved.rows[1].row.name), "Петров");

    folder.writeBytes("share/2026-12-09 12-01 pc02.csv", "чужой файл");
    EXPECT_EQ(runCommand(program + " --csv - " + quoted(share), output), 1) << output;
    EXPECT_NE(output.find("Сидоров"), std::string::npos) << "the newest lesson by default";
    EXPECT_NE(output.find("pc02.csv» пропущен"), std::string::npos) << output;

    EXPECT_EQ(runCommand(program + " --csv - --lesson 3 " + quoted(share), output), 2) << output;
    EXPECT_EQ(runCommand(program + " --list " + quoted(folder.path() / "нет"), output), 2);
    EXPECT_EQ(runCommand(program + " --list " + quoted(folder.path()), output), 2) << output;
    EXPECT_EQ(runCommand(program + " --lesson 1", output), 2) << output;
    EXPECT_EQ(runCommand(program + " --csv " + quoted(folder.path() / "нет" / "x.csv") + " " +
                             quoted(share),
                         output),
              2)
        << output;
}

} // namespace
} // namespace vatro::testing
