// A person's turn on screen: the dice, the token carried on the board, the decision frames, the
// lap bonus, refusals, a shortage, and the hand-over to the next player.
#include <QListWidget>

#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {
bool marksCurrentPlayer(QWidget* name) {
    return name->autoFillBackground() && name->palette().color(QPalette::Window) == app::kCurrentPlayerColour;
}
} // namespace

class TurnTest : public QObject {
    Q_OBJECT
private slots:
    void wholeTurnFromTheDiceToTheNextPlayer() {
        AppHarness h;
        h.s().player(1).Position = 35;
        QVERIFY(marksCurrentPlayer(h.find("LabelName1")));
        QVERIFY(h.enabled("RunButton"));
        QVERIFY(!h.enabled("StopButton"));

        QVERIFY(h.roll(3, 3)); // 35 + 6 passes the start onto square 1, deed 1
        QCOMPARE(h.text("Text1"), q("ทอยได้ 6 แต้ม"));
        QVERIFY(!h.enabled("RunButton"));
        QVERIFY(!h.enabled("StopButton"));
        QVERIFY(!h.main.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(h.shown("cube1_3"));
        QVERIFY(!h.shown("cube1_1"));

        const Rect home = board::tokenRect(h.s(), 1);
        h.carryToSquare(1, 2); // the wrong square: nothing happens
        QCOMPARE(board::tokenRect(h.s(), 1).left, home.left);
        QVERIFY(!h.shown("FreeLandFrame"));

        h.carryToSquare(1, 1);
        QVERIFY(h.shown("FreeLandFrame"));
        QCOMPARE(h.text("LabelFreeLand1"), q("บางปะอิน"));
        QCOMPARE(h.text("LabelFreeLand2"), q("ที่ดินเดี่ยว"));
        QVERIFY(h.enabled("CheckFreeLand"));
        QVERIFY(h.enabled("BonusFrame"));
        QCOMPARE(h.find("BonusFrame")->palette().color(QPalette::Window), app::kBonusArmedColour);

        h.click("OKButtonInFreeLand");
        QVERIFY(!h.shown("FreeLandFrame"));
        QCOMPARE(h.text("LabelMoney1"), q("14400"));
        QCOMPARE(h.find<QListWidget>("DeedList")->item(0)->text(), q("1  บางปะอิน *"));
        QVERIFY(!h.enabled("RunButton")); // the bonus is still open

        h.click("OKButtonInBonus");
        QCOMPARE(h.text("LabelMoney1"), q("16400"));
        QVERIFY(!h.enabled("BonusFrame"));
        QCOMPARE(h.find("BonusFrame")->palette().color(QPalette::Window), app::kBonusDisarmedColour);
        QVERIFY(marksCurrentPlayer(h.find("LabelName2")));
        QVERIFY(!marksCurrentPlayer(h.find("LabelName1")));
        QVERIFY(h.enabled("RunButton"));
        QVERIFY(h.messages.shown.empty());
    }

    void houseBonusIsChosenFromTheList() {
        AppHarness h;
        h.game().addDeed(1, 2);
        h.game().ChangeDeedOnMain();
        h.s().player(1).Position = 34;
        QVERIFY(h.roll(3, 3)); // to square 0, the start
        h.carryToSquare(1, 0);
        QVERIFY(h.shown("StartFrame"));
        h.click("OpgBonus2");
        auto* list = h.find<QComboBox>("CmbBonus");
        QVERIFY(list->isEnabled());
        QCOMPARE(list->count(), 1);
        h.click("OKButtonInBonus"); // nothing chosen yet
        QCOMPARE(h.messages.lastText(), q("ยังไม่ได้เลือกโฉนด"));
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(h.enabled("OKButtonInBonus"));
        list->activated(0);
        QVERIFY(list->isEnabled());
        h.click("OKButtonInBonus");
        QCOMPARE(int(h.s().deed(2).Houses), 1);
        QCOMPARE(h.text("LabelMoney1"), q("16500"));
        h.click("OKButtonInStart");
        QVERIFY(marksCurrentPlayer(h.find("LabelName2")));
    }

    void refusedPurchaseLeavesTheFrameOpen() {
        AppHarness h;
        h.game().PlayerMoneyChange(1, -14500); // 500 left; deed 5 costs 1000
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("FreeLandFrame"));
        h.click("CheckFreeLand");
        h.click("OKButtonInFreeLand");
        QCOMPARE(h.messages.lastText(), q("เงินของท่านมีไม่พอชำระ"));
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(h.shown("FreeLandFrame"));
        QVERIFY(!h.find<QAbstractButton>("CheckFreeLand")->isChecked());
        QCOMPARE(int(h.s().Continue), 1);
        QCOMPARE(h.text("LabelMoney1"), q("500"));
        QVERIFY(!h.enabled("RunButton"));

        h.click("CancelButtonInFreeLand");
        QVERIFY(!h.shown("FreeLandFrame"));
        QVERIFY(marksCurrentPlayer(h.find("LabelName2")));
    }

