// The quiz-file checker: the mistakes a teacher is likely to make in a quiz folder, found
// with the game's own reader and told in the teacher's terms.
#include "quizcheck.h"

#include "form1.h"
#include "quizfiles.h"
#include "quizreader.h"
#include "ui/controls/numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>

namespace vatro {

namespace {

enum class Role { Letters, Answers, Questions, Help };

struct FileSpec {
    Role role;
    const char* name;
    std::size_t capacity;
    const char16_t* title;
};

constexpr std::size_t BoardWidth = 20;
// A pupil composes a word on a pick stack of this many letters.
constexpr std::size_t LongestSpelledWord = decltype(Form1::PickRow)::last;

const std::array<FileSpec, 4> Specs = {{
    {Role::Letters, LettersFileInfo.name, LettersFileInfo.capacity, u"табло букв"},
    {Role::Answers, AnswersFileInfo.name, AnswersFileInfo.capacity, u"ответы"},
    {Role::Questions, QuestionsFileInfo.name, QuestionsFileInfo.capacity, u"вопросы"},
    {Role::Help, HelpFileInfo.name, HelpFileInfo.capacity, u"дополнительная справка"},
}};

// ---- Words and numbers ----

std::u16string num(std::size_t n) {
    return decimal(static_cast<long long>(n));
}

// "1 ответ", "3 ответа", "11 ответов".
std::u16string counted(std::size_t n, std::u16string_view one, std::u16string_view few,
                       std::u16string_view many) {
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    std::u16string_view word = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            word = one;
        else if (units >= 2 && units <= 4)
            word = few;
    }
    return num(n) + u" " + std::u16string(word);
}

std::u16string countedRecords(Role role, std::size_t n) {
    switch (role) {
    case Role::Letters:
        return counted(n, u"буква", u"буквы", u"букв");
    case Role::Answers:
        return counted(n, u"ответ", u"ответа", u"ответов");
    case Role::Questions:
        return counted(n, u"вопрос", u"вопроса", u"вопросов");
    case Role::Help:
        break;
    }
    return counted(n, u"строка", u"строки", u"строк");
}

std::u16string range(std::size_t first, std::size_t last) {
    return first == last ? num(first) : num(first) + u"–" + num(last);
}

std::u16string inQuotes(std::u16string_view text) {
    return u"«" + std::u16string(text) + u"»";
}

// Long texts are shown by their beginning; the record number says where the rest is.
std::u16string excerpt(std::u16string_view text, std::size_t length = 60) {
    if (text.size() <= length)
        return inQuotes(text);
    return inQuotes(std::u16string(text.substr(0, length)) + u"…");
}

std::u16string fileName(const FileSpec& spec) {
    return utf8ToUtf16(spec.name);
}

// ---- Characters ----

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}
bool endsField(char16_t c) {
    return c == u',' || isLineEnd(c);
}
bool isCyrillic(char16_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}
bool isLatin(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool isLowerCase(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'а' && c <= u'я') || c == u'ё';
}
char16_t foldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я'))
        return static_cast<char16_t>(c + 0x20);
    return c == u'Ё' ? u'ё' : c;
}
char16_t otherCase(char16_t c) {
    if (c == u'ё' || c == u'Ё')
        return c == u'ё' ? u'Ё' : u'ё';
    if (isLowerCase(c))
        return static_cast<char16_t>(c - 0x20);
    return foldCase(c);
}
// Characters that show nothing, or a box, where the teacher sees a letter or nothing.
bool isInvisible(char16_t c) {
    return (c < 0x20 && !isBlank(c) && !isLineEnd(c)) || (c >= 0x7F && c <= 0x9F) || c == 0x200B ||
           c == 0xFEFF;
}

// Latin letters that look like Russian ones, and the Russian letters they look like.
constexpr std::array<std::pair<char16_t, char16_t>, 19> LookAlikes = {{
    {u'A', u'А'}, {u'B', u'В'}, {u'C', u'С'}, {u'E', u'Е'}, {u'H', u'Н'},
    {u'K', u'К'}, {u'M', u'М'}, {u'O', u'О'}, {u'P', u'Р'}, {u'T', u'Т'},
    {u'X', u'Х'}, {u'Y', u'У'}, {u'a', u'а'}, {u'c', u'с'}, {u'e', u'е'},
    {u'o', u'о'}, {u'p', u'р'}, {u'x', u'х'}, {u'y', u'у'},
}};

std::optional<char16_t> russianLookAlike(char16_t latin) {
    for (const auto& [from, to] : LookAlikes) {
        if (from == latin)
            return to;
    }
    return std::nullopt;
}

bool hasCyrillic(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), isCyrillic);
}
bool hasLatin(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), isLatin);
}

std::u16string trimmed(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return std::u16string(text.substr(first, last - first));
}

// The text with blanks neither in front nor behind, and single plain blanks inside.
std::u16string withoutStrayBlanks(std::u16string_view text) {
    std::u16string clean;
    for (char16_t c : text) {
        const char16_t blank = c == u'\u00A0' || c == u'\t' ? u' ' : c;
        if (blank != u' ' || (!clean.empty() && clean.back() != u' '))
            clean.push_back(blank);
    }
    if (!clean.empty() && clean.back() == u' ')
        clean.pop_back();
    return clean;
}

// Whether most records of a file hold Russian letters rather than Latin ones.
template <typename Records> bool mostlyRussian(const Records& records) {
    std::size_t russian = 0;
    std::size_t latin = 0;
    for (const auto& record : records) {
        russian += hasCyrillic(record.text) ? 1 : 0;
        latin += hasLatin(record.text) && !hasCyrillic(record.text) ? 1 : 0;
    }
    return russian > latin;
}

// The places of the characters that stand for Russian letters but are none: Latin letters
// in a Russian word, a word of Latin look-alikes among Russian ones, and the digits 0 and
// 3 typed inside a Russian word.
std::vector<std::size_t> foreignLetters(std::u16string_view text, bool russianFile) {
    const bool mixed = hasCyrillic(text) && hasLatin(text);
    bool allLookAlike = true;
    for (char16_t c : text)
        allLookAlike = allLookAlike && (!isLatin(c) || russianLookAlike(c).has_value());
    const bool latinSuspect = mixed || (hasLatin(text) && allLookAlike && russianFile);
    std::vector<std::size_t> places;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool besideRussian =
            (k > 0 && isCyrillic(text[k - 1])) || (k + 1 < text.size() && isCyrillic(text[k + 1]));
        if ((latinSuspect && isLatin(text[k])) ||
            ((text[k] == u'0' || text[k] == u'3') && besideRussian))
            places.push_back(k);
    }
    return places;
}

