#pragma once
// "Новая викторина…", "Создать…" and "Сохранить как…" ask the same thing: the name of a
// new quiz, whose folder is made inside ~/Ватро, or (where it makes sense) any empty folder.

#include "library/newquizfolder.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vatro {

class QuizNameDialog : public QDialog {
    Q_OBJECT
public:
    // Makes the new quiz's folder NAME inside root; its problem stays in the dialog, which
    // waits for a better name.
    using FolderMaker = std::function<library::NewFolder(const std::filesystem::path& root,
                                                         std::u16string_view name)>;

    // root: where a named quiz goes (its folder shown as the teacher types); otherFolder:
    // whether "Другая папка…" offers any empty folder instead.
    QuizNameDialog(QWidget* parent, const QString& title, const QString& acceptText,
                   std::optional<std::filesystem::path> root, FolderMaker make, bool otherFolder);

    struct Chosen {
        std::filesystem::path folder;
        bool made = false; // the dialog made it, empty: undo by removing it
    };
    // The folder after the dialog was accepted.
    const std::optional<Chosen>& chosen() const { return m_chosen; }

    // Asks; the folder chosen, none when the teacher cancelled.
    static std::optional<Chosen> ask(QWidget* parent, const QString& title,
                                     const QString& acceptText, FolderMaker make, bool otherFolder);

private:
    void accept() override;
    void chooseOtherFolder();
    void showWhere();

    std::optional<std::filesystem::path> m_root;
    FolderMaker m_make;
    QLineEdit* m_name = nullptr;
    QLabel* m_where = nullptr;
    QLabel* m_problem = nullptr;
    std::optional<Chosen> m_chosen;
};

} // namespace vatro
