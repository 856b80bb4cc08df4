// The game's own costs with Google Benchmark: one clock tick, one press on the letter board
// with its redraw, the three quiz-file loaders at full capacity, and a whole game. The Qt
// parts run under the offscreen platform.
#include "editor/livefindings.h"
#include "editor/quizdocument.h"
#include "fullquiz.h"
#include "game/form1.h"
#include "median_reporter.h"
#include "support/fakehost.h"
#include "ui/controls/keycodes.h"
#include "view/qthost.h"
#include "view/viewmanager.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string_view>

namespace vatro::bench {
namespace {

using testing::FakeHost;

// The game of one player, "Иванов", at level User1, started as the player starts it.
struct Game {
    explicit Game(Host& host) : form(host) { form.Show(); }
    void registerPlayer(FakeHost& host) {
        host.names.push_back(u"Иванов");
        form.Command6.click();
    }
    Form1 form;
};

// A game of letters on the full board, on its first question.
struct LetterGame {
    FullQuiz quiz;
    FakeHost host{quiz.path()};
    Game game{host};
    LetterGame() {
        game.registerPlayer(host);
        game.form.Option1.click();
        game.form.Command8.click();
        game.form.Command2.click();
    }
};

// A game with the real host, whose quiz folder is the working directory at its making,
// level User1 chosen.
struct RealHostGame {
    FullQuiz quiz;
    std::unique_ptr<QtHost> host;
    std::unique_ptr<Game> game;
    RealHostGame() {
        const std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(quiz.path());
        host = std::make_unique<QtHost>();
        game = std::make_unique<Game>(*host);
        std::filesystem::current_path(here);
    }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The views of a game, shown and settled.
struct Views {
    explicit Views(Form1& form) : manager(form) {
        manager.sync();
        QApplication::processEvents();
    }
    ViewManager manager;
};

// ---- The clock ----

// Ticks with the host's clock as it stands: within one second, as most ticks are.
void tickAgain(benchmark::State& state, Form1& f) {
    for (auto _ : state) {
        f.Timer1_Timer();
        benchmark::DoNotOptimize(f.Elapsed);
    }
}

void tickFakeHost(benchmark::State& state) {
    LetterGame play;
    tickAgain(state, play.game.form);
}
BENCHMARK(tickFakeHost)->Name("tick/fake_host");

// Every tick shows a new second: the clock's text is formed and put in the box.
void tickFakeHostNewSecond(benchmark::State& state) {
    LetterGame play;
    Form1& f = play.game.form;
    const double start = play.host.clock;
    int n = 0;
    for (auto _ : state) {
        play.host.clock = start + n;
        n = (n + 1) % 60;
        f.Timer1_Timer();
        benchmark::DoNotOptimize(f.Text2.Text);
    }
}
BENCHMARK(tickFakeHostNewSecond)->Name("tick/fake_host_new_second");

void tickRealHost(benchmark::State& state) {
    RealHostGame play;
    play.game->form.Option1.click();
    tickAgain(state, play.game->form);
}
BENCHMARK(tickRealHost)->Name("tick/real_host");

// What the program does at each new second: a tick, then every window mirrors its model.
void tickWithViews(benchmark::State& state) {
    RealHostGame play;
    Views views(play.game->form);
    play.game->form.Option1.click();
    views.manager.sync();
    QApplication::processEvents();
    for (auto _ : state) {
        views.manager.tick();
        QApplication::processEvents();
    }
}
BENCHMARK(tickWithViews)->Name("tick/views");

// ---- A press on the letter board: a letter picked, then put back ----

void pressCore(benchmark::State& state) {
    LetterGame play;
    Form1& f = play.game.form;
    bool pick = true;
    for (auto _ : state) {
        if (pick)
            f.Grid1.press(mouse::Left, 0, 1, 1);
        else
            f.Grid1.press(mouse::Right, 0, f.Grid1.Row, f.Grid1.Col);
        pick = !pick;
    }
    // The next press would pick: the letter must be back on the board.
    if (f.Letters(1, 1).empty() == pick)
        state.SkipWithError("the picked letter did not come back");
}
BENCHMARK(pressCore)->Name("press/core");

void pressWithRedraw(benchmark::State& state) {
    LetterGame play;
    Form1& f = play.game.form;
    Views views(f);
    PaintCounter surface(views.manager.mainView().clientArea());
    bool pick = true;
    for (auto _ : state) {
        if (pick)
            f.Grid1.press(mouse::Left, 0, 1, 1);
        else
            f.Grid1.press(mouse::Right, 0, f.Grid1.Row, f.Grid1.Col);
        pick = !pick;
        views.manager.sync();
        // The repaints the sync asked for, as the event loop delivers them.
        QApplication::processEvents();
    }
    state.counters["surface_paints"] =
        benchmark::Counter(double(surface.paints), benchmark::Counter::kAvgIterations);
    if (surface.paints < state.iterations())
        state.SkipWithError("a press did not repaint the print surface");
}
BENCHMARK(pressWithRedraw)->Name("press/redraw");

// ---- The loaders, at full capacity, through the handlers that call them ----

void reloadLetters(benchmark::State& state) {
    LetterGame play;
    Form1& f = play.game.form;
    for (auto _ : state) {
        f.Command8_Click(); // "Игра2": reads the board, 340 letters
        benchmark::DoNotOptimize(f.Letters(17, 20));
    }
    if (f.LetterRows != 17 || !play.host.errors.empty())
        state.SkipWithError("the board was not loaded");
}
BENCHMARK(reloadLetters)->Name("load/letters");

void reloadAnswers(benchmark::State& state) {
    LetterGame play;
    Form1& f = play.game.form;
    for (auto _ : state) {
        f.Command9_Click(); // "Игра1": reads the 49 words and shuffles them
        benchmark::DoNotOptimize(f.Answers(49));
    }
    if (f.Grid2.TextMatrix(49, 1).empty() || !play.host.errors.empty())
        state.SkipWithError("the word list was not loaded");
}
BENCHMARK(reloadAnswers)->Name("load/answers");

void startUp(benchmark::State& state) {
    FullQuiz quiz;
    FakeHost host(quiz.path());
    for (auto _ : state) {
        Form1 form(host); // the window's design, then all three files
        form.Show();
        benchmark::DoNotOptimize(form.Questions(50));
    }
}
BENCHMARK(startUp)->Name("load/startup");

// ---- A whole game of 49 questions through the handlers ----

void wholeGame(benchmark::State& state) {
    FullQuiz quiz(49);
    FakeHost host(quiz.path());
    long events = 0;
    for (auto _ : state) {
        Game game(host);
        Form1& f = game.form;
        game.registerPlayer(host);
        f.Option1.click();
        f.Command8.click(); // "Игра2"
        events += 4;
        for (int q = 1; q <= 49; ++q) {
            f.Command2.click(); // "Пуск"
            for (const auto& [row, col] : quiz.cellsOf(q))
                f.Grid1.press(mouse::Left, 0, row, col);
            f.Grid1.press(mouse::Middle, 0, f.Grid1.Row, f.Grid1.Col);
            f.Timer1.tick();
            host.advance(5);
            events += 3 + static_cast<long>(quiz.cellsOf(q).size());
        }
        f.Command2.click(); // "ВСЁ"
        f.Command5.click(); // "Результат"
        f.Ватро123.click(); // the rating
        events += 3;
        if (f.Points(1) != 49) {
            state.SkipWithError("the game did not count every right answer");
            break;
        }
    }
    state.SetItemsProcessed(events);
    state.counters["events_per_game"] =
        benchmark::Counter(double(events), benchmark::Counter::kAvgIterations);
}
BENCHMARK(wholeGame)->Name("game/whole");

// ---- The editor: the checker's findings after each edit of a full-capacity quiz ----

void editorFindings(benchmark::State& state) {
    FullQuiz quiz(49);
    editor::QuizDocument document;
    if (!document.open(quiz.path()).ok) {
        state.SkipWithError("the full quiz did not open");
        return;
    }
    bool edited = false;
    std::size_t findings = 0;
    for (auto _ : state) {
        // A keystroke in an answer, then the findings list as the window shows it.
        document.setText(48, editor::Side::Answer, edited ? u"ВОЛЬТ" : u"ВОЛЬТЫ");
        edited = !edited;
        findings = editor::liveFindings(document).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(editorFindings)->Name("editor/findings")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vatro::bench

// With --medians, the figures go out as MedianReporter writes them, for the driver.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const bool medians = argc >= 2 && std::string_view(argv[1]) == "--medians";
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vatro::prepareApplication(app);
    vatro::bench::MedianReporter reporter;
    if (medians)
        benchmark::RunSpecifiedBenchmarks(&reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
