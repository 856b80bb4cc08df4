// The slow layer of the quiz-file fuzzing: three files made of the input, which the checker
// checks and the game plays through, the files swapped about during play (the reader on its
// own is the fast layer, reader_fuzz.cpp). Built with VATRO_FUZZ_SEEDS, it writes the seed
// inputs instead.
#include "checker/quizcheck.h"
#include "quiz/quizfacts.h"
#include "quiz/textcodec.h"
#include "support/fakehost.h"
#include "support/gamesnapshot.h"
#include "support/hostilequiz.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace {

using namespace vatro;
namespace fs = std::filesystem;

// One input: a byte that steers the game, then the bytes of vatro.txt, vatroo.txt and
// vatrov.txt, parted by two ASCII record separators (bytes no teacher's file holds). A file
// the input has no part for is empty; one whose bit is set in the steering byte is missing.
struct QuizInput {
    static constexpr std::string_view Separator = "\x1E\x1E";
    static constexpr std::uint8_t LevelMask = 0x03; // none, "User1", "Мастер", "User2"
    static constexpr std::uint8_t PickWrong = 0x08; // any word or letter, not the right one
    static constexpr std::uint8_t TimeOut = 0x10;   // the clock runs past the limit mid-game
    static constexpr int MissingShift = 5;          // bits 5..7

    std::uint8_t steering = 0;
    std::array<std::optional<std::string>, 3> files;

    static QuizInput parse(std::string_view data) {
        QuizInput input;
        input.steering = data.empty() ? 0 : static_cast<std::uint8_t>(data[0]);
        std::string_view rest = data.substr(data.empty() ? 0 : 1);
        for (std::size_t n = 0; n < 3; ++n) {
            const std::size_t end = n < 2 ? rest.find(Separator) : std::string_view::npos;
            if ((input.steering >> (MissingShift + n) & 1) == 0)
                input.files[n] = std::string(rest.substr(0, end));
            rest = end == std::string_view::npos ? "" : rest.substr(end + Separator.size());
        }
        return input;
    }
    std::string serialize() const {
        std::string data(1, static_cast<char>(steering & ((1 << MissingShift) - 1)));
        for (std::size_t n = 0; n < 3; ++n) {
            data += (n > 0 ? std::string(Separator) : "") + files[n].value_or("");
            if (!files[n])
                data[0] = static_cast<char>(data[0] | 1 << (MissingShift + n));
        }
        return data;
    }
};

// A broken rule is a crash, so that the fuzzer keeps the input that broke it.
void require(bool holds, const std::string& rule) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule.c_str());
        std::abort();
    }
}

fs::path g_folder;
const QuizFileInfo Files[] = {LettersFileInfo, AnswersFileInfo, QuestionsFileInfo};

// Writes the files and tells what the game's reader makes of them: 0 when it reads them
// all, 1 when one holds too much, 2 when one cannot be read at all.
int writeFiles(const QuizInput& input) {
    int refusal = 0;
    for (std::size_t n = 0; n < 3; ++n) {
        fs::remove(g_folder / Files[n].name);
        if (input.files[n])
            std::ofstream(g_folder / Files[n].name, std::ios::binary) << *input.files[n];
        const FieldFile read = readFieldFile(g_folder, Files[n].name, Files[n].capacity);
        using enum FileProblem::Kind;
        if (read.problem)
            refusal = std::max(
                refusal,
                read.problem->kind == TooManyRecords || read.problem->kind == FieldTooLong ? 1 : 2);
    }
    return refusal;
}

// The checker refuses what the game refuses, with 2 exactly what it cannot read.
void checkChecker(int refusal) {
    const QuizCheck check = checkQuizFolder(g_folder);
    require(!formatQuizCheck(check).empty(), "the checker reports");
    require((check.exitStatus() == 2) == (refusal == 2),
            "the checker exits with 2 exactly when the game cannot read a file");
    require(check.exitStatus() >= refusal, "the checker finds every file the game refuses");
    for (const Finding& finding : check.findings) {
        const auto file =
            std::find_if(check.files.begin(), check.files.end(),
                         [&](const CheckedFile& f) { return f.name == finding.file; });
        require(file != check.files.end() && finding.record <= file->records,
                "a finding names a record of its file");
    }
}

