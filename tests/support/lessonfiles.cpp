#include "lessonfiles.h"

#include "quiz/textcodec.h"
#include "results/journalformat.h"

#include <fstream>

namespace vatro::testing {

JournalRow pupilRow(int number, std::u16string name, int points, int mistakes, int grade) {
    JournalRow row;
    row.number = number;
    row.name = std::move(name);
    row.points = points;
    row.mistakes = mistakes;
    row.minutes = u"4";
    row.seconds = u"7";
    row.grade = grade;
    row.level = u"User1";
    row.mode = u"Игра2";
    row.questionsPosed = points + mistakes;
    row.quizFolder = u"/home/учитель/Электричество";
    return row;
}

std::filesystem::path writeRun(const std::filesystem::path& folder, const LocalDateTime& started,
                               const std::u16string& computer, std::vector<JournalRow> rows) {
    for (JournalRow& row : rows)
        row.computer = computer;
    const std::filesystem::path file =
        folder / pathFromUtf8(journal::fileName(started, computer, 1));
    std::filesystem::create_directories(folder);
    // Scratch files of a test: written plainly, nobody reads them while they are written.
    std::ofstream(file, std::ios::binary) << journalTable(rows);
    return file;
}

} // namespace vatro::testing
