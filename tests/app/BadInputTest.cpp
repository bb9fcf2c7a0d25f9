// Whatever a person types or picks, window by window: empty text, blanks, a thousand characters,
// Thai digits, negative and enormous numbers, characters Windows-874 cannot hold, path separators,
// and list buttons pressed with nothing chosen. Each is refused with its message or passed over as
// the rules say, and a refusal changes nothing of the game or its files.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "dealings/DealingsWindows.h"
#include "dealings/DeedCardWindow.h"
#include "engine/Text.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/NewGameRules.h"
#include "setup/SaveRecord.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

std::filesystem::path pathOf(const QString& folder) { return std::filesystem::path(folder.toStdU16String()); }

template <class W = QWidget> W* in(QWidget& window, const QString& name) {
    W* w = window.findChild<W*>(name);
    if (!w) qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name));
    return w;
}

// Types into a text box the way an input method commits text: any script, and the box reports it
// as typed by the person.
void type(QWidget& window, const QString& box, const QString& text) {
    auto* edit = in<QLineEdit>(window, box);
    edit->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(edit, &commit);
}

void press(QWidget& window, const QString& button) {
    QTest::mouseClick(in<QAbstractButton>(window, button), Qt::LeftButton);
}

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

// A saved game in the folder, so that the start window lists something and nothing is chosen.
void saveListedGame(const QString& folder) {
    ScriptedRandom random;
    QuietView view;
    Game g(random, view);
    g.NewGame(NewGameSetup{});
    QVERIFY(!saveGameFile(g.state(), pathOf(folder), "เก่า").has_value());
}

// The program from its start window, in a folder of its own.
struct Run {
    QTemporaryDir dir;
    ScriptedRandom random;
    app::Program program{random, dir.path()};

    Run() {
        program.setQuitHandler([] {});
        random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
        program.show();
    }
    setupui::StartWindow& start() { return program.start(); }
};

// What the state of a game that must not have changed is compared by.
struct Snapshot {
    std::array<std::int32_t, kMaxPlayers + 1> money{};
    std::array<int, kMaxPlayers + 1> deedCount{};
    std::array<std::array<int, 4>, kDeeds + 1> deeds{}; // owner, houses, towers, mortgaged
    int continueCount = 0;

