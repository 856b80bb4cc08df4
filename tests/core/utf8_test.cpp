// Quiz and help files in UTF-8 and UTF-16: a file that carries the UTF-16 mark is read as
// UTF-16; one that is valid UTF-8 (or carries the UTF-8 mark) as UTF-8; every other file as
// Windows-1251, as before.
#include "checker/quizcheck.h"
#include "quiz/fieldreader.h"
#include "quiz/foreigntext.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/hostilequiz.h"

namespace vatro::testing {
namespace {

const std::u16string Russian = u"\"Единица заряда — «кулон» или «ампер»?\"\r\n"
                               u"ЁЛКА,ёж,№5,ЪЫЬЭЮЯ,абвгдежзийклмнопрстуфхцчшщъыьэюя\r\n";
const std::string Mark = "\xEF\xBB\xBF";

TEST(DecodeTextFile, ReadsUtf8AsUtf8AndEveryOtherFileAsWindows1251) {
    using enum TextEncoding;
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::u16string text;
        bool mark = false;
    };
    const Case cases[] = {
        {"", Ascii, u""},
        {"\"Ohm, volt?\",A\r\n", Ascii, u"\"Ohm, volt?\",A\r\n"}, // the same either way
        {utf16ToUtf8(Russian), Utf8, Russian},
        {Mark + utf16ToUtf8(Russian), Utf8, Russian, true},
        {Mark, Utf8, u"", true},
        // After the mark a broken byte is one broken letter, not a reason to read Windows-1251.
        {Mark + "\xD0\x9E\xD0\r\n\xED\xA0\x80", Utf8, u"О\uFFFD\r\n\uFFFD\uFFFD\uFFFD", true},
        // Every length of sequence, up to its edges.
        {"A\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80"
         "\xF4\x8F\xBF\xBF",
         Utf8, u"A\x7F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF"},
    };
    for (const Case& c : cases) {
        const DecodedText decoded = decodeTextFile(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding) << ::testing::PrintToString(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << ::testing::PrintToString(c.bytes);
        EXPECT_EQ(decoded.byteOrderMark, c.mark) << ::testing::PrintToString(c.bytes);
    }
    // Overlong forms, surrogates, code points past U+10FFFF, cut or stray bytes; and Russian
    // Windows-1251 text, whose letters are UTF-8 lead bytes not followed as UTF-8 wants.
    for (const std::string& bytes : std::vector<std::string>{
             "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
             "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\x80", "A\xC2", "\xE2\x82",
             "\xC2\x41", "\xE2\x28\xA1", encodeCp1251(u"ОМ"), encodeCp1251(u"я"),
             encodeCp1251(u"«ВЁДРО»"), encodeCp1251(Russian)}) {
        const DecodedText decoded = decodeTextFile(bytes);
        EXPECT_EQ(decoded.encoding, Cp1251) << ::testing::PrintToString(bytes);
        EXPECT_EQ(decoded.text, decodeCp1251(bytes)) << ::testing::PrintToString(bytes);
    }
}

// UTF-16 is read only by its mark; without one, as UTF-32, or as text made mostly of control
// characters, a file is refused by its encoding, never read into a wrong count of records.
TEST(DecodeTextFile, ReadsUtf16ByItsMarkAndRefusesTextItCannotTell) {
    using enum TextEncoding;
    const std::string le("\xFF\xFE\x1E\x04,\0\x3D\xD8\x00\xDE\r\0\n\0", 14);
    EXPECT_EQ(decodeTextFile(le).text, u"О,\U0001F600\r\n");
    EXPECT_EQ(decodeTextFile(le).encoding, Utf16Le);
    // A lone half of a pair, and an odd last byte, are broken characters.
    const std::string be("\xFE\xFF\x04\x1E\xDC\x00\x00", 7);
    EXPECT_EQ(decodeTextFile(be).text, u"О\uFFFD\uFFFD");
    EXPECT_EQ(decodeTextFile(be).encoding, Utf16Be);

    using enum ForeignText;
    const auto kind = [](const std::string& bytes) {
        return foreignText(bytes, decodeTextFile(bytes));
    };
    const std::string unmarked("\x1E\x04\x1C\x04\r\0\n\0\x12\x04", 10); // ОМ, В
    EXPECT_EQ(kind(unmarked), Utf16WithoutMark);
    EXPECT_EQ(kind(std::string("A\0,\0B\0", 6)), Utf16WithoutMark);
    EXPECT_EQ(kind(std::string("\0A\0,\0B", 6)), Utf16WithoutMark);
    EXPECT_EQ(kind(std::string("\xFF\xFE\0\0A\0\0\0", 8)), Utf32);
    // UTF-32 without its mark, in either byte order, is named by what it is.
    std::string utf32le, utf32be;
    for (char16_t c : u"\"Единица тока?\"\r\n") {
        utf32le += std::string{char(c & 0xFF), char(c >> 8), '\0', '\0'};
        utf32be += std::string{'\0', '\0', char(c >> 8), char(c & 0xFF)};
    }
    EXPECT_EQ(kind(utf32le), Utf32);
    EXPECT_EQ(kind(utf32be), Utf32);
    EXPECT_EQ(kind("\x01\x02\x03,\x1B\x7F\r\n"), ControlCharacters);
    // Text the game reads: blanks only, Russian in Windows-1251 or UTF-8, UTF-16 by its mark.
    for (const std::string& text :
         {std::string("    \r\n"), encodeCp1251(u"ОМ,ВОЛЬТ\r\n"), utf16ToUtf8(u"ОМ,ВОЛЬТ\r\n"),
          std::string("& & & &"), le, std::string("A\tBCDE\x01")})
        EXPECT_EQ(kind(text), None) << ::testing::PrintToString(text);
}

// Every byte that begins no well-formed sequence is one broken character for every program:
// the game reads the file as the checker says it will, and the checker names the line.
TEST(DecodeTextFile, TheGameAndTheCheckerAgreeOnEachBrokenSequence) {
    for (const std::string& bad :
         {std::string("\xC0\x80"), std::string("\xE0\x9F\xBF"), std::string("\xED\xA0\x80"),
          std::string("\xF4\x90\x80\x80"), std::string("\xF5\x80\x80"), std::string("\xFF"),
          std::string("\xE2\x82")}) {
        SCOPED_TRACE(::testing::PrintToString(bad));
        const std::u16string broken = utf8ToUtf16(bad);
        EXPECT_EQ(broken, std::u16string(bad.size(), u'\uFFFD'));
        const std::string answers = utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\n") + "Т" + bad + "К\r\n";
        for (const bool mark : {false, true}) {
            QuizFolder quiz;
            writeGoodQuiz(quiz);
            quiz.writeBytes("vatroo.txt", (mark ? Mark : "") + answers);
            const FieldFile game = readFieldFile(quiz.path(), "vatroo.txt", 49);
            ASSERT_TRUE(game.ok());
            const QuizCheck check = checkQuizFolder(quiz.path());
            ASSERT_EQ(check.findings.size(), 1u) << utf16ToUtf8(formatQuizCheck(check));
            const Finding& finding = check.findings.front();
            EXPECT_EQ(finding.line, 3u);
            if (mark) {
                // After the mark the file is UTF-8, and the broken character stands alone.
                EXPECT_EQ(game.fields[2], u"Т" + broken + u"К");
                EXPECT_NE(finding.what.find(u"испорчен знак"), std::u16string::npos);
            } else {
                EXPECT_EQ(game.fields[0], decodeCp1251("\xD0\x9E\xD0\x9C"));
                EXPECT_NE(finding.what.find(u"в строке 3 испорчена последовательность байтов"),
                          std::u16string::npos);
            }
        }
    }
}

// A teacher whose editor saves UTF-8 gets the same game as one who saves Windows-1251.
class Utf8Quiz : public GameTest {};

TEST_F(Utf8Quiz, PlaysLikeTheSameQuizInWindows1251) {
    std::u16string questions;
    for (const std::u16string& question : SmallQuiz::questions())
        questions += u"\"" + question + u"\"\r\n";
    quiz.writeBytes("vatrov.txt", utf16ToUtf8(questions));
    quiz.writeBytes("vatroo.txt", Mark + utf16ToUtf8(u"ОМ\r\nВОЛЬТ\r\nТОК\r\n"));
    quiz.writeBytes("vatro.txt", utf16ToUtf8(u"О,М,В,О,Л,Ь,Т\r\nЁ,ё\r\n"));
    const Form1& f = start();
    EXPECT_TRUE(host.errors.empty());
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(f.Questions(n), SmallQuiz::questions()[n - 1]);
        EXPECT_EQ(f.Answers(n), SmallQuiz::answers()[n - 1]);
    }
    EXPECT_EQ(f.Grid1.TextMatrix(1, 6), u"Ь");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 8), u"Ё");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 9), u"ё");
}

} // namespace
} // namespace vatro::testing
