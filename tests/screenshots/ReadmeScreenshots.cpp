// Pictures of the game for the README and for looking at the artwork by eye: the start window, the
// setup window, a game in progress (the main window and the board), the winner window and the wealth
// chart.
//   readme_screenshots DIR      (scripts/screenshots runs it under Xvfb, at any QT_SCALE_FACTOR)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "board/BoardWindow.h"
#include "computer/Headless.h"
#include "engine/DeedLine.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/SaveRecord.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/ui/QtSupport.h"
#include "ui/ThaiFont.h"
#include "ui/WealthChart.h"

using namespace tavorin;

namespace {
QString out;

void save(QWidget& w, const char* name) {
    w.show();
    w.raise();
    if (!QTest::qWaitForWindowExposed(&w)) qWarning("%s was not shown in time", name);
    QApplication::processEvents();
    if (!w.grab().save(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")))
        qFatal("could not write %s", name);
}

void windowsOfTheStart(const QString& folder) {
    // Saved games with their players, and one file that is not a game.
    const std::pair<const char*, std::array<std::string, kMaxPlayers + 1>> games[] = {
        {"เกมวันอาทิตย์", {"", "สมชาย", "สมหญิง", "มานี", "Computer", "", ""}},
        {"ครอบครัว", {"", "พ่อ", "แม่", "", "", "", ""}},
    };
    for (const auto& [name, players] : games) {
        test::ScriptedRandom random;
        test::QuietView view;
        Game g(random, view);
        NewGameSetup setup;
        setup.numPlayers = players[4].empty() ? 2 : 4;
        setup.names = players;
        g.NewGame(setup);
        if (saveGameFile(g.state(), std::filesystem::path(folder.toStdU16String()), name))
            qWarning("could not save %s", name);
    }
    QFile notAGame(folder + QStringLiteral("/สมชายกับมานี.dat"));
    if (notAGame.open(QIODevice::WriteOnly)) notAGame.write("x");
    setupui::StartWindow start(folder);
    start.setQuitHandler([] {});
    start.setLoadGameAvailable(true);
    start.setHallOfFameAvailable(true);
    start.refreshFileList();
    start.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("เกมใหม่"));
    save(start, "start");

    setupui::SetupWindow& setup = start.setupWindow();
    setup.setQuitHandler([] {});
    setup.findChild<QRadioButton*>(QStringLiteral("Option4"))->click();
    const char* names[] = {"สมชาย", "สมหญิง", "มานี", "Computer"};
    for (int k = 1; k <= 4; ++k)
        setup.findChild<QLineEdit*>(QStringLiteral("PlayerName%1").arg(k))
            ->setText(QString::fromUtf8(names[k - 1]));
    setup.findChild<QComboBox*>(QStringLiteral("CmbType4"))->setCurrentText(QStringLiteral("คอมพิวเตอร์"));
    setup.findChild<QCheckBox*>(QStringLiteral("CheckEndRule"))->setChecked(true);
    save(setup, "setup");
    setup.hide();
    start.hide();
}

void gameInProgress() {
    test::ScriptedRandom random;
    app::MainWindow w(random);
    w.setQuitHandler([] {});
    NewGameSetup setup;
    setup.numPlayers = 4;
    setup.names = {"", "สมชาย", "สมหญิง", "มานี", "Computer"};
    setup.computer[4] = true;
    w.newGame(setup);
    Game& g = w.game();
    GameState& s = g.stateToSetUp();
    // Some laps in: land bought and built on, a tower, a mortgage, the tokens spread round.
    const std::pair<int, int> owned[] = {{1, 1},  {1, 2},  {2, 5},  {2, 6},  {4, 9},  {3, 12},
                                         {3, 15}, {1, 20}, {2, 27}, {4, 24}, {2, 29}, {3, 22}};
    for (auto [player, deed] : owned) g.addDeed(player, deed);
    s.deed(1).Houses = 2;
    s.deed(2).Houses = 1;
    s.deed(5).Houses = 4;
    s.deed(5).Towers = 1;
    s.deed(15).Houses = 3;
    s.deed(29).Houses = 1;
    s.deed(12).Mortgaged = kTrue;
    g.PlayerMoneyChange(1, -4100);
    g.PlayerMoneyChange(2, -8600);
    g.PlayerMoneyChange(3, -2900);
    const std::tuple<int, int, int, int> places[] = {
        {2, 14, 2760 + 300, 4320 + 260}, {3, 26, 6120 + 420, 1920 + 300}, {4, 35, 6720 + 360, 3720 + 240}};
    for (auto [player, square, left, top] : places) {
        s.player(player).Position = std::uint8_t(square);
        s.tokenLeft[std::size_t(player)] = std::int16_t(left);
        s.tokenTop[std::size_t(player)] = std::int16_t(top);
    }
    s.player(1).Position = 31;
    s.tokenLeft[1] = 9960 + 330;
    s.tokenTop[1] = 1080 + 250;
    g.ChangeDeedOnMain();
    // Player 1 has rolled 3 + 3 and is to carry the token onto free land: both pointers out.
    random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
    g.RunButton_Click();
    g.Timer1_Timer();
    g.Timer2_Timer();
    g.StopButton_Click();
    g.boardToSetUp().arrow2.visible = true;
    w.sync();
    save(w.board(), "board");
    // The board with the names and prices shown, and made larger.
    s.namesShown = true;
    w.sync();
    const QSize designed = w.board().size();
    w.board().resize(designed * 5 / 4);
    save(w.board(), "board-names");
    w.board().resize(designed);
    s.namesShown = false;
    // The move made: the square asks its question on the main window.
    g.PressToken(1);
    g.DropToken(1, 37, 420, 380, 250, 250);
    w.sync();
    save(w, "main");
    // The same moment with the board and the controls in one window, as large as a laptop's and a
    // full-HD screen leave room for under a title bar and a panel, with the game's log docked.
    w.setWindowLayout(app::WindowLayout::OneWindow);
    w.showGameLog(true);
    for (const auto& [size, name] : {std::pair{QSize(1366, 768), "one-window-1366x768"},
                                     std::pair{QSize(1920, 1080), "one-window-1920x1080"}}) {
        w.resize(size - QSize(0, 70));
        save(w, name);
    }
    w.showGameLog(false);
    w.setWindowLayout(app::WindowLayout::TwoWindows);
    w.board().hide();
    w.hide();
}

// A seeded game of four computers with their history: at turn `turns`, or to its end (0).
struct PlayedGame {
    SeededRandom random{20261211};
    HeadlessView view;
    Game game{random, view};
    WealthHistory history{game.state()};
    explicit PlayedGame(int turns) {
        NewGameSetup setup;
        setup.numPlayers = 4;
        setup.names = {"", "สมชาย", "สมหญิง", "มานี", "ปิติ"};
        for (int k = 1; k <= 4; ++k) setup.computer[std::size_t(k)] = true;
        setup.endRule = {EndKind::Laps, 30};
        game.addObserver(history);
        game.NewGame(setup);
        playComputerGame(game, view, turns);
    }
};

void wealthCharts() {
    PlayedGame midGame(240);
    ui::WealthChartWindow window;
    window.chart().setHistory(midGame.history.upToNow(), midGame.game.state());
    save(window, "wealth");
    window.hide();

    PlayedGame whole(0);
    halloffame::WinWindow win;
    win.setQuitHandler([] {});
    win.SetValueInWinForm(SET_WR(whole.game.state(), whole.view.winner));
    win.showWealth(whole.history.upToNow(), whole.game.state());
    save(win, "winner-chart");
    win.hide();
}

void theWinner() {
    HallRecord r;
    r.Name = "สมหญิง";
    r.Money = 48250;
    r.TotalAsset = 91750;
    for (int d : {1, 5, 9, 13, 20, 22, 27, 28, 29}) {
        DeedRecord rec;
        const DeedData& data = kDeedTable[std::size_t(d)];
        rec.Name = std::string(data.name);
        rec.LandType = std::uint8_t(data.landType);
        rec.Houses = data.landType == LandType::Single ? std::int16_t(d % 5) : 0;
        rec.Towers = d == 29 ? 1 : 0;
        rec.Mortgaged = d == 22 ? kTrue : kFalse;
        r.DeedLines[++r.DeedCount] = HoldingsLine(d, rec).text();
    }
    halloffame::WinWindow win;
    win.setQuitHandler([] {});
    // As the program shows it, with a new game and the start window beside the ways out.
    win.setNextGameAvailable(true);
    win.SetValueInWinForm(r);
    save(win, "winner");
    win.hide();
}
} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    ui::useThaiFont(qapp);
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    test::MessageRecorder messages; // the computer's and the rules' message boxes are answered OK
    QTemporaryDir folder;
    windowsOfTheStart(folder.path());
    gameInProgress();
    theWinner();
    wealthCharts();
    app::HelpWindow help;
    save(help, "help");
    return 0;
}
