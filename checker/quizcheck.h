#pragma once

#include "quiz/textcodec.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro {

// One thing found in a teacher's quiz folder: where it is, what it does to the game and
// how to put it right.
struct Finding {
    // Note: worth knowing, the game plays as meant. Problem: the game will not play the
    // folder as the teacher meant. Unreadable: the game cannot read the file at all.
    enum class Severity { Note, Problem, Unreadable };
    enum class Kind {
        Missing,
        Unreadable,
        WrongEncoding,
        Utf8,
        TooManyRecords,
        EmptyFile,
        UnclosedQuote,
        TextAfterQuote,
        EmptyRecord,
        InvisibleCharacters,
        CountMismatch,
        NotWritable, // the editor cannot write the text in the file's encoding as it stands
        SplitQuestion,
        LatinLetters,
        StrayBlanks,
        AnswerTooLong,
        CellNotOneLetter,
        BoardRowIncomplete,
        LettersShort,
        SplitHelpLine,
    };

    Severity severity = Severity::Problem;
    Kind kind = Kind::Missing;
    std::string file;
    std::size_t record = 0; // from 1; 0 when the finding is about the whole file
    std::size_t line = 0;   // from 1; 0 when the finding is about the whole file
    std::u16string what;
    std::u16string fix; // empty when nothing needs doing
};

// A quiz or help file as the checker found it.
struct CheckedFile {
    std::string name;
    std::u16string title;
    std::size_t capacity = 0;
    bool read = false;
    std::size_t records = 0; // every record of the file, also those beyond the capacity
    TextEncoding encoding = TextEncoding::Ascii;
};

struct QuizCheck {
    std::filesystem::path folder;
    std::vector<CheckedFile> files; // the board, the answers, the questions, the help
    std::vector<Finding> findings;  // file by file, in record order

    // 0: the game plays the folder as meant; 1: something needs fixing; 2: a file that
    // the game needs cannot be read.
    int exitStatus() const;
};

// Reads the three quiz files and the help file of the folder with the game's own reader
// and finds every mistake a teacher is likely to make in them.
QuizCheck checkQuizFolder(const std::filesystem::path& folder);

// The four files as bytes held in memory (an editor's unsaved files); nothing for a file
// the folder lacks.
struct QuizFileBytes {
    std::optional<std::string> board;
    std::optional<std::string> answers;
    std::optional<std::string> questions;
    std::optional<std::string> help;
};

// The same analyses on files held in memory. The folder is where they are kept; it is only
// looked into for a file with a near miss of a missing file's name.
QuizCheck checkQuizFiles(const std::filesystem::path& folder, const QuizFileBytes& files);

// The report in Russian: file by file, each finding with its record, line and fix.
std::u16string formatQuizCheck(const QuizCheck& check);

} // namespace vatro
