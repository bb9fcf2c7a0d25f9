// The computer's turn on screen: played from the event loop at the chosen speed, its messages
// answered by a person, until the next person's turn.
#include <algorithm>
#include <string>

#include <QAction>
#include <QStatusBar>

#include "computer/Headless.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

// Calls back whenever a widget is shown or resized.
class Watch : public QObject {
public:
    Watch(QWidget* w, std::function<void(QWidget*)> seen) : seen_(std::move(seen)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show || e->type() == QEvent::Resize) seen_(static_cast<QWidget*>(o));
        return false;
    }

private:
    std::function<void(QWidget*)> seen_;
};

class ComputerTest : public QObject {
    Q_OBJECT

    static NewGameSetup personThenComputer() {
        NewGameSetup setup;
        setup.computer[2] = true;
        setup.names[2] = "คอมพิวเตอร์";
        return setup;
    }

    static bool personsTurn(AppHarness& h) {
        return h.s().NV == 1 && h.enabled("RunButton") && !h.main.computer().playing();
    }

private slots:
    void computerPlaysItsTurnAndHandsBackToThePerson() {
        AppHarness h(personThenComputer());
        QVERIFY(h.shown("labelcom2"));
        QVERIFY(!h.shown("labelcom1"));
        h.click("OpgSpeed1"); // the fastest
        QCOMPARE(h.s().Speed, 1000);

        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("CancelButtonInFreeLand");
        // From here the computer plays on its own: 35 + 6 passes the start onto deed 1.
        h.s().player(2).Position = 35;
        QVERIFY(h.main.computer().playing());
        QVERIFY(!h.enabled("RunButton"));
        QTRY_VERIFY_WITH_TIMEOUT(personsTurn(h), 30000);

        QVERIFY(h.messages.saw(q("คอมฯ เลือกที่จะรับโบนัสเป็นเงิน 2000")));
        for (const ui::MessageRequest& m : h.messages.shown) QCOMPARE(m.title, q("คอมพิวเตอร์"));
        QCOMPARE(int(h.s().player(2).Position), 1);
        QVERIFY(!h.shown("LabelComThinking"));
        QVERIFY(!h.shown("BarComThinking"));
        QCOMPARE(h.text("LabelMoney2"), QString::number(h.s().player(2).Money));
        QCOMPARE(h.text("Text1"), q("ทอยได้ 6 แต้ม"));
        QVERIFY(!h.enabled("BonusFrame"));
        QVERIFY(h.enabled("StopButton") == false);
    }

    // The quiet computer: the same turn with the option on asks for no click, writes the
    // computer's announcements to the log and the status line, and leaves the game exactly as the
    // same turn with every box answered.
    void quietComputerPlaysWithoutBoxesToTheSameGame() {
        std::string answered, quiet;
        for (const bool on : {false, true}) {
            AppHarness h(personThenComputer());
            h.click("OpgSpeed1");
            auto* option = h.main.findChild<QAction*>(QStringLiteral("QuietComputerAction"));
            QVERIFY(option);
            QVERIFY(!option->isChecked());
            QVERIFY(!h.main.findChild<QStatusBar*>()); // nothing new on MAIN while the option is off
            if (on) option->trigger();
            QCOMPARE(h.main.quietComputer(), on);

            QVERIFY(h.roll(3, 3));
            h.carryToSquare(1, 6);
            h.click("CancelButtonInFreeLand");
            h.s().player(2).Position = 35; // 35 + 6 passes the start onto deed 1
            const int before = int(h.messages.shown.size());
            QTRY_VERIFY_WITH_TIMEOUT(personsTurn(h), 30000);
            const int boxes = int(h.messages.shown.size()) - before;
            const QString bonus = q("คอมฯ เลือกที่จะรับโบนัสเป็นเงิน 2000");
            const auto& lines = h.main.gameLog().lines();
            const bool logged = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
                return q(line.c_str()).endsWith(bonus);
            });
            if (on) {
                QCOMPARE(boxes, 0);
                QVERIFY(logged);
                auto* status = h.main.findChild<QStatusBar*>();
                QVERIFY(status);
                QVERIFY(!status->currentMessage().isEmpty());
                quiet = stateJson(h.s(), 0, 0);
            } else {
                QVERIFY(boxes > 0);
                QVERIFY(h.messages.saw(bonus));
                answered = stateJson(h.s(), 0, 0);
            }
        }
        QCOMPARE(quiet, answered);
    }

    // Turned off again, the option takes its status line away and the boxes come back.
    void quietComputerOptionCanBeTurnedOffAgain() {
        AppHarness h(personThenComputer());
        auto* option = h.main.findChild<QAction*>(QStringLiteral("QuietComputerAction"));
        option->trigger();
        QVERIFY(h.main.findChild<QStatusBar*>());
        option->trigger();
        QVERIFY(!h.main.quietComputer());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the bar goes later
        QVERIFY(!h.main.findChild<QStatusBar*>());
    }

    void consecutiveComputersEachPlayOnceInTurn() {
        NewGameSetup setup;
        setup.numPlayers = 3;
        setup.computer[2] = true;
        setup.computer[3] = true;
        AppHarness h(setup);
        h.click("OpgSpeed1");
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("CancelButtonInFreeLand");
        QTRY_VERIFY_WITH_TIMEOUT(personsTurn(h), 30000);
        // Each computer moved once, by 3 + 3.
        QCOMPARE(int(h.s().player(2).Position), 6);
        QCOMPARE(int(h.s().player(3).Position), 6);
    }

    void computerShowsItsProgressWhileItPlays() {
        AppHarness h(personThenComputer());
        h.click("OpgSpeed1");
        // At the fastest speed the bar grows between two polls of a test: it is watched instead.
        bool labelShown = false, barGrown = false;
        Watch label(h.find("LabelComThinking"),
                    [&](QWidget* w) { labelShown = labelShown || !w->isHidden(); });
        Watch bar(h.find("BarComThinking"),
                  [&](QWidget* w) { barGrown = barGrown || (!w->isHidden() && w->width() > 0); });
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("CancelButtonInFreeLand");
        QTRY_VERIFY_WITH_TIMEOUT(personsTurn(h), 30000);
        QVERIFY(labelShown);
        QVERIFY(barGrown);
    }
};

QTEST_MAIN(ComputerTest)
#include "ComputerTest.moc"
