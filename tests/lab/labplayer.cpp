// A computer of the lab test: plays lessons with the fake host, its class journal in a folder
// on a network share, and afterwards checks what the share holds. `make lab-test` runs it.
//
//   vatro_lab_player play SHARE LOCAL COMPUTER SECONDS SEED REPORT
//       plays run after run for SECONDS, the journal in SHARE with LOCAL as its fallback; each
//       run ends only once the share holds its whole journal. REPORT gets, per run, the table
//       the game last handed to the journal (run-N.csv) and the file's name on the share
//       (run-N.name).
//   vatro_lab_player check FOLDER REPORT...
//       every run's file in FOLDER (the share as its server keeps it) is its last table,
//       no two runs share a file, and nothing else lies there.
#include "game/form1.h"
#include "quiz/atomicfile.h"
#include "quiz/textcodec.h"
#include "support/fakehost.h"
#include "support/journalfile.h"
#include "support/quizfolder.h"
#include "ui/controls/keycodes.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace vatro;
using namespace vatro::testing;
using Clock = std::chrono::steady_clock;

// Names as pupils type them, separators and all.
const std::u16string Names[] = {u"Иванов", u"Петрова",        u"Ли, Ким", u"\"Гроза\"; 7Б",
                                u"=1+1",   u"Сидоров-Нечаев", u"007",     u"Катя\tМаша"};

class Computer {
public:
    Computer(fs::path share, fs::path local, std::u16string name, unsigned seed)
        : m_share(std::move(share)), m_random(seed), m_host(m_quiz.path()) {
        m_quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
        m_host.journal = {m_share, std::move(local)};
        m_host.computer = std::move(name);
    }

    // One run: a few pupils in one or two rounds. False when the share never came back.
    bool play(int run, const fs::path& report) {
        // Runs of computers of one name start in the same minute and must not meet.
        m_host.clock = 8 * 3600 + run * 60;
        Form1 form(m_host);
        std::mutex lastMutex;
        std::string last;
        form.journal.setStore(
            [&](int folder, const fs::path& file, std::string_view bytes, WriteMode mode) {
                {
                    const std::lock_guard lock(lastMutex);
                    last.assign(bytes);
                    ++m_writes;
                }
                return writeFileAtomicallyAt(folder, file.filename().string(), bytes, mode);
            });
        form.Show();
        const int rounds = 1 + static_cast<int>(m_random() % 2);
        for (int round = 1; round <= rounds; ++round) {
            if (round > 1)
                event(form, [&] { form.Command7.click(); });
            const int pupils = 2 + static_cast<int>(m_random() % 3);
            for (int pupil = 0; pupil < pupils; ++pupil) {
                m_host.names.push_back(Names[m_random() % std::size(Names)]);
                event(form, [&] { form.Command6.click(); });
                event(form, [&] { form.Option1.click(); });
                event(form, [&] { form.Command9.click(); });
                for (int question = 1; question <= form.QuestionCount; ++question)
                    answer(form, m_random() % 3 != 0);
                event(form, [&] { form.Command5.click(); });
            }
        }
        // The lesson goes on until the share has come back; "Результат" again changes
        // nothing but writes the journal.
        for (int waited = 0; form.journal.file().parent_path() != m_share; ++waited) {
            if (waited == 300)
                return false;
            std::this_thread::sleep_for(std::chrono::seconds(1));
            event(form, [&] { form.Command5.click(); });
        }
        form.journal.flush();
        m_messages += static_cast<int>(m_host.errors.size());
        m_host.errors.clear();
        std::ofstream(report / ("run-" + std::to_string(run) + ".csv"), std::ios::binary) << last;
        std::ofstream(report / ("run-" + std::to_string(run) + ".name"), std::ios::binary)
            << form.journal.file().filename().string();
        return true;
    }

