// Coverage-guided fuzzing of the quiz files: the reader on its own, then the whole game
// started on three files made of the input and played through a short scripted game.
#include "quizinput.h"

#include "game/form1.h"
#include "game/quizreader.h"
#include "game/textcodec.h"
#include "support/fakehost.h"
#include "support/gamesnapshot.h"
#include "ui/controls/keycodes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using namespace vatro;
namespace fs = std::filesystem;

// A broken rule is a crash, so that the fuzzer keeps the input that broke it.
void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}

fs::path g_folder;

void removeFolder() {
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
}

const char* const FileNames[] = {"vatro.txt", "vatroo.txt", "vatrov.txt"};
// How many records each file may hold: the board, the word list, the questions.
const std::size_t Capacities[] = {340, 49, 50};

bool allReadable() {
    for (std::size_t n = 0; n < 3; ++n) {
        if (!readFieldFile(g_folder, FileNames[n], Capacities[n]).ok())
            return false;
    }
    return true;
}

void writeFiles(const fuzzing::QuizInput& input) {
    for (std::size_t n = 0; n < 3; ++n) {
        const fs::path path = g_folder / FileNames[n];
        if (!input.files[n]) {
            fs::remove(path);
            continue;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.files[n]->data(), static_cast<std::streamsize>(input.files[n]->size()));
        require(static_cast<bool>(out), "the quiz file is written");
    }
}

void checkReader(std::string_view data) {
    const std::u16string text = decodeCp1251(data);
    require(text.size() == data.size(), "one character per byte");
    const std::vector<std::u16string> all = splitFields(text, 400);
    require(all.size() <= 401, "the reader stops one field past the capacity");
    for (std::size_t capacity : {0u, 1u, 49u}) {
        const std::vector<std::u16string> some = splitFields(text, capacity);
        require(some.size() <= capacity + 1, "the reader stops one field past the capacity");
        for (std::size_t n = 0; n < some.size(); ++n)
            require(n < all.size() && some[n] == all[n], "a shorter read gives the same fields");
    }
    const DecodedText decoded = decodeTextFile(data);
    splitFields(decoded.text, 50);
    if (isValidUtf8(data))
        require(utf16ToUtf8(utf8ToUtf16(data)) == data, "valid UTF-8 survives a round trip");
}

struct Script {
    Script(testing::FakeHost& host, Form1& form, std::uint8_t steering)
        : host(host), f(form), steering(steering) {}

    testing::FakeHost& host;
    Form1& f;
    std::uint8_t steering;

    void check() const {
        require(f.QuestionNo >= 0 && f.QuestionNo <= f.QuestionCount,
                "the question number stays within the list");
        require(f.PickDepth >= 0 && f.PickDepth <= 17, "the pick depth stays within the board");
        require(f.PlayerNo >= 0 && f.PlayerNo <= 100, "the player number stays in the table");
    }

    bool over() const {
        return f.surface.texts() == std::vector<std::u16string>{u"ВСЁ", u"Выбери игру"};
    }

    void submit(FlexGrid& grid) {
        if (steering & fuzzing::QuizInput::SubmitByKey)
            grid.keyPress(key::Return, 0);
        else
            grid.press(mouse::Middle, 0, grid.Row, 1);
    }

    void pickWord(int question) {
        const bool wrong = steering & fuzzing::QuizInput::PickWrong;
        int row = f.QuestionCount > 0 ? question % f.QuestionCount + 1 : 1;
        for (int r = 1; !wrong && r <= f.QuestionCount && r < f.Grid2.Rows(); ++r)
            if (f.Grid2.TextMatrix(r, 1) == f.Answers(f.QuestionNo))
                row = r;
        row = std::min(row, f.Grid2.Rows() - 1);
        f.Grid2.press(mouse::Left, 0, row, 1);
        if (wrong) {
            // Put back and taken again.
            f.Grid2.press(mouse::Right, 0, row, 1);
            f.Grid2.press(mouse::Left, 0, row, 1);
        }
        submit(f.Grid2);
    }

