// The picture chooser: what it lists, what it hands back to which row, and its refusals.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "setup/PictureChooser.h"
#include "setup/SetupPictures.h"
#include "setup/SetupWindow.h"
#include "tests/setup/windows/SetupTestSupport.h"

using namespace tavorin;
using tavorin::setupui::PictureChooser;
using tavorin::setupui::SetupWindow;

class PictureChooserTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        test::MessageRecorder messages;
        SetupWindow setup{dir.path()};
        PictureChooser& chooser = setup.pictureChooser();
        Fixture() {
            setup.show();
            setup.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
        }
        QListWidget* list(const char* name) {
            return chooser.findChild<QListWidget*>(QString::fromLatin1(name));
        }
        QStringList files() {
            QStringList out;
            for (int i = 0; i < list("File1")->count(); ++i) out << list("File1")->item(i)->text();
            return out;
        }
        QLineEdit* fImg(int k) { return setup.findChild<QLineEdit*>(QStringLiteral("FImg%1").arg(k)); }
        QLabel* imgC(int k) { return setup.findChild<QLabel*>(QStringLiteral("ImgC%1").arg(k)); }
        void openFor(int k) {
            setup.findChild<QRadioButton*>(QStringLiteral("OpgC%1").arg(k))->click();
            setup.findChild<QPushButton*>(QStringLiteral("CImgButton%1").arg(k))->click();
            chooser.setFolder(dir.path());
        }
        void select(const QString& file) {
            const auto items = list("File1")->findItems(file, Qt::MatchExactly);
            QVERIFY2(!items.isEmpty(), qPrintable(file));
            list("File1")->setCurrentItem(items.front());
        }
        void open() {
            QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        }
        QString path(const QString& file) const { return QDir::toNativeSeparators(dir.filePath(file)); }
    };

