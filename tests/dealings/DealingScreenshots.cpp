// Pictures of the dealing windows in the middle of a game, to look at by eye:
// dealings_screenshots DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include "app/MainWindow.h"
#include "dealings/DealingsWindows.h"
#include "tests/ui/QtSupport.h"
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
    setup.numPlayers = 5;
    setup.names = {"", "สมชาย", "สมหญิง", "Computer", "มานี", "ประเสริฐศักดิ์"};
    setup.computer[3] = true;
    w.newGame(setup);
    Game& g = w.game();
    GameState& s = g.stateToSetUp();
    // The longest names of the board, buildings up to a tower, two deeds mortgaged.
    const struct {
        int deed, houses, towers;
        bool mortgaged;
    } holdings[] = {{1, 2, 0, false},  {7, 4, 1, false}, {20, 0, 0, true}, {12, 0, 0, false},
                    {16, 1, 0, false}, {29, 0, 0, true}, {9, 0, 0, false}};
    for (const auto& h : holdings) {
        g.addDeed(1, h.deed);
        s.deed(h.deed).Houses = std::int16_t(h.houses);
        s.deed(h.deed).Towers = std::int16_t(h.towers);
        s.deed(h.deed).Mortgaged = h.mortgaged ? kTrue : kFalse;
    }
    g.PlayerMoneyChange(1, -2150);
    g.ChangeDeedOnMain();
    w.show();
    w.sync();

    DealingsWindows& d = w.dealings();
    auto save = [&](QWidget& window, const char* name) {
        qapp.processEvents();
        window.grab().save(dir + QStringLiteral("/%1.png").arg(QString::fromLatin1(name)));
    };
    auto act = [&](const std::function<void(Dealings&)>& event) { d.act(event); };

    d.PlayerButton_Click(1);
    save(d.playerForm(), "playerform");
    act([](Dealings& x) { x.SellButton_Click(); });
    save(d.sellForm(), "sellform");

    act([](Dealings& x) {
        x.MortgageButton_Click();
        x.mortgage.select(0);
        x.mortgage.PressTransButtonInMortgage();
        x.mortgage.select(2);
    });
    save(d.mortgage(), "mortgage");
    // The whole screen as the person sees it: each window over the one it was opened from. The
    // display needs a moment to map the new windows.
    for (int i = 0; i < 20; ++i) {
        qapp.processEvents();
        QThread::msleep(25);
    }
    qapp.primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/screen-mortgage.png"));
    act([](Dealings& x) { x.MortgageForm_Unload(); });

    act([](Dealings& x) {
        x.SellBankButton_Click();
        x.sellBank.select(1);
        x.sellBank.PressTransButtonInSellBank(); // the tower
        x.sellBank.select(1);
        x.sellBank.PressTransButtonInSellBank(); // a house
        x.sellBank.select(3);
        x.sellBank.PressTransButtonInSellBank(); // bare land
        x.sellBank.select(0);
    });
    save(d.sellBank(), "sellbank");
    act([](Dealings& x) { x.SellBankForm_Unload(); });

    act([](Dealings& x) {
        x.BidButton_Click();
        x.bid.select(0);
        x.bid.choose(5);
        x.bid.BidAmount = "5000";
    });
    save(d.bid(), "bid");
    act([](Dealings& x) { x.BidOKButton_Click(); });
    save(d.confirmBid(), "confirmbid");
    act([](Dealings& x) {
        x.ConfirmBidCancelButton_Click();
        x.BidForm_Unload();
        x.SellForm_Unload();
    });

    act([](Dealings& x) {
        x.RedeemButton_Click();
        x.redeem.select(0);
        x.redeem.PressTransButtonInRedeem();
    });
    save(d.redeem(), "redeem");
    act([](Dealings& x) { x.RedeemForm_Unload(); });

    // A computer's holdings: no sale offered.
    g.addDeed(3, 3);
    d.PlayerButton_Click(3);
    save(d.playerForm(), "playerform-computer");
    return 0;
}