// The Russian letter a foreign character was typed for; itself when none.
char16_t meantLetter(char16_t c) {
    if (c == u'0' || c == u'3')
        return c == u'0' ? u'О' : u'З';
    return russianLookAlike(c).value_or(c);
}

// ---- Where the reader's records stand ----

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
std::vector<Record> locate(std::u16string_view text, const std::vector<std::u16string>& fields) {
    std::vector<Record> records;
    std::size_t pos = 0;
    std::size_t line = 1;
    bool inStep = true;
    const auto step = [&] {
        const char16_t c = text[pos];
        if (c == u'\n' || (c == u'\r' && (pos + 1 == text.size() || text[pos + 1] != u'\n')))
            ++line;
        ++pos;
    };
    const auto more = [&] { return pos < text.size(); };
    for (const std::u16string& value : fields) {
        Record record;
        record.text = value;
        if (inStep) {
            while (more() && (isBlank(text[pos]) || isLineEnd(text[pos])))
                step();
            record.line = line;
            std::u16string found;
            if (more() && text[pos] == u'"') {
                record.quoted = true;
                step();
                const std::size_t start = pos;
                while (more() && text[pos] != u'"')
                    step();
                found = text.substr(start, pos - start);
                record.closed = more();
                if (more())
                    step();
                const std::size_t tail = pos;
                while (more() && !endsField(text[pos]))
                    step();
                record.dropped = trimmed(text.substr(tail, pos - tail));
            } else {
                const std::size_t start = pos;
                while (more() && !endsField(text[pos]))
                    step();
                std::size_t end = pos;
                while (end > start && isBlank(text[end - 1]))
                    --end;
                found = text.substr(start, end - start);
            }
            record.endLine = line;
            if (more() && text[pos] == u',')
                step();
            if (found != value) {
                inStep = false;
                record = Record();
                record.text = value;
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

// ---- Encodings the game does not read ----

// The Russian letters of two other single-byte code pages, by byte from 0x80; 0 for bytes
// that are no Russian letter there.
std::u16string koi8rLetters() {
    std::u16string table(128, u'\0');
    const std::u16string_view letters =
        u"юабцдефгхийклмнопярстужвьызшэщчъЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ";
    std::copy(letters.begin(), letters.end(), table.begin() + 0x40);
    table[0x23] = u'ё';
    table[0x33] = u'Ё';
    return table;
}

std::u16string cp866Letters() {
    std::u16string table(128, u'\0');
    const std::u16string_view first = u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмноп";
    const std::u16string_view second = u"рстуфхцчшщъыьэюяЁё";
    std::copy(first.begin(), first.end(), table.begin());
    std::copy(second.begin(), second.end(), table.begin() + 0x60);
    return table;
}

std::u16string decodeWith(std::string_view bytes, const std::u16string& high) {
    std::u16string text;
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const char16_t c = value < 0x80 ? value : high[value - 0x80];
        text.push_back(c == 0 ? u'\uFFFD' : c);
    }
    return text;
}

struct LetterShare {
    std::size_t letters = 0;
    double fit = 0; // how Russian the letters look: the mean log of their frequency
};

// How often each letter а..я occurs in Russian text, per ten thousand letters; ё apart.
constexpr int RussianFrequency[32] = {801, 159, 454, 170,  298, 845, 94,  165, 735, 121, 349,
                                      440, 321, 670, 1097, 281, 473, 547, 626, 262, 26,  97,
                                      48,  144, 73,  36,   4,   190, 174, 32,  64,  201};

double letterFit(char16_t lower) {
    const int perTenThousand = lower == u'ё' ? 4 : RussianFrequency[lower - u'а'];
    return std::log(perTenThousand / 10000.0);
}

// Text read in the wrong code page is made of letters that are rare in Russian; weighing
// every letter by its frequency keeps a few short words like ТОК and ОМ, whose bytes happen
// to be common letters elsewhere, from tipping the balance.
LetterShare russianLetterShare(std::u16string_view text) {
    std::size_t letters = 0;
    double fit = 0;
    for (char16_t c : text) {
        if (!isCyrillic(c))
            continue;
        const char16_t lower = foldCase(c);
        if (lower != u'ё' && (lower < u'а' || lower > u'я'))
            continue;
        ++letters;
        fit += letterFit(lower);
    }
    return {letters, letters == 0 ? 0.0 : fit / static_cast<double>(letters)};
}

// UTF-8 text read as Windows-1251 turns each Russian letter into "Р" or "С" followed by a
// character of the bytes 0x80..0xBF.
std::size_t doubleEncodedPairs(std::u16string_view text) {
    std::u16string tails;
    for (int value = 0x80; value <= 0xBF; ++value) {
        const char byte = static_cast<char>(value);
        tails += decodeCp1251(std::string_view(&byte, 1));
    }
    std::size_t pairs = 0;
    for (std::size_t n = 0; n + 1 < text.size(); ++n) {
        if ((text[n] == u'Р' || text[n] == u'С') && tails.find(text[n + 1]) != std::u16string::npos)
            ++pairs;
    }
    return pairs;
}

std::size_t lineAtByte(std::string_view bytes, std::size_t offset) {
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

// ---- The folder ----

struct LoadedFile {
    const FileSpec* spec = nullptr;
    std::size_t summary = 0; // index into QuizCheck::files
    bool present = false;    // the records are known
    bool garbled = false;    // the text is not what the teacher wrote: no content checks
    std::vector<Record> records;
    std::optional<FileProblem> gameProblem; // what the game itself says of the file
};

// The records told of one by one: those the game would read. A file far past its capacity
// is refused as a whole, and a finding for each of its records would bury that.
std::size_t listed(const LoadedFile& file) {
    return std::min(file.records.size(), file.spec->capacity);
}

class FolderCheck {
public:
    explicit FolderCheck(const std::filesystem::path& folder) { m_check.folder = folder; }

    QuizCheck run();

private:
    void add(Finding::Severity severity, Finding::Kind kind, const FileSpec& spec,
             std::size_t record, std::size_t line, std::u16string what, std::u16string fix);
    void problem(Finding::Kind kind, const FileSpec& spec, const Record* record, std::size_t number,
                 std::u16string what, std::u16string fix) {
        add(Finding::Severity::Problem, kind, spec, number, record ? record->line : 0,
            std::move(what), std::move(fix));
    }

    void load(LoadedFile& file);
    void reportMissing(const FileSpec& spec);
    bool checkEncoding(const LoadedFile& file, std::string_view bytes, const DecodedText& text);
    void checkCapacity(const LoadedFile& file);
    void checkRecords(const LoadedFile& file);
    void checkBoard(const LoadedFile& board);
    void checkAnswers(const LoadedFile& answers);
    void checkLatin(const LoadedFile& file);
    void checkCounts(const LoadedFile& questions, const LoadedFile& answers);
    void checkSplitQuestions(const LoadedFile& questions, const LoadedFile& answers);
    void checkHelpLines(const LoadedFile& help);
    void checkLetterSupply(const LoadedFile& board, const LoadedFile& answers);

    QuizCheck m_check;
};

void FolderCheck::add(Finding::Severity severity, Finding::Kind kind, const FileSpec& spec,
                      std::size_t record, std::size_t line, std::u16string what,
                      std::u16string fix) {
    m_check.findings.push_back(
        Finding{severity, kind, spec.name, record, line, std::move(what), std::move(fix)});
}

QuizCheck FolderCheck::run() {
    std::array<LoadedFile, Specs.size()> files;
    for (std::size_t n = 0; n < Specs.size(); ++n) {
        files[n].spec = &Specs[n];
        files[n].summary = n;
        m_check.files.push_back(CheckedFile{Specs[n].name, Specs[n].title, Specs[n].capacity});
        load(files[n]);
    }
    LoadedFile& board = files[0];
    LoadedFile& answers = files[1];
    LoadedFile& questions = files[2];
    LoadedFile& help = files[3];
    const auto usable = [](const LoadedFile& file) { return file.present && !file.garbled; };
    if (usable(board)) {
        checkBoard(board);
        checkLatin(board);
    }
    if (usable(answers)) {
        checkAnswers(answers);
        checkLatin(answers);
    }
    if (usable(questions) && usable(answers)) {
        checkCounts(questions, answers);
        checkSplitQuestions(questions, answers);
    }
    if (usable(help))
        checkHelpLines(help);
    if (usable(board) && usable(answers))
        checkLetterSupply(board, answers);

    // File by file, each in record order; the whole-file findings first.
    std::stable_sort(m_check.findings.begin(), m_check.findings.end(),
                     [](const Finding& a, const Finding& b) {
                         const auto order = [](const Finding& f) {
                             for (std::size_t n = 0; n < Specs.size(); ++n) {
                                 if (f.file == Specs[n].name)
                                     return n;
                             }
                             return Specs.size();
                         };
                         if (order(a) != order(b))
                             return order(a) < order(b);
                         // A file refused whole first; what the whole board lacks after its
                         // cells.
                         const auto place = [](const Finding& f) {
                             if (f.kind == Finding::Kind::TooManyRecords)
                                 return std::size_t{0};
                             return f.kind == Finding::Kind::LettersShort
                                        ? std::numeric_limits<std::size_t>::max()
                                        : f.record;
                         };
                         return place(a) < place(b);
                     });
    return std::move(m_check);
}

void FolderCheck::load(LoadedFile& file) {
    const FileSpec& spec = *file.spec;
    CheckedFile& summary = m_check.files[file.summary];
    const FieldFile game = readFieldFile(m_check.folder, spec.name, spec.capacity);
    file.gameProblem = game.problem;
    using ProblemKind = FileProblem::Kind;
    const auto gameSays = [&](ProblemKind kind) {
        return game.problem && game.problem->kind == kind;
    };
    if (gameSays(ProblemKind::NotFound)) {
        reportMissing(spec);
        return;
    }
    if (gameSays(ProblemKind::Unreadable) || gameSays(ProblemKind::TooLarge)) {
        const bool help = spec.role == Role::Help;
        const std::u16string what =
            gameSays(ProblemKind::TooLarge)
                ? u"Файл больше 1 МБ — это не файл викторины, и игра его не читает."
                : u"Файл не удаётся прочитать: это папка, или на чтение нет прав.";
        add(help ? Finding::Severity::Problem : Finding::Severity::Unreadable,
            Finding::Kind::Unreadable, spec, 0, 0,
            what + (help ? u" Кнопка «Дополнительно» покажет вместо справки сообщение."
                         : u" Игра с такой папкой не запустится."),
            u"Положите в папку обычный текстовый файл " + fileName(spec) + u".");
        return;
    }
    std::ifstream in(m_check.folder / pathFromUtf8(spec.name), std::ios::binary);
    std::string bytes;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const DecodedText text = decodeTextFile(bytes);
    summary.encoding = text.encoding;
    const std::vector<std::u16string> fields =
        game.ok() ? game.fields : splitFields(text.text, MaxFileBytes + 1);
    file.records = locate(text.text, fields);
    file.present = true;
    summary.read = true;
    summary.records = fields.size();

    file.garbled = !checkEncoding(file, bytes, text);
    if (file.garbled)
        return;
    checkCapacity(file);
    checkRecords(file);
}

void FolderCheck::reportMissing(const FileSpec& spec) {
    const bool help = spec.role == Role::Help;
    std::error_code error;
    const bool link = std::filesystem::is_symlink(
        std::filesystem::symlink_status(m_check.folder / pathFromUtf8(spec.name), error));
    std::u16string what = link ? u"Файл — ссылка, которая никуда не ведёт." : u"Файла нет в папке.";
    what += help ? u" Игра пойдёт, но кнопка «Дополнительно» в окне справки покажет вместо "
                   u"справки сообщение об ошибке."
                 : u" Без него игра не запустится.";
    std::u16string fix =
        u"Положите в папку файл " + fileName(spec) + (link ? u" вместо ссылки." : u".");
    // Windows does not tell "VATRO.TXT" from "vatro.txt", and hides a second ".txt".
    const std::u16string wanted = fileName(spec);
    std::u16string folded;
    for (char16_t c : wanted)
        folded.push_back(foldCase(c));
    for (const auto& entry : std::filesystem::directory_iterator(m_check.folder, error)) {
        const std::u16string name = displayPath(entry.path().filename());
        std::u16string foldedName;
        for (char16_t c : name)
            foldedName.push_back(foldCase(c));
        if (name != wanted && (foldedName == folded || foldedName == folded + u".txt")) {
            fix = u"В папке есть файл " + inQuotes(name) + u": переименуйте его точно в " +
                  fileName(spec) + u" (маленькими буквами, без второго «.txt»).";
            break;
        }
    }
    add(help ? Finding::Severity::Problem : Finding::Severity::Unreadable, Finding::Kind::Missing,
        spec, 0, 0, std::move(what), std::move(fix));
}

// Whether the text is what the teacher wrote; a file that was saved in an encoding the
// game does not read is reported once, as a whole, instead of record by record.
bool FolderCheck::checkEncoding(const LoadedFile& file, std::string_view bytes,
                                const DecodedText& text) {
    const FileSpec& spec = *file.spec;
    const std::u16string saveAgain =
        u"Откройте файл в текстовом редакторе и сохраните его заново в кодировке UTF-8 "
        u"(или Windows-1251).";
    const auto garbled = [&](std::size_t line, std::u16string what, std::u16string fix) {
        add(Finding::Severity::Problem, Finding::Kind::WrongEncoding, spec, 0, line,
            std::move(what), std::move(fix));
        return false;
    };
    const auto sample = [&](std::u16string_view decoded) {
        for (const std::u16string& field : splitFields(decoded, 20)) {
            if (hasCyrillic(field) || std::any_of(field.begin(), field.end(), isInvisible))
                return excerpt(field, 30);
        }
        return std::u16string();
    };

    const std::size_t zeros =
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\0'));
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
        (zeros > 0 && zeros * 4 >= bytes.size())) {
        return garbled(0,
                       u"Файл сохранён в UTF-16 (в Блокноте это «Юникод»): игра читает только "
                       u"UTF-8 и Windows-1251 и покажет вместо текста бессмыслицу.",
                       saveAgain);
    }
    if (text.encoding == TextEncoding::Cp1251) {
        // Mostly well-formed UTF-8 with a few broken bytes: the whole file falls back to
        // Windows-1251 and every Russian letter turns into two odd characters.
        std::size_t sequences = 0;
        std::size_t broken = 0;
        std::size_t firstBroken = bytes.size();
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t length = utf8SequenceAt(bytes, pos);
            if (length == 0) {
                ++broken;
                firstBroken = std::min(firstBroken, pos);
                ++pos;
            } else {
                sequences += length > 1 ? 1 : 0;
                pos += length;
            }
        }
        if (sequences >= 2 && sequences >= 4 * broken) {
            const std::size_t line = lineAtByte(bytes, firstBroken);
            return garbled(line,
                           u"Файл сохранён в UTF-8, но в строке " + num(line) +
                               u" испорчен байт. Из-за этого игра читает весь файл как "
                               u"Windows-1251, и русские буквы превращаются в пары вроде "
                               u"«Рђ», «РЎ».",
                           u"Исправьте или наберите заново строку " + num(line) +
                               u" и сохраните файл в UTF-8.");
        }
    }
    const LetterShare read = russianLetterShare(text.text);
    const std::size_t pairs = doubleEncodedPairs(text.text);
    if (pairs >= 2 && pairs * 3 >= read.letters) {
        return garbled(0,
                       u"Текст перекодирован дважды: вместо русских букв стоят пары вроде " +
                           sample(text.text) + u", и игра покажет их так же.",
                       u"Скопируйте текст заново из исходного документа и сохраните файл в "
                       u"UTF-8 (или Windows-1251).");
    }
    if (text.encoding == TextEncoding::Cp1251) {
        const std::pair<const char16_t*, std::u16string> others[] = {
            {u"KOI8-R", koi8rLetters()}, {u"CP866 (DOS)", cp866Letters()}};
        // The code page the text reads best in, if that is clearly better than Windows-1251.
        const char16_t* best = nullptr;
        std::u16string bestText;
        double bestFit = read.fit + 0.4;
        for (const auto& [name, table] : others) {
            std::u16string decoded = decodeWith(bytes, table);
            const LetterShare other = russianLetterShare(decoded);
            if (other.letters >= 12 && other.fit > bestFit) {
                best = name;
                bestFit = other.fit;
                bestText = std::move(decoded);
            }
        }
        if (best) {
            return garbled(0,
                           u"Файл, похоже, сохранён в кодировке " + std::u16string(best) +
                               u": игра прочитает " + sample(bestText) + u" как " +
                               sample(text.text) + u".",
                           saveAgain);
        }
    }
    const std::size_t invisible =
        static_cast<std::size_t>(std::count_if(text.text.begin(), text.text.end(), isInvisible));
    if (invisible >= 4 && invisible * 50 >= text.text.size()) {
        return garbled(0,
                       u"В файле " +
                           counted(invisible, u"управляющий знак", u"управляющих знака",
                                   u"управляющих знаков") +
                           u": это не простой текст или незнакомая игре кодировка.",
                       u"Сохраните файл как простой текст (.txt) в кодировке UTF-8.");
    }
    if (text.encoding == TextEncoding::Utf8) {
        add(Finding::Severity::Note, Finding::Kind::Utf8, spec, 0, 0,
            std::u16string(u"Файл сохранён в UTF-8") +
                (text.byteOrderMark ? u" (с меткой BOM)" : u"") + u" — игра читает его правильно.",
            u"");
    }
    return true;
}

void FolderCheck::checkCapacity(const LoadedFile& file) {
    const FileSpec& spec = *file.spec;
    const std::size_t count = file.records.size();
    if (count == 0) {
        const bool help = spec.role == Role::Help;
        std::u16string what = u"Файл пуст.";
        switch (spec.role) {
        case Role::Letters:
            what += u" Табло будет пустым, и ответ не из чего собрать.";
            break;
        case Role::Answers:
        case Role::Questions:
            what += u" Игре нечего спросить: «Пуск» сразу скажет «ВСЁ».";
            break;
        case Role::Help:
            what += u" Кнопка «Дополнительно» покажет пустое окно.";
            break;
        }
        add(help ? Finding::Severity::Note : Finding::Severity::Problem, Finding::Kind::EmptyFile,
            spec, 0, 0, std::move(what),
            help ? u"" : u"Впишите в файл содержимое викторины (образец — в README).");
        return;
    }
    if (count <= spec.capacity)
        return;
    const Record& first = file.records[spec.capacity];
    std::u16string what = u"В файле " + countedRecords(spec.role, count) +
                          u", а игра вмещает не больше " + num(spec.capacity) + u".";
    what += spec.role == Role::Help ? u" Кнопка «Дополнительно» покажет вместо справки "
                                      u"сообщение об ошибке."
                                    : u" С таким файлом игра не запустится.";
    std::u16string fix = u"Уберите записи с " + num(spec.capacity + 1) + u"-й по " + num(count) +
                         u"-ю (первая лишняя — " + excerpt(first.text, 40) + u")";
    fix += spec.role == Role::Questions || spec.role == Role::Help
               ? u" или проверьте, не разбила ли запятая вне кавычек какую-то запись."
               : u".";
    problem(Finding::Kind::TooManyRecords, spec, &first, spec.capacity + 1, std::move(what),
            std::move(fix));
}

void FolderCheck::checkRecords(const LoadedFile& file) {
    const FileSpec& spec = *file.spec;
    const bool refusedLong =
        file.gameProblem && file.gameProblem->kind == FileProblem::Kind::FieldTooLong;
    for (std::size_t n = 0; n < listed(file); ++n) {
        const Record& record = file.records[n];
        const std::size_t number = n + 1;
        const bool refused = refusedLong && file.gameProblem->record == number;
        const std::u16string refusal =
            refused ? u" Запись длиннее " + num(MaxFieldLength) + u" знаков, и игра не читает файл."
                    : u"";
        const bool spansLines = record.text.find_first_of(u"\r\n") != std::u16string::npos;
        if (record.quoted && (!record.closed || spansLines)) {
            const std::u16string opened =
                record.line ? u"Кавычка, открытая в строке " + num(record.line) : u"Кавычка";
            std::u16string what =
                record.closed ? opened + u", закрывается только в строке " + num(record.endLine) +
                                    u": всё между ними стало одной записью, и следующие "
                                    u"записи сдвинулись."
                              : opened + u", нигде не закрыта: весь остаток файла стал одной "
                                         u"записью.";
            problem(Finding::Kind::UnclosedQuote, spec, &record, number, what + refusal,
                    u"Поставьте закрывающую кавычку в конце строки " +
                        (record.line ? num(record.line) : u"с этой записью") + u".");
            continue;
        }
        if (refused) {
            problem(Finding::Kind::UnclosedQuote, spec, &record, number, refusal.substr(1),
                    u"Разбейте запись на несколько покороче.");
            continue;
        }
        if (!record.dropped.empty()) {
            problem(Finding::Kind::TextAfterQuote, spec, &record, number,
                    u"После закрывающей кавычки стоит " + excerpt(record.dropped, 40) +
                        u" — игра этот текст отбрасывает и видит только " + excerpt(record.text) +
                        u".",
                    u"Возьмите в кавычки всю запись, а кавычки внутри текста замените на "
                    u"«ёлочки».");
        }
        if (record.text.find(u'\uFFFD') != std::u16string::npos) {
            problem(Finding::Kind::WrongEncoding, spec, &record, number,
                    u"В записи " + excerpt(record.text) +
                        u" испорчен знак (показан как «\uFFFD»): в этом месте файла байт, "
                        u"который не читается как UTF-8.",
                    u"Сотрите запись, наберите её заново и сохраните файл в UTF-8.");
        }
        const auto invisible = std::find_if(record.text.begin(), record.text.end(), isInvisible);
        if (invisible != record.text.end()) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(*invisible));
            problem(Finding::Kind::InvisibleCharacters, spec, &record, number,
                    u"В записи " + excerpt(record.text) +
                        u" есть невидимый управляющий знак (код U+" + utf8ToUtf16(hex) +
                        u"): на экране его не видно, но игра сравнивает и его.",
                    u"Сотрите запись и наберите её заново.");
        }
        if (record.text.empty() && spec.role != Role::Help) {
            std::u16string what = u"Пустая запись: две запятые подряд, запятая в начале строки "
                                  u"или пустые кавычки.";
            if (spec.role == Role::Letters)
                what += u" На табло будет пустая клетка.";
            else if (spec.role == Role::Answers)
                what += u" На этот вопрос нельзя ответить.";
            else
                what += u" Игра задаст пустой вопрос.";
            problem(Finding::Kind::EmptyRecord, spec, &record, number, std::move(what),
                    u"Уберите лишнюю запятую или впишите текст записи.");
        }
    }
}

