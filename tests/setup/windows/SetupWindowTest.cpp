// The setup window: its rows and options, and the new game that OK hands to the program.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include "setup/PictureChooser.h"
#include "setup/SetupWindow.h"
#include "tests/setup/windows/SetupTestSupport.h"

using namespace tavorin;
using tavorin::setupui::SetupWindow;

class SetupWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        test::MessageRecorder messages;
        SetupWindow w{dir.path()};
        std::optional<NewGameSetup> started;
        QString fileName;
        int quits = 0;
        Fixture() {
            w.setFileName(QStringLiteral("เกม"));
            w.setQuitHandler([this] { ++quits; });
            QObject::connect(&w, &SetupWindow::newGameRequested, [this](QString name, NewGameSetup s) {
                fileName = name;
                started = s;
            });
            w.show();
        }
        template <class T> T* find(const QString& name) {
            T* found = w.findChild<T*>(name);
            if (!found) qFatal("no control %s", qPrintable(name));
            return found;
        }
        template <class T> T* find(const char* stem, int k) {
            return find<T>(QString::fromLatin1(stem) + QString::number(k));
        }
        QLineEdit* name(int k) { return find<QLineEdit>("PlayerName", k); }
        void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
        void option(int n) { click(find<QRadioButton>("Option", n)); }
        void ok() { click(find<QPushButton>(QStringLiteral("OKButton"))); }
        // Picks `file` in the chooser for player k, as the player would.
        void choosePicture(int k, const QString& file) {
            click(find<QRadioButton>("OpgC", k));
            click(find<QPushButton>("CImgButton", k));
            setupui::PictureChooser& chooser = w.pictureChooser();
            auto* files = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
            chooser.setFolder(dir.path());
            const auto items = files->findItems(file, Qt::MatchExactly);
            if (items.isEmpty()) qFatal("not listed");
            files->setCurrentItem(items.front());
            QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        }
    };