    void shortageEnablesOnlyTheDebtorsButton() {
        NewGameSetup setup;
        setup.numPlayers = 3;
        AppHarness h(setup);
        h.game().addDeed(1, 1);
        h.game().addDeed(2, 5);
        h.s().deed(5).Houses = 1; // rent 300
        h.game().PlayerMoneyChange(1, -14900);
        h.game().ChangeDeedOnMain();
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("NotOwnSingleLandFrame"));
        QCOMPARE(h.text("LabelNotOwnSingleLand5"), q("300"));
        h.click("OKButtonInNotOwnSingleLand");
        QVERIFY(h.messages.lastText().startsWith(q("เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์")));
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(h.shown("NotOwnSingleLandFrame"));
        QVERIFY(h.enabled("PlayerButton1"));
        QVERIFY(!h.enabled("PlayerButton2"));
        QVERIFY(!h.enabled("PlayerButton3"));
        QCOMPARE(int(h.s().checkdiscount), int(kTrue));

        // Money raised elsewhere: the same button pays and everything is enabled again.
        h.game().PlayerMoneyChange(1, 480);
        h.click("OKButtonInNotOwnSingleLand");
        QVERIFY(!h.shown("NotOwnSingleLandFrame"));
        QCOMPARE(h.text("LabelMoney1"), q("280"));
        QCOMPARE(h.text("LabelMoney2"), q("15300"));
        for (const char* b : {"PlayerButton1", "PlayerButton2", "PlayerButton3"}) QVERIFY(h.enabled(b));
    }

    void cardSquareAnnouncesTheCardBeforeItsFrame() {
        AppHarness h;
        h.s().TreasureOrder[1] = 3; // "หมาคาบเงินมาให้ 7000"
        QVERIFY(h.roll(1, 1));      // to square 2, a treasure square
        h.carryToSquare(1, 2);
        QCOMPARE(h.messages.lastTitle(), q("หีบสมบัติ"));
        QCOMPARE(h.messages.lastText(), q("พบหีบสมบัติ"));
        QVERIFY(h.shown("TreasureFrame"));
        QCOMPARE(h.text("LabelTreasure"), q("หมาคาบเงินมาให้ 7000"));
        h.click("OkButtonInTreasure");
        QCOMPARE(h.text("LabelMoney1"), q("22000"));
    }

    // The box that announces the card runs an event loop of its own: a second drop on the square
    // made while it is up (or queued as it closes) only moves the token. One card is drawn and one
    // decision opened, and the turn goes on when it is answered.
    void secondDropWhileTheCardIsAnnouncedCountsNothing() {
        AppHarness h;
        h.s().TreasureOrder[1] = 3; // "หมาคาบเงินมาให้ 7000"
        h.s().TreasureOrder[2] = 1;
        QVERIFY(h.roll(1, 1)); // to square 2, a treasure square
        int announced = 0;
        const ui::MessageAnswerer recorder = ui::setMessageAnswerer([&](const ui::MessageRequest&) {
            if (++announced == 1) h.carryToSquare(1, 2);
            return MsgResult::Ok;
        });
        h.carryToSquare(1, 2);
        ui::setMessageAnswerer(recorder);
        QCOMPARE(announced, 1);
        QCOMPARE(int(h.s().OrderNumberOfTreasure), 2);
        QCOMPARE(int(h.s().Continue), 1);
        QVERIFY(h.shown("TreasureFrame"));
        QCOMPARE(h.text("LabelTreasure"), q("หมาคาบเงินมาให้ 7000"));
        h.click("OkButtonInTreasure");
        QCOMPARE(h.text("LabelMoney1"), q("22000"));
        QCOMPARE(int(h.s().NV), 2);
        QVERIFY(h.enabled("RunButton"));
    }

    void saveOnlyWhileTheRollWaits() {
        AppHarness h;
        QVERIFY(h.enabled("SaveButton"));
        QVERIFY(h.enabled("RecButton"));
        h.click("RunButton");
        QVERIFY(!h.enabled("SaveButton"));
        h.click("StopButton");
        QVERIFY(!h.enabled("SaveButton"));
        QVERIFY(h.enabled("RecButton"));
    }
};

QTEST_MAIN(TurnTest)
#include "TurnTest.moc"
