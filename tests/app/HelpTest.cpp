// The rules at hand: the rules page from the menu and from F1 in either window, its pictures painted
// by the board's painter, the tool tips of the deed list's marks and of a name in red, and the About
// box.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolTip>

#include "app/HelpWindow.h"
#include "board/BoardPainter.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {
// How many distinct colours an image holds, up to `enough`.
int colours(const QImage& image, int enough) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < enough; y += 3)
        for (int x = 0; x < image.width() && seen.size() < enough; x += 3) seen.insert(image.pixel(x, y));
    return int(seen.size());
}
} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    // F1 works wherever the player is: MAIN, or the board's window while he carries the token.
    void rulesOpenFromTheMenuAndFromF1_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "menu";
        QTest::newRow("F1 on MAIN") << "main";
        QTest::newRow("F1 on the board") << "board";
    }
    void rulesOpenFromTheMenuAndFromF1() {
        QFETCH(QString, how);
        AppHarness h;
        auto* action = h.main.findChild<QAction*>(QStringLiteral("HowToPlayAction"));
        QVERIFY(action);
        QCOMPARE(action->text(), q("วิธีเล่น"));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F1));
        if (how == QLatin1String("menu")) {
            action->trigger();
        } else {
            QWidget& window = how == QLatin1String("main") ? static_cast<QWidget&>(h.main) : h.main.board();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_F1);
        }
        app::HelpWindow& help = h.main.helpWindow();
        QTRY_VERIFY(help.isVisible());
        QCOMPARE(help.windowTitle(), q("วิธีเล่น"));
        const QString text = help.page().toPlainText();
        for (const char* fact : {"15000 บาท", "ลูกศรแดง", "ลูกศรน้ำเงิน", "2000 บาท", "850 บาท", "2250 บาท",
                                 "80%", "180%", "40%", "ล้มละลาย", "บันทึกสุดยอดทาวอริน"})
            QVERIFY2(text.contains(q(fact)), fact);
        QVERIFY(h.messages.shown.empty());
    }

    // Every picture the page names is there, painted by the game: none is a blank or missing image.
    void pagePicturesArePaintedByTheGame() {
        app::HelpWindow help;
        QTextDocument& doc = *help.page().document();
        const QString html = help.page().toHtml();
        for (const char* name : {"board.png", "pointer-1.png", "pointer-2.png", "token-1.png", "houses-4.png",
                                 "tower.png", "mortgaged.png"}) {
            QVERIFY2(html.contains(QLatin1String(name)), name);
            const QImage image =
                doc.resource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name))).value<QImage>();
            QVERIFY2(!image.isNull(), name);
            QVERIFY2(colours(image, 8) >= 8, name);
        }
        const QImage board =
            doc.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("board.png"))).value<QImage>();
        // The board keeps its shape: 11775 by 8295 twips.
        QCOMPARE(board.height(), qRound(board.width() * 8295.0 / 11775.0));
        // Its corners are the board's own colour, as on the board's window.
        QCOMPARE(board.pixelColor(1, 1), board::kBoardColour);
    }

    // The deed list's marks and a name in red explain themselves when the mouse rests on them.
    void marksAndRedNamesExplainThemselves() {
        AppHarness h;
        h.game().addDeed(2, 1);
        h.game().addDeed(2, 2);
        h.s().deed(2).Mortgaged = kTrue;
        h.game().ChangeDeedOnMain();
        h.main.sync();
        auto* list = h.find<QListWidget>("DeedList");
        const auto tipOf = [&](int row) {
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000)) return q("(still shown)");
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QHelpEvent e(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(list->viewport(), &e);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(list->item(0)->text(), q("1  บางปะอิน *"));
        QCOMPARE(tipOf(0), q("* โฉนดนี้มีเจ้าของแล้ว"));
        QCOMPARE(list->item(1)->text(), q("2  อยุธยา (จ.)"));
        QCOMPARE(tipOf(1), q("(จ.) ที่ดินนี้ติดจำนองอยู่"));
        QCOMPARE(tipOf(4), QString()); // deed 5, nobody's

        // Player 1 rests on the relax square (14 + 6 = 20): his name turns red, with its reason.
        const QString lostTurn = q("ชื่อสีแดง: งดเดินหนึ่งตา เพราะหยุดที่ช่องแวะพักผ่อน");
        h.s().player(1).Position = 14;
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 20);
        h.click("OKButtonInRelaxFrame");
        QCOMPARE(int(h.s().NV), 2);
        QCOMPARE(h.find("LabelName1")->toolTip(), lostTurn);
        QCOMPARE(h.find("LabelName2")->toolTip(), QString());
        // Player 2's turn over, player 1's is passed over and the name is no longer red.
        h.s().player(2).Position = 0;
        QVERIFY(h.roll(1, 1));
        h.carryToSquare(2, 2); // a treasure card
        h.click("OkButtonInTreasure");
        QCOMPARE(int(h.s().NV), 2);
        QCOMPARE(h.find("LabelName1")->toolTip(), QString());
    }

    void aboutNamesTheVersionLicenceAndCredits() {
        AppHarness h;
        auto* about = h.main.findChild<QAction*>(QStringLiteral("AboutAction"));
        QVERIFY(about);
        about->trigger();
        QCOMPARE(h.messages.shown.size(), std::size_t(1));
        QCOMPARE(h.messages.lastTitle(), q("เกี่ยวกับเกม"));
        const QString text = h.messages.lastText();
        // The version the start window shows, the artwork's source and the fonts' package and licence.
        for (const char* part : {"Version 1.6", "สัญญาอนุญาต", "assets/make-art.py", "fonts-thai-tlwg",
                                 "GPL-2+ with Font exception"})
            QVERIFY2(text.contains(q(part)), part);
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
