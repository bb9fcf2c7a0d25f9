// The winner window, the hall-of-fame list and its detail window, filled from records and from
// RecFile in a temporary folder.
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "tests/ui/QtSupport.h"

using namespace tavorin;
using namespace tavorin::halloffame;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W = QWidget> W* child(QWidget& root, const char* name) {
    W* w = root.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

QStringList lines(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

HallRecord record(const char* name, std::int32_t total, std::int32_t cash,
                  std::vector<std::string> deeds = {}) {
    HallRecord r;
    r.Name = name;
    r.TotalAsset = total;
    r.Money = cash;
    r.DeedCount = std::uint8_t(deeds.size());
    for (std::size_t i = 0; i < deeds.size(); ++i) r.DeedLines[i + 1] = deeds[i];
    return r;
}

// A folder whose RecFile holds the given winners, entered one after the other.
struct Folder {
    QTemporaryDir dir;
    std::filesystem::path path() const { return std::filesystem::path(dir.path().toStdU16String()); }
    int enter(const HallRecord& r) { return std::get<int>(SaveRecFile(r, path())); }
};

} // namespace

class HallWindowsTest : public QObject {
    Q_OBJECT

    test::MessageRecorder messages;

private slots:
    void init() { messages.shown.clear(); }

    void winnerWindowShowsTheRecord() {
        WinWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("The Winner"));
        QCOMPARE(child<QAbstractButton>(w, "HallOfFrameButton")->text(), q("บันทึกสุดยอดทาวอริน"));
        QCOMPARE(child<QAbstractButton>(w, "Command1")->text(), q("จบเกม"));
        QVERIFY(child<QLineEdit>(w, "Text1")->isReadOnly());
        QVERIFY(child<QLineEdit>(w, "Text2")->isReadOnly());
        HallRecord r = record("สมหญิง", 25600, 20000, {"1  บางปะอิน", "3  วัดอรุณฯ (จ.)"});
        r.DeedLines[3] = "a line past the deed count is not shown";
        w.SetValueInWinForm(r);
        QCOMPARE(child<QLabel>(w, "WLabelName")->text(), q("สมหญิง"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), q("25600"));
        QCOMPARE(child<QLineEdit>(w, "Text2")->text(), q("20000"));
        QCOMPARE(child<QLabel>(w, "WLabelNumOfDeed")->text(), q("2"));
        QCOMPARE(lines(child<QListWidget>(w, "List1")), (QStringList{q("1  บางปะอิน"), q("3  วัดอรุณฯ (จ.)")}));
        // Filled again for another winner, nothing of the first stays.
        w.SetValueInWinForm(record("Player2", 15000, 15000));
        QCOMPARE(child<QLabel>(w, "WLabelNumOfDeed")->text(), q("0"));
        QCOMPARE(child<QListWidget>(w, "List1")->count(), 0);
        QVERIFY(!child<QLabel>(w, "Image1")->pixmap().isNull());
    }

    // Beside the figures stand the windows' own captions and nothing else: no currency caption
    // after the amounts.
    void windowsCarryOnlyTheirOwnCaptions_data() {
        QTest::addColumn<bool>("winner");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("winner") << true
                                << QStringList{q("รายละเอียดทรัพย์สินของ"), q("ทรัพย์สินทั้งหมด(ไม่รวมที่ดินจำนอง)"),
                                               q("เป็นเงินสด"), q("มีโฉนดรวมทั้งสิ้น"), q("ใบ ดังนี้")};
        QTest::newRow("hall-of-fame details")
            << false
            << QStringList{q("รายละเอียดทรัพย์สินของ"), q("ทรัพย์สินทั้งหมด(ไม่นับที่ดินจำนอง)"), q("เงินสด"),
                           q("มีจำนวนโฉนดทั้งหมด"), q("ใบ ดังนี้")};
    }
    void windowsCarryOnlyTheirOwnCaptions() {
        QFETCH(bool, winner);
        QFETCH(QStringList, captions);
        std::unique_ptr<QWidget> w;
        if (winner)
            w = std::make_unique<WinWindow>();
        else
            w = std::make_unique<HallOfFameDetailWindow>();
        QStringList shown;
        for (const QLabel* l : w->findChildren<QLabel*>())
            if (l->objectName().isEmpty()) shown << l->text();
        shown.sort();
        captions.sort();
        QCOMPARE(shown, captions);
    }

    void winnerWindowEndsTheProgram_data() {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("จบเกม") << false;
        QTest::newRow("closing the window") << true;
    }
    void winnerWindowEndsTheProgram() {
        QFETCH(bool, closeWindow);
        WinWindow w;
        int quits = 0;
        w.setQuitHandler([&] { ++quits; });
        QSignalSpy hall(&w, &WinWindow::hallOfFameRequested);
        w.show();
        QTest::mouseClick(child<QAbstractButton>(w, "HallOfFrameButton"), Qt::LeftButton);
        QCOMPARE(hall.count(), 1);
        QCOMPARE(quits, 0);
        if (closeWindow)
            w.close();
        else
            QTest::mouseClick(child<QAbstractButton>(w, "Command1"), Qt::LeftButton);
        QCOMPARE(quits, 1);
        QVERIFY(messages.shown.empty()); // no question first: the game is over
    }

    void listShowsTheRanksWithTiesAbove() {
        Folder f;
        QCOMPARE(f.enter(record("เก่า", 15000, 15000)), 1);
        QCOMPARE(f.enter(record("รวย", 30000, 1000)), 1);
        QCOMPARE(f.enter(record("ใหม่", 15000, 2000, {"9  การไฟฟ้า (คู่)"})), 2); // ties with เก่า
        HallOfFameWindow w(f.dir.path());
        w.open();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Hall Of Frame"));
        QCOMPARE(child<QLabel>(w, "Label1")->text(), q("บันทึกรายได้สูงสุด 10 อันดับแรก"));
        QCOMPARE(child<QAbstractButton>(w, "DButton")->text(), q("ดูรายละเอียดทรัพย์สิน"));
        auto* list = child<QListWidget>(w, "TopList");
        QCOMPARE(lines(list), (QStringList{q("1 รวย   30000"), q("2 ใหม่   15000"), q("3 เก่า   15000")}));

        // Nothing selected: no details.
        QTest::mouseClick(child<QAbstractButton>(w, "DButton"), Qt::LeftButton);
        QVERIFY(!w.hasDetailWindow());

        list->setCurrentRow(1);
        QTest::mouseClick(child<QAbstractButton>(w, "DButton"), Qt::LeftButton);
        HallOfFameDetailWindow& d = w.detailWindow();
        QVERIFY(d.isVisible());
        QCOMPARE(d.windowTitle(), q("รายละเอียดทรัพย์สิน"));
        QCOMPARE(child<QLabel>(d, "TLabelName")->text(), q("ใหม่"));
        QCOMPARE(child<QLineEdit>(d, "TtotalAssetText")->text(), q("15000"));
        QCOMPARE(child<QLineEdit>(d, "TCashText")->text(), q("2000"));
        QCOMPARE(child<QLabel>(d, "TLabelNumOfDeed")->text(), q("1"));
        QCOMPARE(lines(child<QListWidget>(d, "List1")), QStringList{q("9  การไฟฟ้า (คู่)")});

        // A double click on a line does the same.
        emit list->itemDoubleClicked(list->item(2));
        QCOMPARE(child<QLabel>(d, "TLabelName")->text(), q("ใหม่"));
        list->setCurrentRow(2);
        emit list->itemDoubleClicked(list->item(2));
        QCOMPARE(child<QLabel>(d, "TLabelName")->text(), q("เก่า"));
        QCOMPARE(child<QListWidget>(d, "List1")->count(), 0);
    }

    // Each opening reads RecFile again; the detail belongs to the line as it was listed.
    void listFollowsTheFileAtEachOpening() {
        Folder f;
        HallOfFameWindow w(f.dir.path());
        w.open();
        QCOMPARE(child<QListWidget>(w, "TopList")->count(), 0);
        QVERIFY(messages.shown.empty()); // no file yet is an empty hall, not an error
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("RecFile"))));
        f.enter(record("หนึ่ง", 1000, 1000));
        w.open();
        auto* list = child<QListWidget>(w, "TopList");
        QCOMPARE(lines(list), QStringList{q("1 หนึ่ง   1000")});
        f.enter(record("สอง", 2000, 2000));
        list->setCurrentRow(0);
        QTest::mouseClick(child<QAbstractButton>(w, "DButton"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w.detailWindow(), "TLabelName")->text(), q("หนึ่ง"));
    }

    void unreadableFileIsReportedAndListsNothing() {
        Folder f;
        f.enter(record("หนึ่ง", 1000, 1000));
        HallOfFameWindow w(f.dir.path());
        w.open();
        QCOMPARE(child<QListWidget>(w, "TopList")->count(), 1);
        // A folder where the file should be cannot be read as one.
        QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("RecFile"))));
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("RecFile")));
        w.open();
        QCOMPARE(messages.lastText(), q("ไม่สามารถอ่านไฟล์บันทึกสุดยอดทาวอริน (RecFile) ได้"));
        QCOMPARE(child<QListWidget>(w, "TopList")->count(), 0);
        child<QListWidget>(w, "TopList")->setCurrentRow(0);
        QTest::mouseClick(child<QAbstractButton>(w, "DButton"), Qt::LeftButton);
        QVERIFY(!w.hasDetailWindow());
    }
};

QTEST_MAIN(HallWindowsTest)
#include "HallWindowsTest.moc"
