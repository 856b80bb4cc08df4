#include "quizsummary.h"

#include "checker/checktext.h"
#include "checker/quizcheck.h"
#include "quiz/quizfacts.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace vatro::library {

namespace {

namespace fs = std::filesystem;

std::u16string folderName(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    if (!normal.has_filename())
        normal = normal.parent_path();
    return displayPath(normal.filename());
}

std::optional<std::int64_t> newestChange(const fs::path& folder) {
    std::optional<std::int64_t> newest;
    for (const QuizFileInfo& file :
         {LettersFileInfo, AnswersFileInfo, QuestionsFileInfo, HelpFileInfo}) {
        std::error_code error;
        const fs::file_time_type written =
            fs::last_write_time(folder / pathFromUtf8(file.name), error);
        if (error)
            continue;
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                                 std::chrono::file_clock::to_sys(written).time_since_epoch())
                                 .count();
        newest = std::max(newest.value_or(seconds), static_cast<std::int64_t>(seconds));
    }
    return newest;
}

// "vatrov.txt, запись 3: …" — enough to know where to look; vatro-check tells the rest.
std::u16string shortFinding(const Finding& finding) {
    std::u16string text = utf8ToUtf16(finding.file);
    if (finding.record != 0)
        text += u", запись " + quizcheck::num(finding.record);
    return text + u": " + finding.what;
}

int rankOf(Home home) {
    switch (home) {
    case Home::Own:
        return 0;
    case Home::School:
        return 1;
    case Home::Sample:
        break;
    }
    return 2;
}

std::u16string folded(std::u16string text) {
    std::transform(text.begin(), text.end(), text.begin(), quizcheck::foldCase);
    return text;
}

} // namespace

QuizSummary summarizeQuiz(const QuizPlace& place) {
    QuizSummary summary;
    summary.place = place;
    summary.name = folderName(place.folder);
    summary.changed = newestChange(place.folder);
    const QuizCheck check = checkQuizFolder(place.folder);
    for (const CheckedFile& file : check.files) {
        if (file.name == QuestionsFileInfo.name && file.read)
            summary.questions = std::min(file.records, QuestionsFileInfo.capacity);
    }
    // A file the game cannot read at all is told of first: nothing else matters until then.
    for (const auto severity : {Finding::Severity::Unreadable, Finding::Severity::Problem}) {
        for (const Finding& finding : check.findings) {
            if (finding.severity != severity)
                continue;
            ++summary.errors;
            if (summary.firstError.empty())
                summary.firstError = shortFinding(finding);
        }
    }
    return summary;
}

void orderForChooser(std::vector<QuizSummary>& quizzes, const std::vector<fs::path>& lastPlayed) {
    std::vector<fs::path> played;
    for (const fs::path& folder : lastPlayed)
        played.push_back(folderIdentity(folder));
    const auto recency = [&](const QuizSummary& quiz) {
        const auto found =
            std::find(played.begin(), played.end(), folderIdentity(quiz.place.folder));
        return static_cast<std::size_t>(found - played.begin()); // played.size(): never played
    };
    std::vector<std::pair<std::size_t, QuizSummary>> keyed;
    for (QuizSummary& quiz : quizzes)
        keyed.emplace_back(recency(quiz), std::move(quiz));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        if (rankOf(a.second.place.home) != rankOf(b.second.place.home))
            return rankOf(a.second.place.home) < rankOf(b.second.place.home);
        return folded(a.second.name) < folded(b.second.name);
    });
    quizzes.clear();
    for (auto& [rank, quiz] : keyed)
        quizzes.push_back(std::move(quiz));
}

} // namespace vatro::library
