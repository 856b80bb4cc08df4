// The class journal as a teacher opens it: double-clicked into LibreOffice Calc, whose import
// dialog ticks semicolon, comma and tab in a fresh profile.
#include "quiz/textcodec.h"
#include "results/journalformat.h"
#include "results/journaltable.h"
#include "support/journalfile.h"
#include "support/quizfolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vatro::testing {
namespace {

TEST(JournalInCalc, EveryCellLandsInItsColumnAsTyped) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice Calc is not installed";
    // Each name, and the text Calc shows for it.
    const std::vector<std::pair<std::u16string, std::string>> names = {
        {u"Иванов", "Иванов"},
        {u"=1+1", "'=1+1"},
        {u"-Б", "'-Б"},
        {u"'Гроза", "''Гроза"},
        {u"Ли; Ким", "Ли; Ким"},
        {u"Ли, Ким\tи Пак", "Ли, Ким\tи Пак"},
        {u"\"Гроза\", 7Б", "\"Гроза\", 7Б"},
        {u"Катя\r\nМаша", "Катя\nМаша"},
        {u" Ли ", " Ли "},
        {u"007", "'007"},
        {u"10:15", "'10:15"},
        {u"1/2", "'1/2"}};
    std::vector<JournalRow> rows;
    for (const auto& name : names)
        rows.push_back({u"pc07, ряд 2", 2, static_cast<int>(rows.size()) + 1, name.first, 2, 1,
                        u"1", u"5", 3, u"Мастер", u"Игра2", 3, u"/home/учитель/7Б, физика"});
    QuizFolder folder;
    folder.writeBytes("journal.csv", journalTable(rows));
    const std::string at = folder.path().string();
    const std::string convert =
        "cd '" + at + "' && soffice -env:UserInstallation=file://" + at +
        "/profile --headless --infilter=CSV:44/59/9,34,76,1 --convert-to "
        "'csv:Text - txt - csv (StarCalc):124,34,76,1,,0,true,true' --outdir out journal.csv "
        ">/dev/null 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0);

    const auto cells = csvCells(fileBytes(folder.path() / "out" / "journal.csv"), '|');
    ASSERT_EQ(cells.size(), rows.size() + 1);
    std::vector<std::string> header;
    for (const std::u16string_view column : journal::JournalColumns)
        header.push_back(utf16ToUtf8(column));
    EXPECT_EQ(cells[0], header);
    for (std::size_t r = 0; r < names.size(); ++r) {
        const std::vector<std::string> row = {"pc07, ряд 2",
                                              "2",
                                              "" + std::to_string(r + 1),
                                              names[r].second,
                                              "2",
                                              "1",
                                              "1",
                                              "5",
                                              "3",
                                              "Мастер",
                                              "Игра2",
                                              "3",
                                              "67",
                                              "/home/учитель/7Б, физика"};
        EXPECT_EQ(cells[r + 1], row) << names[r].second;
    }
}

} // namespace
} // namespace vatro::testing
