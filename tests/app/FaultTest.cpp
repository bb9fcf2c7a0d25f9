// Writes that fail part of the way, through the windows: SAVE and the hall of fame's RecFile at the
// end of a game. Whatever byte the disk gives up at, the file that was there before stays as it was,
// no half-written file is left beside it, the player is told, and the game goes on.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "board/BoardLayout.h"
#include "board/BoardWindow.h"
#include "engine/RecordFile.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/ui/QtSupport.h"
#include "ui/Text.h"

using namespace tavorin;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }
std::filesystem::path pathOf(const QString& folder) { return std::filesystem::path(folder.toStdU16String()); }

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the first `limit` bytes of a file (all of it when shorter), then reports the failure a full
// disk or a pulled drive would.
class FailingWriter final : public FileWriter {
public:
    explicit FailingWriter(long limit) : limit_(limit) {}
    bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) override {
        const std::size_t n = std::min(bytes.size(), std::size_t(std::max(0L, limit_)));
        diskFileWriter().writeFile(file, bytes.first(n));
        return false;
    }

private:
    long limit_;
};

template <class W = QWidget> W* in(QWidget& root, const char* name) {
    W* w = root.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

void press(QWidget& root, const char* name) {
    QTest::mouseClick(in<QAbstractButton>(root, name), Qt::LeftButton);
}

// The program in a folder of its own, a new game of two persons already begun.
struct Run {
    QTemporaryDir dir;
    test::ScriptedRandom random;
    test::MessageRecorder messages;
    app::Program program{random, dir.path()};

    Run() {
        program.setQuitHandler([] {});
        random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
        program.show();
        in<QLineEdit>(program.start(), "Text1")->setText(q("เกมของฉัน"));
        press(program.start(), "NEWGAMEButton");
        press(program.start().setupWindow(), "OKButton");
    }
    app::MainWindow& main() { return *program.main(); }
    GameState& s() { return main().game().s; }

    // Rolls 3 + 3 and carries the current player's token onto its square.
    void rollAndCarry() {
        press(main(), "RunButton");
        QVERIFY(QTest::qWaitFor([&] { return s().CubeValue1 == 3 && s().CubeValue2 == 3; }, 10000));
        press(main(), "StopButton");
        board::BoardView& view = main().board().view();
        const int k = s().NV;
        const Rect t = board::tokenRect(s(), k);
        const Rect r = board::squareRect(s().player(k).Position);
        const QPoint from = view.toPixels(t.left + t.width / 2, t.top + t.height / 2);
        const QPoint to = view.toPixels(r.left + r.width / 2, r.top + r.height / 2);
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }
    QStringList files() { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

class FaultTest : public QObject {
    Q_OBJECT

private slots:
    void failedSaveKeepsThePreviousSave_data() {
        QTest::addColumn<long>("limit"); // bytes written before the failure; -1: all but the last
        QTest::newRow("nothing written") << 0L;
        QTest::newRow("one byte") << 1L;
        QTest::newRow("a hundred bytes") << 100L;
        QTest::newRow("all but the last byte") << -1L;
        QTest::newRow("every byte, then the failure") << (1L << 40);
    }
    void failedSaveKeepsThePreviousSave() {
        QFETCH(long, limit);
        Run run;
        press(run.main(), "SaveButton");
        const QString file = run.dir.filePath(q("เกมของฉัน.dat"));
        const QByteArray previous = bytesOf(file);
        QVERIFY(previous.size() >= 1866);
        run.rollAndCarry();
        press(run.main(), "OKButtonInFreeLand"); // player 1 buys deed 5: the next save differs
        QCOMPARE(run.s().NV, 2);
        FailingWriter failing(limit < 0 ? long(previous.size()) - 1 : limit);
        run.program.setFileWriter(failing);
        run.messages.shown.clear();
        press(run.main(), "SaveButton");

        QCOMPARE(run.messages.shown.size(), std::size_t(1));
        QCOMPARE(run.messages.lastText(), q("ไม่สามารถบันทึกเกมลงไฟล์ เกมของฉัน.dat ได้"));
        QCOMPARE(run.messages.lastTitle(), q("Player2"));
        QCOMPARE(bytesOf(file), previous);
        // The game, its log and its wealth history of the first save, and nothing half-written beside them.
        QCOMPARE(run.files(), (QStringList{q("เกมของฉัน.dat"), q("เกมของฉัน.log"), q("เกมของฉัน.wealth")}));
        // The turn waits for its roll as before, and a save that works replaces the old one.
        QVERIFY(in(run.main(), "RunButton")->isEnabled());
        QVERIFY(in(run.main(), "SaveButton")->isEnabled());
        run.program.setFileWriter(diskFileWriter());
        press(run.main(), "SaveButton");
        QCOMPARE(run.messages.shown.size(), std::size_t(1));
        QVERIFY(bytesOf(file) != previous);
    }

    // Player 1 goes bankrupt on the tax square; player 2 wins and enters a RecFile that already
    // holds a rank.
    void failedRecFileKeepsThePreviousRanks_data() {
        QTest::addColumn<long>("limit");
        QTest::newRow("nothing written") << 0L;
        QTest::newRow("one byte") << 1L;
        QTest::newRow("a hundred bytes") << 100L;
        QTest::newRow("all but the last byte") << -1L;
        QTest::newRow("every byte, then the failure") << (1L << 40);
    }
    void failedRecFileKeepsThePreviousRanks() {
        QFETCH(long, limit);
        Run run;
        HallRecord earlier;
        earlier.Name = "สมชาย";
        earlier.TotalAsset = earlier.Money = 12000;
        QVERIFY(std::holds_alternative<int>(SaveRecFile(earlier, pathOf(run.dir.path()))));
        const QString recFile = run.dir.filePath(QStringLiteral("RecFile"));
        const QByteArray previous = bytesOf(recFile);
        QVERIFY(previous.size() >= 10 * 69);

        FailingWriter failing(limit < 0 ? long(previous.size()) - 1 : limit);
        run.program.setFileWriter(failing);
        run.main().game().PlayerMoneyChange(1, -14900); // 100 baht and nothing to sell
        run.s().player(1).Position = 32;
        run.rollAndCarry();
        press(run.main(), "OKButtonInTaxFrame");

        QVERIFY(run.messages.saw(q("ไม่สามารถบันทึกไฟล์บันทึกสุดยอดทาวอริน (RecFile) ได้")));
        QVERIFY(!run.messages.saw(q("New Record")));
        QCOMPARE(bytesOf(recFile), previous);
        QCOMPARE(run.files(), (QStringList{QStringLiteral("RecFile"), QStringLiteral("RecFile.lock")}));
        // The winner is still congratulated, and the hall of fame shows the ranks that were kept.
        halloffame::WinWindow& win = run.main().winForm();
        QVERIFY(win.isVisible());
        press(win, "HallOfFrameButton");
        auto* list = in<QListWidget>(run.program.hallOfFame(), "TopList");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), q("1 สมชาย   12000"));
    }
};

QTEST_MAIN(FaultTest)
#include "FaultTest.moc"
