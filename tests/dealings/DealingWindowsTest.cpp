// The dealing windows on screen, driven with the mouse and the keyboard through the whole program:
// the holdings window, the sale menu and its three sales, redemption, how they lock MAIN and the
// board, and a person raising money for a debt.
#include <cstdlib>
#include <string_view>

#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>

#include "dealings/DealingsWindows.h"
#include "dealings/DeedCardWindow.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

template <class W = QWidget> W* in(QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("%s has no control %s", qPrintable(window.objectName()), name);
    return w;
}

void press(QWidget& window, const char* button) {
    QTest::mouseClick(in<QAbstractButton>(window, button), Qt::LeftButton);
}

// An option button takes the click on its indicator or its caption, not beside them.
void choose(QWidget& bid, int buyer) {
    auto* option = in<QRadioButton>(bid, qPrintable(QStringLiteral("OpgPlayer%1").arg(buyer)));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QString textOf(QWidget& window, const char* name) {
    QWidget* w = in(window, name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return {};
}

QStringList linesOf(QWidget& window, const char* list) {
    auto* l = in<QListWidget>(window, list);
    QStringList lines;
    for (int i = 0; i < l->count(); ++i) lines << l->item(i)->text();
    return lines;
}

QPoint rowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

void clickRow(QWidget& window, const char* list, int row) {
    auto* l = in<QListWidget>(window, list);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rowCentre(l, row));
}

void doubleClickRow(QWidget& window, const char* list, int row) {
    auto* l = in<QListWidget>(window, list);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rowCentre(l, row));
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, rowCentre(l, row));
}

int selectedRow(QWidget& window, const char* list) {
    auto* l = in<QListWidget>(window, list);
    return l->selectedItems().isEmpty() ? -1 : l->row(l->selectedItems().front());
}

bool open(QWidget& window) { return window.isVisible(); }
bool live(QWidget& window) { return window.isVisible() && window.isEnabled(); }

QString spaces(int n) { return QString(n, QLatin1Char(' ')); }

// The whole program with the dealing windows at hand.
struct Dealing : AppHarness {
    using AppHarness::AppHarness;

    DealingsWindows& w() { return main.dealings(); }
    QWidget& playerForm() { return w().playerForm(); }
    QWidget& sellForm() { return w().sellForm(); }
    QWidget& mortgage() { return w().mortgage(); }
    QWidget& redeem() { return w().redeem(); }
    QWidget& sellBank() { return w().sellBank(); }
    QWidget& bid() { return w().bid(); }
    QWidget& confirmBid() { return w().confirmBid(); }

    void own(int k, int d, int houses = 0, int towers = 0, bool mortgaged = false) {
        game().addDeed(k, d);
        s().deed(d).Houses = std::int16_t(houses);
        s().deed(d).Towers = std::int16_t(towers);
        s().deed(d).Mortgaged = mortgaged ? kTrue : kFalse;
        game().ChangeDeedOnMain();
        main.sync();
    }
    void setMoney(int k, std::int32_t m) {
        game().PlayerMoneyChange(k, m - s().player(k).Money);
        main.sync();
    }

    // MAIN's player button k, then "ขาย", then one of the sale menu's buttons (if any).
    void openSaleMenu(int k, const char* sale = nullptr) {
        click(qPrintable(QStringLiteral("PlayerButton%1").arg(k)));
        QVERIFY(live(playerForm()));
        press(playerForm(), "SellButton");
        QVERIFY(live(sellForm()));
        if (sale) press(sellForm(), sale);
    }

    // Which of MAIN, Map, PLAYERFORM and SELLFORM take input.
    QList<bool> locks() {
        return {main.isEnabled(), main.board().isEnabled(), playerForm().isEnabled(), sellForm().isEnabled()};
    }
};

} // namespace

class DealingWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsCarryTheirNamesAndCaptions() {
        Dealing h;
        h.own(1, 1, 2);
        h.openSaleMenu(1);
        QCOMPARE(h.playerForm().windowTitle(), q("รายละเอียดของ Player1"));
        QCOMPARE(textOf(h.playerForm(), "SellButton"), q("ขาย"));
        QCOMPARE(textOf(h.playerForm(), "RedeemButton"), q("ไถ่จำนอง"));
        QCOMPARE(h.sellForm().windowTitle(), q("รายละเอียดการขายของ   Player1"));
        QCOMPARE(in<QGroupBox>(h.sellForm(), "Frame1")->title(), q("ประเภทการขาย"));
        const std::pair<const char*, const char*> sales[] = {
            {"SellBankButton", "ขายธนาคาร"}, {"MortgageButton", "จำนอง"}, {"BidButton", "ประมูลราคา"}};
        for (const auto& [name, caption] : sales) QCOMPARE(textOf(h.sellForm(), name), q(caption));

        press(h.sellForm(), "BidButton");
        QCOMPARE(h.bid().windowTitle(), q("รายละเอียดการเสนอราคาประมูลที่ดินของ Player1"));
        QCOMPARE(in<QGroupBox>(h.bid(), "Frame1")->title(), q("ขายให้"));
        QCOMPARE(textOf(h.bid(), "OKButton"), q("ขาย"));
        // The bid list puts one space after a one-digit number.
        QCOMPARE(linesOf(h.bid(), "DeedList"), QStringList{q("1 บางปะอิน") + spaces(31) + q("บ้าน 2 ตึก 0")});
        h.bid().close();
        press(h.sellForm(), "SellBankButton");
        QCOMPARE(h.sellBank().windowTitle(), q("รายละเอียดการขายให้ธนาคารของ  Player1"));
        QCOMPARE(textOf(h.sellBank(), "ResetButton"), q("ยกเลิก"));
        QCOMPARE(textOf(h.sellBank(), "VATPercent"), q("40"));
        h.sellBank().close();
        press(h.sellForm(), "MortgageButton");
        QCOMPARE(h.mortgage().windowTitle(), q("Player1"));
        QCOMPARE(textOf(h.mortgage(), "OKButton"), q("จำนอง"));
        QCOMPARE(textOf(h.mortgage(), "TransButton"), q(">>"));
        QVERIFY(linesOf(h.mortgage(), "DeedList1").isEmpty()); // land with houses cannot be mortgaged
    }

    void holdingsWindowOfPersonsAndComputers() {
        NewGameSetup setup;
        setup.numPlayers = 3;
        setup.computer[3] = true;
        Dealing h(setup);
        h.own(3, 9);
        h.own(3, 12, 0, 0, true);
        h.setMoney(3, 4321);

        h.click("PlayerButton3");
        QVERIFY(open(h.playerForm()));
        QCOMPARE(textOf(h.playerForm(), "Pname"), q("Player3"));
        QCOMPARE(textOf(h.playerForm(), "Pmoney"), q("4321"));
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), (QStringList{q("9  การไฟฟ้า"), q("12 วัดสุทัศน์ (จ.)")}));
        QVERIFY(!in(h.playerForm(), "SellButton")->isEnabled()); // a computer's holdings are not for sale
        QVERIFY(in(h.playerForm(), "RedeemButton")->isEnabled());
        doubleClickRow(h.playerForm(), "PDeedList", 1);
        QTRY_VERIFY(h.main.deedCard().isVisible());
        QCOMPARE(in<QLabel>(h.main.deedCard(), "DeedNo")->text(), QStringLiteral("12"));
        h.main.deedCard().hide();

        // The same window, another player: a person without deeds may still open the sale menu.
        h.click("PlayerButton2");
        QCOMPARE(h.playerForm().windowTitle(), q("รายละเอียดของ Player2"));
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{q("ไม่มีโฉนดเหลือเลย")});
        QVERIFY(in(h.playerForm(), "SellButton")->isEnabled());
        QVERIFY(!in(h.playerForm(), "RedeemButton")->isEnabled());
        doubleClickRow(h.playerForm(), "PDeedList", 0);
        QVERIFY(!h.main.deedCard().isVisible());
        press(h.playerForm(), "SellButton");
        for (const char* b : {"SellBankButton", "MortgageButton", "BidButton"})
            QVERIFY(!in(h.sellForm(), b)->isEnabled());

        h.sellForm().close();
        h.playerForm().close();
        QVERIFY(!open(h.playerForm()));
    }

    // Each window of a dealing comes up centred over the window it was opened from, and stays on
    // the screen when that window stands at its edge.
    void dealingWindowsComeUpOverTheWindowTheyCameFrom() {
        Dealing h;
        h.own(1, 1);
        h.own(1, 9);
        // A window larger than the screen (the bank sale on this small test screen is) starts at the
        // screen's edge instead.
        const QRect room = h.main.screen()->availableGeometry();
        const auto centredOver = [&room](QWidget& window, QWidget& over) {
            const QRect w = window.frameGeometry();
            const QPoint off = w.center() - over.frameGeometry().center();
            return (w.width() > room.width() ? w.left() == room.left() : std::abs(off.x()) <= 1) &&
                   (w.height() > room.height() ? w.top() == room.top() : std::abs(off.y()) <= 1);
        };
        h.main.move(40, 30);
        h.click("PlayerButton1");
        QVERIFY(centredOver(h.playerForm(), h.main));
        h.playerForm().move(300, 200);
        press(h.playerForm(), "SellButton");
        QVERIFY(centredOver(h.sellForm(), h.playerForm()));
        // In the middle of the screen, so that the larger sale windows need not be pushed inside it.
        h.sellForm().move(room.center() - h.sellForm().rect().center());
        for (const char* sale : {"MortgageButton", "SellBankButton", "BidButton"}) {
            QWidget& window = sale == std::string_view("MortgageButton")   ? h.mortgage()
                              : sale == std::string_view("SellBankButton") ? h.sellBank()
                                                                           : h.bid();
            press(h.sellForm(), sale);
            QVERIFY2(centredOver(window, h.sellForm()), sale);
            window.close();
        }

        // The deed card: over the window whose list or square asked for it.
        h.sellForm().close();
        doubleClickRow(h.playerForm(), "PDeedList", 1);
        QTRY_VERIFY(h.main.deedCard().isVisible());
        QVERIFY(centredOver(h.main.deedCard(), h.playerForm()));
        h.main.deedCard().hide();
        h.playerForm().close();
        h.main.board().move(120, 60);
        emit h.main.board().deedRequested(9);
        QVERIFY(h.main.deedCard().isVisible());
        QVERIFY(centredOver(h.main.deedCard(), h.main.board()));
        h.main.deedCard().hide();

        // MAIN pushed to the screen's corner: the holdings window stays whole on the screen.
        h.main.move(room.right() - 60, room.bottom() - 40);
        h.click("PlayerButton1");
        QVERIFY(room.contains(h.playerForm().frameGeometry()));
    }

    // A sale made from the sale menu shows in the holdings window behind it at once, not only
    // after the sale menu closes.
    void holdingsWindowFollowsTheSaleMenu_data() {
        QTest::addColumn<QByteArray>("sale");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("money");
        // Deed 1 costs 600: mortgaged it lends 80 per cent (480); sold to the bank it fetches its
        // price less the 40 per cent tax (360).
        QTest::newRow("mortgage") << QByteArray("MortgageButton") << q("1  บางปะอิน (จ.)") << q("15480");
        QTest::newRow("bank sale") << QByteArray("SellBankButton") << q("ไม่มีโฉนดเหลือเลย") << q("15360");
    }
    void holdingsWindowFollowsTheSaleMenu() {
        QFETCH(QByteArray, sale);
        QFETCH(QString, line);
        QFETCH(QString, money);
        Dealing h;
        h.own(1, 1);
        h.openSaleMenu(1, sale.constData());
        QWidget& window = sale == "MortgageButton" ? h.mortgage() : h.sellBank();
        clickRow(window, "DeedList1", 0);
        press(window, "TransButton");
        press(window, "OKButton");
        QVERIFY(live(h.sellForm()));
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{line});
        QCOMPARE(textOf(h.playerForm(), "Pmoney"), money);
        QVERIFY(!h.playerForm().isEnabled()); // still behind the sale menu
    }

    void saleWindowsLockMainAndTheBoardUntilTheyClose() {
        Dealing h;
        h.own(1, 1);
        h.own(1, 5, 0, 0, true);
        using L = QList<bool>; // MAIN, Map, PLAYERFORM, SELLFORM
        QCOMPARE(h.locks(), (L{true, true, true, true}));

        h.openSaleMenu(1);
        QCOMPARE(h.locks(), (L{false, false, false, true}));
        h.click("PlayerButton2"); // MAIN takes no click
        QCOMPARE(h.playerForm().windowTitle(), q("รายละเอียดของ Player1"));
        h.playerForm().close(); // nor does the locked holdings window close
        QVERIFY(open(h.playerForm()));

        press(h.sellForm(), "MortgageButton");
        QCOMPARE(h.locks(), (L{false, false, false, false}));
        h.mortgage().close();
        QVERIFY(!open(h.mortgage()));
        QCOMPARE(h.locks(), (L{false, false, false, true}));

        press(h.sellForm(), "SellBankButton");
        QCOMPARE(h.locks(), (L{false, false, false, false}));
        h.sellBank().close();
        QCOMPARE(h.locks(), (L{false, false, false, true}));

        press(h.sellForm(), "BidButton");
        QCOMPARE(h.locks(), (L{false, false, false, false}));
        h.bid().close();
        QCOMPARE(h.locks(), (L{false, false, false, true}));

        h.sellForm().close();
        QVERIFY(!open(h.sellForm()));
        QCOMPARE(h.locks(), (L{true, true, true, true}));
        // Unlocking MAIN gives back what the rules enable, and only that.
        QVERIFY(h.enabled("RunButton"));
        QVERIFY(!h.enabled("StopButton"));

        press(h.playerForm(), "RedeemButton");
        QVERIFY(live(h.redeem()));
        QCOMPARE(h.locks(), (L{false, false, false, true}));
        h.redeem().close();
        QCOMPARE(h.locks(), (L{true, true, true, true}));
        QVERIFY(h.messages.shown.empty());
    }

    void messageWhileMainIsLockedCanBeAnswered() {
        // A real message box, not the recorder's answer: it takes input while MAIN is locked, and it
        // stands over the window the person is using.
        Dealing h;
        h.own(1, 5, 0, 0, true);
        h.openSaleMenu(1, "SellBankButton");
        const ui::MessageAnswerer recorder = ui::setMessageAnswerer({});
        bool boxTookInput = false;
        QWidget* owner = nullptr;
        clickRow(h.sellBank(), "DeedList1", 0);
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            watch.stop();
            boxTookInput = box->isEnabled();
            owner = box->parentWidget();
            box->done(QMessageBox::Ok);
        });
        watch.start();
        press(h.sellBank(), "TransButton");
        watch.stop();
        ui::setMessageAnswerer(recorder);
        QVERIFY(boxTookInput);
        QCOMPARE(owner, &h.sellBank());
    }

    void bankSaleOfTwoOfFourHousesLeavesTwo() {
        Dealing h;
        h.own(1, 1, 4);
        h.openSaleMenu(1, "SellBankButton");
        QVERIFY(live(h.sellBank()));
        QCOMPARE(linesOf(h.sellBank(), "DeedList1"),
                 QStringList{q("1  บางปะอิน") + spaces(26) + q("บ้าน 4 ตึก 0")});
        QCOMPARE(textOf(h.sellBank(), "money"), q("15000"));

        clickRow(h.sellBank(), "DeedList1", 0);
        press(h.sellBank(), "TransButton");
        QCOMPARE(linesOf(h.sellBank(), "DeedList1"),
                 QStringList{q("1  บางปะอิน") + spaces(26) + q("บ้าน 3 ตึก 0")});
        QCOMPARE(selectedRow(h.sellBank(), "DeedList1"), -1);
        press(h.sellBank(), "TransButton"); // every further item needs a new choice
        QCOMPARE(linesOf(h.sellBank(), "DeedList3"), QStringList{q("บ้าน  500 หนึ่งหลัง")});
        doubleClickRow(h.sellBank(), "DeedList1", 0);
        QCOMPARE(linesOf(h.sellBank(), "DeedList3"),
                 (QStringList{q("บ้าน  500 หนึ่งหลัง"), q("บ้าน  500 หนึ่งหลัง")}));
        QCOMPARE(textOf(h.sellBank(), "moneybuild"), q("1000"));
        QCOMPARE(textOf(h.sellBank(), "moneyland"), q("0"));
        QCOMPARE(textOf(h.sellBank(), "vat"), q("400"));
        QCOMPARE(textOf(h.sellBank(), "moneysell"), q("600"));
        QCOMPARE(textOf(h.sellBank(), "totalmoney"), q("15600"));
        QCOMPARE(int(h.s().deed(1).Houses), 4); // nothing happens before "ขาย"

        press(h.sellBank(), "OKButton");
        QVERIFY(!open(h.sellBank()));
        QCOMPARE(int(h.s().deed(1).Houses), 2);
        QCOMPARE(int(h.s().deed(1).Towers), 0);
        QCOMPARE(int(h.s().deed(1).Owner), 1);
        QCOMPARE(h.s().player(1).Money, 15600);
        QVERIFY(live(h.sellForm()));
        QCOMPARE(textOf(h.sellForm(), "money"), q("15600"));
        QCOMPARE(h.text("LabelMoney1"), q("15600"));

        h.sellForm().close();
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"),
                 QStringList{q("1  บางปะอิน") + spaces(31) + q("บ้าน 2 ตึก 0")});
        QCOMPARE(textOf(h.playerForm(), "Pmoney"), q("15600"));
    }

    void focusAloneChoosesNoLine() {
        // Tabbing into a list makes its first line current; only a person's choice selects it.
        Dealing h;
        h.own(1, 1);
        h.openSaleMenu(1, "MortgageButton");
        auto* list = in<QListWidget>(h.mortgage(), "DeedList1");
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &tab);
        press(h.mortgage(), "TransButton");
        QVERIFY(linesOf(h.mortgage(), "DeedList2").isEmpty());
        QCOMPARE(textOf(h.mortgage(), "totalsell"), q("0"));
    }

    void resetUndoesEveryChoice() {
        Dealing h;
        h.own(1, 1, 1);
        h.own(1, 9);
        h.openSaleMenu(1, "SellBankButton");
        const QStringList before = linesOf(h.sellBank(), "DeedList1");
        doubleClickRow(h.sellBank(), "DeedList1", 1);
        doubleClickRow(h.sellBank(), "DeedList1", 0);
        QCOMPARE(linesOf(h.sellBank(), "DeedList2").size(), 1);
        QCOMPARE(textOf(h.sellBank(), "moneysell"), q("1200")); // (1500 + 500) less 40 per cent
        press(h.sellBank(), "ResetButton");
        QCOMPARE(linesOf(h.sellBank(), "DeedList1"), before);
        QVERIFY(linesOf(h.sellBank(), "DeedList2").isEmpty());
        QVERIFY(linesOf(h.sellBank(), "DeedList3").isEmpty());
        for (const char* sum : {"moneyland", "moneybuild", "vat", "moneysell"})
            QCOMPARE(textOf(h.sellBank(), sum), q("0"));
        QCOMPARE(textOf(h.sellBank(), "totalmoney"), q("15000"));
    }

    void bidSaleMovesTheDeedWithItsHouses() {
        NewGameSetup setup;
        setup.numPlayers = 4;
        setup.computer[4] = true;
        Dealing h(setup);
        h.own(1, 1, 2);
        h.own(1, 9);
        h.own(2, 3);
        h.openSaleMenu(1, "BidButton");
        QVERIFY(live(h.bid()));
        // Persons other than the seller who are in the game; a computer is shown but cannot buy.
        const bool enabled[] = {false, false, true, true, false, false, false}; // 1..6
        const bool shown[] = {false, true, true, true, true, false, false};     // 1..6
        for (int n = 1; n <= 6; ++n) {
            auto* o = in<QRadioButton>(h.bid(), qPrintable(QStringLiteral("OpgPlayer%1").arg(n)));
            QCOMPARE(!o->isHidden(), shown[n]);
            if (!shown[n]) continue;
            QCOMPARE(o->isEnabled(), enabled[n]);
            QCOMPARE(o->text(), QStringLiteral("Player%1").arg(n));
        }
        doubleClickRow(h.bid(), "DeedList", 1);
        QTRY_VERIFY(h.main.deedCard().isVisible());
        QCOMPARE(in<QLabel>(h.main.deedCard(), "DeedNo")->text(), QStringLiteral("9"));

        clickRow(h.bid(), "DeedList", 0);
        choose(h.bid(), 3);
        choose(h.bid(), 2); // the option buttons are exclusive
        QVERIFY(!in<QRadioButton>(h.bid(), "OpgPlayer3")->isChecked());
        QTest::keyClicks(in(h.bid(), "BidAmount"), QStringLiteral("5000"));
        press(h.bid(), "OKButton");
        QVERIFY(live(h.confirmBid()));
        QVERIFY(!h.bid().isEnabled());
        QCOMPARE(h.confirmBid().windowTitle(), q("ยืนยันการตกลงการซื้อของ Player2"));
        const std::pair<const char*, const char*> shows[] = {
            {"LabelPlayerBid", "Player2"}, {"LabelDeedName", "บางปะอิน"}, {"LabelNumOfHouse", "2"},
            {"LabelNumOfTower", "0"},      {"LabelMoneyBid", "5000"},    {"LabelVat", "40"},
            {"LabelAmountNet", "3000"},    {"OKButton", "ตกลง"},         {"CancelButton", "ไม่ตกลง"}};
        for (const auto& [name, value] : shows) QCOMPARE(textOf(h.confirmBid(), name), q(value));

        // "ไม่ตกลง" goes back with every choice in place; a second try goes through.
        press(h.confirmBid(), "CancelButton");
        QVERIFY(!open(h.confirmBid()));
        QVERIFY(live(h.bid()));
        QCOMPARE(selectedRow(h.bid(), "DeedList"), 0);
        QVERIFY(in<QRadioButton>(h.bid(), "OpgPlayer2")->isChecked());
        QCOMPARE(textOf(h.bid(), "BidAmount"), q("5000"));
        QCOMPARE(h.s().player(1).Money, 15000);
        press(h.bid(), "OKButton");
        press(h.confirmBid(), "OKButton");

        QVERIFY(!open(h.confirmBid()));
        QVERIFY(!open(h.bid()));
        QVERIFY(live(h.sellForm()));
        QCOMPARE(textOf(h.sellForm(), "money"), q("18000"));
        QCOMPARE(h.s().player(1).Money, 18000);
        QCOMPARE(h.s().player(2).Money, 10000);
        QCOMPARE(int(h.s().deed(1).Owner), 2);
        QCOMPARE(int(h.s().deed(1).Houses), 2);
        QCOMPARE(h.text("LabelMoney2"), q("10000"));
        h.sellForm().close();
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{q("9  การไฟฟ้า")});
        h.click("PlayerButton2");
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"),
                 (QStringList{q("3  วัดอรุณฯ"), q("1  บางปะอิน") + spaces(31) + q("บ้าน 2 ตึก 0")}));
    }

    void bidRefusalLeavesEveryChoice_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("buyer");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("no deed") << -1 << 2 << "100" << q("โฉนดที่จะนำประมูลยังไม่ถูกเลือก, กรุณาเลือกก่อน");
        QTest::newRow("no buyer") << 0 << 0 << "100" << q("ผู้เสนอราคายังไม่ถูกเลือก, กรุณาเลือกก่อน");
        QTest::newRow("not a number") << 0 << 2 << "1o0" << q("รูปแบบในช่องเสนอราคาไม่ถูกต้อง");
        QTest::newRow("empty price") << 0 << 2 << "" << q("รูปแบบในช่องเสนอราคาไม่ถูกต้อง");
        QTest::newRow("one baht beyond the buyer's cash")
            << 0 << 2 << "15001" << q("เงินของ Player2 มีไม่พอกับที่เสนอกรุณาเสนอราคาใหม่");
        QTest::newRow("mortgaged deed") << 1 << 2 << "15000" << q("โฉนดนี้ติดจำนองอยู่ไม่สามารถนำมาประมูลขายได้");
    }
    void bidRefusalLeavesEveryChoice() {
        QFETCH(int, row);
        QFETCH(int, buyer);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        Dealing h;
        h.own(1, 1);
        h.own(1, 9, 0, 0, true);
        h.openSaleMenu(1, "BidButton");
        if (row >= 0) clickRow(h.bid(), "DeedList", row);
        if (buyer != 0) choose(h.bid(), buyer);
        QTest::keyClicks(in(h.bid(), "BidAmount"), amount);
        press(h.bid(), "OKButton");
        QCOMPARE(h.messages.lastText(), message);
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(!open(h.confirmBid()));
        QVERIFY(live(h.bid()));
        QCOMPARE(selectedRow(h.bid(), "DeedList"), row);
        QCOMPARE(in<QRadioButton>(h.bid(), "OpgPlayer2")->isChecked(), buyer == 2);
        QCOMPARE(textOf(h.bid(), "BidAmount"), amount);
        QCOMPARE(int(h.s().player(1).DeedCount), 2);
    }

    void mortgageRedeemAndBankSaleRefusalsLeaveTheWindowAsItWas_data() {
        QTest::addColumn<QString>("sale"); // how the window is opened
        QTest::addColumn<QString>("message");
        QTest::newRow("mortgaging mortgaged land") << "MortgageButton" << q("ที่ดินนี้ถูกจำนองอยู่แล้ว");
        QTest::newRow("selling mortgaged land") << "SellBankButton" << q("ที่ดินนี้ติดจำนองอยู่ท่านไม่สามารถขายได้");
        QTest::newRow("redeeming beyond the cash") << "RedeemButton" << q("เงินของท่านมีไม่พอชำระกรุณาเลือกใหม่");
    }
    void mortgageRedeemAndBankSaleRefusalsLeaveTheWindowAsItWas() {
        QFETCH(QString, sale);
        QFETCH(QString, message);
        Dealing h;
        // Deed 1 (600) free, deeds 5 (1000) and 9 (1500) mortgaged; 1000 baht redeem deed 5 (960) only.
        h.own(1, 1);
        h.own(1, 5, 0, 0, true);
        h.own(1, 9, 0, 0, true);
        h.setMoney(1, 1000);
        QWidget* window = nullptr;
        int choose = 0, refused = 0; // a line that is accepted first, then the one refused
        if (sale == QLatin1String("RedeemButton")) {
            h.click("PlayerButton1");
            press(h.playerForm(), "RedeemButton");
            window = &h.redeem();
            choose = 0;  // deed 5
            refused = 0; // deed 9, now first
        } else {
            h.openSaleMenu(1, qPrintable(sale));
            window = sale == QLatin1String("MortgageButton") ? &h.mortgage() : &h.sellBank();
            choose = 0;  // deed 1
            refused = 0; // deed 5, now first
        }
        QVERIFY(live(*window));
        doubleClickRow(*window, "DeedList1", choose);
        QVERIFY(h.messages.shown.empty());
        const QStringList left = linesOf(*window, "DeedList1"), right = linesOf(*window, "DeedList2");
        QList<QString> sums;
        const auto boxes = window->findChildren<QLineEdit*>();
        for (QLineEdit* box : boxes) sums << box->text();

        clickRow(*window, "DeedList1", refused);
        press(*window, "TransButton");
        QCOMPARE(h.messages.lastText(), message);
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(live(*window));
        QCOMPARE(linesOf(*window, "DeedList1"), left);
        QCOMPARE(linesOf(*window, "DeedList2"), right);
        QList<QString> after;
        for (QLineEdit* box : boxes) after << box->text();
        QCOMPARE(after, sums);
        QCOMPARE(selectedRow(*window, "DeedList1"), refused);
        QCOMPARE(h.s().player(1).Money, 1000);
    }

    void redemptionTakesCostAndFee() {
        Dealing h;
        h.own(1, 1, 0, 0, true);
        h.click("PlayerButton1");
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{q("1  บางปะอิน (จ.)")});
        press(h.playerForm(), "RedeemButton");
        QCOMPARE(h.redeem().windowTitle(), q("รายละเอียดการไถ่จำนองของ Player1"));
        QCOMPARE(linesOf(h.redeem(), "DeedList1"), QStringList{q("1 บางปะอิน (จ.)")});
        doubleClickRow(h.redeem(), "DeedList1", 0);
        QCOMPARE(linesOf(h.redeem(), "DeedList2"), QStringList{q("1 บางปะอิน ")});
        const std::pair<const char*, const char*> sums[] = {{"PaidMoney", "480"},
                                                            {"ChargeMoney", "96"},
                                                            {"TotalPaid", "576"},
                                                            {"Money", "15000"},
                                                            {"totalMoney", "14424"}};
        for (const auto& [name, value] : sums) QCOMPARE(textOf(h.redeem(), name), q(value));
        press(h.redeem(), "OKButton");
        QVERIFY(!open(h.redeem()));
        QCOMPARE(h.locks(), (QList<bool>{true, true, true, true}));
        QCOMPARE(h.s().deed(1).Mortgaged, kFalse);
        QCOMPARE(h.text("LabelMoney1"), q("14424"));
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{q("1  บางปะอิน")});
        QVERIFY(!in(h.playerForm(), "RedeemButton")->isEnabled());
    }

    void personInShortageMortgagesThenPays() {
        NewGameSetup setup;
        setup.numPlayers = 3;
        Dealing h(setup);
        h.own(1, 1);    // price 600, lends 480
        h.own(2, 5, 1); // rent 300
        h.setMoney(1, 100);
        h.click("PlayerButton3"); // a holdings window that the shortage closes
        QVERIFY(open(h.playerForm()));

        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("NotOwnSingleLandFrame"));
        h.click("OKButtonInNotOwnSingleLand");
        QVERIFY(h.messages.lastText().startsWith(q("เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์")));
        QVERIFY(!open(h.playerForm()));
        QVERIFY(h.enabled("PlayerButton1"));
        QVERIFY(!h.enabled("PlayerButton2"));
        QVERIFY(!h.enabled("PlayerButton3"));

        // The bank would take the reduced tax now.
        h.openSaleMenu(1, "SellBankButton");
        QCOMPARE(textOf(h.sellBank(), "VATPercent"), q("10"));
        h.sellBank().close();

        press(h.sellForm(), "MortgageButton");
        QCOMPARE(linesOf(h.mortgage(), "DeedList1"), QStringList{q("1 บางปะอิน")});
        clickRow(h.mortgage(), "DeedList1", 0);
        press(h.mortgage(), "TransButton");
        QCOMPARE(linesOf(h.mortgage(), "DeedList2"), QStringList{q("1 บางปะอิน")});
        QCOMPARE(textOf(h.mortgage(), "totalsell"), q("480"));
        QCOMPARE(textOf(h.mortgage(), "money"), q("100"));
        QCOMPARE(textOf(h.mortgage(), "totalmoney"), q("580"));
        press(h.mortgage(), "OKButton");
        QVERIFY(!open(h.mortgage()));
        QCOMPARE(textOf(h.sellForm(), "money"), q("580"));
        QCOMPARE(h.text("LabelMoney1"), q("580"));
        QVERIFY(!h.main.isEnabled()); // the debt waits until the sale menu is closed

        h.sellForm().close();
        QVERIFY(h.main.isEnabled());
        QCOMPARE(linesOf(h.playerForm(), "PDeedList"), QStringList{q("1  บางปะอิน (จ.)")});
        QVERIFY(h.shown("NotOwnSingleLandFrame"));
        QCOMPARE(h.s().deed(1).Mortgaged, kTrue);

        h.click("OKButtonInNotOwnSingleLand");
        QVERIFY(!h.shown("NotOwnSingleLandFrame"));
        QCOMPARE(h.text("LabelMoney1"), q("280"));
        QCOMPARE(h.text("LabelMoney2"), q("15300"));
        QCOMPARE(h.s().checkdiscount, kFalse);
        for (const char* b : {"PlayerButton1", "PlayerButton2", "PlayerButton3"}) QVERIFY(h.enabled(b));
        QCOMPARE(int(h.s().NV), 2);
    }

    void computerWaitsWhileASaleWindowIsOpen() {
        NewGameSetup setup;
        setup.computer[2] = true;
        Dealing h(setup);
        h.own(1, 1);
        h.click("OpgSpeed1");
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("CancelButtonInFreeLand"); // the computer's turn is due
        QCOMPARE(int(h.s().NV), 2);
        h.openSaleMenu(1);
        QCoreApplication::processEvents(); // the turn would start here, announcing its preparation
        QVERIFY(!h.shown("LabelComThinking"));
        QVERIFY(h.main.computer().playing());

        h.sellForm().close();
        QTRY_COMPARE_WITH_TIMEOUT(int(h.s().NV), 1, 20000);
    }
};

QTEST_MAIN(DealingWindowsTest)
#include "DealingWindowsTest.moc"
