// The quiz-file checker: the mistakes a teacher is likely to make in a quiz folder, found
// with the game's own reader and told in the teacher's terms.
#include "quizcheck.h"

#include "checktext.h"
#include "foldercheck.h"

#include <algorithm>
#include <array>
#include <limits>
#include <system_error>

namespace vatro {

namespace quizcheck {

namespace {

std::u16string fileName(const FileFacts& facts) {
    return utf8ToUtf16(facts.name);
}

} // namespace

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

void FolderCheck::add(Finding::Severity severity, Finding::Kind kind, const FileFacts& facts,
                      std::size_t record, std::size_t line, std::u16string what,
                      std::u16string fix) {
    m_check.findings.push_back(
        Finding{severity, kind, facts.name, record, line, std::move(what), std::move(fix)});
}

QuizCheck FolderCheck::run() {
    std::array<LoadedFile, KnownFiles.size()> files;
    for (std::size_t n = 0; n < KnownFiles.size(); ++n) {
        files[n].facts = &KnownFiles[n];
        files[n].summary = n;
        m_check.files.push_back(
            CheckedFile{KnownFiles[n].name, KnownFiles[n].title, KnownFiles[n].capacity});
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
    if (usable(help)) {
        checkHelpLines(help);
        checkHelpLength(help);
    }
    if (usable(board) && usable(answers))
        checkLetterSupply(board, answers);

    // File by file, each in record order; the whole-file findings first.
    std::stable_sort(m_check.findings.begin(), m_check.findings.end(),
                     [](const Finding& a, const Finding& b) {
                         const auto order = [](const Finding& f) {
                             for (std::size_t n = 0; n < KnownFiles.size(); ++n) {
                                 if (f.file == KnownFiles[n].name)
                                     return n;
                             }
                             return KnownFiles.size();
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
    const FileFacts& facts = *file.facts;
    CheckedFile& summary = m_check.files[file.summary];
    const std::optional<std::string>* held = nullptr;
    if (m_memory) {
        const std::array<const std::optional<std::string>*, 4> byRole = {
            &m_memory->board, &m_memory->answers, &m_memory->questions, &m_memory->help};
        held = byRole[static_cast<std::size_t>(facts.role)];
    }
    // The file is read once: what the game makes of it and what the checks look at are
    // the same bytes.
    SafeRead disk;
    if (held) {
        disk.status = held->has_value() ? SafeRead::Status::Read : SafeRead::Status::Missing;
        disk.bytes = held->value_or(std::string());
    } else {
        disk = readFileSafely(m_check.folder / pathFromUtf8(facts.name), MaxFileBytes);
    }
    const FieldFile game = readFieldBytes(disk, facts.capacity);
    file.gameProblem = game.problem;
    using ProblemKind = FileProblem::Kind;
    const auto gameSays = [&](ProblemKind kind) {
        return game.problem && game.problem->kind == kind;
    };
    if (gameSays(ProblemKind::NotFound)) {
        reportMissing(facts);
        return;
    }
    if (gameSays(ProblemKind::Utf16WithoutMark) || gameSays(ProblemKind::Utf32) ||
        gameSays(ProblemKind::NotText)) {
        reportForeignText(facts, game.problem->kind);
        return;
    }
    if (gameSays(ProblemKind::Unreadable) || gameSays(ProblemKind::TooLarge)) {
        const bool help = facts.role == Role::Help;
        const std::u16string what =
            gameSays(ProblemKind::TooLarge)
                ? u"Файл больше 1 МБ — это не файл викторины, и игра его не читает."
                : u"Файл не удаётся прочитать: это папка, ссылка или канал, или на чтение нет "
                  u"прав.";
        add(help ? Finding::Severity::Problem : Finding::Severity::Unreadable,
            Finding::Kind::Unreadable, facts, 0, 0,
            what + (help ? u" Кнопка «Дополнительно» покажет вместо справки сообщение."
                         : u" Игра с такой папкой не запустится."),
            u"Положите в папку обычный текстовый файл " + fileName(facts) + u".");
        return;
    }
    const DecodedText text = decodeTextFile(disk.bytes);
    summary.encoding = text.encoding;
    const std::vector<std::u16string> fields =
        game.ok() ? game.fields : splitFields(text.text, MaxFileBytes + 1);
    file.records = locate(text.text, fields);
    file.present = true;
    summary.read = true;
    summary.records = fields.size();

    file.garbled = !checkEncoding(file, disk.bytes, text);
    if (file.garbled)
        return;
    checkCapacity(file);
    checkRecords(file);
}

// The game refuses the file whole, as it refuses a missing one.
void FolderCheck::reportForeignText(const FileFacts& facts, FileProblem::Kind kind) {
    const bool help = facts.role == Role::Help;
    const std::u16string what =
        kind == FileProblem::Kind::Utf16WithoutMark
            ? u"Файл сохранён в UTF-16 без метки порядка байтов, а такой игра не читает."
        : kind == FileProblem::Kind::Utf32
            ? u"Файл сохранён в UTF-32, а такой игра не читает."
            : u"Файл почти весь из управляющих знаков: это не текст или незнакомая игре "
              u"кодировка.";
    add(help ? Finding::Severity::Problem : Finding::Severity::Unreadable,
        Finding::Kind::WrongEncoding, facts, 0, 0,
        what + (help ? u" Кнопка «Дополнительно» покажет вместо справки сообщение."
                     : u" Игра с такой папкой не запустится."),
        u"Откройте файл в текстовом редакторе и сохраните его заново в кодировке UTF-8 "
        u"(или Windows-1251).");
}

void FolderCheck::reportMissing(const FileFacts& facts) {
    const bool help = facts.role == Role::Help;
    std::error_code error;
    const bool link = std::filesystem::is_symlink(
        std::filesystem::symlink_status(m_check.folder / pathFromUtf8(facts.name), error));
    std::u16string what = link ? u"Файл — ссылка, которая никуда не ведёт." : u"Файла нет в папке.";
    what += help ? u" Игра пойдёт, но кнопка «Дополнительно» в окне справки покажет вместо "
                   u"справки сообщение об ошибке."
                 : u" Без него игра не запустится.";
    std::u16string fix =
        u"Положите в папку файл " + fileName(facts) + (link ? u" вместо ссылки." : u".");
    // Windows does not tell "VATRO.TXT" from "vatro.txt", and hides a second ".txt".
    const std::u16string wanted = fileName(facts);
    std::u16string folded;
    for (char16_t c : wanted)
        folded.push_back(foldCase(c));
    const std::filesystem::path folder = m_check.folder.empty() ? "." : m_check.folder;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::u16string name = displayPath(entry.path().filename());
        std::u16string foldedName;
        for (char16_t c : name)
            foldedName.push_back(foldCase(c));
        if (name != wanted && (foldedName == folded || foldedName == folded + u".txt")) {
            fix = u"В папке есть файл " + inQuotes(name) + u": переименуйте его точно в " +
                  fileName(facts) + u" (маленькими буквами, без второго «.txt»).";
            break;
        }
    }
    add(help ? Finding::Severity::Problem : Finding::Severity::Unreadable, Finding::Kind::Missing,
        facts, 0, 0, std::move(what), std::move(fix));
}

} // namespace quizcheck

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
    return quizcheck::FolderCheck(folder).run();
}

QuizCheck checkQuizFiles(const std::filesystem::path& folder, const QuizFileBytes& files) {
    return quizcheck::FolderCheck(folder, files).run();
}

} // namespace vatro