    int writes() const { return m_writes; }
    int messages() const { return m_messages; }

private:
    // An event of the lesson, a moment after the last one.
    template <typename Action> void event(Form1& form, Action action) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + m_random() % 40));
        m_host.advance(1 + m_random() % 4);
        form.Timer1.tick();
        action();
    }

    // "Пуск", then a word of the list: the right one or another.
    void answer(Form1& form, bool right) {
        event(form, [&] { form.Command2.click(); });
        const std::u16string& expected = form.Answers(form.QuestionNo);
        int row = 0;
        for (int r = 1; r < form.Grid2.Rows() && row == 0; ++r) {
            const std::u16string& word = form.Grid2.TextMatrix(r, 1);
            if (!word.empty() && (word == expected) == right)
                row = r;
        }
        if (row == 0)
            return;
        event(form, [&] { form.Grid2.press(mouse::Left, 0, row, 1); });
        event(form, [&] { form.Grid2.press(mouse::Middle, 0, row, 1); });
    }

    fs::path m_share;
    std::mt19937 m_random;
    QuizFolder m_quiz;
    FakeHost m_host;
    int m_writes = 0; // tables handed to the disk, the share's and the fallback's
    int m_messages = 0;
};

int play(char** argv) {
    const fs::path report = argv[7];
    fs::create_directories(report);
    const std::u16string name = utf8ToUtf16(argv[4]);
    Computer computer(argv[2], argv[3], name, static_cast<unsigned>(std::stoul(argv[6])));
    const auto end = Clock::now() + std::chrono::seconds(std::stoi(argv[5]));
    int runs = 0;
    while (Clock::now() < end) {
        if (!computer.play(runs, report)) {
            std::cerr << argv[4] << ": the share did not come back in 5 minutes\n";
            return 1;
        }
        ++runs;
    }
    std::cout << argv[4] << ": " << runs << " runs, " << computer.writes() << " tables written, "
              << computer.messages() << " messages to the teacher\n";
    return 0;
}

int check(int argc, char** argv) {
    const fs::path folder = argv[2];
    std::map<std::string, std::string> expected; // file name → its last table
    int runs = 0;
    int rows = 0;
    bool whole = true;
    for (int at = 3; at < argc; ++at) {
        for (const std::string& entry : folderNames(argv[at])) {
            if (!entry.ends_with(".name"))
                continue;
            ++runs;
            const fs::path run = fs::path(argv[at]) / entry;
            const std::string name = fileBytes(run);
            const std::string table = fileBytes(fs::path(run).replace_extension(".csv"));
            rows += static_cast<int>(spreadsheetCells(table).size()) - 1;
            if (!expected.emplace(name, table).second) {
                std::cerr << "two runs share the file «" << name << "»\n";
                whole = false;
            }
        }
    }
    for (const auto& [name, table] : expected) {
        if (fileBytes(folder / name) != table) {
            std::cerr << "«" << name << "» on the share is not its run's last table ("
                      << spreadsheetCells(fileBytes(folder / name)).size() << " lines of "
                      << spreadsheetCells(table).size() << ")\n";
            whole = false;
        }
    }
    if (runs == 0) {
        std::cerr << "no run was played\n";
        whole = false;
    }
    const std::vector<std::string> present = folderNames(folder);
    for (const std::string& name : present) {
        if (!expected.contains(name)) {
            std::cerr << "«" << name << "» on the share belongs to no run\n";
            whole = false;
        }
    }
    std::cout << "lab-test: " << runs << " runs, " << rows << " rows, " << present.size()
              << " files on the share: "
              << (whole ? "every row of every run is there, every file whole, no two runs share "
                          "a file"
                        : "FAILED")
              << "\n";
    return whole ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "play" && argc == 8)
        return play(argv);
    if (mode == "check" && argc >= 3)
        return check(argc, argv);
    std::cerr << "usage: vatro_lab_player play SHARE LOCAL COMPUTER SECONDS SEED REPORT\n"
                 "       vatro_lab_player check FOLDER REPORT...\n";
    return 2;
}
