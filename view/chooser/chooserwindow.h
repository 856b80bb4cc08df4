#pragma once
// The quiz chooser of the menu entry: the library's quizzes, the last played at the top;
// Enter plays the chosen one, "Редактировать" opens it in the editor, "Новая викторина…"
// makes one from a copy of the sample. Every step works from the keyboard.

#include "library/quizsummary.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QTableView;

namespace vatro {

class ChooserModel;

class ChooserWindow : public QDialog {
    Q_OBJECT
public:
    // quizzes in the order shown; sample: what a new quiz is copied from; notices: what
    // the teacher should know (bad lines of the settings), shown below the list.
    ChooserWindow(std::vector<library::QuizSummary> quizzes,
                  std::optional<std::filesystem::path> sample,
                  const std::vector<std::u16string>& notices, QWidget* parent = nullptr);

    enum class Choice { None, Play, Edit };
    Choice choice() const { return m_choice; }
    const std::filesystem::path& folder() const { return m_folder; }

    ChooserModel& model() { return *m_model; }
    QTableView& table() { return *m_table; }

private:
    void choose(Choice choice);
    void makeNewQuiz();
    void currentChanged();
    const library::QuizSummary* current() const;

    ChooserModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_edit = nullptr;
    std::optional<std::filesystem::path> m_sample;
    Choice m_choice = Choice::None;
    std::filesystem::path m_folder;
};

} // namespace vatro
