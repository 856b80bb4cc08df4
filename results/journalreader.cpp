#include "journalreader.h"

#include "journalformat.h"
#include "quiz/numbertext.h"
#include "quiz/textcodec.h"

#include <charconv>

namespace vatro {

namespace {

using namespace journal;

// A layout: its columns in the order of the file, and which starts of a text the writer
// guarded. The older layout guarded no apostrophe, so there one stays unless a formula
// character follows it.
struct Layout {
    std::vector<Column> columns;
    std::u16string_view guardedStarts; // empty: every leading guard is one
};

const Layout& currentLayout() {
    static const Layout layout{[] {
                                   std::vector<Column> columns;
                                   for (int c = 0; c < ColumnCount; ++c)
                                       columns.push_back(static_cast<Column>(c));
                                   return columns;
                               }(),
                               {}};
    return layout;
}

// The table before rounds and computers: "№;Фамилия или команда;…;Верных ответов, %;…".
const Layout& olderLayout() {
    static const Layout layout{{Number, Name, Points, Mistakes, Minutes, Seconds, Grade, Level,
                                Mode, QuestionsPosed, RightShare, QuizFolder},
                               u"=+-@\t\r"};
    return layout;
}

std::u16string_view columnName(const Layout& layout, Column column) {
    if (&layout == &olderLayout() && column == RightShare)
        return u"Верных ответов, %";
    return JournalColumns[column];
}

bool isHeaderOf(const Layout& layout, const std::vector<std::u16string>& cells) {
    if (cells.size() != layout.columns.size())
        return false;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c] != columnName(layout, layout.columns[c]))
            return false;
    }
    return true;
}

// Whether the text is the beginning of a known header line, cut short.
bool isStartOfHeader(std::u16string_view text) {
    for (const Layout* layout : {&currentLayout(), &olderLayout()}) {
        std::u16string header;
        for (const Column column : layout->columns) {
            if (!header.empty())
                header += Separator;
            header += columnName(*layout, column);
        }
        if (std::u16string_view(header).starts_with(text))
            return true;
    }
    return false;
}

// ---- Cells and records ----

enum class RecordEnd {
    Whole,  // ended by its line end
    Torn,   // the text ends inside it
    Broken, // text after a closing quote: the record is skipped to its line end
};

// One record from pos on, as the writer joins cells: separated by semicolons, ended by CR LF
// (a bare LF is taken too, as an editor may leave it); a cell in double quotes holds
// anything, its doubled quotes standing for one.
RecordEnd readRecord(std::u16string_view text, std::size_t& pos,
                     std::vector<std::u16string>& cells) {
    cells.clear();
    const std::size_t size = text.size();
    for (;;) {
        std::u16string& cell = cells.emplace_back();
        if (pos < size && text[pos] == Quote) {
            ++pos;
            for (;;) {
                const std::size_t close = text.find(Quote, pos);
                if (close == text.npos) {
                    pos = size;
                    return RecordEnd::Torn;
                }
                cell.append(text.substr(pos, close - pos));
                pos = close + 1;
                if (pos < size && text[pos] == Quote) {
                    cell += Quote;
                    ++pos;
                    continue;
                }
                break;
            }
        } else {
            const std::size_t start = pos;
            while (pos < size && text[pos] != Separator && text[pos] != u'\n' &&
                   !(text[pos] == u'\r' && pos + 1 < size && text[pos + 1] == u'\n'))
                ++pos;
            cell.assign(text.substr(start, pos - start));
        }
        if (pos == size)
            return RecordEnd::Torn;
        if (text[pos] == Separator) {
            ++pos;
            continue;
        }
        if (text[pos] == u'\n') {
            ++pos;
            return RecordEnd::Whole;
        }
        if (text[pos] == u'\r' && pos + 1 < size && text[pos + 1] == u'\n') {
            pos += 2;
            return RecordEnd::Whole;
        }
        const std::size_t lineEnd = text.find(u'\n', pos);
        pos = lineEnd == text.npos ? size : lineEnd + 1;
        return RecordEnd::Broken;
    }
}

