#pragma once
// The quiz editor's document: the pairs, the board and the help lines of one quiz folder,
// every change an undoable command, and the files read and written as the game reads them.
// Plain C++; the Qt window only reads it and turns the teacher's edits into calls.

#include "boardbuilder.h"
#include "edithistory.h"
#include "quiz/fieldwriter.h"
#include "quiz/lettersupply.h"
#include "quiz/quizfolder.h"
#include "quizcontent.h"
#include "tabletext.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vatro::editor {

// A file as it stands on disk, as far as the document knows.
struct FileOnDisk {
    bool exists = false;
    // The encoding the file keeps; a file not yet written is Windows-1251 unless the teacher
    // chose UTF-8 for its characters.
    FileEncoding encoding = FileEncoding::Cp1251;
    std::string bytes;                   // as read or last written
    std::vector<std::u16string> records; // as read or last written
};

struct OpenOutcome {
    bool ok = false;
    std::u16string message; // when not ok: what is wrong, naming the file
};

// Characters of a file that Windows-1251 has no byte for.
struct LackingCharacters {
    QuizPart part;
    std::u16string characters; // each once, in the order found
};

// What to do with characters Windows-1251 lacks in a file kept in Windows-1251.
enum class LackingChoice {
    Ask,     // save nothing and report them
    UseUtf8, // write those files in UTF-8
    Replace, // write each such character as '?'
};

// What Ctrl+S would write and what it must ask first. The window asks each question once,
// then saves with the answers: one write of every changed file.
struct SavePlan {
    std::vector<QuizPart> parts;            // the files to write; none: nothing to save
    std::vector<LackingCharacters> lacking; // ask "UTF-8 or '?'" for these
    std::u16string quotes;                  // the texts holding '"': offer «ёлочки»
    std::u16string refusal;                 // what no answer mends: nothing can be saved
};

// The teacher's answers to a plan's questions.
struct SaveChoices {
    LackingChoice lacking = LackingChoice::Ask;
    bool guillemets = false; // turn '"' into «ёлочки» (one undoable edit) before writing
};

struct SaveOutcome {
    enum class Status {
        Saved,
        NothingToSave,
        NeedsEncodingChoice, // see `lacking`; asked neither "UTF-8" nor "replace"
        NeedsGuillemets,     // a text holds '"' and «ёлочки» were not chosen
        Failed,              // every file is as it was; `message` says why
    };
    Status status = Status::Failed;
    std::vector<QuizPart> written;
    std::vector<LackingCharacters> lacking;
    // Russian, for the status line: what was saved and when the game reads each file again
    // ("Сброс", "Новый игрок", a mode button), or what went wrong.
    std::u16string message;
    bool ok() const { return status == Status::Saved || status == Status::NothingToSave; }
};

// What a paste did.
struct PasteOutcome {
    bool changed = false;
    std::size_t pasted = 0;  // rows (pairs) or cells put in
    std::size_t leftOut = 0; // rows or cells beyond the capacity
    std::u16string message;  // Russian, for the status line
};

// Whether the folder holds any of the four quiz files ("Открыть папку…" rather than "Создать").
using vatro::holdsQuiz;

class QuizDocument {
public:
    // An empty quiz with no folder.
    QuizDocument();

    // Reads the four files of the folder with the game's reader, remembering each file's
    // encoding and bytes; a missing file is an empty one. Forgets the undo history. On
    // failure (a file that is not a readable text file) the document stays as it was.
    OpenOutcome open(const std::filesystem::path& folder);
    // "Создать": an empty quiz in a folder that holds no quiz file yet; its four files are
    // written at the first save.
    OpenOutcome create(const std::filesystem::path& folder);

    const std::filesystem::path& folder() const { return m_folder; }
    const QuizContent& content() const { return m_content; }
    const FileOnDisk& onDisk(QuizPart part) const;

    // Called after every change of a file's records: by an edit, undo, redo or opening.
    std::function<void(QuizPart)> changed;

    // ---- Pairs (row from 0) ----
    std::size_t pairCount() const { return m_content.pairCount(); }
    bool canAddPair() const { return pairCount() < MaxPairs; }
    // Sets one side of a pair row (row < pairCount()); false when nothing changed.
    bool setText(std::size_t row, Side side, const std::u16string& text);
    // An empty pair before the row (row <= pairCount()); false at capacity.
    bool insertPair(std::size_t row);
    bool appendPair() { return insertPair(pairCount()); }
    // Removes count rows from row on; false when none is in range.
    bool deletePairs(std::size_t row, std::size_t count = 1);
    // Swaps the row with the one above or below; false at the edge.
    bool movePairUp(std::size_t row);
    bool movePairDown(std::size_t row);

