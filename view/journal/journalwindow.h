#pragma once

#include "results/lessontable.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <vector>

class QActionGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QSortFilterProxyModel;
class QTableView;

namespace vatro {

class GradeChart;
class LessonModel;

// The teacher's class table: the lessons found in the journal folders, and for the chosen
// one a table of every pupil of every machine and round, the grades at a glance, the table
// saved as one file or printed. Read only: it never writes a journal.
class JournalWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit JournalWindow(QWidget* parent = nullptr);

    // Reads the folders' journals and shows the newest lesson. A missing folder is told
    // only when named (not when it is one of the default folders).
    void openFolders(std::vector<std::filesystem::path> folders, bool named);
    // Reads the same folders again, keeping the lesson in view where it still is.
    void reload();

    // The lessons, newest first, as the list shows them.
    int lessonCount() const;
    void chooseLesson(int row);

    // The table as shown (sorted and filtered), its lesson's grades, and the name filter.
    const QSortFilterProxyModel& table() const { return *m_proxy; }
    const GradeSummary& grades() const;
    void setNameFilter(const QString& text);
    // What could not be read, one line each.
    const std::vector<std::u16string>& problems() const { return m_problems; }

    // The chosen lesson as one journal table; the Russian reason when it was not written.
    std::u16string saveTable(const std::filesystem::path& file) const;
    // The chosen lesson as a PDF file; the Russian reason when it was not written.
    std::u16string savePdf(const std::filesystem::path& file) const;

private:
    void buildActions();
    void showLesson(int lessonIndex);
    void chooseFileToSave();
    // Asks for a file to save the lesson in, named for the lesson, and saves it there.
    void saveChosen(const QString& title, const char* extension, const QString& filter,
                    const QString& done,
                    const std::function<std::u16string(const std::filesystem::path&)>& save);
    void print();
    void choosePdfToSave();
    void chooseFolder();
    void showProblems();
    void sortBy(int column);
    void refreshStatus();
    QString lessonFileName(const char* extension) const;

    std::vector<std::filesystem::path> m_folders;
    bool m_named = false;
    JournalScan m_scan;
    std::vector<Lesson> m_lessons;
    int m_shown = -1; // index of the lesson in view, -1 for none
    std::vector<std::u16string> m_problems;

    QListWidget* m_lessonList = nullptr;
    QLabel* m_lessonTitle = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_tableView = nullptr;
    LessonModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    GradeChart* m_chart = nullptr;
    QLabel* m_status = nullptr;
    QActionGroup* m_sortActions = nullptr;
    QAction* m_problemsAction = nullptr;
    std::vector<QAction*> m_lessonActions; // what needs a lesson in view
};

} // namespace vatro