void FolderCheck::checkBoard(const LoadedFile& board) {
    const FileSpec& spec = *board.spec;
    for (std::size_t n = 0; n < listed(board); ++n) {
        const Record& cell = board.records[n];
        if (cell.text.size() <= 1)
            continue;
        const bool blanks = std::any_of(cell.text.begin(), cell.text.end(), isBlank);
        std::u16string split;
        for (char16_t c : cell.text) {
            if (!isBlank(c))
                split += (split.empty() ? u"" : u",") + std::u16string(1, c);
        }
        problem(Finding::Kind::CellNotOneLetter, spec, &cell, n + 1,
                u"В клетке табло " + inQuotes(cell.text) + u" " +
                    counted(cell.text.size(), u"знак", u"знака", u"знаков") +
                    (blanks ? u" вместе с пробелом" : u"") +
                    u": ученик возьмёт их одним щелчком, а правая кнопка вернёт на табло только "
                    u"последний.",
                u"По одной букве в клетке: разделите буквы запятыми (" + split + u").");
    }
    const std::size_t count = board.records.size();
    const std::size_t lastRow = count % BoardWidth;
    if (count > BoardWidth && lastRow != 0 && count <= spec.capacity) {
        const std::size_t rows = count / BoardWidth + 1;
        const std::size_t hidden = (rows - 1) * (BoardWidth - lastRow);
        problem(Finding::Kind::BoardRowIncomplete, spec, &board.records.back(), count,
                u"В последнем ряду табло " + counted(lastRow, u"буква", u"буквы", u"букв") +
                    u" из 20, а игра показывает в каждом ряду столько столбцов, сколько букв в "
                    u"последнем: " +
                    counted(hidden, u"буква табло не видна", u"буквы табло не видны",
                            u"букв табло не видны") +
                    u".",
                u"Допишите в последний ряд ещё " + num(BoardWidth - lastRow) +
                    u" (лишние буквы не мешают) или уберите " + num(lastRow) +
                    u", чтобы во всех рядах было ровно по 20 букв.");
    }
}

