#pragma once
// The quiz checker's own parts, shared by the files that each check one side of a quiz
// folder: the four files, their records as found, and the check that reports on them.

#include "quizcheck.h"
#include "quiz/quizfacts.h"
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vatro::quizcheck {

enum class Role { Letters, Answers, Questions, Help };

struct FileFacts {
    Role role;
    const char* name;
    std::size_t capacity;
    const char16_t* title;
};

inline constexpr std::size_t BoardWidth = 20;

inline const std::array<FileFacts, 4> KnownFiles = {{
    {Role::Letters, LettersFileInfo.name, LettersFileInfo.capacity, u"табло букв"},
    {Role::Answers, AnswersFileInfo.name, AnswersFileInfo.capacity, u"ответы"},
    {Role::Questions, QuestionsFileInfo.name, QuestionsFileInfo.capacity, u"вопросы"},
    {Role::Help, HelpFileInfo.name, HelpFileInfo.capacity, u"дополнительная справка"},
}};

// "1 ответ", "3 ответа", "11 ответов" or "11 строк", as the file counts its records.
std::u16string countedRecords(Role role, std::size_t n);

// A record as the game's reader returns it, and where it stands in the file.
struct Record {
    std::u16string text;
    std::size_t line = 0;    // where the record starts; 0 when unknown
    std::size_t endLine = 0; // where it ends
    bool quoted = false;
    bool closed = true;     // a quoted record found its closing quote
    std::u16string dropped; // text after the closing quote that the reader throws away
};

// Follows the reader's field rules over the text only to learn the line of each field;
// the values stay the reader's own. Should the two ever disagree, the lines from there on
// are left unknown rather than wrong.
std::vector<Record> locate(std::u16string_view text, const std::vector<std::u16string>& fields);

struct LoadedFile {
    const FileFacts* facts = nullptr;
    std::size_t summary = 0; // index into QuizCheck::files
    bool present = false;    // the records are known
    bool garbled = false;    // the text is not what the teacher wrote: no content checks
    std::vector<Record> records;
    std::optional<FileProblem> gameProblem; // what the game itself says of the file
};

// The records told of one by one: those the game would read. A file far past its capacity
// is refused as a whole, and a finding for each of its records would bury that.
inline std::size_t listed(const LoadedFile& file) {
    return std::min(file.records.size(), file.facts->capacity);
}

class FolderCheck {
public:
    explicit FolderCheck(const std::filesystem::path& folder) { m_check.folder = folder; }
    // The files held in memory rather than read from the folder.
    FolderCheck(const std::filesystem::path& folder, const QuizFileBytes& files)
        : FolderCheck(folder) {
        m_memory = &files;
    }

    QuizCheck run();

private:
    void add(Finding::Severity severity, Finding::Kind kind, const FileFacts& facts,
             std::size_t record, std::size_t line, std::u16string what, std::u16string fix);
    void problem(Finding::Kind kind, const FileFacts& facts, const Record* record,
                 std::size_t number, std::u16string what, std::u16string fix) {
        add(Finding::Severity::Problem, kind, facts, number, record ? record->line : 0,
            std::move(what), std::move(fix));
    }

    void load(LoadedFile& file);
    void reportMissing(const FileFacts& facts);
    void reportForeignText(const FileFacts& facts, FileProblem::Kind kind);
    bool checkEncoding(const LoadedFile& file, std::string_view bytes, const DecodedText& text);
    void checkCapacity(const LoadedFile& file);
    void checkRecords(const LoadedFile& file);
    void checkBoard(const LoadedFile& board);
    void checkAnswers(const LoadedFile& answers);
    void checkLatin(const LoadedFile& file);
    void checkCounts(const LoadedFile& questions, const LoadedFile& answers);
    void checkSplitQuestions(const LoadedFile& questions, const LoadedFile& answers);
    void checkHelpLines(const LoadedFile& help);
    void checkHelpLength(const LoadedFile& help);
    void checkLetterSupply(const LoadedFile& board, const LoadedFile& answers);

    QuizCheck m_check;
    const QuizFileBytes* m_memory = nullptr;
};

} // namespace vatro::quizcheck
