// No window cuts its Thai text: every label, option button and check box of the start window, the
// setup window, the picture chooser and the board window shows its vowels and tone marks whole.
// ctest runs this suite at 100 % and again at 200 % (QT_SCALE_FACTOR=2); the board is also tried
// made larger.
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "board/BoardWindow.h"
#include "engine/Game.h"
#include "setup/PictureChooser.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/ui/QtSupport.h"
#include "tests/ui/TextClipping.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

namespace {
void expectWhole(QWidget* window) {
    const QStringList clipped = test::clippedTexts(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(window->objectName() + QStringLiteral(" cuts: ") +
                                           clipped.join(QStringLiteral(", "))));
}
} // namespace

class WindowTextTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void initTestCase() { ui::useThaiFont(*qApp); }

    void startSetupAndChooserShowTheirTextWhole() {
        setupui::StartWindow start(folder.path());
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        expectWhole(&start);

        setupui::SetupWindow& setup = start.setupWindow();
        setup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        // Every row shown, the longest captions in place.
        setup.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
        expectWhole(&setup);

        setupui::PictureChooser& chooser = setup.pictureChooser();
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        expectWhole(&chooser);
    }

    void boardShowsItsTextWholeAtEverySize_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("designed size") << 1.0;
        QTest::newRow("half as large again") << 1.5;
        QTest::newRow("smallest") << 0.75;
    }
    void boardShowsItsTextWholeAtEverySize() {
        QFETCH(double, zoom);
        test::ScriptedRandom random;
        test::QuietView quiet;
        Game game(random, quiet);
        game.NewGame(NewGameSetup{});
        board::BoardWindow map(game);
        const QSize designed = map.size();
        map.resize(designed * zoom);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        expectWhole(&map);
    }
};

QTEST_MAIN(WindowTextTest)
#include "WindowTextTest.moc"
