#pragma once
// The undo stack of the editor: one command per user action, with a clean index, so the
// document is unsaved exactly when the index differs from the clean one.

#include "quizcontent.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vatro::editor {

// One file's records before and after an action; only the files an action touches are kept.
struct PartChange {
    QuizPart part;
    std::vector<std::u16string> before;
    std::vector<std::u16string> after;
};

// One user action.
struct EditCommand {
    std::u16string label; // "изменение ответа", told as "Отменить: изменение ответа"
    std::vector<PartChange> changes;
    // Typing in the help text is one command until something else is done.
    bool mergesTyping = false;
};

class EditHistory {
public:
    // Adds a done command; the commands that were undone are dropped. A typing command
    // that follows another joins it, unless the document was saved in between.
    void push(EditCommand command);

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < m_commands.size(); }
    // The command to undo (canUndo() must hold); the index moves back.
    const EditCommand& undo();
    // The command to redo (canRedo() must hold); the index moves on.
    const EditCommand& redo();
    // "Отменить: …" / "Вернуть: …", or "Отменить" / "Вернуть" when there is nothing.
    std::u16string undoText() const;
    std::u16string redoText() const;

    bool isClean() const;
    // The current index becomes the clean one (after a save or an open).
    void setClean();
    // Forgets every command (a new folder was opened).
    void clear();

private:
    std::vector<EditCommand> m_commands;
    std::size_t m_index = 0;
    std::size_t m_clean = 0;
    // The clean state was among the commands a new one dropped: no index is clean now.
    bool m_cleanLost = false;
};

} // namespace vatro::editor