void FolderCheck::checkAnswers(const LoadedFile& answers) {
    const FileSpec& spec = *answers.spec;
    for (std::size_t n = 0; n < listed(answers); ++n) {
        const Record& answer = answers.records[n];
        const std::u16string& text = answer.text;
        if (text.empty())
            continue;
        std::vector<std::u16string> blanks;
        if (isBlank(text.front()))
            blanks.push_back(u"пробел в начале");
        if (isBlank(text.back()))
            blanks.push_back(u"пробел в конце");
        for (std::size_t k = 1; k < text.size(); ++k) {
            if (isBlank(text[k]) && isBlank(text[k - 1])) {
                blanks.push_back(u"два пробела подряд");
                break;
            }
        }
        if (text.find(u'\u00A0') != std::u16string::npos)
            blanks.push_back(u"неразрывный пробел");
        if (!blanks.empty()) {
            std::u16string list;
            for (const std::u16string& item : blanks)
                list += (list.empty() ? u"" : u", ") + item;
            const std::u16string clean = withoutStrayBlanks(text);
            problem(Finding::Kind::StrayBlanks, spec, &answer, n + 1,
                    u"В ответе " + inQuotes(text) + u" " + list +
                        u": собранное с табло слово никогда не совпадёт с ним.",
                    u"Уберите лишние пробелы: \"" + clean + u"\".");
        }
        if (text.size() > LongestSpelledWord) {
            problem(Finding::Kind::AnswerTooLong, spec, &answer, n + 1,
                    u"Ответ " + inQuotes(text) + u" длиной " +
                        counted(text.size(), u"знак", u"знака", u"знаков") +
                        u", а с табло можно набрать не больше " + num(LongestSpelledWord) +
                        u": в игре с буквами на этот вопрос не ответить.",
                    u"Выберите ответ не длиннее " + num(LongestSpelledWord) + u" букв.");
        }
    }
}

