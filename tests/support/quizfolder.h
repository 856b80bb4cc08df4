#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vatro::testing {

// Windows-1251 bytes of a text; characters the code page lacks become '?'.
std::string encodeCp1251(std::u16string_view text);

// A fresh folder of quiz files for one test, removed again afterwards.
class QuizFolder {
public:
    QuizFolder();
    ~QuizFolder();
    QuizFolder(const QuizFolder&) = delete;
    QuizFolder& operator=(const QuizFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes the text in Windows-1251, as a teacher's editor would.
    void write(const std::string& name, std::u16string_view text);
    void writeBytes(const std::string& name, std::string_view bytes);
    void remove(const std::string& name);

    // The three quiz files: the board 20 letters a line, one answer and one quoted
    // question a line.
    void writeQuiz(const std::vector<std::u16string>& letters,
                   const std::vector<std::u16string>& answers,
                   const std::vector<std::u16string>& questions);
    void writeLetters(const std::vector<std::u16string>& letters);
    void writeAnswers(const std::vector<std::u16string>& answers);
    void writeQuestions(const std::vector<std::u16string>& questions);

private:
    std::filesystem::path m_path;
};

// A small quiz of three questions whose board spells every answer once, with spares.
struct SmallQuiz {
    static std::vector<std::u16string> letters();
    static std::vector<std::u16string> answers();
    static std::vector<std::u16string> questions();
};

// The letters of a word, one per field.
std::vector<std::u16string> lettersOf(std::u16string_view word);

} // namespace vatro::testing