    explicit Snapshot(const GameState& s) {
        for (int k = 1; k <= kMaxPlayers; ++k) {
            money[std::size_t(k)] = s.player(k).Money;
            deedCount[std::size_t(k)] = s.player(k).DeedCount;
        }
        for (int d = 1; d <= kDeeds; ++d)
            deeds[std::size_t(d)] = {s.deed(d).Owner, s.deed(d).Houses, s.deed(d).Towers,
                                     s.deed(d).Mortgaged};
        continueCount = s.Continue;
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    // START: the new game's name, and LOAD and DELETE with no saved game chosen.
    void startWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("refusal"); // empty: the game starts and saves under the typed name
        const QString newGame = QStringLiteral("NEWGAMEButton");
        QTest::newRow("empty") << QString() << newGame << q("กรุณาใส่ชื่อก่อน");
        QTest::newRow("blanks only") << QStringLiteral("   ") << newGame << q("กรุณาใส่ชื่อก่อน");
        QTest::newRow("1000 characters")
            << QString(1000, QChar(0x0E01)) << newGame << q("ชื่อไฟล์ยาวเกินไป (ไม่เกิน 100 ตัวอักษร)");
        QTest::newRow("climbs out of the folder")
            << q("../เกม") << newGame << q("ชื่อไฟล์ห้ามมีเครื่องหมาย / หรือ \\");
        QTest::newRow("backslash") << q("เกม\\1") << newGame << q("ชื่อไฟล์ห้ามมีเครื่องหมาย / หรือ \\");
        QTest::newRow("Thai digits") << q("เกม๑๒๓") << newGame << QString();
        QTest::newRow("negative number") << QStringLiteral("-15000") << newGame << QString();
        QTest::newRow("enormous number")
            << QStringLiteral("99999999999999999999999999") << newGame << QString();
        // Only the file carries the game's name, and file names are Unicode: Windows-874 is no limit.
        QTest::newRow("beyond Windows-874") << q("เกม€名前😀") << newGame << QString();
        QTest::newRow("spaces inside") << q(" เกม วันหยุด ") << newGame << QString();
        QTest::newRow("load, nothing chosen")
            << QString() << QStringLiteral("LOADGAMEButton") << q("กรุณาระบุชื่อก่อน");
        QTest::newRow("delete, nothing chosen")
            << QString() << QStringLiteral("DELETEButton") << q("กรุณาระบุชื่อที่ต้องการลบ");
    }
    void startWindow() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, refusal);
        Run run;
        saveListedGame(run.dir.path());
        const QString listed = run.dir.filePath(q("เก่า.dat"));
        const QByteArray before = bytesOf(listed);
        MessageRecorder messages;
        run.start().refreshFileList();
        type(run.start(), QStringLiteral("Text1"), typed);
        press(run.start(), button);

        if (!refusal.isEmpty()) {
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(messages.lastText(), refusal);
            QCOMPARE(messages.shown[0].buttons, MsgButtons::Ok);
            QVERIFY(run.start().isVisible());
            QVERIFY(!run.start().hasSetupWindow());
            QVERIFY(!run.program.main());
            QCOMPARE(filesIn(run.dir.path()), QStringList{q("เก่า.dat")});
            QCOMPARE(bytesOf(listed), before);
            return;
        }
        QVERIFY(messages.shown.empty());
        QVERIFY(run.start().setupWindow().isVisible());
        press(run.start().setupWindow(), QStringLiteral("OKButton"));
        QVERIFY(run.program.main());
        QCOMPARE(ui::qs(run.program.main()->game().state().FileName), typed);
        press(*run.program.main(), QStringLiteral("SaveButton"));
        QVERIFY(messages.shown.empty());
        QVERIFY(QFile::exists(run.dir.filePath(typed + QStringLiteral(".dat"))));
        QCOMPARE(bytesOf(listed), before);
    }

    // DEFINENUMOFPLAYER: a player's name and the path of a token picture.
    void setupWindow_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("name"); // player 2's name in the game that starts
        const QString name2 = QStringLiteral("PlayerName2");
        QTest::newRow("empty name") << name2 << QString() << QString() << true << QString();
        QTest::newRow("blank name") << name2 << QStringLiteral("   ") << QString() << true
                                    << QStringLiteral("   ");
        QTest::newRow("1000 characters stop at 20")
            << name2 << QString(1000, QChar(0x0E01)) << QString() << true << QString(20, QChar(0x0E01));
        QTest::newRow("Thai digits") << name2 << q("๑๒๓") << QString() << true << q("๑๒๓");
        QTest::newRow("negative number")
            << name2 << QStringLiteral("-15000") << QString() << true << QStringLiteral("-15000");
        QTest::newRow("enormous number") << name2 << QStringLiteral("99999999999999999999") << QString()
                                         << true << QStringLiteral("99999999999999999999");
        QTest::newRow("path separators")
            << name2 << QStringLiteral("../a\\b") << QString() << true << QStringLiteral("../a\\b");
        QTest::newRow("name beyond Windows-874")
            << name2 << q("名前") << q("ชื่อของผู้เล่นที่ 2 (名前) มีตัวอักษรที่เกมบันทึกไม่ได้ กรุณาแก้ชื่อก่อน") << false
            << QString();
        QTest::newRow("emoji in a name")
            << name2 << q("สมชาย😀") << q("ชื่อของผู้เล่นที่ 2 (สมชาย😀) มีตัวอักษรที่เกมบันทึกไม่ได้ กรุณาแก้ชื่อก่อน") << false
            << QString();
        // A token picture that cannot be used is reported, and the token keeps its default picture.
        const QString picture = QStringLiteral("FImg1");
        const auto refused = [](const QString& path, PictureProblem problem) {
            return ui::qs(pictureRefusedAtStart(1, "Player1", ui::toUtf8(path), problem));
        };
        QTest::newRow("no picture path") << picture << QString() << refused({}, PictureProblem::NoFile)
                                         << true << QStringLiteral("Player2");
        QTest::newRow("blank picture path")
            << picture << QStringLiteral("  ") << refused(QStringLiteral("  "), PictureProblem::Missing)
            << true << QStringLiteral("Player2");
        const QString longPath =
            QStringLiteral("/") + QString(1000, QLatin1Char('x')) + QStringLiteral(".png");
        QTest::newRow("1000-character path")
            << picture << longPath << refused(longPath, PictureProblem::Missing) << true
            << QStringLiteral("Player2");
        QTest::newRow("a folder") << picture << QStringLiteral("/")
                                  << refused(QStringLiteral("/"), PictureProblem::Missing) << true
                                  << QStringLiteral("Player2");
        QTest::newRow("path beyond Windows-874")
            << picture << q("/tmp/名前.png") << refused(q("/tmp/名前.png"), PictureProblem::PathNotStorable)
            << true << QStringLiteral("Player2");
    }
    void setupWindow() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, starts);
        QFETCH(QString, name);
        Run run;
        MessageRecorder messages;
        in<QLineEdit>(run.start(), QStringLiteral("Text1"))->setText(QStringLiteral("g"));
        press(run.start(), QStringLiteral("NEWGAMEButton"));
        setupui::SetupWindow& setup = run.start().setupWindow();
        if (box.startsWith(QLatin1String("FImg"))) in<QRadioButton>(setup, QStringLiteral("OpgC1"))->click();
        in<QLineEdit>(setup, box)->clear();
        type(setup, box, typed);
        press(setup, QStringLiteral("OKButton"));

        if (message.isEmpty())
            QVERIFY(messages.shown.empty());
        else
            QCOMPARE(messages.lastText(), message);
        if (!starts) {
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QVERIFY(setup.isVisible());
            QVERIFY(!run.program.main());
            QCOMPARE(in<QLineEdit>(setup, box)->text(), typed); // kept for correcting
            QVERIFY(filesIn(run.dir.path()).isEmpty());
            return;
        }
        QVERIFY(run.program.main());
        GameState& s = run.program.main()->game().stateToSetUp();
        QCOMPARE(ui::qs(s.player(2).Name), name);
        QCOMPARE(s.LP[1], kFalse);
        // Whatever was accepted can be saved and read back.
        messages.shown.clear();
        press(*run.program.main(), QStringLiteral("SaveButton"));
        QVERIFY(messages.shown.empty());
        const auto loaded = loadGameFile(pathOf(run.dir.path()), "g");
        QVERIFY(std::holds_alternative<SaveRecord>(loaded));
    }

    // MAIN: the deed card and the house bonus with no deed chosen, or none held.
    void mainWindow_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message"); // empty: nothing is said
        QTest::newRow("deed card, no line chosen") << "card" << QString();
        QTest::newRow("house bonus, no deed chosen") << "bonus" << q("ยังไม่ได้เลือกโฉนด");
        QTest::newRow("house bonus, no deed held") << "bonus, none held" << q("เลือกไม่ได้");
    }
    void mainWindow() {
        QFETCH(QString, action);
        QFETCH(QString, message);
        AppHarness h;
        if (action != QLatin1String("bonus, none held")) {
            h.game().addDeed(1, 2);
            h.game().ChangeDeedOnMain();
        }
        h.s().player(1).Position = 34;
        QVERIFY(h.roll(3, 3)); // onto the start: the lap bonus is due
        h.carryToSquare(1, 0);
        QVERIFY(h.enabled("OKButtonInBonus"));
        h.messages.shown.clear();
        const Snapshot before(h.s());

        if (action == QLatin1String("card")) {
            h.find<QListWidget>("DeedList")->setCurrentItem(nullptr);
            h.click("ViewDeedButton");
            QVERIFY(!h.main.deedCard().isVisible());
        } else {
            h.click("OpgBonus2");
            if (action == QLatin1String("bonus, none held")) {
                auto* list = h.find<QComboBox>("CmbBonus");
                QCOMPARE(list->count(), 1);
                emit list->activated(0); // the one line says no deed is left
            }
            h.click("OKButtonInBonus");
        }
        if (message.isEmpty()) {
            QVERIFY(h.messages.shown.empty());
        } else {
            QCOMPARE(h.messages.shown.size(), std::size_t(1));
            QCOMPARE(h.messages.lastText(), message);
        }
        QVERIFY(Snapshot(h.s()) == before);
        QVERIFY(h.enabled("OKButtonInBonus"));
        QVERIFY(h.shown("StartFrame"));
    }

    // The mortgage, redemption and bank-sale windows: ">>" and the window's own button with no
    // line chosen or moved.
    void dealingWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (const char* window : {"MortgageButton", "SellBankButton", "RedeemButton"})
            for (const char* button : {"TransButton", "OKButton"})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(window), QLatin1String(button))))
                    << QString::fromLatin1(window) << QString::fromLatin1(button);
    }
    void dealingWindows() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        AppHarness h;
        h.game().addDeed(1, 1);
        h.game().addDeed(1, 5);
        h.s().deed(5).Mortgaged = kTrue;
        h.game().ChangeDeedOnMain();
        h.main.sync();
        DealingsWindows& w = h.main.dealings();
        h.click("PlayerButton1");
        QWidget* opened = &w.redeem();
        if (window == QLatin1String("RedeemButton")) {
            press(w.playerForm(), window);
        } else {
            press(w.playerForm(), QStringLiteral("SellButton"));
            press(w.sellForm(), window);
            opened = window == QLatin1String("MortgageButton") ? &w.mortgage() : &w.sellBank();
        }
        QVERIFY(opened->isVisible());
        h.messages.shown.clear();
        const Snapshot before(h.s());
        auto* left = in<QListWidget>(*opened, QStringLiteral("DeedList1"));
        const int lines = left->count();
        QVERIFY(lines > 0);
        left->clearSelection();
        left->setCurrentRow(-1);
        press(*opened, button);

        QVERIFY(h.messages.shown.empty());
        QVERIFY(Snapshot(h.s()) == before);
        if (button == QLatin1String("TransButton")) {
            QVERIFY(opened->isVisible());
            QCOMPARE(left->count(), lines);
            QCOMPARE(in<QListWidget>(*opened, QStringLiteral("DeedList2"))->count(), 0);
        }
    }

    // BID: the offered price, with a deed and a buyer chosen.
    void bidAmount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: CONFIRMBID opens
        QTest::addColumn<QString>("net");     // what the seller receives after the 40 % tax
        const QString bad = q("รูปแบบในช่องเสนอราคาไม่ถูกต้อง");
        QTest::newRow("empty") << QString() << bad << QString();
        QTest::newRow("blanks") << QStringLiteral("   ") << bad << QString();
        QTest::newRow("1000 digits") << QString(1000, QLatin1Char('9')) << bad << QString();
        QTest::newRow("1000 letters") << QString(1000, QChar(0x0E01)) << bad << QString();
        QTest::newRow("Thai digits") << q("๑๐๐") << bad << QString();
        QTest::newRow("full-width digits") << q("１００") << bad << QString();
        QTest::newRow("negative") << QStringLiteral("-100") << bad << QString();
        QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648") << bad << QString();
        QTest::newRow("exponent") << QStringLiteral("1e3") << bad << QString();
        QTest::newRow("groups of two") << QStringLiteral("1,00") << bad << QString();
        QTest::newRow("two signs") << QStringLiteral("+-100") << bad << QString();
        QTest::newRow("path separators") << QStringLiteral("1/2") << bad << QString();
        QTest::newRow("beyond Windows-874") << q("100€") << bad << QString();
        QTest::newRow("largest 32-bit amount")
            << QStringLiteral("2147483647") << q("เงินของ Player2 มีไม่พอกับที่เสนอกรุณาเสนอราคาใหม่") << QString();
        QTest::newRow("zero") << QStringLiteral("0") << QString() << QStringLiteral("0");
        QTest::newRow("blanks around") << QStringLiteral("  600  ") << QString() << QStringLiteral("360");
        QTest::newRow("thousands separator") << QStringLiteral("1,000") << QString() << QStringLiteral("600");
        QTest::newRow("plus sign") << QStringLiteral("+5000") << QString() << QStringLiteral("3000");
        QTest::newRow("both") << QStringLiteral("+12,500") << QString() << QStringLiteral("7500");
    }
    void bidAmount() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, net);
        AppHarness h;
        h.game().addDeed(1, 1);
        h.game().ChangeDeedOnMain();
        h.main.sync();
        DealingsWindows& w = h.main.dealings();
        h.click("PlayerButton1");
        press(w.playerForm(), QStringLiteral("SellButton"));
        press(w.sellForm(), QStringLiteral("BidButton"));
        QWidget& bid = w.bid();
        QVERIFY(bid.isVisible());
        auto* deeds = in<QListWidget>(bid, QStringLiteral("DeedList"));
        QTest::mouseClick(deeds->viewport(), Qt::LeftButton, {},
                          deeds->visualItemRect(deeds->item(0)).center());
        auto* buyer = in<QRadioButton>(bid, QStringLiteral("OpgPlayer2"));
        QTest::mouseClick(buyer, Qt::LeftButton, {}, QPoint(8, buyer->height() / 2));
        QVERIFY(buyer->isChecked());
        type(bid, QStringLiteral("BidAmount"), typed);
        h.messages.shown.clear();
        const Snapshot before(h.s());
        press(bid, QStringLiteral("OKButton"));

        QVERIFY(Snapshot(h.s()) == before);
        if (message.isEmpty()) {
            QVERIFY(h.messages.shown.empty());
            QVERIFY(w.confirmBid().isVisible());
            QCOMPARE(in<QLabel>(w.confirmBid(), QStringLiteral("LabelAmountNet"))->text(), net);
            return;
        }
        QCOMPARE(h.messages.shown.size(), std::size_t(1));
        QCOMPARE(h.messages.lastText(), message);
        QCOMPARE(h.messages.lastTitle(), q("Player1"));
        QVERIFY(!w.confirmBid().isVisible());
        QVERIFY(bid.isVisible() && bid.isEnabled());
        QCOMPARE(in<QLineEdit>(bid, QStringLiteral("BidAmount"))->text(), typed);
        QVERIFY(buyer->isChecked());
    }

    // The hall of fame: the details button and a double-click with no rank chosen.
    void hallOfFame_data() {
        QTest::addColumn<int>("ranks");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("empty list, button") << 0 << false;
        QTest::newRow("empty list, double-click") << 0 << true;
        QTest::newRow("no rank chosen, button") << 3 << false;
        QTest::newRow("no rank chosen, double-click") << 3 << true;
    }
    void hallOfFame() {
        QFETCH(int, ranks);
        QFETCH(bool, doubleClick);
        Run run;
        for (int i = 1; i <= ranks; ++i) {
            HallRecord r;
            r.Name = "r" + numberText(i);
            r.TotalAsset = r.Money = 10000 * i;
            QVERIFY(std::holds_alternative<int>(SaveRecFile(r, pathOf(run.dir.path()))));
        }
        const QByteArray recFile = bytesOf(run.dir.filePath(QStringLiteral("RecFile")));
        MessageRecorder messages;
        press(run.start(), QStringLiteral("HallOfFrameButton"));
        halloffame::HallOfFameWindow& hall = run.program.hallOfFame();
        auto* list = in<QListWidget>(hall, QStringLiteral("TopList"));
        QCOMPARE(list->count(), ranks);
        list->clearSelection();
        list->setCurrentRow(-1);
        if (doubleClick)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               QPoint(4, list->viewport()->height() - 4));
        else
            press(hall, QStringLiteral("DButton"));
        QVERIFY(!hall.hasDetailWindow() || !hall.detailWindow().isVisible());
        QVERIFY(messages.shown.empty());
        QCOMPARE(bytesOf(run.dir.filePath(QStringLiteral("RecFile"))), recFile);
    }
};

QTEST_MAIN(BadInputTest)
#include "BadInputTest.moc"
