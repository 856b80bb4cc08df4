// The reader of the quiz and help files: how text splits into fields, and the code page.
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace vatro::testing {
namespace {

using Fields = std::vector<std::u16string>;

TEST(SplitFields, CommasAndLineEndsSeparateFieldsAndQuotesKeepCommas) {
    const struct {
        std::u16string_view text;
        Fields fields;
    } cases[] = {
        {u"А,Б,В\r\nГ\nД\rЕ", {u"А", u"Б", u"В", u"Г", u"Д", u"Е"}},
        // Blank lines, and blanks and tabs in front of a field, are skipped.
        {u"\r\n\r\n  ОМ\r\n\n\t ВОЛЬТ\r\n   \r\n\r\n", {u"ОМ", u"ВОЛЬТ"}},
        {u"  \r\n\t\n", {}},
        {u"", {}},
        // Blanks after an unquoted field are dropped; blanks inside it stay.
        {u"ТОК  , СИЛА ТОКА \t\r\n", {u"ТОК", u"СИЛА ТОКА"}},
        // Adjacent commas give empty fields that count; a comma that ends a line adds none.
        {u",А, ,Б,,В", {u"", u"А", u"", u"Б", u"", u"В"}},
        {u"\"\",А", {u"", u"А"}},
        {u"А,\r\nБ,", {u"А", u"Б"}},
        // A quoted field keeps commas and blanks; what follows its closing quote is dropped.
        {u"\"Сила тока, напряжение?\",ОМ\r\n  \" Ом \"\r\n",
         {u"Сила тока, напряжение?", u"ОМ", u" Ом "}},
        {u"\"Ом\" закон,В", {u"Ом", u"В"}},
        // A quote inside an unquoted field is an ordinary character.
        {u"ОМ\"С,В", {u"ОМ\"С", u"В"}},
        // Without quotes a question splits at its comma, and every later pairing shifts.
        {u"Ток, это что?\r\n", {u"Ток", u"это что?"}},
        // An unclosed quote runs to the end of the text.
        {u"А,\"Б,В\r\nГ\r\n", {u"А", u"Б,В\r\nГ\r\n"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitFields(c.text, 100), c.fields) << utf16ToUtf8(std::u16string(c.text));
    // It stops one field past the limit, which is enough to see that a file is too long.
    EXPECT_EQ(splitFields(u"А,Б,В,Г,Д", 2), (Fields{u"А", u"Б", u"В"}));
    EXPECT_EQ(splitFields(u"А,Б", 2), (Fields{u"А", u"Б"}));
}

// 0x98, undefined in the code page and refused by iconv, stays U+0098 as in Windows.
TEST(DecodeCp1251, EveryByteDecodesAsIconvDecodesIt) {
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes += value == 0x98 ? '\0' : static_cast<char>(value);
    iconv_t codec = iconv_open("UTF-16LE", "CP1251");
    ASSERT_NE(codec, reinterpret_cast<iconv_t>(-1)) << "iconv has no CP1251";
    std::string out(2 * bytes.size(), '\0');
    char* in = bytes.data();
    char* outEnd = out.data();
    std::size_t inLeft = bytes.size();
    std::size_t outLeft = out.size();
    ASSERT_NE(iconv(codec, &in, &inLeft, &outEnd, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(codec);
    std::u16string reference;
    for (const char* p = out.data(); p + 1 < outEnd; p += 2)
        reference += static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                           static_cast<unsigned char>(p[1]) << 8);
    ASSERT_EQ(reference.size(), 256u);
    reference[0x98] = u'\u0098';
    bytes[0x98] = '\x98';
    const std::u16string ours = decodeCp1251(bytes);
    ASSERT_EQ(ours.size(), 256u);
    for (std::size_t byte = 0; byte < 256; ++byte)
        EXPECT_EQ(ours[byte], reference[byte]) << "byte " << byte;
}

} // namespace
} // namespace vatro::testing
