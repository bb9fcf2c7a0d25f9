// The game from the keyboard alone: Space for the dice, Enter to carry the token and answer, Escape
// to decline; the target square outlined while a token is carried, and a click on it as a drop (an
// option); the deed card put away by a key.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "app/HelpWindow.h"
#include "app/Settings.h"
#include "board/BoardPainter.h"
#include "dealings/DealingsWindows.h"
#include "dealings/DeedCardWindow.h"
#include "halloffame/HallWindows.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/app/AppHarness.h"
#include "ui/ControlNames.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {
// A key pressed as a person presses it: it goes to the control with the keyboard focus, or to the
// active window when none has it.
bool press(int key) {
    QWidget* to = QApplication::focusWidget();
    if (!to) to = QApplication::activeWindow();
    if (!to) return false;
    QTest::keyClick(to, Qt::Key(key));
    return true;
}

// The desktop gives a window just shown the keyboard; the offscreen platform waits to be asked.
bool takeKeyboard(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void scriptDice(AppHarness& h, int face1, int face2) {
    h.random.fallback = [face1, face2, n = 0](int lo, int hi) mutable {
        if (hi != 6) return lo;
        return (n++ % 2 == 0) ? face1 : face2;
    };
}

bool diceShow(AppHarness& h, int total) {
    return QTest::qWaitFor([&] { return h.s().CubeValue1 + h.s().CubeValue2 == total; }, 10000);
}

// Space starts the dice, Space again once they show `total` stops them.
bool rollByKeys(AppHarness& h, int face1, int face2) {
    scriptDice(h, face1, face2);
    return press(Qt::Key_Space) && h.enabled("StopButton") && diceShow(h, face1 + face2) &&
           press(Qt::Key_Space) && !h.enabled("StopButton");
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void wholeTurnWithoutTheMouse() {
        AppHarness h;
        QVERIFY(takeKeyboard(h.main));
        h.s().player(1).Position = 35;
        QVERIFY(h.enabled("RunButton"));

        QVERIFY(rollByKeys(h, 3, 3)); // 35 + 6 passes the start onto square 1, deed 1
        QCOMPARE(h.text("Text1"), q("ทอยได้ 6 แต้ม"));
        QCOMPARE(int(h.s().player(1).Position), 1);

        QVERIFY(press(Qt::Key_Return)); // the token goes where the blue pointer shows
        QVERIFY(board::contains(board::squareRect(1), board::tokenRect(h.s(), 1).left + 1,
                                board::tokenRect(h.s(), 1).top + 1));
        QVERIFY(h.shown("FreeLandFrame"));

        QVERIFY(press(Qt::Key_Return)); // buy (ซื้อ)
        QVERIFY(!h.shown("FreeLandFrame"));
        QCOMPARE(h.text("LabelMoney1"), q("14400"));
        QCOMPARE(h.find<QListWidget>("DeedList")->item(0)->text(), q("1  บางปะอิน *"));

        QVERIFY(press(Qt::Key_Enter)); // the lap bonus, 2000 in cash
        QCOMPARE(h.text("LabelMoney1"), q("16400"));
        QCOMPARE(int(h.s().NV), 2);
        QVERIFY(h.enabled("RunButton"));
        QVERIFY(h.messages.shown.empty());
    }

    // Escape takes a question's other answer where it has one, and leaves a question without one
    // open.
    void escapeDeclinesOnlyWhatCanBeDeclined_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("declined");
        QTest::newRow("free land") << 0 << "FreeLandFrame" << true; // square 6, deed 5
        QTest::newRow("tax") << 32 << "TaxFrame" << false;          // square 38
        QTest::newRow("relax") << 14 << "RelaxFrame" << false;      // square 20
    }
    void escapeDeclinesOnlyWhatCanBeDeclined() {
        QFETCH(int, from);
        QFETCH(QString, frame);
        QFETCH(bool, declined);
        AppHarness h;
        QVERIFY(takeKeyboard(h.main));
        h.s().player(1).Position = std::uint8_t(from);
        QVERIFY(rollByKeys(h, 3, 3));
        QVERIFY(press(Qt::Key_Return));
        QVERIFY(h.shown(frame.toLatin1().constData()));
        QVERIFY(press(Qt::Key_Escape));
        QCOMPARE(h.shown(frame.toLatin1().constData()), !declined);
        QCOMPARE(h.text("LabelMoney1"), q("15000"));
        QCOMPARE(int(h.s().NV), declined ? 2 : 1);
    }

    void keysAreRefusedWhenTheirButtonsAre() {
        AppHarness h;
        QVERIFY(takeKeyboard(h.main));
        // Before the dice there is no move to make.
        QVERIFY(!h.board().carryCurrentToken());

        QVERIFY(rollByKeys(h, 3, 3));
        QTest::keyClick(&h.main.board(), Qt::Key_Return);
        QVERIFY(h.shown("FreeLandFrame"));
        // While a question is open the dice stay still, wherever Space is pressed.
        for (QWidget* w :
             {static_cast<QWidget*>(&h.main), h.find("DeedList"), static_cast<QWidget*>(&h.main.board())}) {
            QTest::keyClick(w, Qt::Key_Space);
            QVERIFY(!h.main.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
            QVERIFY(!h.enabled("StopButton"));
        }
        // A computer's question is the computer's to answer.
        h.s().player(1).IsComputer = kTrue;
        QTest::keyClick(&h.main, Qt::Key_Escape);
        QVERIFY(h.shown("FreeLandFrame"));
    }

    void enterGoesToTheFocusedButtonOrList() {
        AppHarness h;
        QVERIFY(takeKeyboard(h.main));
        QVERIFY(rollByKeys(h, 3, 3));
        QVERIFY(press(Qt::Key_Return));
        QVERIFY(h.shown("FreeLandFrame"));
        // On the deed list, Enter shows the chosen deed and answers nothing.
        auto* list = h.find<QListWidget>("DeedList");
        list->setFocus();
        list->setCurrentRow(4);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(h.main.deedCard().isVisible());
        QCOMPARE(h.main.deedCard().findChild<QLabel*>(QStringLiteral("DeedNo"))->text(), QStringLiteral("5"));
        QVERIFY(h.shown("FreeLandFrame"));
        auto* cancel = h.find<QPushButton>("CancelButtonInFreeLand");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QVERIFY(!h.shown("FreeLandFrame"));
        QCOMPARE(h.text("LabelMoney1"), q("15000"));
    }

    void targetSquareIsOutlinedWhileTheTokenIsCarried() {
        AppHarness h;
        QVERIFY(h.roll(3, 3)); // to square 6
        board::BoardView& view = h.board();
        const Rect target = board::squareRect(6);
        // Just inside the square's left edge, where its picture is not blue.
        const QPoint edge = h.boardPixel(target.left + 30, target.top + target.height / 2);
        QVERIFY(view.grab().toImage().pixelColor(edge) != board::kTargetOutlineColour);

        const Rect t = board::tokenRect(h.s(), 1);
        const QPoint token = h.boardPixel(t.left + t.width / 2, t.top + t.height / 2);
        QTest::mousePress(&view, Qt::LeftButton, {}, token);
        QTest::mouseMove(&view, h.squareCentre(3));
        QCOMPARE(view.look().outlinedSquare, 6);
        QCOMPARE(view.grab().toImage().pixelColor(edge), board::kTargetOutlineColour);

        // Let go on the wrong square: the outline goes with the carried token.
        QTest::mouseRelease(&view, Qt::LeftButton, {}, h.squareCentre(3));
        QCOMPARE(view.look().outlinedSquare, -1);
        QVERIFY(view.grab().toImage().pixelColor(edge) != board::kTargetOutlineColour);
        QVERIFY(!h.shown("FreeLandFrame"));
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("FreeLandFrame"));
        QCOMPARE(view.look().outlinedSquare, -1);
    }

    // The option is off until chosen; chosen, a click on the target square is a drop there, and
    // the choice is remembered for the next run.
    void clickOnTheTargetSquareMovesTheToken() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        {
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            auto* option = h.main.findChild<QAction*>(QStringLiteral("ClickToMoveAction"));
            QVERIFY(option && option->isCheckable() && !option->isChecked());
            QVERIFY(h.roll(3, 3)); // to square 6
            const Rect home = board::tokenRect(h.s(), 1);
            QTest::mouseClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(6));
            QCOMPARE(board::tokenRect(h.s(), 1).left, home.left);
            QVERIFY(!h.shown("FreeLandFrame"));

            option->trigger();
            QVERIFY(option->isChecked());
            QTest::mouseClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(5)); // not the target
            QCOMPARE(board::tokenRect(h.s(), 1).left, home.left);
            QVERIFY(!h.shown("FreeLandFrame"));
            QTest::mouseClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(6));
            QVERIFY(board::contains(board::squareRect(6), board::tokenRect(h.s(), 1).left + 1,
                                    board::tokenRect(h.s(), 1).top + 1));
            QVERIFY(h.shown("FreeLandFrame"));
            QCOMPARE(h.text("LabelFreeLand1"), q("กรุงเทพฯ"));
            // A second click on the square reports nothing more.
            QTest::mouseClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(6));
            QCOMPARE(int(h.s().Continue), 1);
            h.click("CancelButtonInFreeLand");
        }
        app::Settings settings(file);
        QVERIFY(settings.clickToMove());
        AppHarness h;
        h.main.setSettings(settings);
        QVERIFY(h.main.findChild<QAction*>(QStringLiteral("ClickToMoveAction"))->isChecked());
        QVERIFY(h.roll(2, 1)); // to square 3, deed 2
        QTest::mouseClick(&h.board(), Qt::LeftButton, {}, h.squareCentre(3));
        QVERIFY(h.shown("FreeLandFrame"));
    }

    // Tab follows the turn: the dice, the question, the bonus, the deed list, the players, the
    // computer's speed and the window buttons; what is hidden or disabled is passed over.
    void tabFollowsTheTurn() {
        AppHarness h;
        QVERIFY(takeKeyboard(h.main));
        std::vector<QString> chain;
        QWidget* w = h.find("RunButton");
        do {
            if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w->objectName());
            w = w->nextInFocusChain();
        } while (w != h.find("RunButton"));
        const auto at = [&](const char* name) {
            return int(std::find(chain.begin(), chain.end(), QString::fromLatin1(name)) - chain.begin());
        };
        const char* order[] = {"RunButton",
                               "StopButton",
                               "CheckFreeLand",
                               "OKButtonInFreeLand",
                               "CancelButtonInFreeLand",
                               "OKButtonInFirst",
                               "OpgBonus1",
                               "OKButtonInBonus",
                               "DeedList",
                               "ViewDeedButton",
                               "PlayerButton1",
                               "PlayerButton6",
                               "OpgSpeed1",
                               "OpgSpeed5",
                               "Command2",
                               "ExitButton"};
        for (std::size_t i = 1; i < std::size(order); ++i)
            QVERIFY2(at(order[i - 1]) < at(order[i]), order[i]);
        QVERIFY(at("ExitButton") < int(chain.size()));

        QVERIFY(rollByKeys(h, 3, 3));
        QVERIFY(press(Qt::Key_Return));
        QCOMPARE(QApplication::focusWidget(), h.find("OKButtonInFreeLand"));
        for (const char* next : {"CancelButtonInFreeLand", "ViewDeed7", "DeedList"}) {
            QVERIFY(press(Qt::Key_Tab));
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    // A screen reader has a Thai name for every control that takes the keyboard, in every window
    // a player meets on the way through a game.
    void everyControlHasAThaiName() {
        AppHarness h;
        setupui::StartWindow start(h.folder.path());
        setupui::SetupWindow setup(h.folder.path());
        halloffame::HallOfFameWindow hall(h.folder.path());
        DealingsWindows& d = h.main.dealings();
        QWidget* windows[] = {&h.main,
                              &h.main.board(),
                              &start,
                              &h.main.helpWindow(),
                              &setup,
                              &d.playerForm(),
                              &d.sellForm(),
                              &d.mortgage(),
                              &d.redeem(),
                              &d.sellBank(),
                              &d.bid(),
                              &d.confirmBid(),
                              &h.main.winForm(),
                              &hall,
                              &hall.detailWindow(),
                              &h.main.deedCard()};
        QStringList unnamed;
        for (QWidget* window : windows)
            for (QWidget* w : window->findChildren<QWidget*>()) {
                // A combo box's drop-down and the menus are windows of their own.
                if (!(w->focusPolicy() & Qt::TabFocus) || w->window() != window) continue;
                if (w->parentWidget() && (w->parentWidget()->inherits("QAbstractScrollArea") ||
                                          w->parentWidget()->inherits("QComboBox")))
                    continue; // a list's or a box's own inner parts
                if (!ui::isThai(w->accessibleName()))
                    unnamed << window->objectName() + '/' + w->objectName() + '/' +
                                   QString::fromLatin1(w->metaObject()->className());
            }
        for (const QString& control : unnamed) qWarning("no Thai name: %s", qPrintable(control));
        QVERIFY(unnamed.isEmpty());
    }

    void deedCardIsPutAwayByEnterOrEscape() {
        AppHarness h;
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            h.main.viewDeed(3);
            QVERIFY(h.main.deedCard().isVisible());
            QTest::keyClick(&h.main.deedCard(), key);
            QVERIFY(!h.main.deedCard().isVisible());
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
