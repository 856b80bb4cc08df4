#include "answerwarnings.h"

#include "checker/checktext.h"
#include "quiz/characters.h"
#include "quizcontent.h"

#include <algorithm>

namespace vatro::editor {

namespace {

using namespace quizcheck;

std::u16string characters(std::u16string_view text, bool (*wanted)(char16_t)) {
    std::u16string found;
    for (char16_t c : text) {
        if (wanted(c) && found.find(c) == std::u16string::npos)
            found += (found.empty() ? u"" : u", ") + std::u16string(1, c);
    }
    return found;
}

} // namespace

std::vector<AnswerWarning> answerWarnings(std::u16string_view answer) {
    using Kind = AnswerWarning::Kind;
    std::vector<AnswerWarning> warnings;
    if (std::any_of(answer.begin(), answer.end(), isLowerCase))
        warnings.push_back({Kind::LowerCase, u"В ответе маленькие буквы (" +
                                                 characters(answer, isLowerCase) +
                                                 u"): на табло большие, и игра их различает."});
    if (std::any_of(answer.begin(), answer.end(),
                    [](char16_t c) { return isBlank(c) || c == u'\u00A0'; }))
        warnings.push_back({Kind::Blanks,
                            u"В ответе пробел: ученику придётся выбрать на табло клетку с "
                            u"пробелом, а пробел в начале или в конце не набрать вовсе."});
    std::u16string foreign;
    for (const std::size_t k : foreignLetters(answer, true)) {
        const std::u16string letter = inQuotes(std::u16string(1, answer[k]));
        if (foreign.find(letter) == std::u16string::npos)
            foreign += (foreign.empty() ? u"" : u", ") + letter;
    }
    if (!foreign.empty())
        warnings.push_back(
            {Kind::LatinLetters, u"В ответе латинские буквы или цифры вместо русских букв (" +
                                     foreign + u"): на вид они те же, но игра их различает."});
    if (const std::size_t length = characterCount(answer); length > MaxAnswerLetters)
        warnings.push_back({Kind::TooLong, u"В ответе " +
                                               counted(length, u"знак", u"знака", u"знаков") +
                                               u", а ученик собирает слово не длиннее " +
                                               num(MaxAnswerLetters) + u" букв."});
    if (answer.find(u'"') != std::u16string_view::npos)
        warnings.push_back({Kind::DoubleQuote, u"Двойную кавычку файл ответов не сохранит: "
                                               u"замените её «ёлочками»."});
    return warnings;
}

std::u16string inBoardCapitals(std::u16string_view text) {
    std::u16string capitals(text);
    for (char16_t& c : capitals) {
        if (isLowerCase(c))
            c = otherCase(c);
    }
    return capitals;
}

std::u16string withGuillemets(std::u16string_view text) {
    std::u16string result(text);
    for (std::size_t k = 0; k < result.size(); ++k) {
        if (result[k] != u'"')
            continue;
        const char16_t before = k == 0 ? u' ' : result[k - 1];
        const bool opening = isBlank(before) || isLineEnd(before) || before == u'(' ||
                             before == u'[' || before == u'«' || before == u'\u00A0';
        result[k] = opening ? u'«' : u'»';
    }
    return result;
}

} // namespace vatro::editor
