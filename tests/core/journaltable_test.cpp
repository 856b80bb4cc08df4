// The class journal as a teacher opens it: each name in one cell as typed, whatever it holds;
// checked by our own reading and, where it is installed, by LibreOffice Calc double-clicked
// open, whose import dialog ticks semicolon, comma and tab in a fresh profile.
#include "quiz/textcodec.h"
#include "results/journalformat.h"
#include "results/journaltable.h"
#include "support/journalfile.h"
#include "support/quizfolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vatro::testing {
namespace {

// Each name, and the text a spreadsheet must show for it.
const std::vector<std::pair<std::u16string, std::string>> Names = {
    {u"Иванов", "Иванов"},
    {u"=1+1", "'=1+1"},
    {u"+7 класс", "'+7 класс"},
    {u"-Б", "'-Б"},
    {u"@SUM(A1)", "'@SUM(A1)"},
    {u"'Гроза", "''Гроза"},
    {u"Ли; Ким", "Ли; Ким"},
    {u"Ли, Ким\tи Пак", "Ли, Ким\tи Пак"},
    {u"\"Гроза\", 7Б", "\"Гроза\", 7Б"},
    {u"Катя\r\nМаша", "Катя\r\nМаша"},
    {u" Ли ", " Ли "},
    {u"007", "'007"},
    {u"10:15", "'10:15"},
    {u"1/2", "'1/2"}};

std::string journalOfNames() {
    std::vector<JournalRow> rows;
    for (const auto& name : Names)
        rows.push_back({u"pc07, ряд 2", 2, static_cast<int>(rows.size()) + 1, name.first, 2, 1,
                        u"1", u"5", 3, u"Мастер", u"Игра2", 3, u"/home/учитель/7Б, физика"});
    return journalTable(rows);
}

// The header, then a row per name with the text shown for it, 2 of 3 answers right as 67 %.
void expectEveryCellInItsColumn(const std::vector<std::vector<std::string>>& cells,
                                bool lineBreaksAsLf) {
    ASSERT_EQ(cells.size(), Names.size() + 1);
    std::vector<std::string> header;
    for (const std::u16string_view column : journal::JournalColumns)
        header.push_back(utf16ToUtf8(column));
    EXPECT_EQ(cells[0], header);
    for (std::size_t r = 0; r < Names.size(); ++r) {
        std::string shown = Names[r].second;
        if (const auto at = shown.find("\r\n"); lineBreaksAsLf && at != shown.npos)
            shown.erase(at, 1);
        const std::vector<std::string> row = {"pc07, ряд 2",
                                              "2",
                                              std::to_string(r + 1),
                                              shown,
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
        EXPECT_EQ(cells[r + 1], row) << Names[r].second;
    }
}

TEST(JournalTable, NamesLandInOneCellAsTypedNeverAsFormulaOrNumber) {
    expectEveryCellInItsColumn(spreadsheetCells(journalOfNames()), false);
}

TEST(JournalInCalc, EveryCellLandsInItsColumnAsTyped) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice Calc is not installed";
    QuizFolder folder;
    folder.writeBytes("journal.csv", journalOfNames());
    const std::string at = folder.path().string();
    const std::string convert =
        "cd '" + at + "' && soffice -env:UserInstallation=file://" + at +
        "/profile --headless --infilter=CSV:44/59/9,34,76,1 --convert-to "
        "'csv:Text - txt - csv (StarCalc):124,34,76,1,,0,true,true' --outdir out journal.csv "
        ">/dev/null 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    expectEveryCellInItsColumn(csvCells(fileBytes(folder.path() / "out" / "journal.csv"), '|'),
                               true);
}

} // namespace
} // namespace vatro::testing