    // ---- Clipboard ----
    // Pastes a table from the row on as one command. Rows of one cell fill the column of
    // the side only; rows of more cells are pairs, question then answer (further cells are
    // left out). Pairs are added as needed up to 49; the outcome tells of rows that did not
    // fit.
    PasteOutcome pastePairs(std::size_t row, Side side, const std::vector<TableRow>& table);
    // "Вырезать" in the pairs: the sides named emptied, one command; false when none changed.
    bool clearPairCells(const std::vector<std::pair<std::size_t, Side>>& cells);
    // The board from the cell on, row under row as the table stands, one command; cells
    // beyond the board's edges are left out.
    PasteOutcome pasteCells(std::size_t index, const std::vector<TableRow>& table);
    // "Вырезать" on the board: the cells emptied, one command; false when none changed.
    bool clearCells(const std::vector<std::size_t>& cells);
    // "Ответы — заглавными буквами": the answers of the rows (of all rows when none is
    // given) in the board's capitals, one command; how many answers changed.
    std::size_t capitalizeAnswers(const std::vector<std::size_t>& rows = {});

    // ---- Board ----
    // Sets one cell (index < content().board.size(); see cellIndex); false when unchanged.
    bool setCell(std::size_t index, const std::u16string& text);
    // "Собрать табло" from the answers as they stand, one command; nothing changes when the
    // answers need more than 340 letters (see the result's message).
    BuiltBoard buildBoard(std::uint32_t seed);
    // What the board holds against what one full game consumes.
    LetterSupply letterSupply() const;

    // ---- Help ----
    // The help text, one record a line, lines joined by '\n'.
    std::u16string helpText() const;
    // Replaces the help lines by the lines of the text ('\n', "\r\n" or '\r' between them);
    // consecutive calls are one typing command.
    bool setHelpText(const std::u16string& text);

    // Turns every double quote in every text into «ёлочки», one command; false when none.
    bool useGuillemets();

    // ---- Undo ----
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo();
    void redo();
    std::u16string undoText() const { return m_history.undoText(); }
    std::u16string redoText() const { return m_history.redoText(); }
    // Unsaved changes: the undo index differs from the one at the last open or save.
    bool isModified() const { return !m_history.isClean(); }

    // ---- Saving ----
    // The files whose records differ from the disk (for a created quiz: all four until saved).
    std::vector<QuizPart> changedParts() const;
    // The characters that Windows-1251 files of changedParts() cannot hold.
    std::vector<LackingCharacters> lackingCharacters() const;
    // The bytes a file would be written as now in its encoding (its bytes on disk when
    // unchanged), with the writer's problems.
    WrittenFile fileBytes(QuizPart part) const;
    // Ctrl+S, first step: which files, and the questions to ask before writing them.
    SavePlan planSave() const;
    // Ctrl+S, second step: the changed files written with the choices made, each in its
    // encoding, keeping the previous version as ИМЯ.bak (vatro.txt.bak); either every
    // changed file is written or none. Refuses a file that changed on disk since it was
    // read, and a question of the plan left unanswered.
    SaveOutcome save(SaveChoices choices = {});
    // "Сохранить как…": the same two steps for writing the quiz as it stands, unsaved changes
    // too, into a folder that holds no quiz (all four files, in the encodings they had); once
    // written, the document goes on editing there, and the old folder keeps what was last
    // saved in it. A folder that is missing or holds a quiz is refused (the plan's refusal);
    // on any failure the document stays with its old folder.
    SavePlan planSaveAs(const std::filesystem::path& folder);
    SaveOutcome saveAs(const std::filesystem::path& folder, SaveChoices choices = {});
    // The files on disk hold what the document holds: the game, which reads them, would play
    // the quiz as shown ("Играть" asks to save first otherwise).
    bool isSavedToDisk() const { return !m_folder.empty() && changedParts().empty(); }

private:
    // One command: the parts as change leaves a copy of the content; none when nothing changed.
    bool edit(std::u16string label, std::initializer_list<QuizPart> parts,
              const std::function<void(QuizContent&)>& change, bool typing = false);
    void apply(EditCommand command);
    // Another folder, or a new quiz: the history starts afresh.
    void replaceAll(const std::filesystem::path& folder, QuizContent content,
                    std::array<FileOnDisk, 4> disk, bool created);
    void notify(const std::vector<PartChange>& changes);
    WrittenFile bytesIn(QuizPart part, FileEncoding encoding) const;
    // "Сохранить как…" (quizsaveas.cpp): the document pointed at a folder where none of its
    // files is written yet, and back.
    struct Target {
        std::filesystem::path folder;
        std::array<FileOnDisk, 4> disk;
        bool created;
    };
    Target retarget(const std::filesystem::path& folder);
    void restore(Target target);

    std::filesystem::path m_folder;
    QuizContent m_content;
    std::array<FileOnDisk, 4> m_disk;
    bool m_created = false;
    EditHistory m_history;
};

} // namespace vatro::editor