    void pickLetters(int question) {
        const std::u16string answer = f.Answers(f.QuestionNo);
        const bool wrong = steering & fuzzing::QuizInput::PickWrong;
        // Each letter of the answer from the first cell that shows it; a wrong pick takes
        // cells in order instead, and puts the last one back.
        const std::size_t count = wrong ? static_cast<std::size_t>(question % 5 + 1)
                                        : std::min<std::size_t>(answer.size(), 17);
        for (std::size_t n = 0; n < count; ++n) {
            bool picked = false;
            for (int row = 1; row <= 17 && !picked; ++row) {
                for (int col = 1; col <= 20 && !picked; ++col) {
                    const std::u16string& cell = f.Grid1.TextMatrix(row, col);
                    if (!cell.empty() && (wrong || cell == answer.substr(n, 1))) {
                        f.Grid1.press(mouse::Left, 0, row, col);
                        picked = true;
                    }
                }
            }
        }
        if (wrong)
            f.Grid1.press(mouse::Right, 0, f.Grid1.Row, f.Grid1.Col);
        submit(f.Grid1);
    }

    void playGame(bool letters) {
        for (int question = 0; question <= 51 && !over(); ++question) {
            f.Command2.click(); // "Пуск"
            check();
            if (over() || (!f.Grid1.Visible && !f.Grid2.Visible))
                break;
            if (letters)
                pickLetters(question);
            else
                pickWord(question);
            check();
        }
    }

    void run() {
        host.names.push_back(u"Игрок");
        f.Command6.click(); // "Новый игрок"
        OptionButton* levels[] = {nullptr, &f.Option1, &f.Option2, &f.Option3};
        if (OptionButton* level = levels[steering & fuzzing::QuizInput::LevelMask])
            level->click();
        f.Command9.click(); // "Игра1"
        if (f.Grid2.Visible)
            playGame(false);
        const int points = f.Points.contains(f.PlayerNo) ? f.Points(f.PlayerNo) : 0;
        f.Command8.click(); // "Игра2"
        if (steering & fuzzing::QuizInput::TimeOut) {
            host.advance(601);
            f.Timer1.tick();
        }
        if (f.Grid1.Visible)
            playGame(true);
        require(!f.Points.contains(f.PlayerNo) || f.Points(f.PlayerNo) >= points,
                "points only grow");
        f.Command5.click(); // "Результат"
        f.Ватро12.click();
        f.Ватро123.click();
        f.Command10.click(); // "Обучалка"
        f.Command2.click();
        if (f.Grid2.Visible && f.QuestionNo >= 1)
            pickWord(0);
        f.Command7.click(); // "Сброс"
        check();
    }

    // The teacher swaps the files about while the class plays: a button that cannot read
    // them must say so and change nothing; with files it can read, it says nothing.
    void reload(const fuzzing::QuizInput& input) {
        fuzzing::QuizInput swapped = input;
        std::swap(swapped.files[0], swapped.files[1]);
        std::swap(swapped.files[1], swapped.files[2]);
        writeFiles(swapped);
        const bool readable = allReadable();
        host.names.push_back(u"Второй");
        f.Command6.click();
        CommandButton* buttons[] = {&f.Command9, &f.Command8, &f.Command10, &f.Command7};
        for (CommandButton* button : buttons) {
            const std::size_t errors = host.errors.size();
            if (readable) {
                button->click();
                require(host.errors.size() == errors, "readable files are not refused");
            } else {
                // Snapshots are dear: taken only where a refusal may come.
                const testing::GameSnapshot before = testing::GameSnapshot::of(f);
                button->click();
                if (host.errors.size() != errors)
                    require(testing::differences(before, testing::GameSnapshot::of(f)).empty(),
                            "a refused file changes nothing");
            }
            check();
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (fs::temp_directory_path() / "vatro-fuzz-XXXXXX").string();
    require(::mkdtemp(pattern.data()) != nullptr, "a folder of its own");
    g_folder = pattern;
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkReader(bytes);

    const fuzzing::QuizInput input = fuzzing::QuizInput::parse(bytes);
    writeFiles(input);
    testing::FakeHost host(g_folder);
    Form1 form(host);
    try {
        form.Show();
    } catch (const QuizFileError& error) {
        require(!error.text().empty(), "a refusal says why");
        require(!allReadable(), "the game starts on files it can read");
        return 0;
    }
    require(allReadable(), "the game does not start on a file it cannot read");
    Script script(host, form, input.steering);
    script.run();
    script.reload(input);
    return 0;
}