// Latin letters that look Russian, in a file of Russian letters: exact judging compares
// codes, so the Russian letter a pupil picks never matches them.
void FolderCheck::checkLatin(const LoadedFile& file) {
    const FileSpec& spec = *file.spec;
    const bool russianFile = mostlyRussian(file.records);
    for (std::size_t n = 0; n < listed(file); ++n) {
        const Record& record = file.records[n];
        const std::u16string& text = record.text;
        const std::vector<std::size_t> foreign = foreignLetters(text, russianFile);
        if (foreign.empty())
            continue;
        std::u16string list;
        std::u16string russianForms;
        std::size_t strays = 0;
        for (const std::size_t k : foreign) {
            const char16_t c = text[k];
            const bool digit = !isLatin(c);
            ++strays;
            list += (list.empty() ? u"" : u", ") +
                    std::u16string(digit ? u"цифра " : u"латинская ") +
                    inQuotes(std::u16string(1, c));
            if (text.size() > 1)
                list += u" (" + num(k + 1) + u"-я)";
            const char16_t looksLike = meantLetter(c);
            const std::u16string form = inQuotes(std::u16string(1, looksLike));
            if (looksLike != c && russianForms.find(form) == std::u16string::npos)
                russianForms += (russianForms.empty() ? u"" : u", ") + form;
        }
        const std::u16string where = spec.role == Role::Letters ? u"В клетке табло " : u"В ответе ";
        const bool one = strays == 1;
        std::u16string what = where + inQuotes(text) +
                              (one ? u" вместо русской буквы " : u" вместо русских букв: ") + list +
                              u".";
        if (!russianForms.empty())
            what += (one ? u" На вид это русская " : u" На вид это русские ") + russianForms +
                    u", но игра их различает";
        what += spec.role == Role::Letters
                    ? u": ответ, собранный с этой клеткой, никогда не будет верным."
                    : u": ответ, собранный из русских букв, никогда не будет верным.";
        problem(Finding::Kind::LatinLetters, spec, &record, n + 1, std::move(what),
                one ? u"Сотрите этот знак и наберите его заново в русской раскладке."
                    : u"Сотрите эти знаки и наберите их заново в русской раскладке.");
    }
}

