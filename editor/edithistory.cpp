#include "edithistory.h"

#include <cassert>
#include <utility>

namespace vatro::editor {

void EditHistory::push(EditCommand command) {
    if (m_clean > m_index)
        m_cleanLost = true;
    m_commands.resize(m_index);
    // Typing joins the command before it unless a save lies between them: undo then takes
    // back what was typed since the save, not more.
    if (command.mergesTyping && m_index > 0 && !isClean()) {
        EditCommand& last = m_commands.back();
        if (last.mergesTyping && last.changes.size() == 1 && command.changes.size() == 1 &&
            last.changes.front().part == command.changes.front().part) {
            last.changes.front().after = std::move(command.changes.front().after);
            return;
        }
    }
    m_commands.push_back(std::move(command));
    ++m_index;
}

const EditCommand& EditHistory::undo() {
    assert(canUndo());
    return m_commands[--m_index];
}

const EditCommand& EditHistory::redo() {
    assert(canRedo());
    return m_commands[m_index++];
}

std::u16string EditHistory::undoText() const {
    return canUndo() ? u"Отменить: " + m_commands[m_index - 1].label : u"Отменить";
}

std::u16string EditHistory::redoText() const {
    return canRedo() ? u"Вернуть: " + m_commands[m_index].label : u"Вернуть";
}

bool EditHistory::isClean() const {
    return !m_cleanLost && m_index == m_clean;
}

void EditHistory::setClean() {
    m_clean = m_index;
    m_cleanLost = false;
}

void EditHistory::clear() {
    m_commands.clear();
    m_index = 0;
    setClean();
}

} // namespace vatro::editor
