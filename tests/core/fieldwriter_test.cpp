// The writer of quiz files: whatever it accepts, the game's reader gets back unchanged.
#include "quiz/fieldreader.h"
#include "quiz/fieldwriter.h"
#include "quiz/textcodec.h"

#include <gtest/gtest.h>

#include <random>

namespace vatro::testing {
namespace {

using Fields = std::vector<std::u16string>;

Fields readBack(const WrittenFile& file, std::size_t count) {
    return splitFields(decodeTextFile(file.bytes).text, count);
}

TEST(FieldWriter, QuotesOnlyTheFieldsTheReaderWouldSplitTrimOrDrop) {
    const Fields fields = {u"ОМ", u"Сила тока, напряжение?", u" пробел", u"хвост ",
                           u"",   u"две\r\nстроки"};
    EXPECT_EQ(joinFields(fields, 1), u"ОМ\r\n\"Сила тока, напряжение?\"\r\n\" пробел\"\r\n"
                                     u"\"хвост \"\r\n\"\"\r\n\"две\r\nстроки\"\r\n");
    EXPECT_EQ(joinFields({u"А", u"Б", u"В", u"Г", u"Д"}, 2), u"А,Б\r\nВ,Г\r\nД\r\n");
}

TEST(FieldWriter, EveryAcceptedFieldListReadsBackIdenticalInEachEncoding) {
    // Letters of both alphabets, the characters that shape fields, and a few that only
    // UTF-8 can hold.
    const std::u16string palette = u"АБВЁЖЫЬЪабвёжыьъABCabc0123 \t,\r\n«»№—€.?!-ΩЯ😀";
    std::mt19937 random(20261208);
    for (const FileEncoding encoding :
         {FileEncoding::Cp1251, FileEncoding::Utf8, FileEncoding::Utf8WithMark}) {
        std::size_t accepted = 0;
        for (int round = 0; round < 400; ++round) {
            Fields fields(random() % 25);
            for (std::u16string& field : fields) {
                const std::size_t length = random() % 12;
                for (std::size_t k = 0; k < length; ++k) {
                    const char16_t c = palette[random() % palette.size()];
                    // Both halves of a pair, or none.
                    if (c >= 0xD800 && c < 0xDC00)
                        field += u"😀";
                    else if (c < 0xDC00 || c >= 0xE000)
                        field += c;
                }
            }
            const WrittenFile file = writeFields(fields, 1 + random() % 20, encoding);
            if (!file.ok()) {
                EXPECT_TRUE(file.bytes.empty());
                continue;
            }
            ++accepted;
            ASSERT_EQ(readBack(file, fields.size()), fields) << "round " << round;
        }
        // Most lists hold nothing the encoding lacks; the property must not hold vacuously.
        EXPECT_GT(accepted, encoding == FileEncoding::Cp1251 ? 20u : 390u);
    }
}

TEST(FieldWriter, ReportsWhatTheFileCannotCarryAndReplacesNothing) {
    const WrittenFile quoted = writeFields({u"ОМ", u"Закон \"Ома\""}, 1, FileEncoding::Utf8);
    ASSERT_EQ(quoted.problems.size(), 1u);
    EXPECT_EQ(quoted.problems[0].kind, WriteProblem::Kind::DoubleQuote);
    EXPECT_EQ(quoted.problems[0].field, 2u);
    EXPECT_TRUE(quoted.bytes.empty());
    EXPECT_NE(describeWriteProblem(quoted.problems[0], "vatrov.txt").find(u"«ёлочками»"),
              std::u16string::npos);

    const WrittenFile omega = writeFields({u"ОМ", u"Ω"}, 1, FileEncoding::Cp1251);
    ASSERT_EQ(omega.problems.size(), 1u);
    EXPECT_EQ(omega.problems[0].kind, WriteProblem::Kind::NotInCp1251);
    EXPECT_EQ(omega.problems[0].character, u'Ω');
    EXPECT_TRUE(writeFields({u"ОМ", u"Ω"}, 1, FileEncoding::Utf8).ok());

    const WrittenFile broken =
        writeFields({std::u16string(1, char16_t(0xD800))}, 1, FileEncoding::Utf8);
    ASSERT_EQ(broken.problems.size(), 1u);
    EXPECT_EQ(broken.problems[0].kind, WriteProblem::Kind::BrokenCharacter);
}

TEST(FieldWriter, WindowsCodePageKeepsTheBytesOlderCopiesOfTheGameRead) {
    const WrittenFile file = writeFields({u"ОМ", u"ёЁ№"}, 1, FileEncoding::Cp1251);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.bytes, "\xCE\xCC\r\n\xB8\xA8\xB9\r\n");
    const WrittenFile marked = writeFields({u"ОМ"}, 1, FileEncoding::Utf8WithMark);
    EXPECT_EQ(marked.bytes, "\xEF\xBB\xBF\xD0\x9E\xD0\x9C\r\n");
}

} // namespace
} // namespace vatro::testing
