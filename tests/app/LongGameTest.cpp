// Thousands of computer turns through the real windows, the fastest speed with every pause pinned to
// 0 ms and every message answered: each turn starts from the event loop, never inside the one before,
// and the program does not grow as the game goes on.
#include <QAbstractButton>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ComputerDriver.h"
#include "app/MainWindow.h"
#include "board/BoardWindow.h"
#include "engine/Random.h"
#include "ui/MessageBoxes.h"
#include "ui/ShownProbe.h"

using namespace tavorin;

class LongGameTest : public QObject {
    Q_OBJECT

private slots:
    void thousandsOfComputerTurnsNeitherNestNorGrow() {
        // The pictures and the fitted texts are cached as the board first shows them: by a thousand turns
        // every one has been seen.
        // Under AddressSanitizer, which looks for bad memory use rather than growth, a shorter game
        // keeps the sanitized run of the whole suite within bounds.
#ifdef __SANITIZE_ADDRESS__
        constexpr long kTurns = 1000, kEarly = 300;
#else
        constexpr long kTurns = 5000, kEarly = 1000;
#endif
        long answered = 0;
        const ui::MessageAnswerer previous = ui::setMessageAnswerer([&answered](const ui::MessageRequest&) {
            ++answered;
            return MsgResult::Ok;
        });
        {
            // Six computers with this seed play for more than 7000 turns before one is left.
            SeededRandom random(197);
            QTemporaryDir folder;
            app::MainWindow main(random);
            main.setQuitHandler([] {});
            main.setGameFolder(folder.path());
            NewGameSetup setup;
            setup.numPlayers = 6;
            for (int k = 1; k <= 6; ++k) setup.computer[std::size_t(k)] = true;
            main.newGame(setup);
            QTest::mouseClick(main.findChild<QAbstractButton*>(QStringLiteral("OpgSpeed1")), Qt::LeftButton);
            QCOMPARE(main.game().state().Speed, 1000);

            app::ComputerDriver& driver = main.computer();
            driver.setFixedPause(0);
            long rssEarly = 0;
            QEventLoop loop;
            connect(&driver, &app::ComputerDriver::turnFinished, &loop, [&] {
                if (driver.turnsPlayed() == kEarly) rssEarly = ui::procStatusKb("VmRSS");
                if (driver.turnsPlayed() >= kTurns || main.game().state().gameOver) loop.quit();
            });
            loop.exec();
            [[maybe_unused]] const long rssEnd = ui::procStatusKb("VmRSS");

            QVERIFY(!main.game().state().gameOver);
            QCOMPARE(driver.turnsPlayed(), kTurns);
            QCOMPARE(driver.deepestStep(), 1);
            QVERIFY(answered > 0);
            QVERIFY(main.isVisible());
            QVERIFY(main.board().isVisible());
#ifndef __SANITIZE_ADDRESS__
            // Under AddressSanitizer freed memory is held back on purpose, so only a plain build
            // can tell. 10 MB over 4000 turns is 2.5 kB a turn.
            qInfo("VmRSS after %ld turns: %ld kB; after %ld turns: %ld kB", kEarly, rssEarly, kTurns, rssEnd);
            QVERIFY2(rssEnd <= rssEarly + 10 * 1024,
                     qPrintable(QStringLiteral("%1 kB, then %2 kB").arg(rssEarly).arg(rssEnd)));
#endif
        }
        ui::setMessageAnswerer(previous);
    }
};

QTEST_MAIN(LongGameTest)
#include "LongGameTest.moc"
