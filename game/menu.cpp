#include "form1.h"
#include "quiz/fieldreader.h"

namespace vatro {

// "Справка", as a button and in the menu, opens the one help window.
void Form1::Command4_Click() {
    Form2.Show();
}
void Form1::Ватро2_Click() {
    Form2.Show();
}

// "Об авторах".
void Form1::Ватро3_Click() {
    Form7.Show();
}

// "Редактор": the quiz editor on the folder the game reads; the game's state stays as it is.
// A folder that vanished is told of as at "Сброс": there is nothing to open.
void Form1::Ватро4_Click() {
    if (const auto folder = m_host.quizFolder())
        m_host.openEditor(*folder);
    else
        m_host.showError(describeLostFolder());
}

} // namespace vatro