private slots:
    void listsPicturesByTheirPatternsAndTheFolders() {
        Fixture f;
        for (const char* name : {"a.jpg", "B.GIF", "c.txt", "d.wmf", "e.ico", "f.bmp", "g.dib", "h.png",
                                 "i.JPEG", "j.svg", "png"})
            QVERIFY(test::writeFile(f.dir.filePath(QString::fromLatin1(name)), "x"));
        QDir(f.dir.path()).mkdir(QStringLiteral("รูป"));
        f.chooser.setFolder(f.dir.path());
        QCOMPARE(f.chooser.windowTitle(), QStringLiteral("Select Image"));
        QCOMPARE(f.chooser.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral("*.jpg;*.jpeg;*.png;*.gif;*.bmp;*.dib;*.wmf;*.ico"));
        QCOMPARE(f.files(),
                 (QStringList{"a.jpg", "B.GIF", "d.wmf", "e.ico", "f.bmp", "g.dib", "h.png", "i.JPEG"}));
        QCOMPARE(f.chooser.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("เปิด"));
        QCOMPARE(f.chooser.findChild<QPushButton*>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("ยกเลิก"));

        // Opening a folder in Dir1 lists its files.
        QVERIFY(test::writeFile(f.dir.filePath(QStringLiteral("รูป/x.jpg")), "x"));
        QListWidget* dirs = f.list("Dir1");
        QListWidgetItem* sub = nullptr;
        for (int i = 0; i < dirs->count(); ++i)
            if (dirs->item(i)->text().trimmed() == QStringLiteral("รูป")) sub = dirs->item(i);
        QVERIFY(sub);
        emit dirs->itemActivated(sub);
        QCOMPARE(f.chooser.folder(), f.path(QStringLiteral("รูป")));
        QCOMPARE(f.files(), QStringList{"x.jpg"});
    }

    // The chooser comes up over the middle of the setup window that asked for it.
    void chooserOpensCentredOnTheSetup() {
        Fixture f;
        // In the middle of the screen, so that the chooser need not be pushed back inside it.
        f.setup.move(f.setup.screen()->availableGeometry().center() - f.setup.rect().center());
        f.openFor(3);
        QVERIFY(f.chooser.isVisible());
        const QPoint offset = f.chooser.frameGeometry().center() - f.setup.frameGeometry().center();
        // Within the pixels that halving the two sizes rounds away.
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    void eachChoiceGoesOnlyToTheRowThatAskedForIt() {
        Fixture f;
        for (const char* name : {"one.bmp", "two.bmp", "three.bmp"})
            QVERIFY(test::writePicture(f.dir.filePath(QString::fromLatin1(name))));
        f.openFor(3);
        f.select(QStringLiteral("one.bmp"));
        f.open();
        f.openFor(5);
        f.select(QStringLiteral("two.bmp"));
        f.open();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.fImg(3)->text(), f.path(QStringLiteral("one.bmp")));
        QCOMPARE(f.fImg(5)->text(), f.path(QStringLiteral("two.bmp")));
        for (int k : {1, 2, 4, 6}) QVERIFY(f.fImg(k)->text().isEmpty());
        QVERIFY(!f.imgC(3)->pixmap().isNull());
        QVERIFY(f.imgC(4)->pixmap().isNull());
        QVERIFY(f.setup.isEnabled());
        QVERIFY(!f.chooser.isVisible());

        // A second choice for the same player replaces the first; a double click accepts too.
        f.openFor(3);
        f.select(QStringLiteral("three.bmp"));
        emit f.list("File1")->itemActivated(f.list("File1")->currentItem());
        QCOMPARE(f.fImg(3)->text(), f.path(QStringLiteral("three.bmp")));
    }

    // The preview fills the same box on any screen, drawn with the screen's pixels so it stays sharp.
    void previewIsDrawnForTheScreensPixels() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.bmp"));
        QVERIFY(test::writePicture(file));
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap pm = setupui::picturePreview(file, 33, ratio);
            QCOMPARE(pm.devicePixelRatio(), ratio);
            QCOMPARE(qMax(pm.width(), pm.height()), qRound(33 * ratio));
            QCOMPARE(qRound(qMax(pm.deviceIndependentSize().width(), pm.deviceIndependentSize().height())),
                     33);
        }
    }

    void openingWithNothingSelectedChangesNothing() {
        Fixture f;
        QVERIFY(test::writePicture(f.dir.filePath(QStringLiteral("one.bmp"))));
        f.openFor(2);
        f.open();
        QVERIFY(f.fImg(2)->text().isEmpty());
        QVERIFY(f.setup.isEnabled());
        QVERIFY(!f.chooser.isVisible());
    }

    // Tabbing into the file list makes its first picture current without choosing it: "เปิด" then
    // takes nothing. A click chooses.
    void focusAloneChoosesNoPicture() {
        Fixture f;
        QVERIFY(test::writePicture(f.dir.filePath(QStringLiteral("one.bmp"))));
        f.openFor(2);
        test::tabInto(f.list("File1"));
        QCOMPARE(f.list("File1")->currentRow(), 0);
        f.open();
        QVERIFY(f.fImg(2)->text().isEmpty());
        QVERIFY(!f.chooser.isVisible());

        f.openFor(2);
        QListWidget* files = f.list("File1");
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        f.open();
        QCOMPARE(f.fImg(2)->text(), f.path(QStringLiteral("one.bmp")));
    }

    void fileThatIsNotAReadablePictureIsRefused_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a picture") << QStringLiteral("notes.jpg") << QByteArray("plain text");
        QTest::newRow("windows metafile") << QStringLiteral("drawing.wmf") << test::wmfBytes();
    }
    void fileThatIsNotAReadablePictureIsRefused() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        Fixture f;
        QVERIFY(test::writeFile(f.dir.filePath(file), content));
        f.setup.findChild<QLineEdit*>(QStringLiteral("PlayerName4"))->setText(QStringLiteral("มานี"));
        f.openFor(4);
        f.select(file);
        f.open();
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(f.messages.lastTitle(), QStringLiteral("มานี"));
        QVERIFY(f.messages.lastText().contains(QStringLiteral("ผู้เล่นที่ 4 (มานี)")));
        QVERIFY(f.fImg(4)->text().isEmpty());
        QVERIFY(f.imgC(4)->pixmap().isNull());
        // Still open for another file; the setup waits for it.
        QVERIFY(f.chooser.isVisible());
        QVERIFY(!f.setup.isEnabled());
    }

    void unreadableDriveAsksToRetryThenKeepsThePreviousDrive() {
        Fixture f;
        const QString missing = QDir::toNativeSeparators(f.dir.filePath(QStringLiteral("cdrom")));
        f.chooser.setDrives({QDir::toNativeSeparators(f.dir.path()), missing});
        auto* drives = f.chooser.findChild<QComboBox*>(QStringLiteral("Drive1"));
        QCOMPARE(drives->currentIndex(), 0);
        f.messages.answers = {MsgResult::Retry, MsgResult::Cancel};
        drives->setCurrentIndex(1);
        f.chooser.Drive1_Change(1);
        QCOMPARE(f.messages.shown.size(), size_t(2));
        const ui::MessageRequest& asked = f.messages.shown.back();
        QCOMPARE(asked.title, QStringLiteral("Error"));
        QCOMPARE(asked.text, missing + QDir::separator() +
                                 QStringLiteral(" is not accessible. The device is not ready."));
        QCOMPARE(asked.icon, MsgIcon::Critical);
        QCOMPARE(asked.buttons, MsgButtons::RetryCancel);
        QCOMPARE(drives->currentIndex(), 0);
        QCOMPARE(f.chooser.folder(), QDir::toNativeSeparators(f.dir.path()));

        // Once it can be read, the same drive opens.
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("cdrom")));
        drives->setCurrentIndex(1);
        f.chooser.Drive1_Change(1);
        QCOMPARE(f.chooser.folder(), missing);
        QCOMPARE(f.messages.shown.size(), size_t(2));
    }

    void closingTheChooserGivesTheSetupBack() {
        Fixture f;
        f.openFor(2);
        QVERIFY(!f.setup.isEnabled());
        f.chooser.close();
        QVERIFY(f.setup.isEnabled());
        QVERIFY(f.fImg(2)->text().isEmpty());
    }
};

QTEST_MAIN(PictureChooserTest)
#include "PictureChooserTest.moc"
