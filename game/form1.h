#pragma once

#include "fixedarray.h"
#include "host/host.h"
#include "quiz/fieldreader.h"
#include "quiz/quizfacts.h"
#include "results/gradewindow.h"
#include "results/journaltable.h"
#include "results/journalwriter.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/flexgrid.h"
#include "ui/controls/menuentry.h"
#include "ui/controls/optionbutton.h"
#include "ui/controls/textbox.h"
#include "ui/controls/timer.h"
#include "ui/controls/window.h"
#include "ui/creditswindow.h"
#include "ui/helpwindow.h"

#include <optional>
#include <string>
#include <vector>

namespace vatro {

// The main window: the whole game state, its controls under their designer names, and
// the handlers that play the game. Every member is defined in game/, a file per subsystem.
class Form1 : public Window {
public:
    explicit Form1(Host& host);

    // ---- Counters and loop variables ----
    int i = 0;
    int j = 0;
    int k = 0;
    int LetterCol = 0;
    int LetterRows = 0;
    int OrderNo = 0;
    bool Found = false;

    // ---- Quiz data ----
    FixedArray2D<std::u16string, 1, BoardRows, 1, BoardColumns> Letters;
    FixedArray<std::u16string, 1, 50> Questions;
    FixedArray<std::u16string, 1, 50> Answers;
    FixedArray<int, 1, 50> WordOrder;
    int QuestionCount = 0;
    std::u16string Item;

    // ---- Question and answer in progress ----
    int QuestionNo = 0;
    std::u16string Answer;
    FixedArray<int, 1, PickStackDepth> PickRow;
    FixedArray<int, 1, 20> PickCol;
    int PickDepth = 0;
    bool AnswerPending = true;
    bool UndoAllowed = false;
    double Percent = 0;

    // ---- Clock ----
    double StartTime = 0; // time of day of the last restart, as a fraction of a day
    double StartTimer = 0;
    std::u16string Elapsed;
    std::u16string TimeLimit = u"0:00:00";

    // ---- Player table ----
    int PlayerNo = 0; // 0: nobody registered yet
    FixedArray<std::u16string, 1, 100> PlayerName;
    FixedArray<int, 1, 100> Points;
    FixedArray<int, 1, 100> Mistakes;
    FixedArray<std::u16string, 1, 100> MinutesUsed;
    FixedArray<std::u16string, 1, 100> SecondsUsed;
    FixedArray<int, 1, 100> Grade;

    // ---- Window behaviour ----
    bool ClickShowsLevels = true;

    // ---- Controls, topmost first ----
    TextBox Text2;
    OptionButton Option3;
    OptionButton Option2;
    OptionButton Option1;
    OptionGroup Levels;
    Timer Timer1;
    CommandButton Command3;
    CommandButton Command10;
    FlexGrid Grid2{50, 2};
    CommandButton Command9;
    CommandButton Command8;
    CommandButton Command7;
    CommandButton Command6;
    CommandButton Command5;
    CommandButton Command4;
    FlexGrid Grid1{18, 21};
    CommandButton Command2;
    CommandButton Command1;

    // ---- Menu ----
    MenuEntry Ватро1{u"Ватро1", u"Рейтинг"};
    MenuEntry Ватро12{u"Ватро12", u"промежуточный"};
    MenuEntry Ватро123{u"Ватро123", u"Рейтинг"};
    MenuEntry Ватро2{u"Ватро2", u"Справка"};
    MenuEntry Ватро3{u"Ватро3", u"Об авторах"};
    MenuEntry Ватро4{u"Ватро4", u"Редактор"};

    // ---- The other windows ----
    HelpWindow Form2;
    CreditsWindow Form7;
    GradeWindow Form3{5};
    GradeWindow Form4{4};
    GradeWindow Form5{3};
    GradeWindow Form6{2};

    // The class journal, rewritten after every change of a player's standing.
    JournalWriter journal;

    // Every secondary window, for a view that mirrors them.
    std::vector<Window*> secondaryWindows() {
        return {&Form2, &Form7, &Form3, &Form4, &Form5, &Form6};
    }

