// Plays into the middle of a game and saves pictures of the main window, the board and the deed
// card, to look at by eye: screenshots DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/MainWindow.h"
#include "board/BoardWindow.h"
#include "dealings/DeedCardWindow.h"
#include "tests/ui/QtSupport.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    ui::useThaiFont(qapp);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    test::ScriptedRandom random;
    test::MessageRecorder messages;
    app::MainWindow w(random);
    NewGameSetup setup;
    setup.numPlayers = 4;
    setup.names = {"", "สมชาย", "สมหญิง", "Computer", "มานี"};
    setup.computer[3] = true;
    w.newGame(setup);
    Game& g = w.game();
    GameState& s = g.stateToSetUp();
    // A game some way in: land bought and built on, one deed mortgaged, the tokens spread out.
    g.addDeed(1, 1);
    s.deed(1).Houses = 2;
    g.addDeed(2, 5);
    s.deed(5).Towers = 1;
    s.deed(5).Houses = 4;
    g.addDeed(3, 9);
    g.addDeed(4, 12);
    s.deed(12).Mortgaged = kTrue;
    g.addDeed(2, 29);
    s.deed(29).Houses = 1;
    g.PlayerMoneyChange(1, -3200);
    g.PlayerMoneyChange(2, -9100);
    s.player(2).Position = 6;
    s.tokenLeft[2] = 4440 + 300;
    s.tokenTop[2] = 5520 + 250;
    s.player(3).Position = 12;
    s.tokenLeft[3] = 600 + 400;
    s.tokenTop[3] = 5520 + 200;
    s.player(1).Position = 35;
    g.ChangeDeedOnMain();
    // Player 1 rolls 3 + 3 past the start onto deed 1, his own land, and the bonus is armed.
    random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
    g.RunButton_Click();
    g.Timer1_Timer();
    g.Timer2_Timer();
    g.StopButton_Click();
    // The move, with both pointers out and the names and prices shown.
    s.namesShown = true;
    g.boardToSetUp().arrow2.visible = true;
    w.sync();
    w.board().show();
    qapp.processEvents();
    w.board().grab().save(dir + QStringLiteral("/map-move.png"));
    w.grab().save(dir + QStringLiteral("/main-move.png"));
    s.namesShown = false;
    g.PressToken(1);
    g.DropToken(1, 1, 500, 500, 250, 250);
    w.sync();
    w.show();
    w.viewDeed(1);
    qapp.processEvents();
    w.grab().save(dir + QStringLiteral("/main.png"));
    w.board().grab().save(dir + QStringLiteral("/map.png"));
    w.deedCard().grab().save(dir + QStringLiteral("/deed.png"));

    // Each decision frame in turn, the land frames filled as the rules fill them.
    g.ResetFrames();
    s.NV = 1;
    s.deed(12).Mortgaged = kFalse;
    g.addDeed(4, 19);
    QWidget* area = w.findChild<QWidget*>(QStringLiteral("DecisionArea"));
    const std::pair<Ctl, int> frames[] = {{Ctl::FreeLandFrame, 2},
                                          {Ctl::OwnSingleLandFrame, 1},
                                          {Ctl::OwnNotSingleLandFrame, 0},
                                          {Ctl::OwnMortgageLandFrame, 0},
                                          {Ctl::NotOwnSingleLandFrame, 5},
                                          {Ctl::NotOwnNotSingleLandFrame, 12},
                                          {Ctl::NotOwnMortgageLandFrame, 0},
                                          {Ctl::TaxFrame, 0},
                                          {Ctl::TreasureFrame, 0},
                                          {Ctl::FateFrame, 0},
                                          {Ctl::StartFrame, 0},
                                          {Ctl::RelaxFrame, 0},
                                          {Ctl::DishonestFrame, 0},
                                          {Ctl::FirstFrame, 0}};
    s.deed(29).Towers = 1;
    s.deed(29).Houses = 4;
    g.setLabel(Ctl::LabelTreasure, s.TreasureCards[12].Text);
    g.setLabel(Ctl::LabelFate, s.FateCards[5].Text);
    for (const auto& [frame, deed] : frames) {
        for (Ctl f : Game::kDecisionFrames) g.screenToSetUp()[f].visible = false;
        if (deed != 0) g.fillLandFrame(deed);
        g.screenToSetUp()[frame].visible = true;
        w.sync();
        qapp.processEvents();
        area->grab().save(dir + QStringLiteral("/frame-%1.png").arg(ui::qs(controlName(frame))));
    }
    return 0;
}
