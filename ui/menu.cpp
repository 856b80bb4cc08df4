#include "game/form1.h"

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
void Form1::Ватро4_Click() {
    m_host.openEditor(m_host.quizFolder());
}

} // namespace vatro