    // ---- Event handlers ----
    // Start-up and reset (game/startup.cpp).
    void Form_Load();
    void Command7_Click(); // "Сброс"
    void Command6_Click(); // "Новый игрок"
    void Command1_Click(); // "Выход"
    // Game modes and questions (game/modes.cpp).
    void Command9_Click();  // "Игра1"
    void Command8_Click();  // "Игра2"
    void Command10_Click(); // "Обучалка"
    void Command2_Click();  // "Пуск"
    // Levels and clock (game/clock.cpp).
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Timer1_Timer();
    // Picking (game/picking.cpp).
    void Grid1_MouseDown(int Button, int Shift, double X, double Y);
    void Grid2_MouseDown(int Button, int Shift, double X, double Y);
    void Grid1_KeyDown(int KeyCode, int Shift);
    void Grid2_KeyDown(int KeyCode, int Shift);
    void Command3_Click(); // "Очистка"
    // Result and rating (game/result.cpp, game/rating.cpp).
    void Command5_Click(); // "Результат"
    void Ватро12_Click();  // "промежуточный"
    void Ватро123_Click(); // "Рейтинг"
    // Windows, menu and layout (game/menu.cpp, game/layout.cpp).
    void Command4_Click(); // "Справка"
    void Ватро2_Click();   // menu "Справка"
    void Ватро3_Click();   // menu "Об авторах"
    void Ватро4_Click();   // menu "Редактор"
    void Form_Resize();
    void Form_Click();

    // The design client area, in twips.
    static constexpr double DesignWidth = 9840;
    static constexpr double DesignHeight = 7110;

private:
    // Quiz files (game/quizloading.cpp).
    void LoadLetters();
    void LoadAnswers();
    void LoadQuestions();
    // Reads and checks the named quiz files before a handler changes anything, so that a
    // bad file leaves the game as it was. Says what is wrong with the first bad one.
    enum QuizFile { LettersFile = 1, AnswersFile = 2, QuestionsFile = 4 };
    std::optional<std::u16string> prepareQuizFiles(int files);
    // The same, reporting a bad file to the player; false when one was bad.
    bool prepareOrReport(int files);
    std::vector<std::u16string> takePrepared(QuizFile file);
    std::optional<std::vector<std::u16string>> m_preparedLetters;
    std::optional<std::vector<std::u16string>> m_preparedAnswers;
    std::optional<std::vector<std::u16string>> m_preparedQuestions;
    // The question file as LoadQuestions last read it, and whether it has changed since and
    // is to be read again before the answers are.
    std::vector<std::u16string> m_questionsAsRead;
    bool m_questionsChanged = false;

    // Start-up and reset (game/startup.cpp).
    void ClearAnswer();

    // Modes (game/modes.cpp).
    bool levelChosen() const;
    void ShuffleWordOrder();

    // Picking (game/picking.cpp): whether a row of the word list holds a word of the list.
    bool rowShowsWord(int row) const;

    // Clock (game/clock.cpp).
    void restartLevelClock();
    void MarkGameStart();
    void RecordTimeUsed();
    void TimeOut();

    // Verdict (game/verdict.cpp).
    void ShowQuestion();
    void ShowClearHint();
    void JudgeAnswer();
    void CheckRightAnswer();
    void CheckWrongAnswer();

    // Rating (game/rating.cpp).
    void printRatingLines();

    // The class journal (game/journalfeeding.cpp): a new file at start-up, the next round at
    // "Сброс"; the mode and level of a game as it starts, a grade as it is given; the whole
    // file after a verdict, a result, a registration and a time-out; what the teacher must
    // know about it.
    void startJournal();
    void nextJournalRound();
    void noteGameStart();
    void noteGradeGiven();
    void updateJournal();
    void showJournalMessage();
    FixedArray<JournalNote, 1, 100> m_journalNotes;
    JournalRounds m_journalRounds;
    std::u16string m_journalComputer;
    // The quiz folder's name when last seen: a vanished folder keeps its name in the journal.
    std::u16string m_journalQuizFolder;
    bool m_verdictUnwritten = false;

    // Designer properties and event wiring (game/form1design.cpp).
    void design();
    void wireEvents();

    Host& m_host;
};

// Texts that more than one rule prints.
inline constexpr const char16_t* ClearHintText = u" Нажмите -Очистку- затем -Пуск-";
inline constexpr const char16_t* LevelNeededText = u"Выберите уровень!";
inline constexpr const char16_t* PlayersFullText =
    u" Игроков уже 100. Нажмите -Сброс-, чтобы начать новый список игроков.";

} // namespace vatro
