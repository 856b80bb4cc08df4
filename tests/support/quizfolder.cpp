#include "quizfolder.h"

#include "quiz/textcodec.h"

#include <atomic>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace vatro::testing {

std::string encodeCp1251(std::u16string_view text) {
    static const std::map<char16_t, char> bytes = [] {
        std::map<char16_t, char> table;
        for (int value = 255; value >= 0; --value) {
            const char byte = static_cast<char>(value);
            table[decodeCp1251(std::string_view(&byte, 1))[0]] = byte;
        }
        return table;
    }();
    std::string encoded;
    for (char16_t c : text)
        encoded.push_back(bytes.contains(c) ? bytes.at(c) : '?');
    return encoded;
}

QuizFolder::QuizFolder() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("vatro-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

QuizFolder::~QuizFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void QuizFolder::write(const std::string& name, std::u16string_view text) {
    writeBytes(name, encodeCp1251(text));
}

void QuizFolder::writeBytes(const std::string& name, std::string_view bytes) {
    std::ofstream out(m_path / pathFromUtf8(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

void QuizFolder::remove(const std::string& name) {
    std::filesystem::remove(m_path / pathFromUtf8(name));
}

void QuizFolder::writeLetters(const std::vector<std::u16string>& letters) {
    std::u16string text;
    for (std::size_t n = 0; n < letters.size(); ++n)
        text += letters[n] + ((n + 1) % 20 == 0 || n + 1 == letters.size() ? u"\r\n" : u",");
    write("vatro.txt", text);
}

void QuizFolder::writeAnswers(const std::vector<std::u16string>& answers) {
    std::u16string text;
    for (const std::u16string& answer : answers)
        text += answer + u"\r\n";
    write("vatroo.txt", text);
}

void QuizFolder::writeQuestions(const std::vector<std::u16string>& questions) {
    std::u16string text;
    for (const std::u16string& question : questions)
        text += u"\"" + question + u"\"\r\n";
    write("vatrov.txt", text);
}

void QuizFolder::writeQuiz(const std::vector<std::u16string>& letters,
                           const std::vector<std::u16string>& answers,
                           const std::vector<std::u16string>& questions) {
    writeLetters(letters);
    writeAnswers(answers);
    writeQuestions(questions);
}

std::vector<std::u16string> lettersOf(std::u16string_view word) {
    std::vector<std::u16string> letters;
    for (char16_t c : word)
        letters.emplace_back(1, c);
    return letters;
}

std::vector<std::u16string> SmallQuiz::answers() {
    return {u"ОМ", u"ВОЛЬТ", u"ТОК"};
}

std::vector<std::u16string> SmallQuiz::questions() {
    return {u"Единица сопротивления, названная в честь учёного?", u"В чём измеряют напряжение?",
            u"Направленное движение заряженных частиц, это..."};
}

// Row 1: О М В О Л Ь Т Т О К, then spares; 24 letters in all, so the last row holds 4.
std::vector<std::u16string> SmallQuiz::letters() {
    return lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙПРСУФ");
}

} // namespace vatro::testing