private slots:
    void opensOnTwoPersonsWithDefaultTokens() {
        Fixture f;
        QCOMPARE(f.w.windowTitle(), QStringLiteral("กำหนดจำนวนผู้เล่นและตั้งชื่อ"));
        QVERIFY(f.find<QRadioButton>("Option", 2)->isChecked());
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(f.name(k)->text(), QStringLiteral("Player%1").arg(k));
            QCOMPARE(f.name(k)->isEnabled(), k <= 2);
            QCOMPARE(f.find<QComboBox>("CmbType", k)->currentText(), QStringLiteral("คน"));
            QCOMPARE(f.find<QComboBox>("CmbType", k)->isEnabled(), k <= 2);
            QCOMPARE(f.find<QGroupBox>("Frame", k + 1)->isVisible(), k <= 2);
            QCOMPARE(f.find<QLabel>("Label", k + 1)->text(), QStringLiteral("ชื่อผู้เล่นที่ %1").arg(k));
            QVERIFY(f.find<QRadioButton>("OpgD", k)->isChecked());
            QVERIFY(!f.find<QLabel>("ImgD", k)->pixmap().isNull());
            QVERIFY(!f.find<QLineEdit>("FImg", k)->isEnabled());
            QVERIFY(!f.find<QPushButton>("CImgButton", k)->isEnabled());
        }
        QVERIFY(f.find<QCheckBox>(QStringLiteral("CheckBuyFirstLoop"))->isChecked());
        QVERIFY(f.find<QRadioButton>(QStringLiteral("OpgINIdeed1"))->isChecked());
        QVERIFY(!f.find<QComboBox>(QStringLiteral("CmbINInumofdeed"))->isEnabled());
        QCOMPARE(f.find<QLabel>(QStringLiteral("Label8"))->text(), QStringLiteral("ใบ"));
        QCOMPARE(f.find<QPushButton>(QStringLiteral("OKButton"))->text(), QStringLiteral("ตกลง"));
        // The token previews differ from player to player.
        QVERIFY(f.find<QLabel>("ImgD", 1)->pixmap().toImage() !=
                f.find<QLabel>("ImgD", 2)->pixmap().toImage());
    }

    void acceptingUnchangedStartsTheDefaultGame() {
        Fixture f;
        f.ok();
        QVERIFY(f.messages.shown.empty());
        QVERIFY(f.started);
        QVERIFY(!f.w.isVisible());
        QCOMPARE(f.fileName, QStringLiteral("เกม"));
        test::StartedGame g(*f.started);
        const GameState& s = g.game.state();
        QCOMPARE(int(s.NumOfPlayer), 2);
        QCOMPARE(s.player(1).Name, std::string("Player1"));
        QCOMPARE(s.player(2).Name, std::string("Player2"));
        QCOMPARE(g.ownedDeeds(), 0);
        QCOMPARE(s.Speed, 100000);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(s.player(k).IsComputer, kFalse);
            QCOMPARE(s.FirstLapLock[std::size_t(k)], kFalse);
            QCOMPARE(s.LP[std::size_t(k)], kFalse);
        }
        QCOMPARE(int(s.NV), 1);
    }

    void fewerPlayersKeepTheNamesTypedButOnlyTheFirstRowsPlay() {
        Fixture f;
        f.option(6);
        for (int k = 3; k <= 6; ++k) {
            QVERIFY(f.name(k)->isEnabled());
            QVERIFY(f.find<QComboBox>("CmbType", k)->isEnabled());
        }
        f.name(3)->setText(QStringLiteral("มานี"));
        f.name(5)->setText(QStringLiteral("ชูใจ"));
        f.option(3);
        for (int k = 4; k <= 6; ++k) {
            QVERIFY(!f.name(k)->isEnabled());
            QVERIFY(!f.find<QComboBox>("CmbType", k)->isEnabled());
            QVERIFY(!f.find<QGroupBox>("Frame", k + 1)->isVisible());
        }
        QVERIFY(f.find<QGroupBox>("Frame", 4)->isVisible());
        QCOMPARE(f.name(5)->text(), QStringLiteral("ชูใจ"));
        f.ok();
        QVERIFY(f.started);
        QCOMPARE(f.started->numPlayers, 3);
        test::StartedGame g(*f.started);
        QCOMPARE(int(g.game.state().NumOfPlayer), 3);
        QCOMPARE(g.game.state().player(3).Name, std::string("มานี"));
        // Every name box is copied, playing or not.
        QCOMPARE(g.game.state().player(5).Name, std::string("ชูใจ"));
        QVERIFY(!g.game.screen()[Ctl::PlayerButton4].visible);
    }

    void sixPlayersDealtFourDeedsOwnTwentyFour() {
        Fixture f;
        f.option(6);
        auto* count = f.find<QComboBox>(QStringLiteral("CmbINInumofdeed"));
        f.click(f.find<QRadioButton>(QStringLiteral("OpgINIdeed2")));
        QVERIFY(count->isEnabled());
        QCOMPARE(count->currentText(), QStringLiteral("3"));
        count->setCurrentText(QStringLiteral("4"));
        f.ok();
        QVERIFY(f.started);
        QCOMPARE(f.started->initialDeeds, 4);
        test::StartedGame g(*f.started);
        QCOMPARE(g.ownedDeeds(), 24);
        for (int k = 1; k <= 6; ++k) QCOMPARE(int(g.game.state().player(k).DeedCount), 4);
    }

    void theFirstDealOptionAgainDealsNothing() {
        Fixture f;
        f.click(f.find<QRadioButton>(QStringLiteral("OpgINIdeed2")));
        f.click(f.find<QRadioButton>(QStringLiteral("OpgINIdeed1")));
        QVERIFY(!f.find<QComboBox>(QStringLiteral("CmbINInumofdeed"))->isEnabled());
        f.ok();
        QCOMPARE(f.started->initialDeeds, 0);
        QCOMPARE(test::StartedGame(*f.started).ownedDeeds(), 0);
    }

    void computerSeatIsPlayedByTheComputer() {
        Fixture f;
        f.option(3);
        f.find<QComboBox>("CmbType", 3)->setCurrentText(QStringLiteral("คอมพิวเตอร์"));
        f.click(f.find<QCheckBox>(QStringLiteral("CheckBuyFirstLoop")));
        f.ok();
        QVERIFY(f.started);
        QVERIFY(f.started->computer[3]);
        QVERIFY(!f.started->computer[1] && !f.started->computer[2]);
        QVERIFY(!f.started->buyFirstLoop);
        test::StartedGame g(*f.started);
        QCOMPARE(g.game.state().player(3).IsComputer, kTrue);
        QCOMPARE(g.game.state().Pcom[3], kTrue);
        QCOMPARE(g.game.state().FirstLapLock[1], kTrue);
    }

    void nameTheSavedGameCannotHoldIsRefused() {
        Fixture f;
        f.name(2)->setText(QStringLiteral("สมชาย😀"));
        f.ok();
        QVERIFY(!f.started);
        QVERIFY(f.w.isVisible());
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QVERIFY(f.messages.lastText().contains(QStringLiteral("ผู้เล่นที่ 2")));
        // Corrected, the same window starts the game.
        f.name(2)->setText(QStringLiteral("สมชาย"));
        f.ok();
        QVERIFY(f.started);
    }

    void namesStopAtTwentyCharacters() {
        Fixture f;
        f.name(1)->clear();
        QTest::keyClicks(f.name(1), QString(25, QLatin1Char('x')));
        QCOMPARE(f.name(1)->text().size(), 20);
    }

    void pictureOptionsEnableTheirControls() {
        Fixture f;
        f.click(f.find<QRadioButton>("OpgC", 2));
        QVERIFY(!f.find<QLabel>("ImgD", 2)->isEnabled());
        QVERIFY(f.find<QLineEdit>("FImg", 2)->isEnabled());
        QVERIFY(f.find<QLabel>("ImgC", 2)->isEnabled());
        QVERIFY(f.find<QPushButton>("CImgButton", 2)->isEnabled());
        QVERIFY(f.find<QRadioButton>("OpgD", 1)->isChecked()); // each row has its own pair
        f.click(f.find<QRadioButton>("OpgD", 2));
        QVERIFY(f.find<QLabel>("ImgD", 2)->isEnabled());
        QVERIFY(!f.find<QPushButton>("CImgButton", 2)->isEnabled());
    }

    void eachSetOfOptionsIsExclusiveOnItsOwn() {
        Fixture f;
        f.option(4);
        f.click(f.find<QRadioButton>("OpgC", 3));
        f.click(f.find<QRadioButton>(QStringLiteral("OpgINIdeed2")));
        QVERIFY(f.find<QRadioButton>("Option", 4)->isChecked());
        QVERIFY(f.find<QRadioButton>("OpgC", 3)->isChecked());
        QVERIFY(!f.find<QRadioButton>("OpgD", 3)->isChecked());
        for (int k : {1, 2, 4}) QVERIFY(f.find<QRadioButton>("OpgD", k)->isChecked());
        QVERIFY(!f.find<QRadioButton>(QStringLiteral("OpgINIdeed1"))->isChecked());
        f.click(f.find<QRadioButton>(QStringLiteral("OpgINIdeed1")));
        QVERIFY(!f.find<QRadioButton>(QStringLiteral("OpgINIdeed2"))->isChecked());
        f.ok();
        QCOMPARE(f.started->numPlayers, 4);
        QCOMPARE(f.started->initialDeeds, 0);
    }

    void chosenPictureReachesTheToken() {
        Fixture f;
        QVERIFY(test::writePicture(f.dir.filePath(QStringLiteral("token.bmp"))));
        f.choosePicture(2, QStringLiteral("token.bmp"));
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.find<QLineEdit>("FImg", 2)->text(), QDir::toNativeSeparators(f.dir.filePath("token.bmp")));
        f.ok();
        QVERIFY(f.messages.shown.empty());
        test::StartedGame g(*f.started);
        QCOMPARE(g.game.state().LP[2], kTrue);
        QCOMPARE(g.game.state().LPName[2],
                 QDir::toNativeSeparators(f.dir.filePath("token.bmp")).toStdString());
    }

    // A picture that no longer opens when OK is pressed: the player is told, the token keeps its
    // default picture and the game starts all the same.
    void unusablePictureKeepsTheDefaultToken_data() {
        QTest::addColumn<QByteArray>("content"); // what the file holds by OK; empty: it is gone
        QTest::addColumn<QString>("file");
        QTest::newRow("gone") << QByteArray() << QStringLiteral("token.jpg");
        QTest::newRow("not a picture") << QByteArray("plain text") << QStringLiteral("token.jpg");
        QTest::newRow("windows metafile") << test::wmfBytes() << QStringLiteral("token.wmf");
    }
    void unusablePictureKeepsTheDefaultToken() {
        QFETCH(QByteArray, content);
        QFETCH(QString, file);
        Fixture f;
        const QString path = f.dir.filePath(file);
        QVERIFY(test::writePicture(f.dir.filePath(QStringLiteral("token.jpg"))));
        f.choosePicture(2, QStringLiteral("token.jpg"));
        QVERIFY(f.messages.shown.empty());
        QFile::remove(f.dir.filePath(QStringLiteral("token.jpg")));
        if (!content.isEmpty()) QVERIFY(test::writeFile(path, content));
        f.find<QLineEdit>("FImg", 2)->setText(QDir::toNativeSeparators(path));
        f.ok();
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(f.messages.lastTitle(), QStringLiteral("Player2"));
        QVERIFY(f.messages.lastText().contains(QStringLiteral("ผู้เล่นที่ 2 (Player2)")));
        QVERIFY(f.started);
        QVERIFY(f.started->picturePaths[2].empty());
        test::StartedGame g(*f.started);
        QCOMPARE(g.game.state().LP[2], kFalse);
        QVERIFY(g.game.state().LPName[2].empty());
    }

    void pictureButtonHandsTheRowToTheChooser() {
        Fixture f;
        f.option(4);
        f.click(f.find<QRadioButton>("OpgC", 3));
        f.click(f.find<QPushButton>("CImgButton", 3));
        QCOMPARE(f.w.PlayerLFF, 3);
        QVERIFY(!f.w.isEnabled());
        setupui::PictureChooser& chooser = f.w.pictureChooser();
        QVERIFY(chooser.isVisible());
        QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(f.w.isEnabled());
        QVERIFY(!chooser.isVisible());
        QVERIFY(f.find<QLineEdit>("FImg", 3)->text().isEmpty());
    }

    void focusSelectsTheWholeName() {
        Fixture f;
        QLineEdit* name = f.name(2);
        name->deselect();
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(name, &in);
        QTRY_COMPARE(name->selectedText(), QStringLiteral("Player2"));
    }

    void closingAsksBeforeTheProgramEnds() {
        Fixture f;
        f.messages.answers = {MsgResult::Cancel};
        QVERIFY(!f.w.close());
        QVERIFY(f.w.isVisible());
        QCOMPARE(f.quits, 0);
        QCOMPARE(f.messages.lastTitle(), QStringLiteral("Confirm exit"));
        QCOMPARE(f.messages.lastText(), QStringLiteral("ยังไม่ทันเริ่มก็จะออกจากเกมแล้วรึ"));
        f.w.close();
        QCOMPARE(f.quits, 1);
    }
};

QTEST_MAIN(SetupWindowTest)
#include "SetupWindowTest.moc"
