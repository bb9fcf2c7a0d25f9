// The wealth chart through the windows: opened from มุมมอง while the game goes on, kept up to date
// while it is open, and shown in the winner window, each player's line ending where he went
// bankrupt. The worths are summed by hand from the deed table.
#include <QAction>
#include <QApplication>

#include "halloffame/HallWindows.h"
#include "tests/app/AppHarness.h"
#include "ui/Pictures.h"
#include "ui/WealthChart.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

NewGameSetup threePlayers() {
    NewGameSetup setup;
    setup.numPlayers = 3;
    setup.names = {"", "สมชาย", "สมหญิง", "มานี", "", "", ""};
    return setup;
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

// Each line as "name: turn=worth ...", with " x" when it ends at a bankruptcy.
QStringList described(const ui::WealthChart& chart) {
    QStringList out;
    for (const ui::WealthLine& l : chart.lines()) {
        QString text = l.name + QLatin1Char(':');
        for (const QPointF& p : l.points)
            text += QStringLiteral(" %1=%2").arg(qRound(p.x())).arg(qRound64(p.y()));
        if (l.wentBankrupt) text += QStringLiteral(" x");
        out << text;
        if (l.colour != ui::tokenColour(l.player)) out << QStringLiteral("wrong colour");
    }
    return out;
}

} // namespace

class WealthChartTest : public QObject {
    Q_OBJECT

private slots:
    void chartFollowsTheGameAndEndsInTheWinnerWindow() {
        AppHarness h(threePlayers());
        // Player 2 holds deed 2 (square 3) with four houses and its tower: 600 + 2000 + 2500, and
        // 5000 in cash; its rent is 4500. Player 3 has 1000 and nothing to sell.
        h.game().addDeed(2, 2);
        h.s().deed(2).Houses = 4;
        h.s().deed(2).Towers = 1;
        h.game().PlayerMoneyChange(2, -10000);
        h.game().PlayerMoneyChange(3, -14000);
        h.main.sync();

        QVERIFY(h.roll(1, 2)); // player 1 pays the rent
        h.carryToSquare(1, 3);
        h.click("OKButtonInNotOwnSingleLand");
        QVERIFY(h.roll(3, 3)); // player 2 leaves free land
        h.carryToSquare(2, 6);
        h.click("CancelButtonInFreeLand");
        QVERIFY(h.roll(1, 2)); // player 3 cannot pay: bankrupt, his 1000 to player 2
        h.carryToSquare(3, 3);
        h.click("OKButtonInNotOwnSingleLand");
        QCOMPARE(h.s().player(3).Bankrupt, kTrue);

        auto* action = h.main.findChild<QAction*>(QStringLiteral("WealthChartAction"));
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->text(), q("กราฟความมั่งคั่ง"));
        action->trigger();
        QWidget* window = topLevel("WealthChartWindow");
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), q("กราฟความมั่งคั่ง"));
        QVERIFY(window->width() <= 1366 && window->height() <= 768);
        auto* open = window->findChild<ui::WealthChart*>(QStringLiteral("WealthChart"));
        QCOMPARE(described(*open), (QStringList{q("สมชาย: 0=15000 1=10500 2=10500 3=10500"),
                                                q("สมหญิง: 0=10100 1=14600 2=14600 3=15600"),
                                                q("มานี: 0=1000 1=1000 2=1000 3=0 x")}));

        // Player 1 is left with 100 baht between turns (which counts for the turn just played) and
        // nothing to sell, and goes bankrupt on the tax square: player 2 wins.
        h.game().PlayerMoneyChange(1, -10400);
        h.s().player(1).Position = 32;
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 38);
        h.click("OKButtonInTaxFrame");
        halloffame::WinWindow& win = h.main.winForm();
        QVERIFY(win.isVisible());
        auto* final = win.findChild<ui::WealthChart*>(QStringLiteral("WealthChart"));
        QVERIFY(final && final->isVisible());
        const QStringList atTheEnd{q("สมชาย: 0=15000 1=10500 2=10500 3=100 4=0 x"),
                                   q("สมหญิง: 0=10100 1=14600 2=14600 3=15600 4=15600"),
                                   q("มานี: 0=1000 1=1000 2=1000 3=0 x")};
        QCOMPARE(described(*final), atTheEnd);
        QCOMPARE(described(*open), atTheEnd); // the open window followed the game
        QVERIFY(win.width() <= 1366 && win.height() <= 768);
        window->close();
    }
};

QTEST_MAIN(WealthChartTest)
#include "WealthChartTest.moc"
