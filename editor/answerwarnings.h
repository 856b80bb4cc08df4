#pragma once
// What the editor warns of in an answer: the game compares it letter for letter with the
// board's capitals, so these answers cannot be spelled as the teacher meant. Warned of,
// never changed.

#include <string>
#include <string_view>
#include <vector>

namespace vatro::editor {

struct AnswerWarning {
    enum class Kind { LowerCase, Blanks, LatinLetters, TooLong, DoubleQuote };
    Kind kind;
    std::u16string text; // one Russian sentence
};

// The warnings for one answer, in the order of Kind.
std::vector<AnswerWarning> answerWarnings(std::u16string_view answer);

// The answer as the board's capitals show letters: Russian and Latin letters upper case,
// the rest as it stands. For display only.
std::u16string inBoardCapitals(std::u16string_view text);

// The text with each double quote turned into «ёлочки»: an opening one at the start or
// after a blank or bracket, a closing one elsewhere. The quiz files cannot hold '"' inside
// a text.
std::u16string withGuillemets(std::u16string_view text);

} // namespace vatro::editor
