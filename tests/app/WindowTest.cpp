// The main window as a window: its controls and their design captions, the deed card from every
// place that opens it, and leaving the program.
#include <QGroupBox>
#include <QListWidget>

#include "dealings/DeedCardWindow.h"
#include "halloffame/HallWindows.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

class WindowTest : public QObject {
    Q_OBJECT

    static void checkCard(DeedCardWindow& card, const QString& number, const char* frame) {
        QVERIFY(card.isVisible());
        QCOMPARE(card.findChild<QLabel*>(QStringLiteral("DeedNo"))->text(), number);
        for (const char* f : {"SingleFrame", "CoupleFrame", "MultiFrame"})
            QCOMPARE(!card.findChild<QWidget*>(QString::fromLatin1(f))->isHidden(), QByteArray(f) == frame);
    }
    static QString cardLabel(DeedCardWindow& card, const char* name) {
        return card.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private slots:
    void windowCarriesItsTitleAndDesignCaptions() {
        AppHarness h;
        QCOMPARE(h.main.objectName(), QStringLiteral("MAIN"));
        QCOMPARE(h.main.windowTitle(), q("เกมทาวอริน"));
        QCOMPARE(h.main.board().windowTitle(), QStringLiteral("Map"));
        QVERIFY(h.main.isVisible());
        QVERIFY(h.main.board().isVisible());
        // Every decision frame is a hidden notice until the rules open it.
        for (Ctl f : Game::kDecisionFrames) {
            auto* frame = h.find<QGroupBox>(std::string(controlName(f)).c_str());
            QCOMPARE(frame->title(), q("ประกาศ"));
            QVERIFY(frame->isHidden());
        }
        // Captions the rules never write survive every refresh.
        h.main.sync();
        QCOMPARE(h.text("LabelOwnSingleLand5"), q("ท่านต้องการจะซื้อ บ้าน/ตึก เพิ่มหรือไม่?"));
        QCOMPARE(h.text("RunButton"), q("ทอย"));
        QCOMPARE(h.text("OpgBonus2"), q("สังซื้อบ้าน 1 หลังจาก"));
        QCOMPARE(h.text("labelcom3"), q("คอมฯ"));
        QCOMPARE(h.text("LabelName1"), q("Player1"));
        QCOMPARE(h.text("PlayerButton2"), q("Player2"));
        QCOMPARE(h.text("LabelMoney2"), q("15000"));
        QVERIFY(h.find<QAbstractButton>("OpgSpeed3")->isChecked());
        QVERIFY(h.shown("LabelName2"));
        QVERIFY(!h.shown("LabelName3"));
        for (int face = 1; face <= 6; ++face)
            QVERIFY(h.main.findChild<QWidget*>(QStringLiteral("cube2_%1").arg(face)));
    }

    void boardDoubleClickOpensTheRightCard_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("frame");
        QTest::newRow("single land") << 1 << "1"
                                     << "SingleFrame";
        QTest::newRow("pair land") << 12 << "9"
                                   << "CoupleFrame";
        QTest::newRow("group land") << 4 << "3"
                                    << "MultiFrame";
        QTest::newRow("last land square") << 39 << "29"
                                          << "SingleFrame";
    }
    void boardDoubleClickOpensTheRightCard() {
        QFETCH(int, square);
        QFETCH(QString, number);
        QFETCH(QString, frame);
        AppHarness h;
        QTest::mouseDClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(square));
        checkCard(h.main.deedCard(), number, frame.toLatin1().constData());
        QCOMPARE(cardLabel(h.main.deedCard(), "DeedOwnName"), q("ยังไม่มีเจ้าของ"));
        QVERIFY(h.main.deedCard().findChild<QLabel*>(QStringLiteral("DeedStatus"))->isHidden());
    }

    void cardShowsOwnerMortgageAndBuildings() {
        AppHarness h;
        h.game().addDeed(2, 29);
        h.s().deed(29).Houses = 4;
        h.s().deed(29).Towers = 1;
        h.main.viewDeed(29);
        DeedCardWindow& card = h.main.deedCard();
        QCOMPARE(cardLabel(card, "DeedName"), q("เกาะสมุย"));
        QCOMPARE(cardLabel(card, "DeedOwnName"), q("Player2"));
        QCOMPARE(cardLabel(card, "tower"), QStringLiteral("20000"));
        QCOMPARE(cardLabel(card, "numofhouse"), QStringLiteral("4"));
        QCOMPARE(cardLabel(card, "numoftower"), QStringLiteral("1"));
        // The pair card afterwards shows only its own table.
        h.game().addDeed(1, 22);
        h.s().deed(22).Mortgaged = kTrue;
        h.main.viewDeed(22);
        checkCard(card, QStringLiteral("22"), "CoupleFrame");
        QVERIFY(!card.findChild<QLabel*>(QStringLiteral("DeedStatus"))->isHidden());
        QCOMPARE(cardLabel(card, "CoupleTwo"), QStringLiteral("2250"));
    }

    void frameButtonAndDeedListOpenTheCard() {
        AppHarness h;
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("ViewDeed7");
        checkCard(h.main.deedCard(), QStringLiteral("5"), "SingleFrame");
        QVERIFY(h.shown("FreeLandFrame")); // viewing the deed closes nothing

        h.main.deedCard().hide();
        auto* list = h.find<QListWidget>("DeedList");
        list->setCurrentItem(nullptr);
        h.click("ViewDeedButton");
        QVERIFY(!h.main.deedCard().isVisible());
        list->setCurrentRow(11);
        h.click("ViewDeedButton");
        checkCard(h.main.deedCard(), QStringLiteral("12"), "MultiFrame");
    }

    // Tabbing into the deed list makes its first line current without choosing it: "ดูโฉนด" opens
    // nothing, and a refresh of the list does not choose it either. A click chooses.
    void focusAloneChoosesNoDeed() {
        AppHarness h;
        auto* list = h.find<QListWidget>("DeedList");
        test::tabInto(list);
        QCOMPARE(list->currentRow(), 0);
        h.click("ViewDeedButton");
        QVERIFY(!h.main.deedCard().isVisible());
        h.game().addDeed(1, 3);
        h.game().ChangeDeedOnMain();
        h.main.sync();
        h.click("ViewDeedButton");
        QVERIFY(!h.main.deedCard().isVisible());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
        h.click("ViewDeedButton");
        checkCard(h.main.deedCard(), QStringLiteral("5"), "SingleFrame");
    }

    void exitAsksFirst_data() {
        QTest::addColumn<bool>("closeWindow");
        QTest::addColumn<QString>("question");
        QTest::newRow("Exit button") << false << q("คุณต้องการจะออกจากเกมแน่นะ");
        QTest::newRow("closing the window") << true << q("จะออกจากเกมแน่รึเปล่า");
    }
    void exitAsksFirst() {
        QFETCH(bool, closeWindow);
        QFETCH(QString, question);
        AppHarness h;
        auto leave = [&] {
            if (closeWindow)
                h.main.close();
            else
                h.click("ExitButton");
        };
        h.messages.answers = {MsgResult::Cancel};
        leave();
        QCOMPARE(h.messages.lastTitle(), QStringLiteral("Confirm exit"));
        QCOMPARE(h.messages.lastText(), question);
        QCOMPARE(h.messages.shown.back().buttons, MsgButtons::OkCancel);
        QCOMPARE(h.messages.shown.back().icon, MsgIcon::Question);
        QCOMPARE(h.quits, 0);
        QVERIFY(h.main.isVisible());
        h.messages.answers = {MsgResult::Ok};
        leave();
        QCOMPARE(h.quits, 1);
    }

    void lastPlayerLeftIsShownTheWinnerWindow() {
        AppHarness h;
        h.game().PlayerMoneyChange(1, -14900); // 100 baht and nothing to sell
        h.s().player(1).Position = 32;
        QVERIFY(h.roll(3, 3)); // onto the tax square
        h.carryToSquare(1, 38);
        QVERIFY(h.shown("TaxFrame"));
        h.click("OKButtonInTaxFrame");
        QVERIFY(h.messages.saw(q("ท่านไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ท่านล้มละลาย")));
        QVERIFY(!h.main.isVisible());
        QVERIFY(!h.main.board().isVisible());
        QVERIFY(h.main.winForm().isVisible());
        QCOMPARE(h.main.winForm().findChild<QLabel*>(QStringLiteral("WLabelName"))->text(), q("Player2"));
        QCOMPARE(h.quits, 0);
    }

    void boardAndMainWindowCallEachOther() {
        AppHarness h;
        h.main.board().hide();
        h.game().boardToSetUp().visible = false;
        h.click("Command2");
        QVERIFY(h.main.board().isVisible());
        h.main.hide();
        QTest::mouseClick(h.main.board().findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(h.main.isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
