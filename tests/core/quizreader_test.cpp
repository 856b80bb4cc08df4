// The reader of the quiz and help files: how text splits into fields, and the code page.
#include "game/quizreader.h"
#include "game/textcodec.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <optional>

namespace vatro::testing {
namespace {

using Fields = std::vector<std::u16string>;

Fields split(std::u16string_view text, std::size_t maxFields = 100) {
    return splitFields(text, maxFields);
}

TEST(SplitFields, CommasAndEveryKindOfLineEndSeparateFields) {
    EXPECT_EQ(split(u"А,Б,В\r\nГ\nД\rЕ"), (Fields{u"А", u"Б", u"В", u"Г", u"Д", u"Е"}));
    // Blank lines, and blanks and tabs in front of a field, are skipped.
    EXPECT_EQ(split(u"\r\n\r\n  ОМ\r\n\n\t ВОЛЬТ\r\n   \r\n\r\n"), (Fields{u"ОМ", u"ВОЛЬТ"}));
    // Blanks after an unquoted field are not part of it; blanks inside are.
    EXPECT_EQ(split(u"ТОК  , СИЛА ТОКА \t\r\n"), (Fields{u"ТОК", u"СИЛА ТОКА"}));
    EXPECT_TRUE(split(u"").empty());
    EXPECT_TRUE(split(u"  \r\n\t\n").empty());
}

TEST(SplitFields, AdjacentCommasGiveEmptyFieldsThatCount) {
    EXPECT_EQ(split(u"А,,Б"), (Fields{u"А", u"", u"Б"}));
    EXPECT_EQ(split(u",А, ,Б"), (Fields{u"", u"А", u"", u"Б"}));
    EXPECT_EQ(split(u"\"\",А"), (Fields{u"", u"А"}));
    // A comma that ends a line closes its field; it does not add an empty one.
    EXPECT_EQ(split(u"А,\r\nБ,"), (Fields{u"А", u"Б"}));
}

TEST(SplitFields, AQuotedFieldKeepsCommasAndBlanksAndEndsAtTheNextQuote) {
    EXPECT_EQ(split(u"\"Сила тока, напряжение?\",ОМ\r\n  \" Ом \"\r\n"),
              (Fields{u"Сила тока, напряжение?", u"ОМ", u" Ом "}));
    // What stands between the closing quote and the next delimiter is dropped.
    EXPECT_EQ(split(u"\"Ом\" закон,В"), (Fields{u"Ом", u"В"}));
    // A quote inside an unquoted field is an ordinary character.
    EXPECT_EQ(split(u"ОМ\"С,В"), (Fields{u"ОМ\"С", u"В"}));
    // Without a comma inside quotes a question splits, and every later pairing shifts.
    EXPECT_EQ(split(u"Ток, это что?\r\n"), (Fields{u"Ток", u"это что?"}));
}

TEST(SplitFields, AnUnclosedQuoteRunsToTheEndOfTheText) {
    EXPECT_EQ(split(u"А,\"Б,В\r\nГ\r\n"), (Fields{u"А", u"Б,В\r\nГ\r\n"}));
}

TEST(SplitFields, StopsOneFieldPastTheLimitSoThatAnOverlongFileIsSeen) {
    EXPECT_EQ(split(u"А,Б,В,Г,Д", 2), (Fields{u"А", u"Б", u"В"}));
    EXPECT_EQ(split(u"А,Б", 2), (Fields{u"А", u"Б"}));
}

// glibc's iconv as the reference decoder of one byte; empty when it refuses the byte.
std::optional<std::u16string> iconvDecode(unsigned char byte) {
    iconv_t codec = iconv_open("UTF-16LE", "CP1251");
    if (codec == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(codec);
    if (done == static_cast<std::size_t>(-1))
        return std::nullopt;
    std::u16string text;
    for (char* p = out; p + 1 < outPtr; p += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                             static_cast<unsigned char>(p[1]) << 8));
    return text;
}

// Every byte decodes as glibc's iconv decodes it, except 0x98, which the code page leaves
// undefined: iconv refuses it, the game keeps it as U+0098 (as Windows does) and reads on.
TEST(DecodeCp1251, EveryByteDecodesAsIconvDecodesIt) {
    ASSERT_TRUE(iconvDecode('A').has_value()) << "iconv has no CP1251";
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        const char in = static_cast<char>(byte);
        const std::u16string ours = decodeCp1251(std::string_view(&in, 1));
        const std::optional<std::u16string> reference = iconvDecode(byte);
        if (value == 0x98) {
            EXPECT_FALSE(reference.has_value());
            EXPECT_EQ(ours, std::u16string(1, u'\u0098'));
        } else {
            ASSERT_TRUE(reference.has_value()) << "byte " << value;
            EXPECT_EQ(ours, *reference) << "byte " << value;
        }
    }
    EXPECT_EQ(decodeCp1251("\xC0\xFF\xA8\xB8 1"), u"АяЁё 1");
}

} // namespace
} // namespace vatro::testing
