// Saves pictures of the start window, the setup window and the picture chooser, to look at by eye:
// setup_screenshots DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>

#include "setup/PictureChooser.h"
#include "setup/SaveRecord.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/setup/windows/SetupTestSupport.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    ui::useThaiFont(qapp);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    QTemporaryDir games;
    for (const char* name : {"เกมวันอาทิตย์.dat", "test.dat"})
        test::writeFile(games.filePath(QString::fromUtf8(name)), "x");
    NewGameSetup players;
    players.numPlayers = 3;
    players.names = {"", "สมชาย", "มานี", "ปิติ", "", "", ""};
    test::StartedGame saved(players);
    (void)saveGameFile(saved.game.state(), std::filesystem::path(games.path().toStdU16String()),
                       "สมชายกับมานี");
    test::writePicture(games.filePath(QStringLiteral("แมว.bmp")));
    QDir(games.path()).mkdir(QStringLiteral("รูปภาพ"));

    setupui::StartWindow start(games.path());
    start.setLoadGameAvailable(true);
    start.setHallOfFameAvailable(true);
    start.show();
    start.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("เกมใหม่"));
    start.grab().save(out + QStringLiteral("/START.png"));

    setupui::SetupWindow& setup = start.setupWindow();
    setup.show();
    setup.grab().save(out + QStringLiteral("/DEFINENUMOFPLAYER-2.png"));
    setup.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
    setup.findChild<QLineEdit*>(QStringLiteral("PlayerName3"))->setText(QStringLiteral("สมหญิงใจดีมากมาย"));
    setup.findChild<QComboBox*>(QStringLiteral("CmbType4"))->setCurrentText(QStringLiteral("คอมพิวเตอร์"));
    setup.findChild<QRadioButton*>(QStringLiteral("OpgINIdeed2"))->click();
    setup.findChild<QRadioButton*>(QStringLiteral("OpgC2"))->click();
    setup.showChosenPicture(2, games.filePath(QStringLiteral("แมว.bmp")),
                            QPixmap(games.filePath(QStringLiteral("แมว.bmp"))).scaled(33, 33));
    setup.grab().save(out + QStringLiteral("/DEFINENUMOFPLAYER-6.png"));

    setupui::PictureChooser& chooser = setup.pictureChooser();
    chooser.show();
    chooser.grab().save(out + QStringLiteral("/LoadFromFile.png"));
    return 0;
}
