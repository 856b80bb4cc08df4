#include "settings.h"

#include "quiz/safefile.h"
#include "quiz/textcodec.h"
#include "userfolders.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vatro {

namespace {

// A settings file is a few lines; anything larger is not one.
constexpr std::uintmax_t MaxSettingsBytes = 64 * 1024;

std::u16string_view trimmed(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string number(std::size_t value) {
    return utf8ToUtf16(std::to_string(value));
}

// A folder as written: absolute, or "~/…" under the home folder.
std::optional<std::filesystem::path> folderValue(std::u16string_view text) {
    std::filesystem::path folder = pathFromUtf8(utf16ToUtf8(text));
    if (text == u"~" || text.starts_with(u"~/")) {
        const auto home = homeFolder();
        if (!home)
            return std::nullopt;
        folder =
            *home / pathFromUtf8(utf16ToUtf8(text.substr(std::min<std::size_t>(2, text.size()))));
    }
    if (!folder.is_absolute())
        return std::nullopt;
    return folder.lexically_normal();
}

// A scale as written: digits with one decimal point or comma, within the bounds.
std::optional<double> scaleValue(std::u16string_view text) {
    std::string digits;
    for (char16_t c : text) {
        if (c == u',')
            c = u'.';
        if (!(c == u'.' || (c >= u'0' && c <= u'9')))
            return std::nullopt;
        digits.push_back(static_cast<char>(c));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value < MinScale || value > MaxScale)
        return std::nullopt;
    return value;
}

// Reads one line of a file; the problem with it otherwise.
struct LineReader {
    Settings& values;
    bool libraryStarted = false; // this file has a QuizLibrary line already

    std::optional<std::u16string> read(std::u16string_view key, std::u16string_view value) {
        if (key == u"JournalFolder") {
            const auto folder = folderValue(value);
            if (!folder)
                return notAFolder(value);
            values.journalFolder = *folder;
            return std::nullopt;
        }
        if (key == u"ComputerName") {
            if (value.empty())
                return u"имя компьютера пусто";
            values.computerName = value;
            return std::nullopt;
        }
        if (key == u"QuizLibrary") {
            if (!libraryStarted)
                values.quizLibrary.clear();
            libraryStarted = true;
            while (!value.empty()) {
                const std::size_t semicolon = value.find(u';');
                const std::u16string_view one = trimmed(value.substr(0, semicolon));
                value = semicolon == std::u16string_view::npos ? std::u16string_view()
                                                               : value.substr(semicolon + 1);
                if (one.empty())
                    continue;
                const auto folder = folderValue(one);
                if (!folder)
                    return notAFolder(one);
                values.quizLibrary.push_back(*folder);
            }
            return std::nullopt;
        }
        if (key == u"Scale") {
            const auto scale = scaleValue(value);
            if (!scale)
                return u"«" + std::u16string(value) +
                       u"» — не масштаб: укажите число от 1.0 до 3.0, например 1.5";
            values.scale = *scale;
            return std::nullopt;
        }
        return u"неизвестный ключ «" + std::u16string(key) +
               u"» (знакомые ключи: JournalFolder, ComputerName, QuizLibrary, Scale)";
    }

    static std::u16string notAFolder(std::u16string_view value) {
        return u"«" + std::u16string(value) +
               u"» — не папка: укажите полный путь, начиная с «/» или «~/»";
    }
};

} // namespace

std::vector<std::filesystem::path> settingsFiles() {
    std::vector<std::filesystem::path> files;
    const std::vector<std::filesystem::path> machine = configDirs();
    // The first of $XDG_CONFIG_DIRS matters most, so it is read last of them.
    for (auto dir = machine.rbegin(); dir != machine.rend(); ++dir)
        files.push_back(*dir / "vatro" / "vatro.conf");
    if (const auto user = configHome())
        files.push_back(*user / "vatro" / "vatro.conf");
    return files;
}

void readSettingsText(std::string_view bytes, const std::filesystem::path& file,
                      LoadedSettings& into) {
    const auto problem = [&](std::size_t line, const std::u16string& what) {
        into.problems.push_back(u"Файл настроек «" + displayPath(file) + u"», строка " +
                                number(line) + u": " + what + u". Строка пропущена.");
    };
    if (!isValidUtf8(bytes)) {
        into.problems.push_back(u"Файл настроек «" + displayPath(file) +
                                u"» не в кодировке UTF-8: он пропущен. Сохраните его как UTF-8.");
        return;
    }
    std::u16string text = utf8ToUtf16(bytes);
    if (text.starts_with(u"\uFEFF"))
        text.erase(0, 1);
    LineReader reader{into.values};
    std::size_t lineNo = 0;
    std::u16string_view rest = text;
    while (!rest.empty()) {
        ++lineNo;
        const std::size_t end = rest.find(u'\n');
        const std::u16string_view line = trimmed(rest.substr(0, end));
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end + 1);
        if (line.empty() || line.front() == u'#' || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            if (line.back() != u']')
                problem(lineNo, u"заголовок раздела не закрыт скобкой «]»");
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            problem(lineNo, u"нет знака «=» между ключом и значением");
            continue;
        }
        const std::u16string_view key = trimmed(line.substr(0, equals));
        const std::u16string_view value = trimmed(line.substr(equals + 1));
        if (auto wrong = reader.read(key, value))
            problem(lineNo, *wrong);
    }
}

LoadedSettings readSettings(const std::vector<std::filesystem::path>& files) {
    LoadedSettings loaded;
    for (const std::filesystem::path& file : files) {
        const SafeRead read = readFileSafely(file, MaxSettingsBytes);
        switch (read.status) {
        case SafeRead::Status::Missing:
            break;
        case SafeRead::Status::Read:
            readSettingsText(read.bytes, file, loaded);
            break;
        case SafeRead::Status::TooLarge:
            loaded.problems.push_back(u"Файл настроек «" + displayPath(file) +
                                      u"» больше 64 КБ: это не файл настроек, он пропущен.");
            break;
        case SafeRead::Status::NotRegular:
        case SafeRead::Status::Unreadable:
            loaded.problems.push_back(u"Файл настроек «" + displayPath(file) +
                                      u"» не удалось прочитать (это не обычный файл, или нет "
                                      u"прав на чтение): он пропущен.");
            break;
        }
    }
    return loaded;
}

const LoadedSettings& machineSettings() {
    static const LoadedSettings loaded = readSettings(settingsFiles());
    return loaded;
}

} // namespace vatro
