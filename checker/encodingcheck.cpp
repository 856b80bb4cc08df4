// Files saved in an encoding the game does not read: every record of such a file is garbled
// alike, so the file is told of once, as a whole.
#include "checktext.h"
#include "foldercheck.h"
#include "quiz/letterfrequency.h"

#include <algorithm>
#include <cmath>

namespace vatro::quizcheck {

namespace {

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

double letterFit(char16_t lower) {
    const int perTenThousand =
        lower == u'ё' ? RussianFrequencyOfYo : RussianFrequency[lower - u'а'];
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

} // namespace

// Whether the text is what the teacher wrote; a file that was saved in an encoding the
// game does not read is reported once, as a whole, instead of record by record.
bool FolderCheck::checkEncoding(const LoadedFile& file, std::string_view bytes,
                                const DecodedText& text) {
    const FileFacts& facts = *file.facts;
    const std::u16string saveAgain =
        u"Откройте файл в текстовом редакторе и сохраните его заново в кодировке UTF-8 "
        u"(или Windows-1251).";
    const auto garbled = [&](std::size_t line, std::u16string what, std::u16string fix) {
        add(Finding::Severity::Problem, Finding::Kind::WrongEncoding, facts, 0, line,
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

    if (text.encoding == TextEncoding::Cp1251) {
        // Well-formed UTF-8 but for one broken sequence (one run of bad bytes), or for a few
        // broken bytes among many good sequences: the whole file falls back to Windows-1251
        // and every Russian letter turns into two odd characters.
        std::size_t sequences = 0;
        std::size_t broken = 0;
        std::size_t runs = 0; // of broken bytes side by side
        std::size_t firstBroken = bytes.size();
        bool afterBroken = false;
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t length = utf8SequenceAt(bytes, pos);
            if (length == 0) {
                ++broken;
                runs += afterBroken ? 0 : 1;
                firstBroken = std::min(firstBroken, pos);
                ++pos;
            } else {
                sequences += length > 1 ? 1 : 0;
                pos += length;
            }
            afterBroken = length == 0;
        }
        if (sequences >= 2 && (runs == 1 || sequences >= 4 * broken)) {
            const std::size_t line = lineAtByte(bytes, firstBroken);
            return garbled(
                line,
                u"Файл сохранён в UTF-8, но в строке " + num(line) +
                    u" испорчена последовательность байтов. Из-за этого игра читает весь файл как "
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
    return true;
}

} // namespace vatro::quizcheck
