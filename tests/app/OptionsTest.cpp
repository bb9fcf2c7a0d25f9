// The main window's menus against the buttons they stand for, leaving a game that changed since it
// was saved, and what the game remembers between runs.
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/GameFolder.h"
#include "app/Settings.h"
#include "halloffame/HallWindows.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

QAction* action(app::MainWindow& main, const char* name) {
    auto* a = main.findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no menu entry %s", name);
    return a;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every entry that stands for a button of MAIN.
constexpr std::pair<const char*, const char*> kBoundEntries[] = {
    {"SaveAction", "SaveButton"},      {"HallOfFameAction", "RecButton"}, {"ExitAction", "ExitButton"},
    {"BoardWindowAction", "Command2"}, {"SpeedAction1", "OpgSpeed1"},     {"SpeedAction2", "OpgSpeed2"},
    {"SpeedAction3", "OpgSpeed3"},     {"SpeedAction4", "OpgSpeed4"},     {"SpeedAction5", "OpgSpeed5"},
    {"NewGameAction", "ExitButton"},   {"LoadGameAction", "ExitButton"},
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    static void entriesFollowTheirButtons(AppHarness& h) {
        for (const auto& [entry, button] : kBoundEntries)
            if (action(h.main, entry)->isEnabled() != h.enabled(button))
                QFAIL(qPrintable(QStringLiteral("%1 does not follow %2").arg(entry, button)));
    }

private slots:
    void menusCarryTheDesktopShortcuts() {
        AppHarness h;
        const std::pair<const char*, QKeySequence> shortcuts[] = {
            {"NewGameAction", QKeySequence(QStringLiteral("Ctrl+N"))},
            {"LoadGameAction", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"SaveAction", QKeySequence(QStringLiteral("Ctrl+S"))},
            {"ExitAction", QKeySequence(QStringLiteral("Ctrl+Q"))},
        };
        for (const auto& [entry, keys] : shortcuts) QCOMPARE(action(h.main, entry)->shortcut(), keys);
        QStringList titles;
        for (QAction* menu : h.main.menuBar()->actions()) titles << menu->text();
        QCOMPARE(titles, (QStringList{q("เกม"), q("มุมมอง"), q("ตัวเลือก"), q("ช่วยเหลือ")}));
        // The shortcuts also work while the board's window is the one in front.
        for (const auto& [entry, keys] : shortcuts)
            QVERIFY(h.main.board().actions().contains(action(h.main, entry)));
    }

    // Each entry is enabled exactly while its button is, at the roll and in the middle of a turn, and
    // does what the button does.
    void entriesDoWhatTheirButtonsDo() {
        AppHarness h;
        entriesFollowTheirButtons(h);
        QVERIFY(h.roll(3, 3)); // the token is to be carried: saving is refused
        QVERIFY(!h.enabled("SaveButton"));
        entriesFollowTheirButtons(h);
        action(h.main, "SaveAction")->trigger();
        QVERIFY(QDir(h.folder.path()).entryList(QDir::Files).isEmpty());
        h.carryToSquare(1, 6);
        h.click("OKButtonInFreeLand");
        QVERIFY(h.enabled("SaveButton"));
        entriesFollowTheirButtons(h);

        const std::int32_t speeds[] = {1000, 10000, 100000, 150000, 200000};
        for (int i = 5; i >= 1; --i) {
            action(h.main, QByteArray("SpeedAction" + QByteArray::number(i)).constData())->trigger();
            QCOMPARE(h.s().Speed, speeds[i - 1]);
            QVERIFY(h.find<QAbstractButton>(QByteArray("OpgSpeed" + QByteArray::number(i)).constData())
                        ->isChecked());
            QVERIFY(
                action(h.main, QByteArray("SpeedAction" + QByteArray::number(i)).constData())->isChecked());
        }

        h.main.board().hide();
        action(h.main, "BoardWindowAction")->trigger();
        QVERIFY(h.main.board().isVisible());

        QAction* names = action(h.main, "NamesOnBoardAction");
        QVERIFY(!names->isChecked());
        names->trigger();
        QVERIFY(h.s().namesShown);
        QVERIFY(names->isChecked());
        names->trigger();
        QVERIFY(!h.s().namesShown);

        action(h.main, "HallOfFameAction")->trigger();
        QVERIFY(h.main.hallOfFame().isVisible());
        h.main.hallOfFame().close();

        QSignalSpy newGame(&h.main, &app::MainWindow::newGameRequested);
        QSignalSpy load(&h.main, &app::MainWindow::startWindowRequested);
        action(h.main, "NewGameAction")->trigger();
        action(h.main, "LoadGameAction")->trigger();
        QCOMPARE(newGame.count(), 1);
        QCOMPARE(load.count(), 1);

        h.s().FileName = "เมนู";
        action(h.main, "SaveAction")->trigger();
        QVERIFY(QFile::exists(h.folder.filePath(q("เมนู.dat"))));
        QVERIFY(h.messages.shown.empty());

        h.messages.answers = {MsgResult::Cancel};
        action(h.main, "ExitAction")->trigger();
        QCOMPARE(h.messages.lastText(), q("คุณต้องการจะออกจากเกมแน่นะ"));
        QCOMPARE(h.quits, 0);
        h.messages.answers = {MsgResult::Ok};
        action(h.main, "ExitAction")->trigger();
        QCOMPARE(h.quits, 1);
    }

    void leavingAChangedGameOffersToSaveIt_data() {
        QTest::addColumn<bool>("closeWindow");
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<int>("quits");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Exit, save") << false << MsgResult::Yes << 1 << true;
        QTest::newRow("Exit, do not save") << false << MsgResult::No << 1 << false;
        QTest::newRow("Exit, stay") << false << MsgResult::Cancel << 0 << false;
        QTest::newRow("closed, save") << true << MsgResult::Yes << 1 << true;
        QTest::newRow("closed, stay") << true << MsgResult::Cancel << 0 << false;
    }
    void leavingAChangedGameOffersToSaveIt() {
        QFETCH(bool, closeWindow);
        QFETCH(MsgResult, answer);
        QFETCH(int, quits);
        QFETCH(bool, saved);
        AppHarness h;
        h.s().FileName = "ยังไม่บันทึก";
        const QString file = h.folder.filePath(q("ยังไม่บันทึก.dat"));
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        h.click("OKButtonInFreeLand"); // player 2 waits for the roll
        h.messages.answers = {answer};
        if (closeWindow)
            h.main.close();
        else
            h.click("ExitButton");
        QCOMPARE(h.messages.shown.size(), std::size_t(1));
        QCOMPARE(h.messages.lastTitle(), QStringLiteral("Confirm exit"));
        QCOMPARE(h.messages.lastText(), q("เกมนี้มีการเล่นที่ยังไม่ได้บันทึก ต้องการบันทึกเกมก่อนหรือไม่"));
        QCOMPARE(h.messages.shown.back().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(h.quits, quits);
        QCOMPARE(QFile::exists(file), saved);
    }

    // Where nothing would be lost, or the game cannot be saved in the middle of a turn, leaving asks
    // what it always asked.
    void leavingAsksAsBeforeWhenThereIsNothingToSave() {
        AppHarness h;
        h.s().FileName = "บันทึกแล้ว";
        QVERIFY(h.roll(3, 3));
        h.messages.answers = {MsgResult::Cancel};
        h.click("ExitButton"); // the token is still to be carried
        QCOMPARE(h.messages.lastText(), q("คุณต้องการจะออกจากเกมแน่นะ"));
        QCOMPARE(h.messages.shown.back().buttons, MsgButtons::OkCancel);
        h.carryToSquare(1, 6);
        h.click("OKButtonInFreeLand");
        h.click("SaveButton");
        h.messages.answers = {MsgResult::Cancel};
        h.main.close();
        QCOMPARE(h.messages.lastText(), q("จะออกจากเกมแน่รึเปล่า"));
        QCOMPARE(h.messages.shown.back().buttons, MsgButtons::OkCancel);
        QCOMPARE(h.quits, 0);
    }

    void settingsAreReadBackInTheNextRun() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        SetupChoices players;
        players.numPlayers = 3;
        players.names[1] = "สมชาย";
        players.names[2] = "มานี";
        players.names[3] = "ปิติ";
        players.types[2] = "คอมพิวเตอร์";
        players.usePicture[3] = true;
        players.picturePaths[3] = "/รูป/ช้าง.png";
        const QByteArray place = QByteArrayLiteral("\x01\xd9\xd0\xcb\x00\x03");
        {
            app::Settings written(file);
            written.setLayout(app::WindowLayout::OneWindow);
            written.setSpeedOption(5);
            written.setWindowPlace(QStringLiteral("MAIN"), place);
            written.setLastPlayers(players);
        }
        app::Settings read(file);
        QCOMPARE(read.layout(), app::WindowLayout::OneWindow);
        QCOMPARE(read.speedOption(), 5);
        QCOMPARE(read.windowPlace(QStringLiteral("MAIN")), place);
        QVERIFY(read.windowPlace(QStringLiteral("Map")).isEmpty());
        const std::optional<SetupChoices> last = read.lastPlayers();
        QVERIFY(last);
        QCOMPARE(last->numPlayers, 3);
        QCOMPARE(last->names[2], std::string("มานี"));
        QCOMPARE(last->types[1], std::string("คน"));
        QCOMPARE(last->types[2], std::string("คอมพิวเตอร์"));
        QVERIFY(last->usePicture[3]);
        QVERIFY(!last->usePicture[1]);
        QCOMPARE(last->picturePaths[3], std::string("/รูป/ช้าง.png"));
    }

    void damagedSettingsFallBackToTheDefaults_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        static const char notText[] = "\x00\xff\xfe[\x01\x02=\x80\x81\n\x00[computer\n";
        QTest::newRow("not text") << QByteArray(notText, sizeof notText - 1);
        QTest::newRow("cut short") << QByteArray("[computer]\nspeed=");
        QTest::newRow("values out of range")
            << QByteArray("[computer]\nspeed=9\n[view]\nlayout=three\ntextSize=huge\n"
                          "[lastGame]\nplayers=7\n[windows]\nMAIN=4\n");
        QTest::newRow("values of the wrong kind")
            << QByteArray("[computer]\nspeed=fast\n[lastGame]\nplayers=two\n[windows]\nMAIN=@Variant(\\0)\n");
        QTest::newRow("a name too long for its box")
            << QByteArray("[lastGame]\nplayers=2\nname1=abcdefghijklmnopqrstuvwxyz\ncomputer2=maybe\n");
    }
    void damagedSettingsFallBackToTheDefaults() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        QVERIFY(writeBytes(file, contents));
        {
            app::Settings s(file);
            QCOMPARE(s.layout(), app::WindowLayout::TwoWindows);
            QCOMPARE(s.speedOption(), 3);
            QCOMPARE(s.textSize(), app::TextSize::Desktop);
            QVERIFY(s.windowPlace(QStringLiteral("MAIN")).isEmpty());
            if (const auto last = s.lastPlayers()) {
                // Only the row's own values survive what could not be used.
                const SetupChoices defaults;
                QCOMPARE(last->names[1], defaults.names[1]);
                QCOMPARE(last->types[2], defaults.types[2]);
            }
            s.setSpeedOption(4);
        }
        // The next change leaves a file that reads back.
        app::Settings again(file);
        QCOMPARE(again.speedOption(), 4);
    }

    // The speed chosen in one game is the speed of the next, and the windows stand where they were
    // left.
    void aWindowRemembersIntoItsSettings() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        QRect mainPlace, boardPlace;
        {
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            h.click("OpgSpeed1");
            h.main.setGeometry(40, 50, h.main.width(), h.main.height());
            h.main.board().setGeometry(300, 60, 700, 500);
            mainPlace = h.main.geometry();
            boardPlace = h.main.board().geometry();
            h.messages.answers = {MsgResult::No}; // the speed changed since the game began
            h.click("ExitButton");
            QCOMPARE(h.quits, 1);
        }
        app::Settings settings(file);
        QCOMPARE(settings.speedOption(), 1);
        AppHarness h;
        h.main.setSettings(settings);
        h.main.newGame({});
        QCOMPARE(h.s().Speed, 1000);
        QVERIFY(h.find<QAbstractButton>("OpgSpeed1")->isChecked());
        QCOMPARE(h.main.geometry(), mainPlace);
        QCOMPARE(h.main.board().geometry(), boardPlace);
    }

    // The desktop's text size sets the scale; a step of the menu goes a step from there. Qt's own 9
    // points, where the desktop names no size, is the game as designed.
    void textFollowsTheDesktopAndTheChosenStep() {
        struct Case {
            app::TextSize size;
            double desktop, scale;
        };
        const Case cases[] = {
            {app::TextSize::Desktop, 9, 1.0},      {app::TextSize::Desktop, 12, 4.0 / 3},
            {app::TextSize::Smaller, 9, 0.85},     {app::TextSize::Larger, 9, 1.2},
            {app::TextSize::Largest, 9, 1.4},      {app::TextSize::Larger, 4.5, 0.75 * 1.2},
            {app::TextSize::Largest, 30, 2 * 1.4}, {app::TextSize::Desktop, -1, 1.0},
        };
        for (const Case& c : cases) QCOMPARE(app::Settings::textScale(c.size, c.desktop), c.scale);
    }

    // The text size chosen from the menu is the main window's at once and in the next run; its
    // headings, dice buttons and coloured texts grow with it, and so do the room of the decision
    // frames and the deed list.
    void textSizeIsChosenAndRemembered_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<double>("text");
        QTest::addColumn<double>("buttons");
        QTest::addColumn<QSize>("decisions");
        QTest::addColumn<int>("deedList");
        QTest::newRow("smaller") << QByteArray("TextSmallerAction") << 8.5 << 11.05 << QSize(400, 340) << 213;
        QTest::newRow("larger") << QByteArray("TextLargerAction") << 12.0 << 15.6 << QSize(564, 480) << 300;
        QTest::newRow("largest") << QByteArray("TextLargestAction") << 14.0 << 18.2 << QSize(658, 560) << 350;
        QTest::newRow("back to the desktop's")
            << QByteArray("TextDesktopAction") << 10.0 << 13.0 << QSize(470, 400) << 250;
    }
    void textSizeIsChosenAndRemembered() {
        QFETCH(QByteArray, entry);
        QFETCH(double, text);
        QFETCH(double, buttons);
        QFETCH(QSize, decisions);
        QFETCH(int, deedList);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        const auto check = [&](AppHarness& h) {
            QCOMPARE(h.main.font().pointSizeF(), text);
            for (const char* coloured : {"LabelFreeLand1", "labelcom1", "LabelComThinking"})
                QCOMPARE(h.find(coloured)->font().pointSizeF(), text);
            QCOMPARE(h.find("RunButton")->font().pointSizeF(), buttons);
            QVERIFY(h.find("RunButton")->font().bold());
            QCOMPARE(h.find("DecisionArea")->size(), decisions);
            QCOMPARE(h.find("DeedList")->minimumWidth(), deedList);
            QVERIFY(action(h.main, entry.constData())->isChecked());
        };
        {
            app::Settings settings(file);
            settings.setTextSize(app::TextSize::Larger);
            AppHarness h;
            h.main.setSettings(settings);
            QCOMPARE(h.main.font().pointSizeF(), 12.0);
            action(h.main, entry.constData())->trigger();
            check(h);
        }
        app::Settings settings(file);
        AppHarness h;
        h.main.setSettings(settings);
        check(h);
    }

    // Run from its build folder the game keeps its files where it is started; installed, in the
    // user's data folder, where a save then goes.
    void gameFilesGoWhereTheProgramRuns() {
        QTemporaryDir dir;
        const QString build = dir.filePath(QStringLiteral("build/app"));
        const QString current = dir.filePath(QStringLiteral("here"));
        const QString data = dir.filePath(QStringLiteral("share/Tavorin"));
        QVERIFY(QDir().mkpath(build) && QDir().mkpath(current));
        QCOMPARE(app::chooseGameFolder(build, build, current, data), current);
        QCOMPARE(app::chooseGameFolder(build + QStringLiteral("/../app/"), build, current, data), current);
        QVERIFY(!QDir(data).exists());
        QCOMPARE(app::chooseGameFolder(QStringLiteral("/usr/bin"), build, current, data), data);
        QVERIFY(QDir(data).exists());
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("blocked")), "a file where a folder should be"));
        QCOMPARE(app::chooseGameFolder(QStringLiteral("/usr/bin"), build, current,
                                       dir.filePath(QStringLiteral("blocked/Tavorin"))),
                 current);

        AppHarness h;
        h.main.setGameFolder(app::chooseGameFolder(QStringLiteral("/usr/bin"), build, current, data));
        h.s().FileName = "ติดตั้ง";
        h.click("SaveButton");
        QVERIFY(QFile::exists(data + QStringLiteral("/") + q("ติดตั้ง.dat")));
        QVERIFY(QDir(current).isEmpty());
    }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
