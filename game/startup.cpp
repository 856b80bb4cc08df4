// Start-up, "Сброс", "Новый игрок", "Выход" and the emptying of the answer in progress.
#include "form1.h"

namespace vatro {

void Form1::Form_Load() {
    // Every quiz file is read and checked first: the game does not start on a bad one.
    if (const auto problem = prepareQuizFiles(LettersFile | AnswersFile | QuestionsFile))
        throw QuizFileError(*problem);

    Grid1.Enabled = true;
    Grid2.Enabled = true;

    Command2.Visible = false;
    Command7.Visible = true;
    Command8.Visible = false;
    Command9.Visible = false;
    Command10.Visible = false;
    Command3.Visible = false;
    Command5.Visible = false;

    Grid1.setColWidth(0, 100);
    Grid1.setRowHeight(0, 80);
    Grid2.setColWidth(0, 100);
    Grid2.setRowHeight(0, 80);
    Grid2.setColWidth(1, 4000);

    for (i = 1; i <= 100; ++i) {
        Points(i) = 0;
        Mistakes(i) = 0;
        MinutesUsed(i) = u"0";
        SecondsUsed(i) = u"0";
    }

    StartTimer = 0;
    AnswerPending = true;
    ClickShowsLevels = true;

    for (i = 1; i <= 20; ++i)
        Grid1.setColWidth(i, 396);
    for (i = 1; i <= 17; ++i)
        Grid1.setRowHeight(i, 295);

    i = 0;
    LetterRows = 0;
    QuestionNo = 0;
    Item.clear();
    QuestionCount = 0;

    LoadLetters();
    for (i = 1; i <= 49; ++i)
        Grid2.setRowHeight(i, 300);
    LoadAnswers();
    LoadQuestions();

    Grid1.Visible = false;
    Grid2.Visible = false;

    restartLevelClock();
    TimeLimit = u"0:00:00";
    startJournal();

    // What vatro.conf gets wrong is told once; the game plays on with the rest of it.
    std::u16string problems;
    for (const std::u16string& problem : m_host.settingsProblems())
        problems += (problems.empty() ? u"" : u"\n") + problem;
    if (!problems.empty())
        m_host.showError(problems);
}

void Form1::Command7_Click() {
    // A teacher may have moved a file while the class plays: then nothing is reset.
    if (!prepareOrReport(LettersFile | AnswersFile))
        return;

    Option2.Visible = true;
    Option1.Visible = true;
    Option3.Visible = true;
    Option2.setValue(false);
    Option1.setValue(false);
    Option3.setValue(false);

    restartLevelClock();

    Grid1.Enabled = true;
    Grid2.Enabled = true;

    Command2.Enabled = true;
    Command7.Enabled = true;
    Command8.Enabled = true;
    Command9.Enabled = true;

    Grid1.Visible = false;
    Grid2.Visible = false;

    surface.Cls();

    for (i = 1; i <= 100; ++i) {
        Points(i) = 0;
        Mistakes(i) = 0;
        MinutesUsed(i).clear();
        SecondsUsed(i).clear();
    }

    StartTimer = 0;
    UndoAllowed = false;
    AnswerPending = true;
    ClickShowsLevels = true;
    i = 0;
    QuestionNo = 0;
    Item.clear();

    LoadLetters();
    LoadAnswers();

    PlayerNo = 1;
    nextJournalRound();
}

void Form1::Command6_Click() {
    // The player table has 100 places; a new count of players begins with "Сброс".
    if (PlayerNo + 1 > PlayerName.last) {
        surface.Print({PlayersFullText});
        return;
    }
    if (!prepareOrReport(LettersFile | AnswersFile))
        return;

    Option1.Visible = true;
    Option2.Visible = true;
    Option3.Visible = true;

    Command2.Visible = true;
    Command8.Visible = true;
    Command9.Visible = true;
    Command10.Visible = true;
    Command3.Visible = true;
    Command5.Visible = true;

    Grid1.Enabled = true;
    Grid2.Enabled = true;

    Command2.Enabled = true;
    Command7.Enabled = true;
    Command8.Enabled = true;
    Command9.Enabled = true;

    Grid1.Visible = false;
    Grid2.Visible = false;

    PlayerNo = PlayerNo + 1;
    // Clock ticks go on while the box waits, so a time-out may happen here.
    PlayerName(PlayerNo) = m_host.inputBox(u"Ваша фамилия? (Команда?)");

    ClearAnswer();

    OrderNo = 0;
    i = 0;
    LetterRows = 0;
    QuestionNo = 0;
    Item.clear();
    StartTimer = 0;

    LoadLetters();
    LoadAnswers();

    // "Сброс" would give the new player's games to player 1 and wipe the others' points.
    surface.Print({u"Выберите Уровень и -Игру-"});

    Command6.Enabled = false;
    Command8.Enabled = true;
    Command9.Enabled = true;
    updateJournal();
}

void Form1::Command1_Click() {
    m_host.endProgram();
}

void Form1::ClearAnswer() {
    PickDepth = 0;
    Answer.clear();
    surface.Cls();
    Percent = 0;
    AnswerPending = true;
}

} // namespace vatro