void FolderCheck::checkCounts(const LoadedFile& questions, const LoadedFile& answers) {
    const std::size_t q = questions.records.size();
    const std::size_t a = answers.records.size();
    // A file past its capacity is refused whole, and that is told first.
    if (q == a || q == 0 || a == 0 || q > questions.spec->capacity || a > answers.spec->capacity)
        return;
    const std::u16string fix = u"Вопросы и ответы идут парами по порядку: первый вопрос — "
                               u"первый ответ и так далее. Сделайте в vatrov.txt и vatroo.txt "
                               u"поровну записей, в одном и том же порядке.";
    const std::u16string counts = u"Вопросов " + num(q) + u", а ответов " + num(a) + u".";
    if (q > a) {
        problem(Finding::Kind::CountMismatch, *questions.spec, &questions.records[a], a + 1,
                counts + u" Игра задаст только " + countedRecords(Role::Questions, a) + u": " +
                    (q - a == 1 ? u"вопрос " + num(q) + u" останется"
                                : u"вопросы " + range(a + 1, q) + u" останутся") +
                    u" без ответа.",
                fix);
    } else {
        problem(Finding::Kind::CountMismatch, *answers.spec, &answers.records[q], q + 1,
                counts + u" Игра задаст " + countedRecords(Role::Questions, a) + u", и " +
                    (a - q == 1 ? u"вопрос " + num(a) + u" будет пустым."
                                : u"вопросы " + range(q + 1, a) + u" будут пустыми."),
                fix);
    }
}

