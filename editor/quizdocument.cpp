// The document's edits: each user action one command on the undo stack.
#include "quizdocument.h"

#include "answerwarnings.h"
#include "checker/checktext.h"

#include <algorithm>
#include <utility>

namespace vatro::editor {

namespace {

std::u16string rowLabel(std::u16string_view what, std::size_t row) {
    return std::u16string(what) + u" " + quizcheck::num(row + 1);
}

} // namespace

QuizDocument::QuizDocument() = default;

const FileOnDisk& QuizDocument::onDisk(QuizPart part) const {
    return m_disk[static_cast<std::size_t>(part)];
}

void QuizDocument::notify(const std::vector<PartChange>& changes) {
    if (!changed)
        return;
    for (const PartChange& change : changes)
        changed(change.part);
}

void QuizDocument::apply(EditCommand command) {
    std::erase_if(command.changes,
                  [](const PartChange& change) { return change.before == change.after; });
    if (command.changes.empty())
        return;
    for (const PartChange& change : command.changes)
        m_content.list(change.part) = change.after;
    const std::vector<PartChange> changes = command.changes;
    m_history.push(std::move(command));
    notify(changes);
}

bool QuizDocument::edit(std::u16string label, std::initializer_list<QuizPart> parts,
                        const std::function<void(QuizContent&)>& change, bool typing) {
    QuizContent next = m_content;
    change(next);
    EditCommand command{std::move(label), {}, typing};
    for (QuizPart part : parts)
        command.changes.push_back({part, m_content.list(part), next.list(part)});
    const bool changes = std::any_of(command.changes.begin(), command.changes.end(),
                                     [](const PartChange& c) { return c.before != c.after; });
    apply(std::move(command));
    return changes;
}

bool QuizDocument::setText(std::size_t row, Side side, const std::u16string& text) {
    if (row >= pairCount() || (m_content.has(row, side) && m_content.text(row, side) == text))
        return false;
    const bool question = side == Side::Question;
    return edit(rowLabel(question ? u"изменение вопроса" : u"изменение ответа", row),
                {question ? QuizPart::Questions : QuizPart::Answers}, [&](QuizContent& next) {
                    auto& list = question ? next.questions : next.answers;
                    if (list.size() <= row)
                        list.resize(row + 1);
                    list[row] = text;
                });
}

bool QuizDocument::insertPair(std::size_t row) {
    if (!canAddPair() || row > pairCount())
        return false;
    return edit(rowLabel(u"вставка пары", row), {QuizPart::Questions, QuizPart::Answers},
                [&](QuizContent& next) {
                    // A pair row stands for both files: the shorter one gets empty records up
                    // to it, so that every later pair keeps its partner.
                    for (auto* list : {&next.questions, &next.answers}) {
                        if (list->size() < row)
                            list->resize(row);
                        list->insert(list->begin() + static_cast<std::ptrdiff_t>(row), u"");
                    }
                });
}

bool QuizDocument::deletePairs(std::size_t row, std::size_t count) {
    if (row >= pairCount() || count == 0)
        return false;
    count = std::min(count, pairCount() - row);
    return edit(count == 1 ? rowLabel(u"удаление пары", row) : std::u16string(u"удаление пар"),
                {QuizPart::Questions, QuizPart::Answers}, [&](QuizContent& next) {
                    for (auto* list : {&next.questions, &next.answers}) {
                        const std::size_t first = std::min(row, list->size());
                        const std::size_t last = std::min(row + count, list->size());
                        list->erase(list->begin() + static_cast<std::ptrdiff_t>(first),
                                    list->begin() + static_cast<std::ptrdiff_t>(last));
                    }
                });
}

bool QuizDocument::movePairUp(std::size_t row) {
    if (row == 0 || row >= pairCount())
        return false;
    return edit(rowLabel(u"перемещение пары", row), {QuizPart::Questions, QuizPart::Answers},
                [&](QuizContent& next) {
                    for (auto* list : {&next.questions, &next.answers}) {
                        if (list->size() < row)
                            continue; // neither row has a record in this file
                        if (list->size() == row)
                            list->resize(row + 1);
                        std::swap((*list)[row - 1], (*list)[row]);
                    }
                });
}

bool QuizDocument::movePairDown(std::size_t row) {
    return row + 1 < pairCount() && movePairUp(row + 1);
}

bool QuizDocument::setCell(std::size_t index, const std::u16string& text) {
    if (index >= m_content.board.size() || m_content.board[index] == text)
        return false;
    const std::u16string label = u"изменение клетки табло " +
                                 quizcheck::num(index / BoardColumns + 1) + u":" +
                                 quizcheck::num(index % BoardColumns + 1);
    return edit(label, {QuizPart::Board}, [&](QuizContent& next) { next.board[index] = text; });
}

BuiltBoard QuizDocument::buildBoard(std::uint32_t seed) {
    BuiltBoard built = editor::buildBoard(m_content.answers, seed);
    if (!built.built)
        return built;
    edit(u"сборка табло", {QuizPart::Board}, [&](QuizContent& next) {
        next.board = built.cells;
        next.board.resize(std::max(BoardCells, built.cells.size()));
    });
    return built;
}

LetterSupply QuizDocument::letterSupply() const {
    return vatro::letterSupply(m_content.board, m_content.answers);
}

std::u16string QuizDocument::helpText() const {
    std::u16string text;
    for (std::size_t n = 0; n < m_content.help.size(); ++n)
        text += (n == 0 ? u"" : u"\n") + m_content.help[n];
    return text;
}

bool QuizDocument::setHelpText(const std::u16string& text) {
    std::vector<std::u16string> lines(1);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == u'\r' || text[k] == u'\n') {
            if (text[k] == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n')
                ++k;
            lines.emplace_back();
        } else {
            lines.back().push_back(text[k]);
        }
    }
    // Empty lines at the end show nothing; the reader would skip them too.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines == m_content.help)
        return false;
    return edit(
        u"правка справки", {QuizPart::Help},
        [&](QuizContent& next) { next.help = std::move(lines); }, true);
}

bool QuizDocument::useGuillemets() {
    return edit(u"кавычки-ёлочки",
                {QuizPart::Board, QuizPart::Answers, QuizPart::Questions, QuizPart::Help},
                [](QuizContent& next) {
                    for (QuizPart part : AllParts) {
                        for (std::u16string& text : next.list(part))
                            text = withGuillemets(text);
                    }
                });
}

void QuizDocument::undo() {
    if (!canUndo())
        return;
    const EditCommand& command = m_history.undo();
    for (const PartChange& change : command.changes)
        m_content.list(change.part) = change.before;
    notify(command.changes);
}

void QuizDocument::redo() {
    if (!canRedo())
        return;
    const EditCommand& command = m_history.redo();
    for (const PartChange& change : command.changes)
        m_content.list(change.part) = change.after;
    notify(command.changes);
}

} // namespace vatro::editor