std::optional<int> wholeNumber(std::u16string_view cell) {
    if (cell.empty() || cell.size() > 11)
        return std::nullopt;
    std::string ascii;
    for (const char16_t c : cell) {
        if ((c < u'0' || c > u'9') && !(c == u'-' && ascii.empty()))
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc{} || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

std::u16string unguarded(const Layout& layout, std::u16string cell) {
    if (cell.empty() || cell.front() != FormulaGuard)
        return cell;
    if (layout.guardedStarts.empty() ||
        (cell.size() > 1 && layout.guardedStarts.find(cell[1]) != layout.guardedStarts.npos))
        cell.erase(0, 1);
    return cell;
}

// The entry of a whole record, or why it is none.
std::optional<std::u16string> toEntry(const Layout& layout, std::vector<std::u16string>& cells,
                                      JournalEntry& entry) {
    if (cells.size() != layout.columns.size())
        return counted(cells.size(), u"ячейка", u"ячейки", u"ячеек") + u" вместо " +
               decimal(static_cast<long long>(layout.columns.size()));
    JournalRow& row = entry.row;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const Column column = layout.columns[c];
        std::u16string& cell = cells[c];
        int* number = nullptr;
        bool emptyAllowed = false;
        switch (column) {
        case Computer:
            row.computer = unguarded(layout, std::move(cell));
            break;
        case Name:
            row.name = unguarded(layout, std::move(cell));
            break;
        case Minutes:
            row.minutes = unguarded(layout, std::move(cell));
            break;
        case Seconds:
            row.seconds = unguarded(layout, std::move(cell));
            break;
        case Level:
            row.level = unguarded(layout, std::move(cell));
            break;
        case Mode:
            row.mode = unguarded(layout, std::move(cell));
            break;
        case QuizFolder:
            row.quizFolder = unguarded(layout, std::move(cell));
            break;
        case Round:
            number = &row.round;
            break;
        case Number:
            number = &row.number;
            break;
        case Points:
            number = &row.points;
            break;
        case Mistakes:
            number = &row.mistakes;
            break;
        case Grade:
            number = &row.grade; // empty: no grade yet
            emptyAllowed = true;
            break;
        case QuestionsPosed:
            number = &row.questionsPosed;
            break;
        case RightShare:
            number = &entry.rightShare; // empty: no answer judged
            emptyAllowed = true;
            break;
        case ColumnCount:
            break;
        }
        if (!number)
            continue;
        if (cell.empty() && emptyAllowed) {
            *number = column == RightShare ? -1 : 0;
            continue;
        }
        const std::optional<int> value = wholeNumber(cell);
        if (!value)
            return u"в столбце «" + std::u16string(columnName(layout, column)) + u"» не число: «" +
                   cell + u"»";
        *number = *value;
    }
    return std::nullopt;
}

std::u16string rowLabel(std::size_t record) {
    return u"строка " + decimal(static_cast<long long>(record)) + u" пропущена";
}

// Two digits or four, as the file name writes them; -1 otherwise.
int digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

JournalTableRead readJournalTable(std::string_view bytes) {
    JournalTableRead read;
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    if (bytes.empty()) {
        read.skipped = u"файл пуст (игра, видимо, только что его создала)";
        return read;
    }
    const std::u16string text = utf8ToUtf16(bytes);
    std::size_t pos = 0;
    std::vector<std::u16string> cells;
    const RecordEnd headerEnd = readRecord(text, pos, cells);
    const Layout* layout = nullptr;
    for (const Layout* known : {&currentLayout(), &olderLayout()}) {
        if (isHeaderOf(*known, cells))
            layout = known;
    }
    if (!layout || headerEnd != RecordEnd::Whole) {
        read.skipped = headerEnd == RecordEnd::Torn && isStartOfHeader(text)
                           ? u"файл оборван в первой строке"
                           : u"это не журнал Ватро: в первой строке не названия столбцов журнала";
        return read;
    }
    for (std::size_t record = 2; pos < text.size(); ++record) {
        const RecordEnd end = readRecord(text, pos, cells);
        if (end == RecordEnd::Torn) {
            read.leftOut.push_back(rowLabel(record) + u": она оборвана, файл не дописан до конца");
            break;
        }
        if (end == RecordEnd::Broken) {
            read.leftOut.push_back(rowLabel(record) +
                                   u": после закрывающей кавычки в ячейке стоит ещё текст");
            continue;
        }
        JournalEntry entry;
        if (const auto problem = toEntry(*layout, cells, entry)) {
            read.leftOut.push_back(rowLabel(record) + u": " + *problem);
            continue;
        }
        read.rows.push_back(std::move(entry));
    }
    return read;
}

std::optional<JournalFileName> parseJournalFileName(std::string_view name) {
    // "2026-12-08 10-15 pc07 (2).csv": the time, then the computer and the copy, each optional.
    if (!name.ends_with(FileExtension) || name.size() < 16 + FileExtension.size())
        return std::nullopt;
    name.remove_suffix(FileExtension.size());
    const std::string_view time = name.substr(0, 16);
    if (time[4] != '-' || time[7] != '-' || time[10] != ' ' || time[13] != '-')
        return std::nullopt;
    JournalFileName parsed;
    LocalDateTime& at = parsed.started;
    at.year = digits(time.substr(0, 4));
    at.month = digits(time.substr(5, 2));
    at.day = digits(time.substr(8, 2));
    at.hour = digits(time.substr(11, 2));
    at.minute = digits(time.substr(14, 2));
    at.second = 0;
    if (at.year < 0 || at.month < 1 || at.month > 12 || at.day < 1 || at.day > 31 || at.hour < 0 ||
        at.hour > 23 || at.minute < 0 || at.minute > 59)
        return std::nullopt;
    std::string_view rest = name.substr(16);
    if (rest.empty())
        return parsed;
    if (rest.front() != ' ')
        return std::nullopt;
    rest.remove_prefix(1);
    // A copy number closes the name: " (2)", or "(2)" alone in the older names.
    if (rest.ends_with(')')) {
        const std::size_t open = rest.rfind('(');
        const int copy =
            open == rest.npos ? -1 : digits(rest.substr(open + 1, rest.size() - open - 2));
        if (copy >= 2 && rest.size() - open <= 5 && (open == 0 || rest[open - 1] == ' ')) {
            parsed.copy = copy;
            rest = rest.substr(0, open == 0 ? 0 : open - 1);
        }
    }
    if (!isValidUtf8(rest))
        return std::nullopt;
    parsed.computer = utf8ToUtf16(rest);
    return parsed;
}

} // namespace vatro
