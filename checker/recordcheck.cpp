// The records of one file: where each stands, how many the game takes, and what the reader
// makes of each.
#include "checktext.h"
#include "foldercheck.h"

#include <algorithm>
#include <cstdio>

namespace vatro::quizcheck {

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

void FolderCheck::checkCapacity(const LoadedFile& file) {
    const FileFacts& facts = *file.facts;
    const std::size_t count = file.records.size();
    if (count == 0) {
        const bool help = facts.role == Role::Help;
        std::u16string what = u"Файл пуст.";
        switch (facts.role) {
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
            facts, 0, 0, std::move(what),
            help ? u"" : u"Впишите в файл содержимое викторины (образец — в README).");
        return;
    }
    if (count <= facts.capacity)
        return;
    const Record& first = file.records[facts.capacity];
    std::u16string what = u"В файле " + countedRecords(facts.role, count) +
                          u", а игра вмещает не больше " + num(facts.capacity) + u".";
    what += facts.role == Role::Help ? u" Кнопка «Дополнительно» покажет вместо справки "
                                       u"сообщение об ошибке."
                                     : u" С таким файлом игра не запустится.";
    std::u16string fix = u"Уберите записи с " + num(facts.capacity + 1) + u"-й по " + num(count) +
                         u"-ю (первая лишняя — " + excerpt(first.text, 40) + u")";
    fix += facts.role == Role::Questions || facts.role == Role::Help
               ? u" или проверьте, не разбила ли запятая вне кавычек какую-то запись."
               : u".";
    problem(Finding::Kind::TooManyRecords, facts, &first, facts.capacity + 1, std::move(what),
            std::move(fix));
}

void FolderCheck::checkRecords(const LoadedFile& file) {
    const FileFacts& facts = *file.facts;
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
            problem(Finding::Kind::UnclosedQuote, facts, &record, number, what + refusal,
                    u"Поставьте закрывающую кавычку в конце строки " +
                        (record.line ? num(record.line) : u"с этой записью") + u".");
            continue;
        }
        if (refused) {
            problem(Finding::Kind::UnclosedQuote, facts, &record, number, refusal.substr(1),
                    u"Разбейте запись на несколько покороче.");
            continue;
        }
        if (!record.dropped.empty()) {
            problem(Finding::Kind::TextAfterQuote, facts, &record, number,
                    u"После закрывающей кавычки стоит " + excerpt(record.dropped, 40) +
                        u" — игра этот текст отбрасывает и видит только " + excerpt(record.text) +
                        u".",
                    u"Возьмите в кавычки всю запись, а кавычки внутри текста замените на "
                    u"«ёлочки».");
        }
        if (record.text.find(u'\uFFFD') != std::u16string::npos) {
            problem(Finding::Kind::WrongEncoding, facts, &record, number,
                    u"В записи " + excerpt(record.text) +
                        u" испорчен знак (показан как «\uFFFD»): в этом месте файла байт, "
                        u"который не читается как UTF-8.",
                    u"Сотрите запись, наберите её заново и сохраните файл в UTF-8.");
        }
        const auto invisible = std::find_if(record.text.begin(), record.text.end(), isInvisible);
        if (invisible != record.text.end()) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(*invisible));
            problem(Finding::Kind::InvisibleCharacters, facts, &record, number,
                    u"В записи " + excerpt(record.text) +
                        u" есть невидимый управляющий знак (код U+" + utf8ToUtf16(hex) +
                        u"): на экране его не видно, но игра сравнивает и его.",
                    u"Сотрите запись и наберите её заново.");
        }
        if (record.text.empty() && facts.role != Role::Help) {
            std::u16string what = u"Пустая запись: две запятые подряд, запятая в начале строки "
                                  u"или пустые кавычки.";
            if (facts.role == Role::Letters)
                what += u" На табло будет пустая клетка.";
            else if (facts.role == Role::Answers)
                what += u" На этот вопрос нельзя ответить.";
            else
                what += u" Игра задаст пустой вопрос.";
            problem(Finding::Kind::EmptyRecord, facts, &record, number, std::move(what),
                    u"Уберите лишнюю запятую или впишите текст записи.");
        }
    }
}

void FolderCheck::checkCounts(const LoadedFile& questions, const LoadedFile& answers) {
    const std::size_t q = questions.records.size();
    const std::size_t a = answers.records.size();
    // A file past its capacity is refused whole, and that is told first.
    if (q == a || q == 0 || a == 0 || q > questions.facts->capacity || a > answers.facts->capacity)
        return;
    const std::u16string fix = u"Вопросы и ответы идут парами по порядку: первый вопрос — "
                               u"первый ответ и так далее. Сделайте в vatrov.txt и vatroo.txt "
                               u"поровну записей, в одном и том же порядке.";
    const std::u16string counts = u"Вопросов " + num(q) + u", а ответов " + num(a) + u".";
    if (q > a) {
        problem(Finding::Kind::CountMismatch, *questions.facts, &questions.records[a], a + 1,
                counts + u" Игра задаст только " + countedRecords(Role::Questions, a) + u": " +
                    (q - a == 1 ? u"вопрос " + num(q) + u" останется"
                                : u"вопросы " + range(a + 1, q) + u" останутся") +
                    u" без ответа.",
                fix);
    } else {
        problem(Finding::Kind::CountMismatch, *answers.facts, &answers.records[q], q + 1,
                counts + u" Игра задаст " + countedRecords(Role::Questions, a) + u", и " +
                    (a - q == 1 ? u"вопрос " + num(a) + u" будет пустым."
                                : u"вопросы " + range(q + 1, a) + u" будут пустыми."),
                fix);
    }
}

} // namespace vatro::quizcheck
