// The game's log through the real windows: the lines of a person's and a computer's turns, and the
// log's window toggled from the menu.
#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

#include "app/GameLogView.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

class GameLogTest : public QObject {
    Q_OBJECT

    static QStringList shownLines(AppHarness& h) {
        return h.main.gameLogView().text().toPlainText().split(QLatin1Char('\n'));
    }
    static QStringList lines(std::initializer_list<const char*> utf8) {
        QStringList l;
        for (const char* line : utf8) l << QString::fromUtf8(line);
        return l;
    }
    static QStringList logLines(AppHarness& h) {
        QStringList l;
        for (const std::string& line : h.main.gameLog().lines()) l << ui::qs(line);
        return l;
    }

private slots:
    void aPurchaseAndTheComputersRentAreLogged() {
        NewGameSetup setup;
        setup.names[1] = "สมชาย";
        setup.names[2] = "คอมพิวเตอร์";
        setup.computer[2] = true;
        AppHarness h(setup);
        h.click("OpgSpeed1");
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("OKButtonInFreeLand");
        // The computer rolls 3 + 3 as well and pays the first rent of deed 5 to its owner.
        QTRY_VERIFY_WITH_TIMEOUT(h.s().NV == 1 && h.enabled("RunButton") && !h.main.computer().playing(),
                                 30000);
        const QStringList expected = lines({
            "ตาที่ 1 สมชาย: ถึงตาเล่น",
            "ตาที่ 1 สมชาย: ทอยลูกเต๋าได้ 3 กับ 3 รวม 6 แต้ม",
            "ตาที่ 1 สมชาย: ไปอยู่ที่ช่อง 5 กรุงเทพฯ",
            "ตาที่ 1 สมชาย: ซื้อที่ดิน 5 กรุงเทพฯ เป็นเงิน 1000 บาท",
            "ตาที่ 2 คอมพิวเตอร์: ถึงตาเล่น",
            "ตาที่ 2 คอมพิวเตอร์: ทอยลูกเต๋าได้ 3 กับ 3 รวม 6 แต้ม",
            "ตาที่ 2 คอมพิวเตอร์: ไปอยู่ที่ช่อง 5 กรุงเทพฯ",
            "ตาที่ 2 คอมพิวเตอร์: จ่ายค่าเช่าที่ดิน 5 กรุงเทพฯ 100 บาท ให้ สมชาย",
            "ตาที่ 3 สมชาย: ถึงตาเล่น",
        });
        QCOMPARE(logLines(h), expected);
        QCOMPARE(shownLines(h), expected);
    }

    void aCardThatBankruptsEndsTheLogWithTheWinner() {
        NewGameSetup setup;
        setup.names[1] = "สมชาย";
        setup.names[2] = "สมหญิง";
        AppHarness h(setup);
        h.s().TreasureOrder[std::size_t(h.s().OrderNumberOfTreasure)] = 1; // a 500 fine
        h.game().PlayerMoneyChange(1, 100 - h.s().player(1).Money);
        QVERIFY(h.roll(1, 1));
        h.carryToSquare(1, 2);
        h.click("OkButtonInTreasure");
        QCOMPARE(logLines(h), lines({
                                  "ตาที่ 1 สมชาย: ถึงตาเล่น",
                                  "ตาที่ 1 สมชาย: ทอยลูกเต๋าได้ 1 กับ 1 รวม 2 แต้ม",
                                  "ตาที่ 1 สมชาย: ไปอยู่ที่ช่อง หีบสมบัติ",
                                  "ตาที่ 1 สมชาย: เปิดการ์ดหีบสมบัติ: เดินสะดุดยอดหญ้ารักษาตัว 500",
                                  "ตาที่ 1 สมชาย: ล้มละลาย ทรัพย์สินทั้งหมดกลับคืนธนาคาร",
                                  "ตาที่ 1 สมหญิง: ชนะเกมนี้",
                              }));
    }

    // Hidden, the view holds none of the lines it has not shown; shown, it holds the newest of
    // them, in order, the last in view, as if it had shown each as it came.
    void aHiddenLogTakesItsLinesWhenShown() {
        const int most = app::GameLogView::kShownLines;
        struct Case {
            const char* what;
            int before;   // lines shown before the view is hidden
            int hidden;   // lines added while it is hidden
            bool refresh; // the log is replaced (a new game) while it is hidden
        } cases[] = {{"a few lines while hidden", 0, 3, false},
                     {"more than it holds", 0, most + 500, false},
                     {"some shown, then a few", 10, 4, false},
                     {"some shown, then more than it holds", 10, most + 1, false},
                     {"replaced while hidden", 10, 2, true}};
        for (const Case& c : cases) {
            std::vector<std::string> log;
            app::GameLogView view;
            view.follow(log);
            auto* document = view.findChild<QPlainTextEdit*>(QStringLiteral("GameLogText"))->document();
            view.show();
            for (int i = 0; i < c.before; ++i) {
                log.push_back("line " + std::to_string(log.size()));
                view.lineAdded();
            }
            view.hide();
            const QString held = document->toPlainText();
            if (c.refresh) {
                log.clear();
                view.refresh();
            }
            for (int i = 0; i < c.hidden; ++i) {
                log.push_back("line " + std::to_string(log.size()));
                view.lineAdded();
            }
            QVERIFY2(document->toPlainText() == held, c.what);
            view.show();
            QStringList expected;
            for (std::size_t i = log.size() - std::min(log.size(), std::size_t(most)); i < log.size(); ++i)
                expected << ui::qs(log[i]);
            QVERIFY2(document->toPlainText() == expected.join(QLatin1Char('\n')), c.what);
            QScrollBar* bar =
                view.findChild<QPlainTextEdit*>(QStringLiteral("GameLogText"))->verticalScrollBar();
            QVERIFY2(bar->value() == bar->maximum(), c.what);
        }
    }

    void theMenuShowsAndHidesTheLogsWindowAndItIsRemembered() {
        AppHarness h;
        app::GameLogView& view = h.main.gameLogView();
        QCOMPARE(view.windowTitle(), q("รายงานการกระทำของคอมพิวเตอร์"));
        QVERIFY(view.text().isReadOnly());
        QVERIFY(view.isHidden());
        auto* entry = h.main.findChild<QAction*>(QStringLiteral("GameLogAction"));
        QVERIFY(entry);
        entry->trigger();
        QVERIFY(view.isVisible());
        QVERIFY(entry->isChecked());
        QVERIFY(h.main.settings().gameLogShown());
        view.close();
        QVERIFY(!entry->isChecked());
        QVERIFY(!h.main.settings().gameLogShown());
    }
};

QTEST_MAIN(GameLogTest)
#include "GameLogTest.moc"
