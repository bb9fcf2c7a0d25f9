// The start window: naming a new game, the saved games of the folder, load and delete, the hall of
// fame button and the exit question.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "setup/NewGameRules.h"
#include "setup/SaveRecord.h"
#include "setup/SavedGameSummary.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/setup/windows/SetupTestSupport.h"
#include "ui/Twips.h"

using namespace tavorin;
using tavorin::setupui::StartWindow;

class StartWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        test::MessageRecorder messages;
        StartWindow w{dir.path()};
        int quits = 0;
        Fixture() {
            w.setQuitHandler([this] { ++quits; });
            w.show();
        }
        template <class T> T* find(const char* name) { return w.findChild<T*>(QString::fromLatin1(name)); }
        QPushButton* button(const char* name) { return find<QPushButton>(name); }
        QStringList listed() {
            QStringList out;
            auto* list = find<QListWidget>("File1");
            for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
            return out;
        }
        void choose(const QString& file) {
            auto* list = find<QListWidget>("File1");
            const auto items = list->findItems(file, Qt::MatchExactly);
            QVERIFY(!items.isEmpty());
            list->setCurrentItem(items.front());
            emit list->itemClicked(items.front());
        }
    };

private slots:
    void controlsStandWhereTheyWereDesigned() {
        Fixture f;
        QCOMPARE(f.w.windowTitle(), QStringLiteral("เริ่ม"));
        const ui::TwipScale t(f.w.logicalDpiY());
        QCOMPARE(f.w.size(), QSize(t.pxRound(3810), t.pxRound(4605)));
        struct Placed {
            const char* name;
            int l, t, w, h;
        };
        for (const Placed& p :
             {Placed{"Text1", 1920, 1200, 1695, 315}, Placed{"NEWGAMEButton", 360, 1200, 1335, 375},
              Placed{"File1", 1920, 1800, 1695, 1770}, Placed{"LOADGAMEButton", 360, 1800, 1335, 375},
              Placed{"DELETEButton", 360, 2280, 1335, 375}, Placed{"HallOfFrameButton", 120, 3120, 1695, 375},
              Placed{"PROBAR1", 120, 4080, 3615, 375}}) {
            auto* w = f.find<QWidget>(p.name);
            QVERIFY2(w, p.name);
            QCOMPARE(w->geometry(), QRect(t.pxRound(p.l), t.pxRound(p.t), t.pxRound(p.w), t.pxRound(p.h)));
        }
        QCOMPARE(f.button("NEWGAMEButton")->text(), QStringLiteral("NEW GAME"));
        QCOMPARE(f.button("HallOfFrameButton")->text(), QStringLiteral("บันทึกสุดยอดทาวอริน"));
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("Version 1.6"));
        QVERIFY(!f.find<QLineEdit>("Text2")->isVisible());
        QVERIFY(!f.find<QLabel>("Label5")->isVisible());
        QVERIFY(!f.find<QProgressBar>("PROBAR1")->isVisible());
    }

    void refusedGameName_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("climbs out") << QStringLiteral("../x");
        QTest::newRow("sub-folder") << QStringLiteral("a/b");
        QTest::newRow("hidden") << QStringLiteral(".hidden");
        QTest::newRow("101 characters") << QString(101, QLatin1Char('a'));
        QTest::newRow("control character") << QStringLiteral("a\tb");
    }
    void refusedGameName() {
        QFETCH(QString, name);
        Fixture f;
        QSignalSpy requested(&f.w, &StartWindow::newGameRequested);
        f.find<QLineEdit>("Text1")->setText(name);
        QTest::mouseClick(f.button("NEWGAMEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(f.messages.lastText(),
                 QString::fromUtf8(gameNameMessage(checkGameName(name.toStdString()))));
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::Ok);
        QVERIFY(f.w.isVisible());
        QVERIFY(!f.w.hasSetupWindow());
        QCOMPARE(requested.count(), 0);
        QVERIFY(
            QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    void newGameGoesOnToTheSetupWithItsName() {
        Fixture f;
        QString fileName;
        NewGameSetup setup;
        int requests = 0;
        QObject::connect(&f.w, &StartWindow::newGameRequested, [&](QString name, NewGameSetup s) {
            fileName = name;
            setup = s;
            ++requests;
        });
        f.find<QLineEdit>("Text1")->setText(QStringLiteral("เกมแรก.dat"));
        QTest::mouseClick(f.button("NEWGAMEButton"), Qt::LeftButton);
        QVERIFY(f.messages.shown.empty());
        QVERIFY(!f.w.isVisible());
        setupui::SetupWindow& s = f.w.setupWindow();
        QVERIFY(s.isVisible());
        QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(requests, 1);
        // Saved later as "เกมแรก.dat.dat": the name is taken as typed.
        QCOMPARE(fileName, QStringLiteral("เกมแรก.dat"));
        QCOMPARE(setup.numPlayers, 2);
        QVERIFY(!s.isVisible());
    }

    void listsOnlyTheSavedGamesOfTheFolder() {
        QTemporaryDir dir;
        for (const char* name : {"b.dat", "a.dat", "notes.txt", "UPPER.DAT"})
            QVERIFY(test::writeFile(dir.filePath(QString::fromLatin1(name)), "x"));
        QDir(dir.path()).mkdir(QStringLiteral("folder.dat"));
        test::MessageRecorder messages;
        StartWindow w(dir.path());
        auto* list = w.findChild<QListWidget*>(QStringLiteral("File1"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("a.dat"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("b.dat"));
    }

    // Beside each name, when the game was saved and who plays in it, read from the file's record. A
    // file that would not load tells nothing but its name, and the listed names stay what loading
    // and deleting use.
    void listsEachSavedGameWithItsDateAndPlayers() {
        QTemporaryDir dir;
        const std::filesystem::path folder(dir.path().toStdU16String());
        NewGameSetup setup;
        setup.numPlayers = 3;
        setup.names = {"", "สมชาย", "มานี", "ปิติ", "", "", ""};
        test::StartedGame game(setup);
        QVERIFY(!saveGameFile(game.game.state(), folder, "สามคน").has_value());
        QFile whole(dir.filePath(QStringLiteral("สามคน.dat")));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        whole.close();
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("ขาด.dat")), bytes.left(bytes.size() / 2)));
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("ขยะ.dat")), "not a game"));
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("ว่าง.dat")), {}));
        const QDateTime when(QDate(2026, 12, 11), QTime(14, 5));
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        }

        test::MessageRecorder messages;
        StartWindow w(dir.path());
        w.show();
        auto* list = w.findChild<QListWidget*>(QStringLiteral("File1"));
        struct Listed {
            const char* name;
            const char* time;
            const char* players;
        };
        const Listed expected[] = {
            {"ขยะ.dat", "", ""},
            {"ขาด.dat", "", ""},
            {"ว่าง.dat", "", ""},
            {"สามคน.dat", "2026-12-11 14:05", "สมชาย, มานี, ปิติ"},
        };
        QCOMPARE(list->count(), int(std::size(expected)));
        for (int i = 0; i < list->count(); ++i) {
            const QListWidgetItem* item = list->item(i);
            QCOMPARE(item->text(), QString::fromUtf8(expected[i].name));
            QCOMPARE(item->data(setupui::kSavedTimeRole).toString(), QString::fromUtf8(expected[i].time));
            QCOMPARE(item->data(setupui::kPlayersRole).toString(), QString::fromUtf8(expected[i].players));
        }
        // The summary takes lines of its own beneath the name.
        QVERIFY(list->visualItemRect(list->item(3)).height() > list->visualItemRect(list->item(0)).height());
        QVERIFY(messages.shown.empty());
    }

    // A name that is not valid UTF-8 (a file copied from another system) is listed with replacement
    // characters, and loading and deleting it use the name the folder really holds.
    void namesThatAreNotUtf8AreListedLoadedAndDeleted() {
        Fixture f;
        const std::filesystem::path folder(f.dir.path().toStdU16String());
        const std::string odd = "g\xFF\xFEx"; // two bytes no UTF-8 text holds
        for (const std::string& name : {odd + ".dat", std::string("h.dat"), std::string("\xE0.dat")})
            std::ofstream(folder / name) << "x";
        f.w.refreshFileList();
        f.w.setLoadGameAvailable(true);
        const QString replacement(QChar(0xFFFD));
        QCOMPARE(f.listed(),
                 (QStringList{QStringLiteral("g") + replacement + replacement + QStringLiteral("x.dat"),
                              QStringLiteral("h.dat"), replacement + QStringLiteral(".dat")}));

        QSignalSpy load(&f.w, &StartWindow::loadGameRequested);
        f.choose(f.listed().at(0));
        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        QCOMPARE(load.count(), 1);
        QCOMPARE(load.at(0).at(0).toByteArray(), QByteArray::fromStdString(odd));
        f.w.loadRefused(QStringLiteral("x"));

        f.choose(f.listed().at(0));
        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(folder / (odd + ".dat")));
        QVERIFY(std::filesystem::exists(folder / "\xE0.dat"));
        QCOMPARE(f.listed(), (QStringList{QStringLiteral("h.dat"), replacement + QStringLiteral(".dat")}));
    }

    void loadIsOnlyOfferedWhenTheProgramDoesIt() {
        Fixture f;
        QVERIFY(!f.button("LOADGAMEButton")->isEnabled());
        QVERIFY(!f.button("HallOfFrameButton")->isEnabled());
        f.w.setProperty("loadGameAvailable", true);
        f.w.setProperty("hallOfFameAvailable", true);
        QVERIFY(f.button("LOADGAMEButton")->isEnabled());
        QVERIFY(f.button("HallOfFrameButton")->isEnabled());
        QSignalSpy hall(&f.w, &StartWindow::hallOfFameRequested);
        QTest::mouseClick(f.button("HallOfFrameButton"), Qt::LeftButton);
        QTest::mouseClick(f.button("HallOfFrameButton"), Qt::LeftButton);
        QCOMPARE(hall.count(), 2);
    }

    void loadAsksForTheChosenGame() {
        Fixture f;
        QVERIFY(test::writeFile(f.dir.filePath(QStringLiteral("เกม.dat")), "x"));
        f.w.refreshFileList();
        f.w.setLoadGameAvailable(true);
        f.w.setHallOfFameAvailable(true);
        QSignalSpy load(&f.w, &StartWindow::loadGameRequested);

        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาระบุชื่อก่อน"));
        QCOMPARE(load.count(), 0);

        f.choose(QStringLiteral("เกม.dat"));
        QCOMPARE(f.find<QLineEdit>("Text2")->text(), QStringLiteral("เกม"));
        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        QCOMPARE(load.count(), 1);
        QCOMPARE(load.at(0).at(0).toString(), QStringLiteral("เกม"));
        for (const char* b : {"NEWGAMEButton", "LOADGAMEButton", "DELETEButton", "HallOfFrameButton"})
            QVERIFY2(!f.button(b)->isEnabled(), b);
        auto* bar = f.find<QProgressBar>("PROBAR1");
        QVERIFY(bar->isVisible());
        f.w.setLoadProgress(60);
        QCOMPARE(bar->value(), 60);

        // A refused load leaves the start window as it was, with the program's message.
        f.w.loadRefused(QStringLiteral("ไฟล์เสีย"));
        QCOMPARE(f.messages.lastText(), QStringLiteral("ไฟล์เสีย"));
        QVERIFY(!bar->isVisible());
        for (const char* b : {"NEWGAMEButton", "LOADGAMEButton", "DELETEButton", "HallOfFrameButton"})
            QVERIFY2(f.button(b)->isEnabled(), b);
        QVERIFY(f.w.isVisible());

        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        f.w.loadFinished();
        QVERIFY(!f.w.isVisible());
    }

    // A double-click on a saved game, or Enter on the list, loads it as LOAD GAME does, and is refused
    // as LOAD GAME is while the program offers no load.
    void doubleClickOrEnterLoadsTheGame_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("double-click") << false;
        QTest::newRow("Enter") << true;
    }
    void doubleClickOrEnterLoadsTheGame() {
        QFETCH(bool, byKey);
        Fixture f;
        for (const char* name : {"ก.dat", "ข.dat"})
            QVERIFY(test::writeFile(f.dir.filePath(QString::fromUtf8(name)), "x"));
        f.w.refreshFileList();
        QSignalSpy load(&f.w, &StartWindow::loadGameRequested);
        auto* list = f.find<QListWidget>("File1");
        const auto open = [&] {
            QListWidgetItem* second = list->item(1);
            if (byKey) {
                list->setFocus();
                list->setCurrentItem(second, QItemSelectionModel::NoUpdate);
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                const QPoint at = list->visualItemRect(second).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            }
        };
        open();
        QCOMPARE(load.count(), 0);
        f.w.setLoadGameAvailable(true);
        open();
        QCOMPARE(load.count(), 1);
        QCOMPARE(load.at(0).at(0).toString(), QStringLiteral("ข"));
        QVERIFY(f.messages.shown.empty());
    }

    // Tabbing into the list makes its first game current without choosing it: LOAD and DELETE still
    // ask for a name and nothing is deleted. An arrow key chooses.
    void focusAloneChoosesNoGame() {
        Fixture f;
        for (const char* name : {"ก.dat", "ข.dat"})
            QVERIFY(test::writeFile(f.dir.filePath(QString::fromUtf8(name)), "x"));
        f.w.refreshFileList();
        f.w.setLoadGameAvailable(true);
        QSignalSpy load(&f.w, &StartWindow::loadGameRequested);
        auto* list = f.find<QListWidget>("File1");
        test::tabInto(list);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(f.find<QLineEdit>("Text2")->text().isEmpty());

        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาระบุชื่อก่อน"));
        QCOMPARE(load.count(), 0);
        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาระบุชื่อที่ต้องการลบ"));
        QCOMPARE(f.listed().size(), 2);

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.find<QLineEdit>("Text2")->text(), QStringLiteral("ข"));
        QTest::mouseClick(f.button("LOADGAMEButton"), Qt::LeftButton);
        QCOMPARE(load.count(), 1);
        QCOMPARE(load.at(0).at(0).toString(), QStringLiteral("ข"));
    }

    void deleteAsksThenRemovesTheFile() {
        Fixture f;
        const QString file = f.dir.filePath(QStringLiteral("เกม.dat"));
        QVERIFY(test::writeFile(file, "x"));
        f.w.refreshFileList();

        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาระบุชื่อที่ต้องการลบ"));

        f.choose(QStringLiteral("เกม.dat"));
        f.messages.answers = {MsgResult::Cancel};
        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("ที่ต้องการจะลบไฟล์เกม.dat แน่นะ"));
        QCOMPARE(f.messages.shown.back().buttons, MsgButtons::OkCancel);
        QCOMPARE(f.messages.shown.back().icon, MsgIcon::Exclamation);
        QVERIFY(QFile::exists(file));

        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QVERIFY(!QFile::exists(file));
        QVERIFY(f.listed().isEmpty());
        QVERIFY(f.find<QLineEdit>("Text2")->text().isEmpty());
        QTest::mouseClick(f.button("DELETEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาระบุชื่อที่ต้องการลบ"));
    }

    void closingAsksBeforeTheProgramEnds() {
        Fixture f;
        f.messages.answers = {MsgResult::Cancel};
        QVERIFY(!f.w.close());
        QVERIFY(f.w.isVisible());
        QCOMPARE(f.quits, 0);
        const ui::MessageRequest& asked = f.messages.shown.back();
        QCOMPARE(asked.title, QStringLiteral("Confirm exit"));
        QCOMPARE(asked.text, QStringLiteral("ยังไม่ทันเริ่มก็จะออกจากเกมแล้วรึ"));
        QCOMPARE(asked.icon, MsgIcon::Question);
        QCOMPARE(asked.buttons, MsgButtons::OkCancel);
        // Still fully usable after cancelling.
        QTest::mouseClick(f.button("NEWGAMEButton"), Qt::LeftButton);
        QCOMPARE(f.messages.lastText(), QStringLiteral("กรุณาใส่ชื่อก่อน"));

        f.w.close();
        QCOMPARE(f.quits, 1);
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