bool endsSentence(std::u16string_view text) {
    const std::u16string end = trimmed(text);
    return !end.empty() &&
           std::u16string_view(u"?!.…:)»\"'").find(end.back()) != std::u16string_view::npos;
}

bool startsLowerCase(std::u16string_view text) {
    for (char16_t c : text) {
        if (isBlank(c) || c == u'«' || c == u'"' || c == u'(' || c == u'—' || c == u'-')
            continue;
        return isLowerCase(c);
    }
    return false;
}

// A question with a comma outside quotes falls apart into two records: the first part
// lacks the question's end, the second often starts with a small letter or stands on the
// same line, and the file holds more questions than answers.
void FolderCheck::checkSplitQuestions(const LoadedFile& questions, const LoadedFile& answers) {
    const auto& records = questions.records;
    // A split question or two push a file just past its capacity, not far beyond.
    const std::size_t q = std::min(records.size(), 2 * questions.spec->capacity);
    std::size_t ended = 0;
    std::map<std::size_t, std::size_t> onLine; // records that start on each line
    for (std::size_t n = 0; n < q; ++n) {
        ended += endsSentence(records[n].text) ? 1 : 0;
        ++onLine[records[n].line];
    }
    std::size_t single = 0;
    for (const auto& [line, count] : onLine)
        single += count == 1 ? 1 : 0;
    const bool usuallyEnded = ended * 4 >= q * 3;
    // The teacher writes one question a line, so a line of several is a split one.
    const bool linePerQuestion = single * 2 >= onLine.size();
    const bool moreQuestions = records.size() > answers.records.size();
    std::vector<bool> continues(q, false);
    for (std::size_t n = 1; n < q; ++n) {
        const Record& before = records[n - 1];
        const Record& record = records[n];
        if (before.text.empty() || record.text.empty() || endsSentence(before.text))
            continue;
        const bool sameLine = record.line != 0 && record.line == before.line && !before.quoted;
        continues[n] = startsLowerCase(record.text) || (sameLine && linePerQuestion) ||
                       (moreQuestions && usuallyEnded);
    }
    for (std::size_t n = 1; n < q; ++n) {
        if (!continues[n] || continues[n - 1])
            continue;
        std::size_t last = n;
        while (last + 1 < q && continues[last + 1])
            ++last;
        const std::size_t first = n - 1;
        std::u16string parts;
        std::u16string joined;
        for (std::size_t k = first; k <= last; ++k) {
            parts += (k == first ? u"" : u" + ") + inQuotes(records[k].text);
            joined += (k == first ? u"" : u", ") + records[k].text;
        }
        problem(Finding::Kind::SplitQuestion, *questions.spec, &records[n], n + 1,
                u"Похоже, запятая вне кавычек разбила один вопрос на записи " +
                    range(first + 1, last + 1) + u": " + parts +
                    u". С этого места каждый следующий вопрос получает чужой ответ.",
                u"Возьмите весь вопрос в кавычки: \"" + joined + u"\".");
    }
}

// Each record of the help file is a line of its own in the help window.
void FolderCheck::checkHelpLines(const LoadedFile& help) {
    const auto& records = help.records;
    for (std::size_t n = 1; n < listed(help); ++n) {
        const Record& before = records[n - 1];
        const Record& record = records[n];
        if (before.quoted || record.line == 0 || record.line != before.line ||
            (n >= 2 && records[n - 2].line == before.line && !records[n - 2].quoted))
            continue;
        std::size_t last = n;
        while (last + 1 < records.size() && records[last + 1].line == record.line)
            ++last;
        std::u16string parts;
        std::u16string joined;
        for (std::size_t k = n - 1; k <= last; ++k) {
            parts += (k == n - 1 ? u"" : u", ") + inQuotes(records[k].text);
            joined += (k == n - 1 ? u"" : u", ") + records[k].text;
        }
        add(Finding::Severity::Note, Finding::Kind::SplitHelpLine, *help.spec, n + 1, record.line,
            u"Запятые делят строку " + num(record.line) + u" на " +
                counted(last - n + 2, u"строку", u"строки", u"строк") + u" окна справки: " + parts +
                u".",
            u"Если это одна строка, возьмите её в кавычки: \"" + joined + u"\".");
    }
}

