// Which window is in front when: the board when a move is due on it, MAIN when the square is to be
// answered, even when the window was open already behind the other one.
#include <QApplication>

#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {
// Records the game's moment at every activation of a window.
class Activations : public QObject {
public:
    Activations(QWidget* w, std::function<void()> seen) : seen_(std::move(seen)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) seen_();
        return false;
    }

private:
    std::function<void()> seen_;
};

NewGameSetup personThenComputer() {
    NewGameSetup setup;
    setup.computer[2] = true;
    return setup;
}
} // namespace

class ForegroundTest : public QObject {
    Q_OBJECT
private slots:
    void boardComesForwardWhenThePersonsDiceStop() {
        AppHarness h;
        // Both windows are open, MAIN in front, as after the last answer of a turn.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&h.main));
        QVERIFY(h.main.board().isVisible());
        QVERIFY(h.roll(3, 3));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&h.main.board()));
        // The token put down, MAIN comes back for the square's question.
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("FreeLandFrame"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&h.main));
    }

    void boardComesForwardForTheComputersMoveThenMainForItsSquare() {
        AppHarness h(personThenComputer());
        h.main.computer().setFixedPause(0);
        // Every activation of either window between the computer's roll and its decision.
        QStringList seen;
        const auto during = [&](const char* window) {
            return [&, window] {
                if (h.s().NV == 2 && h.main.computer().playing() && h.s().FirstProcess == "Y")
                    seen << QLatin1String(window);
            };
        };
        Activations onBoard(&h.main.board(), during("board"));
        Activations onMain(&h.main, during("main"));
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("CancelButtonInFreeLand"); // the computer's turn begins
        QTRY_VERIFY_WITH_TIMEOUT(h.s().NV == 1 && !h.main.computer().playing(), 30000);
        QCOMPARE(seen, (QStringList{QStringLiteral("board"), QStringLiteral("main")}));
    }
};

QTEST_MAIN(ForegroundTest)
#include "ForegroundTest.moc"