void checkGame(const Form1& f) {
    require(f.QuestionNo >= 0 && f.QuestionNo <= f.QuestionCount, "the question is in the list");
    require(f.PickDepth >= 0 && f.PickDepth <= 17, "the pick depth stays within the board");
    require(f.PlayerNo >= 0 && f.PlayerNo <= 100, "the player number stays in the table");
}

// A game played through, then the teacher swaps the files about: a button that cannot
// read them must say so and change nothing; with files it can read, it says nothing.
void playAndSwap(testing::FakeHost& host, Form1& f, const QuizInput& input) {
    host.names.push_back(u"Игрок");
    f.Command6.click(); // "Новый игрок"
    OptionButton* levels[] = {nullptr, &f.Option1, &f.Option2, &f.Option3};
    if (OptionButton* level = levels[input.steering & QuizInput::LevelMask])
        level->click();
    const bool wrong = input.steering & QuizInput::PickWrong;
    f.Command9.click(); // "Игра1"
    require(testing::playToTheEnd(f, wrong, checkGame).posed <= f.QuestionCount,
            "no question past the list");
    f.Command8.click(); // "Игра2"
    if (input.steering & QuizInput::TimeOut) {
        host.advance(601);
        f.Timer1.tick();
    }
    require(testing::playToTheEnd(f, wrong, checkGame).posed <= f.QuestionCount,
            "no question past the list");

    QuizInput swapped = input;
    std::rotate(swapped.files.begin(), swapped.files.begin() + 1, swapped.files.end());
    const bool readable = writeFiles(swapped) == 0;
    host.names.push_back(u"Второй");
    for (CommandButton* button :
         {&f.Command6, &f.Command9, &f.Command8, &f.Command10, &f.Command7}) {
        const std::size_t errors = host.errors.size();
        // Snapshots are dear: taken only where a refusal may come.
        const auto before = readable ? testing::GameSnapshot{} : testing::GameSnapshot::of(f);
        button->click();
        require(!readable || host.errors.size() == errors, "readable files are not refused");
        require(host.errors.size() == errors ||
                    testing::differences(before, testing::GameSnapshot::of(f)).empty(),
                "a refused file changes nothing");
        checkGame(f);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (fs::temp_directory_path() / "vatro-fuzz-XXXXXX").string();
    require(::mkdtemp(pattern.data()) != nullptr, "a folder of its own");
    g_folder = pattern;
    std::atexit([] { fs::remove_all(g_folder); });
    // A help file, so that the checker may find nothing wrong.
    std::ofstream(g_folder / pathFromUtf8(HelpFileInfo.name)) << "\"Help\"\r\n";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QuizInput input = QuizInput::parse(bytes);
    const int refusal = writeFiles(input);
    checkChecker(refusal);
    testing::FakeHost host(g_folder);
    Form1 form(host);
    try {
        form.Show();
    } catch (const QuizFileError& error) {
        require(refusal != 0 && !error.text().empty(), "a refusal is of a bad file, and says why");
        return 0;
    }
    require(refusal == 0, "the game does not start on a file it cannot read");
    playAndSwap(host, form, input);
    return 0;
}

#ifdef VATRO_FUZZ_SEEDS
// Writes the seeds: the sample quiz and every hostile quiz folder made of plain files and
// small enough to fuzz, each played with right answers at level "User1".
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " SEED_FOLDER SAMPLE_QUIZ_FOLDER\n";
        return 2;
    }
    int written = 0;
    const auto write = [&](const std::string& name, const fs::path& folder) {
        QuizInput input{1, {}};
        for (std::size_t n = 0; n < 3; ++n) {
            const fs::file_status status = fs::symlink_status(folder / Files[n].name);
            if (fs::exists(status) && !fs::is_regular_file(status))
                return;
            std::ifstream in(folder / Files[n].name, std::ios::binary);
            if (fs::exists(status))
                input.files[n] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        if (const std::string data = input.serialize(); data.size() <= 64 * 1024) {
            std::ofstream(fs::path(argv[1]) / name, std::ios::binary) << data;
            ++written;
        }
    };
    fs::create_directories(argv[1]);
    write("sample", argv[2]);
    for (const testing::HostileQuiz& hostile : testing::hostileQuizzes()) {
        testing::QuizFolder folder;
        testing::writeGoodQuiz(folder);
        hostile.build(folder);
        write(hostile.name, folder.path());
    }
    std::cout << written << " seed inputs in " << argv[1] << "\n";
    return written > 0 ? 0 : 1;
}
#endif