// Picked letters are used up: one full letter game spells every answer from one board.
void FolderCheck::checkLetterSupply(const LoadedFile& board, const LoadedFile& answers) {
    std::map<char16_t, std::size_t> onBoard;
    for (const Record& cell : board.records) {
        for (char16_t c : cell.text)
            ++onBoard[c];
    }
    std::map<char16_t, std::size_t> needed;
    std::map<char16_t, std::vector<std::size_t>> usedBy;
    const bool russianAnswers = mostlyRussian(answers.records);
    for (std::size_t n = 0; n < listed(answers); ++n) {
        // The answer as the teacher meant it: stray blanks and Latin look-alikes are told of
        // with the answer itself.
        std::u16string meant = answers.records[n].text;
        for (const std::size_t k : foreignLetters(meant, russianAnswers))
            meant[k] = meantLetter(meant[k]);
        for (char16_t c : withoutStrayBlanks(meant)) {
            if (isInvisible(c) || c == u'\uFFFD')
                continue;
            ++needed[c];
            auto& list = usedBy[c];
            if (list.empty() || list.back() != n + 1)
                list.push_back(n + 1);
        }
    }
    std::size_t boardSize = board.records.size();
    std::size_t shortTotal = 0;
    for (const auto& [letter, count] : needed)
        shortTotal += count > onBoard[letter] ? count - onBoard[letter] : 0;
    std::vector<std::pair<std::size_t, char16_t>> surplus;
    for (const auto& [letter, count] : onBoard) {
        const std::size_t need = needed.count(letter) ? needed[letter] : 0;
        if (count > need && !isBlank(letter))
            surplus.emplace_back(count - need, letter);
    }
    std::stable_sort(surplus.begin(), surplus.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::u16string spares;
    for (std::size_t k = 0; k < surplus.size() && k < 5; ++k)
        spares += (k == 0 ? u"" : u", ") + inQuotes(std::u16string(1, surplus[k].second)) + u" — " +
                  num(surplus[k].first);
    const bool full = boardSize + shortTotal > board.spec->capacity;
    for (const auto& [letter, count] : needed) {
        const std::size_t have = onBoard[letter];
        if (count <= have)
            continue;
        const std::u16string name =
            letter == u' ' ? u"пробела" : u"буквы " + inQuotes(std::u16string(1, letter));
        std::u16string users;
        const auto& list = usedBy[letter];
        for (std::size_t k = 0; k < list.size() && k < 8; ++k)
            users += (k == 0 ? u"" : u", ") + num(list[k]);
        if (list.size() > 8)
            users += u" и другие";
        std::u16string what = u"На табло не хватает " + name + u": " +
                              (list.size() == 1 ? u"ответу " : u"ответам ") + users + u" нужно " +
                              num(count) + u", на табло " + num(have) + u" — не хватает " +
                              num(count - have) +
                              u". Выбранные буквы с табло исчезают, и в игре с буквами все "
                              u"ответы не собрать.";
        for (const auto& [latin, russian] : LookAlikes) {
            if (russian == letter && onBoard.count(latin) && onBoard[latin] > 0)
                what += u" (На табло вместо неё стоит латинская " +
                        inQuotes(std::u16string(1, latin)) + u" — исправьте её.)";
        }
        const char16_t other = otherCase(letter);
        if (other != letter && onBoard.count(other) && onBoard[other] > 0)
            what += u" (На табло есть " + inQuotes(std::u16string(1, other)) +
                    u", но большие и маленькие буквы для игры разные.)";
        std::u16string fix = letter == u' ' ? u"Добавьте на табло клетку с пробелом (\" \")"
                                            : u"Добавьте на табло ещё " + num(count - have) + u" " +
                                                  inQuotes(std::u16string(1, letter));
        fix += full && !spares.empty()
                   ? u"; табло заполнено, так что замените ими лишние буквы (больше всего "
                     u"лишних: " +
                         spares + u")."
                   : u".";
        add(Finding::Severity::Problem, Finding::Kind::LettersShort, *board.spec, 0, 0,
            std::move(what), std::move(fix));
    }
}

} // namespace

int QuizCheck::exitStatus() const {
    int status = 0;
    for (const Finding& finding : findings) {
        if (finding.severity == Finding::Severity::Unreadable)
            status = 2;
        else if (finding.severity == Finding::Severity::Problem)
            status = std::max(status, 1);
    }
    return status;
}

QuizCheck checkQuizFolder(const std::filesystem::path& folder) {
    return FolderCheck(folder).run();
}

std::u16string formatQuizCheck(const QuizCheck& check) {
    // A long run of one mistake is shown by its first few.
    constexpr std::size_t ShownOfAKind = 8;
    std::u16string out = u"Проверка викторины в папке «" + displayPath(check.folder) + u"»\n";
    std::size_t problems = 0;
    std::size_t notes = 0;
    std::vector<std::u16string> unreadable;
    for (const CheckedFile& file : check.files) {
        const Role role = std::find_if(Specs.begin(), Specs.end(), [&](const FileSpec& spec) {
                              return file.name == spec.name;
                          })->role;
        out += u"\n" + utf8ToUtf16(file.name) + u" — " + file.title + u": ";
        if (!file.read) {
            out += u"не прочитан\n";
        } else {
            out += countedRecords(role, file.records);
            if (file.records > file.capacity)
                out += u" — больше, чем вмещает игра (" + num(file.capacity) + u")";
            else if (role != Role::Help)
                out += u" из " + num(file.capacity);
            if (role == Role::Letters && file.records > 0) {
                const std::size_t rows = (file.records + BoardWidth - 1) / BoardWidth;
                out += u", " + counted(rows, u"ряд", u"ряда", u"рядов");
            }
            out += file.encoding == TextEncoding::Cp1251 ? u", Windows-1251"
                   : file.encoding == TextEncoding::Utf8 ? u", UTF-8"
                                                         : u", ASCII";
            out += u"\n";
        }
        std::map<Finding::Kind, std::size_t> shown;
        std::map<Finding::Kind, std::size_t> hidden;
        for (const Finding& finding : check.findings) {
            if (finding.file != file.name)
                continue;
            switch (finding.severity) {
            case Finding::Severity::Note:
                ++notes;
                break;
            case Finding::Severity::Problem:
                ++problems;
                break;
            case Finding::Severity::Unreadable:
                ++problems;
                unreadable.push_back(utf8ToUtf16(file.name));
                break;
            }
            if (++shown[finding.kind] > ShownOfAKind) {
                ++hidden[finding.kind];
                continue;
            }
            out += finding.severity == Finding::Severity::Note ? u"  Заметка. " : u"  Ошибка. ";
            if (finding.record != 0) {
                out += u"Запись " + num(finding.record);
                out += finding.line != 0 ? u", строка " + num(finding.line) + u": " : u": ";
            } else if (finding.line != 0) {
                out += u"Строка " + num(finding.line) + u": ";
            }
            out += finding.what + u"\n";
            if (!finding.fix.empty())
                out += u"    Как исправить: " + finding.fix + u"\n";
        }
        for (const auto& [kind, count] : hidden)
            out += u"  …и ещё таких же: " + num(count) + u".\n";
    }
    out += u"\n";
    if (!unreadable.empty()) {
        std::u16string names;
        for (const std::u16string& name : unreadable)
            names += (names.empty() ? u"" : u", ") + name;
        out += u"Итог: игра не прочитает " + names + u" и не запустится. Ошибок: " + num(problems) +
               u".\n";
    } else if (problems != 0) {
        out += u"Итог: ошибок — " + num(problems) + (notes ? u", заметок — " + num(notes) : u"") +
               u". Исправьте ошибки и запустите проверку снова.\n";
    } else {
        out += u"Итог: ошибок нет — игра сыграет викторину так, как задумано.";
        out += notes ? u" Заметок: " + num(notes) + u".\n" : u"\n";
    }
    return out;
}

} // namespace vatro
