// The questions the quiz editor asks before something is lost or written otherwise than
// typed: unsaved changes on closing, also when the game closes; UTF-8 and «ёлочки» on saving.
#include "editortest.h"

#include "editor/quizdocument.h"

namespace vatro::testing {
namespace {

// Closing with unsaved changes asks "Сохранить изменения?": "Отмена" keeps the window and
// the changes, "Не сохранять" closes and leaves the files, "Сохранить" writes them first.
TEST_F(EditorTest, ClosingWithUnsavedChangesAsksFirst) {
    startViews();
    EditorWindow* editor = &chooseEditorInMenu();
    const std::string answers = fileBytes("vatroo.txt");
    editor->document().setText(0, editor::Side::Answer, u"ОММ");
    settle();
    EXPECT_TRUE(editor->isWindowModified());
    EXPECT_TRUE(editor->windowTitle().contains(QStringLiteral("[*]")));

    answerQuestions({QStringLiteral("Отмена")});
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(asked, QStringList{QStringLiteral("Сохранить изменения?")});
    EXPECT_TRUE(editor->isVisible() && editor->document().isModified());

    answerQuestions({QStringLiteral("Не сохранять")});
    EXPECT_TRUE(editor->close());
    settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openEditor(), nullptr);
    EXPECT_EQ(fileBytes("vatroo.txt"), answers);

    editor = &chooseEditorInMenu();
    editor->document().setText(0, editor::Side::Answer, u"ОММ");
    answerQuestions({QStringLiteral("Сохранить")});
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(asked.size(), 3);
    EXPECT_NE(fileBytes("vatroo.txt").find("\xCE\xCC\xCC"), std::string::npos);
}

// A text with a character Windows-1251 lacks is saved only after the teacher chose: UTF-8
// keeps it; a double quote is offered as «ёлочки».
TEST_F(EditorTest, SavingAsksForUtf8AndForGuillemets) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    editor.document().setText(2, editor::Side::Question, u"Ток — это \"поток\" зарядов ≈?");
    answerQuestions({QStringLiteral("Сохранить в UTF-8"), QStringLiteral("Заменить на «ёлочки»")});
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(asked, QStringList({QStringLiteral("В кодировке Windows-1251 нет некоторых знаков "
                                                 "текста."),
                                  QStringLiteral("Заменить прямые кавычки на «ёлочки»?")}));
    EXPECT_EQ(editor.document().content().questions.at(2), u"Ток — это «поток» зарядов ≈?");
    EXPECT_NE(fileBytes("vatrov.txt").find("«поток» зарядов ≈?"), std::string::npos);
}

// Closing the game asks the editor about its unsaved changes; kept open, the editor stays
// while the game's windows close.
TEST_F(EditorTest, TheGamesExitAsksTheEditorFirst) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    editor.document().setText(0, editor::Side::Answer, u"ОММ");
    answerQuestions({QStringLiteral("Отмена")});
    mainView().close();
    settle();
    EXPECT_EQ(asked, QStringList{QStringLiteral("Сохранить изменения?")});
    EXPECT_TRUE(editor.isVisible() && editor.document().isModified());
    EXPECT_FALSE(mainView().isVisible());
}

} // namespace
} // namespace vatro::testing
