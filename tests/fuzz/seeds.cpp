// Writes the seed inputs of the quiz-file fuzzer: the sample quiz and every hostile quiz
// folder that is made of plain files and small enough to fuzz.
#include "quizinput.h"

#include "support/hostilequiz.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

namespace {

namespace fs = std::filesystem;
using vatro::fuzzing::QuizInput;

constexpr std::size_t MaxSeedBytes = 64 * 1024;

// The folder as one input; nothing when a quiz file is neither a plain file nor missing.
std::optional<QuizInput> inputOf(const fs::path& folder) {
    QuizInput input;
    input.steering = 1; // "User1", right answers, picked with the mouse
    for (std::size_t n = 0; n < 3; ++n) {
        const fs::path path = folder / vatro::testing::QuizFileNames[n];
        const fs::file_status status = fs::symlink_status(path);
        if (!fs::exists(status))
            continue;
        if (!fs::is_regular_file(status))
            return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        input.files[n] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return input;
}

bool writeSeed(const fs::path& out, const std::string& name, const QuizInput& input) {
    const std::string data = input.serialize();
    if (data.size() > MaxSeedBytes)
        return false;
    std::ofstream(out / name, std::ios::binary)
        .write(data.data(), static_cast<std::streamsize>(data.size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " SEED_FOLDER SAMPLE_QUIZ_FOLDER\n";
        return 2;
    }
    const fs::path out = argv[1];
    fs::create_directories(out);
    int written = 0;
    if (const auto sample = inputOf(argv[2]); sample && writeSeed(out, "sample", *sample))
        ++written;
    for (const vatro::testing::HostileQuiz& hostile : vatro::testing::hostileQuizzes()) {
        if (hostile.needsPermissionChecks)
            continue;
        vatro::testing::QuizFolder folder;
        vatro::testing::writeSmallQuiz(folder);
        hostile.build(folder);
        if (const auto input = inputOf(folder.path());
            input && writeSeed(out, hostile.name, *input))
            ++written;
    }
    std::cout << written << " seed inputs in " << out.string() << "\n";
    return written > 0 ? 0 : 1;
}
