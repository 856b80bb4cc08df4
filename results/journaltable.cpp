#include "journaltable.h"

#include "journalformat.h"
#include "quiz/numbertext.h"
#include "quiz/textcodec.h"

namespace vatro {

namespace {

// The share of the answers judged that were right, in whole per cent, rounded to the
// nearest (2 of 3 is 67); empty when none was judged.
std::u16string shareCell(int points, int mistakes) {
    const long long judged = static_cast<long long>(points) + mistakes;
    if (judged <= 0 || points < 0)
        return {};
    return decimal((static_cast<long long>(points) * 200 + judged) / (2 * judged));
}

// A number stored as text (the time used): the bare number, as any other number cell.
std::u16string numberCell(std::u16string_view text) {
    const std::u16string_view digits = text.starts_with(u'-') ? text.substr(1) : text;
    if (digits.find_first_not_of(u"0123456789") == digits.npos && (text.empty() || !digits.empty()))
        return std::u16string(text);
    return textCell(text);
}

// Whether a spreadsheet would take the text for a number, a date or a time.
bool looksLikeNumber(std::u16string_view text) {
    return !text.empty() && text.front() >= u'0' && text.front() <= u'9' &&
           text.find_first_not_of(journal::NumberLike) == text.npos;
}

void appendRow(std::u16string& text, const JournalRow& row) {
    using namespace journal;
    std::array<std::u16string, ColumnCount> cells;
    cells[Computer] = textCell(row.computer);
    cells[Round] = decimal(row.round);
    cells[Number] = decimal(row.number);
    cells[Name] = textCell(row.name);
    cells[Points] = decimal(row.points);
    cells[Mistakes] = decimal(row.mistakes);
    cells[Minutes] = numberCell(row.minutes);
    cells[Seconds] = numberCell(row.seconds);
    cells[Grade] = row.grade == 0 ? std::u16string() : decimal(row.grade);
    cells[Level] = textCell(row.level);
    cells[Mode] = textCell(row.mode);
    cells[QuestionsPosed] = decimal(row.questionsPosed);
    cells[RightShare] = shareCell(row.points, row.mistakes);
    cells[QuizFolder] = textCell(row.quizFolder);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c != 0)
            text += Separator;
        text += cells[c];
    }
    text += LineEnd;
}

} // namespace

std::u16string textCell(std::u16string_view text) {
    using namespace journal;
    std::u16string cell;
    if ((!text.empty() && GuardedStarts.find(text.front()) != text.npos) || looksLikeNumber(text))
        cell = FormulaGuard;
    cell += text;
    const bool quoted = cell.find_first_of(QuotedIfHolding) != cell.npos ||
                        (!cell.empty() && (cell.front() == u' ' || cell.back() == u' '));
    if (!quoted)
        return cell;
    std::u16string escaped(1, Quote);
    for (const char16_t c : cell) {
        if (c == Quote)
            escaped += Quote;
        escaped += c;
    }
    return escaped + Quote;
}

std::string journalTable(const std::vector<JournalRow>& rows) {
    using namespace journal;
    std::u16string text;
    for (std::size_t c = 0; c < JournalColumns.size(); ++c) {
        if (c != 0)
            text += Separator;
        text += JournalColumns[c];
    }
    text += LineEnd;
    for (const JournalRow& row : rows)
        appendRow(text, row);
    return std::string(ByteOrderMark) + utf16ToUtf8(text);
}

std::string JournalRounds::table(std::vector<JournalRow> current) {
    m_current = std::move(current);
    std::vector<JournalRow> rows = m_earlier;
    for (JournalRow& row : m_current) {
        row.round = m_round;
        rows.push_back(row);
    }
    return journalTable(rows);
}

void JournalRounds::nextRound() {
    if (m_current.empty())
        return;
    m_earlier.insert(m_earlier.end(), m_current.begin(), m_current.end());
    m_current.clear();
    ++m_round;
}

} // namespace vatro
