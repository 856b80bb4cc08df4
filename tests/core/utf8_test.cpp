// Quiz and help files in UTF-8: a file that is valid UTF-8 (or carries the UTF-8 mark) is
// read as UTF-8, every other file as Windows-1251, as before.
#include "game/quizreader.h"
#include "game/textcodec.h"
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

const std::u16string Quiz = u"\"Как называется единица заряда — «кулон» или «ампер»?\"\r\n"
                            u"ЁЛКА,ёж,№5,ЪЫЬЭЮЯ,абвгдежзийклмнопрстуфхцчшщъыьэюя\r\n";

TEST(Utf8Validity, EveryWellFormedLengthIsAcceptedUpToItsEdges) {
    for (const char* bytes :
         {"", "A\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
          "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(isValidUtf8(bytes)) << ::testing::PrintToString(bytes);
    EXPECT_EQ(decodeTextFile("\xF4\x8F\xBF\xBF").text, u"\U0010FFFF");
    EXPECT_EQ(decodeTextFile("\xED\x9F\xBF\xEE\x80\x80").text, u"\uD7FF\uE000");
}

TEST(Utf8Validity, OverlongFormsSurrogatesAndCodePointsPastTheLastAreRefused) {
    for (const char* bytes : {
             "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", // overlong
             "\xED\xA0\x80", "\xED\xBF\xBF",                             // surrogates
             "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",             // past U+10FFFF
             "\x80", "\xC2", "\xE2\x82", "\xC2\x41", "\xE2\x28\xA1",     // cut or stray
         })
        EXPECT_FALSE(isValidUtf8(bytes)) << ::testing::PrintToString(bytes);
}

TEST(DecodeTextFile, TheSameQuizReadsAlikeInWindows1251AndInUtf8WithOrWithoutTheMark) {
    const std::string utf8Bytes = utf16ToUtf8(Quiz);
    const DecodedText cp1251 = decodeTextFile(encodeCp1251(Quiz));
    const DecodedText utf8 = decodeTextFile(utf8Bytes);
    const DecodedText marked = decodeTextFile("\xEF\xBB\xBF" + utf8Bytes);
    EXPECT_EQ(cp1251.text, Quiz);
    EXPECT_EQ(cp1251.encoding, TextEncoding::Cp1251);
    EXPECT_EQ(utf8.text, Quiz);
    EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
    EXPECT_FALSE(utf8.byteOrderMark);
    EXPECT_EQ(marked.text, Quiz);
    EXPECT_TRUE(marked.byteOrderMark);

    const DecodedText markOnly = decodeTextFile("\xEF\xBB\xBF");
    EXPECT_EQ(markOnly.text, u"");
    EXPECT_EQ(markOnly.encoding, TextEncoding::Utf8);
    // After the mark a broken byte is one broken letter, not a reason to read Windows-1251.
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\xD0\x9E\xD0\r\n\xED\xA0\x80").text,
              u"О\uFFFD\r\n\uFFFD\uFFFD\uFFFD");
}

TEST(DecodeTextFile, PureAsciiReadsTheSameEitherWay) {
    const std::string bytes = "\"Ohm, volt?\",A,B\r\n";
    const DecodedText text = decodeTextFile(bytes);
    EXPECT_EQ(text.encoding, TextEncoding::Ascii);
    EXPECT_EQ(text.text, decodeCp1251(bytes));
    EXPECT_EQ(text.text, utf8ToUtf16(bytes));
}

// Windows-1251 letters are UTF-8 lead bytes, but the bytes after them are not the
// continuation bytes UTF-8 wants: Russian text in Windows-1251 stays Windows-1251.
TEST(DecodeTextFile, Windows1251TextThatStartsUtf8SequencesStaysWindows1251) {
    for (const std::u16string text : {u"РУССКИЙ", u"ВЁДРО", u"ОМ", u"я", u"«ВЁ»"}) {
        const DecodedText decoded = decodeTextFile(encodeCp1251(text));
        EXPECT_EQ(decoded.encoding, TextEncoding::Cp1251) << utf8(text);
        EXPECT_EQ(decoded.text, text) << utf8(text);
    }
    // Every record of the sample quiz, each one alone, is no UTF-8 in Windows-1251.
    for (const auto& [name, capacity] : {std::pair<std::string, std::size_t>{"vatro.txt", 340},
                                         {"vatroo.txt", 49},
                                         {"vatrov.txt", 50},
                                         {"Справка1.txt", 5000}}) {
        const FieldFile file = readFieldFile(VATRO_SAMPLE_QUIZ, name, capacity);
        ASSERT_TRUE(file.ok()) << name;
        for (const std::u16string& record : file.fields) {
            EXPECT_FALSE(isValidUtf8(encodeCp1251(record))) << name << ": " << utf8(record);
            EXPECT_EQ(decodeTextFile(encodeCp1251(record)).text, record) << utf8(record);
        }
    }
}

// A teacher whose editor saves UTF-8 gets the same game as one who saves Windows-1251.
class Utf8Quiz : public GameTest {};

TEST_F(Utf8Quiz, PlaysLikeTheSameQuizInWindows1251) {
    std::vector<std::u16string> cells;
    std::vector<std::u16string> answers;
    std::vector<std::u16string> questions;
    {
        const Form1& f = start();
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 20; ++col)
                cells.push_back(f.Grid1.TextMatrix(row, col));
        for (int n = 1; n <= 3; ++n) {
            answers.push_back(f.Answers(n));
            questions.push_back(f.Questions(n));
        }
    }
    // The same files in UTF-8, the answers with the mark.
    for (const std::string name : {"vatro.txt", "vatroo.txt", "vatrov.txt"}) {
        const FieldFile file = readFieldFile(quiz.path(), name, 340);
        std::u16string text;
        for (const std::u16string& field : file.fields)
            text += u"\"" + field + u"\"\r\n";
        quiz.writeBytes(name, (name == "vatroo.txt" ? "\xEF\xBB\xBF" : "") + utf16ToUtf8(text));
    }
    const Form1& f = start();
    EXPECT_TRUE(host.errors.empty());
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 20; ++col)
            EXPECT_EQ(f.Grid1.TextMatrix(row, col), cells[(row - 1) * 20 + col - 1]);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(f.Answers(n), answers[n - 1]);
        EXPECT_EQ(f.Questions(n), questions[n - 1]);
    }
    EXPECT_EQ(f.Questions(1), u"Единица сопротивления, названная в честь учёного?");
}

} // namespace
} // namespace vatro::testing
