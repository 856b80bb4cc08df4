// The document's clipboard edits and the answers' capitals: each one command on the undo
// stack, as the teacher does each in one go.
#include "quizdocument.h"

#include "answerwarnings.h"
#include "checker/checktext.h"

#include <algorithm>

namespace vatro::editor {

using quizcheck::counted;
using quizcheck::num;

PasteOutcome QuizDocument::pastePairs(std::size_t row, Side side,
                                      const std::vector<TableRow>& table) {
    PasteOutcome outcome;
    row = std::min(row, pairCount());
    const bool oneColumn = std::all_of(table.begin(), table.end(),
                                       [](const TableRow& cells) { return cells.size() <= 1; });
    const bool extraColumns = std::any_of(table.begin(), table.end(),
                                          [](const TableRow& cells) { return cells.size() > 2; });
    outcome.pasted = std::min(table.size(), row < MaxPairs ? MaxPairs - row : 0);
    outcome.leftOut = table.size() - outcome.pasted;
    const auto cell = [](const TableRow& cells, std::size_t n) {
        return n < cells.size() ? cells[n] : std::u16string();
    };
    outcome.changed = outcome.pasted > 0 &&
                      edit(u"вставка из буфера обмена", {QuizPart::Questions, QuizPart::Answers},
                           [&](QuizContent& next) {
                               // New rows are pairs in both files, as an inserted pair is.
                               const std::size_t rows = row + outcome.pasted;
                               if (rows > next.pairCount()) {
                                   next.questions.resize(rows);
                                   next.answers.resize(rows);
                               }
                               const auto put = [&](std::vector<std::u16string>& list,
                                                    std::size_t at, std::u16string text) {
                                   if (list.size() <= at)
                                       list.resize(at + 1);
                                   list[at] = std::move(text);
                               };
                               for (std::size_t n = 0; n < outcome.pasted; ++n) {
                                   const TableRow& cells = table[n];
                                   if (oneColumn) {
                                       put(side == Side::Question ? next.questions : next.answers,
                                           row + n, cell(cells, 0));
                                   } else {
                                       put(next.questions, row + n, cell(cells, 0));
                                       put(next.answers, row + n, cell(cells, 1));
                                   }
                               }
                           });
    const std::u16string full = u"в игре не больше " + num(MaxPairs) + u" пар.";
    if (outcome.pasted == 0) {
        outcome.message = u"Ничего не вставлено: " + full;
        return outcome;
    }
    outcome.message =
        u"Вставлено: " + counted(outcome.pasted, u"строка", u"строки", u"строк") +
        (oneColumn ? side == Side::Question ? u" в столбец вопросов" : u" в столбец ответов"
                   : u"") +
        u".";
    if (outcome.leftOut > 0)
        outcome.message += u" Не поместились " +
                           counted(outcome.leftOut, u"строка", u"строки", u"строк") + u": " + full;
    if (extraColumns)
        outcome.message += u" Столбцы после второго не вставлены: в паре только вопрос и ответ.";
    return outcome;
}

bool QuizDocument::clearPairCells(const std::vector<std::pair<std::size_t, Side>>& cells) {
    return edit(u"вырезание", {QuizPart::Questions, QuizPart::Answers}, [&](QuizContent& next) {
        for (const auto& [row, side] : cells) {
            auto& list = side == Side::Question ? next.questions : next.answers;
            if (row < list.size())
                list[row].clear();
        }
    });
}

PasteOutcome QuizDocument::pasteCells(std::size_t index, const std::vector<TableRow>& table) {
    PasteOutcome outcome;
    const std::size_t top = index / BoardColumns;
    const std::size_t left = index % BoardColumns;
    outcome.changed = edit(u"вставка на табло", {QuizPart::Board}, [&](QuizContent& next) {
        for (std::size_t r = 0; r < table.size(); ++r) {
            for (std::size_t c = 0; c < table[r].size(); ++c) {
                if (top + r < BoardRows && left + c < BoardColumns) {
                    next.board[cellIndex(top + r, left + c)] = table[r][c];
                    ++outcome.pasted;
                } else {
                    ++outcome.leftOut;
                }
            }
        }
    });
    outcome.message =
        u"Вставлено на табло: " + counted(outcome.pasted, u"клетка", u"клетки", u"клеток") + u".";
    if (outcome.leftOut > 0)
        outcome.message += u" Не поместились за краем табло " +
                           counted(outcome.leftOut, u"клетка", u"клетки", u"клеток") + u".";
    return outcome;
}

bool QuizDocument::clearCells(const std::vector<std::size_t>& cells) {
    return edit(u"вырезание на табло", {QuizPart::Board}, [&](QuizContent& next) {
        for (std::size_t index : cells) {
            if (index < next.board.size())
                next.board[index].clear();
        }
    });
}

std::size_t QuizDocument::capitalizeAnswers(const std::vector<std::size_t>& rows) {
    std::size_t changed = 0;
    edit(u"ответы — заглавными буквами", {QuizPart::Answers}, [&](QuizContent& next) {
        const auto capitalize = [&](std::size_t row) {
            if (row >= next.answers.size())
                return;
            std::u16string capitals = inBoardCapitals(next.answers[row]);
            if (capitals != next.answers[row]) {
                next.answers[row] = std::move(capitals);
                ++changed;
            }
        };
        if (rows.empty()) {
            for (std::size_t row = 0; row < next.answers.size(); ++row)
                capitalize(row);
        }
        for (std::size_t row : rows)
            capitalize(row);
    });
    return changed;
}

} // namespace vatro::editor
