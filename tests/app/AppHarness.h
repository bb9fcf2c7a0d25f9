// A whole program under test: the main window with its board, a scripted random source, the
// message boxes answered by the test, and the mouse on the board. With TAVORIN_LAYOUT=one in the
// environment the board and the controls share one window, so that a suite runs in either layout.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ComputerDriver.h"
#include "app/MainWindow.h"
#include "app/ScreenSync.h"
#include "board/BoardLayout.h"
#include "board/BoardWindow.h"
#include "tests/ui/QtSupport.h"
#include "ui/Text.h"

namespace tavorin::test {

class AppHarness {
public:
    ScriptedRandom random;
    MessageRecorder messages;
    QTemporaryDir folder; // saved games and RecFile
    app::MainWindow main{random};
    int quits = 0;

    explicit AppHarness(const NewGameSetup& setup = {}) {
        main.setQuitHandler([this] { ++quits; });
        main.setGameFolder(folder.path());
        if (qEnvironmentVariable("TAVORIN_LAYOUT") == QLatin1String("one"))
            main.setWindowLayout(app::WindowLayout::OneWindow);
        // The dice timers draw at every tick: they settle on 3 + 3 unless a test says otherwise.
        random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
        main.newGame(setup);
    }

    Game& game() { return main.game(); }
    GameState& s() { return main.game().stateToSetUp(); }

    template <class W = QWidget> W* find(const char* name) {
        W* w = main.findChild<W*>(QString::fromLatin1(name));
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    QString text(const char* name) {
        QWidget* w = find(name);
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        return {};
    }
    bool shown(const char* name) { return !find(name)->isHidden(); }
    bool enabled(const char* name) { return find(name)->isEnabled(); }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

    // Clicks RunButton, waits until both dice have settled on their scripted faces, clicks StopButton.
    bool roll(int face1 = 3, int face2 = 3) {
        random.fallback = [face1, face2, n = 0](int lo, int hi) mutable {
            if (hi != 6) return lo;
            return (n++ % 2 == 0) ? face1 : face2;
        };
        click("RunButton");
        // Either timer may tick first, so wait for each die to show a scripted face.
        const bool settled = QTest::qWaitFor(
            [&] {
                const int a = s().CubeValue1, b = s().CubeValue2;
                return (a == face1 || a == face2) && (b == face1 || b == face2) && a + b == face1 + face2;
            },
            10000);
        click("StopButton");
        return settled;
    }

    board::BoardView& board() { return main.board().view(); }
    QPoint boardPixel(int x, int y) { return board().toPixels(x, y); }
    QPoint squareCentre(int square) {
        const Rect r = board::squareRect(square);
        return boardPixel(r.left + r.width / 2, r.top + r.height / 2);
    }
    // Carries token k onto a board pixel with the mouse.
    void carry(int k, QPoint to) {
        const Rect t = board::tokenRect(s(), k);
        const QPoint from = boardPixel(t.left + t.width / 2, t.top + t.height / 2);
        QTest::mousePress(&board(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&board(), to);
        QTest::mouseRelease(&board(), Qt::LeftButton, {}, to);
    }
    void carryToSquare(int k, int square) { carry(k, squareCentre(square)); }
};

inline QString q(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace tavorin::test
