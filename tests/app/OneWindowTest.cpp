// The board and the controls in one window: it fits a laptop's screen whole and grows with larger
// screens, switching to it and back keeps the game, and the choice is remembered.
#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>

#include "app/GameLogView.h"
#include "app/Settings.h"
#include "tests/app/AppHarness.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

// What a window may take of a screen: the screen less a panel of 40 and a title bar of 30 pixels.
QSize roomOn(QSize screen) { return screen - QSize(0, 70); }

QAction* action(app::MainWindow& main, const char* name) {
    auto* a = main.findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no menu entry %s", name);
    return a;
}

// Six players with the longest names the setup takes.
NewGameSetup sixLongNames() {
    NewGameSetup setup;
    setup.numPlayers = 6;
    setup.names = {"",
                   "ประเสริฐศักดิ์ศรีสุข",
                   "สมหญิงใจดีมากมายจริง",
                   "Somchai Jaidee-Smith",
                   "กฤษณ์ธนพัฒน์วงศ์ไพศา",
                   "ผู้เล่นคนที่ห้าชื่อย",
                   "ญาญ่าณัฐฐาฒิฌาน์ฎีฏู"};
    return setup;
}

bool onTheBoard(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->objectName() == QLatin1String("Map")) return true;
    return false;
}

// A list or a drop-down counts as one control with all its parts.
bool isWhole(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w);
}

bool insideWhole(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (isWhole(p)) return true;
    return false;
}

bool isLeaf(const QWidget* w) {
    if (isWhole(w)) return true;
    for (const QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && !child->isWindow()) return false;
    return true;
}

QString nameOf(const QWidget* w) {
    QString name = w->objectName();
    for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
        if (!p->objectName().isEmpty()) name = QStringLiteral("a child of ") + p->objectName();
    return name + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(')');
}

// Every control in view lies inside the window, has the room its text asks for, and covers no other.
void checkEveryControlFits(QWidget& window) {
    QList<const QWidget*> leaves;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || w->window() != &window || !isLeaf(w) ||
            insideWhole(w))
            continue;
        leaves << w;
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(r))
            QFAIL(qPrintable(nameOf(w) + QStringLiteral(" is not wholly inside the window")));
        QSize needs = w->minimumSizeHint().expandedTo(QSize(0, 0));
        // A list or a text box scrolls: the least it needs is what it says, where it says one.
        if (isWhole(w) && w->minimumHeight() > 0) needs.setHeight(w->minimumHeight());
        const auto* label = qobject_cast<const QLabel*>(w);
        if (onTheBoard(w))
            // The board draws its controls to its own scale; their line of text is whole.
            needs = QSize(0, w->fontMetrics().height());
        else if (label && label->wordWrap())
            needs.setHeight(std::max(needs.height(), label->heightForWidth(w->width())));
        else if (label || qobject_cast<const QAbstractButton*>(w))
            needs = needs.expandedTo(w->sizeHint());
        if (w->width() < needs.width() || w->height() < needs.height())
            QFAIL(qPrintable(QStringLiteral("%1 is %2x%3 but its text needs %4x%5")
                                 .arg(nameOf(w))
                                 .arg(w->width())
                                 .arg(w->height())
                                 .arg(needs.width())
                                 .arg(needs.height())));
    }
    for (qsizetype i = 0; i < leaves.size(); ++i)
        for (qsizetype j = i + 1; j < leaves.size(); ++j) {
            const QRect a(leaves[i]->mapTo(&window, QPoint(0, 0)), leaves[i]->size());
            const QRect b(leaves[j]->mapTo(&window, QPoint(0, 0)), leaves[j]->size());
            if (a.intersects(b))
                QFAIL(qPrintable(nameOf(leaves[i]) + QStringLiteral(" overlaps ") + nameOf(leaves[j])));
        }
}

void settle(QWidget& window, QSize size) {
    window.resize(size);
    QCoreApplication::processEvents();
    QTRY_COMPARE(window.size(), size);
}

} // namespace

class OneWindowTest : public QObject {
    Q_OBJECT

private slots:
    // At a laptop's 1366x768 nothing is cut, covered or squeezed, whichever question is open, the
    // bonus beside it and the game's log docked or not, and the board keeps at least the size at
    // which its names stay legible. On larger screens the board grows and the rest still fits.
    void fitsTheScreenWhole_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("leastZoom");
        QTest::addColumn<bool>("log");
        for (bool log : {false, true}) {
            const char* with = log ? " with the log" : "";
            QTest::addRow("1366x768%s", with) << QSize(1366, 768) << 0.75 << log;
            QTest::addRow("1920x1080%s", with) << QSize(1920, 1080) << 1.1 << log;
            QTest::addRow("3840x2160%s", with) << QSize(3840, 2160) << 2.3 << log;
        }
    }
    void fitsTheScreenWhole() {
        QFETCH(QSize, screen);
        QFETCH(double, leastZoom);
        QFETCH(bool, log);
        AppHarness h(sixLongNames());
        h.main.setWindowLayout(app::WindowLayout::OneWindow);
        if (log) {
            action(h.main, "GameLogAction")->trigger();
            QVERIFY(h.main.gameLogView().isVisibleTo(&h.main));
            QCOMPARE(h.main.gameLogView().window(), &h.main);
            // A line wider than the column wraps rather than being cut.
            h.main.gameLogView().append(std::string(30, 'x') + " " + std::string(200, 'y'));
        }
        QVERIFY(h.main.board().parentWidget());
        QCOMPARE(h.main.board().window(), &h.main);
        const QSize room = roomOn(screen);
        QVERIFY2(h.main.minimumSizeHint().width() <= room.width() &&
                     h.main.minimumSizeHint().height() <= room.height(),
                 qPrintable(QStringLiteral("needs %1x%2")
                                .arg(h.main.minimumSizeHint().width())
                                .arg(h.main.minimumSizeHint().height())));
        settle(h.main, room);
        QVERIFY2(h.main.board().zoom() >= leastZoom, qPrintable(QString::number(h.main.board().zoom())));
        checkEveryControlFits(h.main);

        h.game().ui[Ctl::BonusFrame].visible = true;
        for (Ctl frame : Game::kDecisionFrames) {
            for (Ctl other : Game::kDecisionFrames) h.game().ui[other].visible = other == frame;
            h.main.sync();
            // The question's new height reaches the column, then the column's the log.
            for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
            checkEveryControlFits(h.main);
            if (QTest::currentTestFailed()) qWarning("with %s open", std::string(controlName(frame)).c_str());
        }
    }

    // Switching in the middle of a turn leaves the game where it was, and it plays on in the other
    // layout.
    void switchingKeepsTheGame() {
        // The Tab chain is built within the window, whichever window the controls stand in.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("setTabOrder")));
        AppHarness h;
        QVERIFY(h.roll(3, 3));
        h.carryToSquare(1, 6);
        QVERIFY(h.shown("FreeLandFrame"));
        const std::int32_t money = h.s().player(1).Money;

        action(h.main, "OneWindowAction")->trigger();
        QCOMPARE(h.main.windowLayout(), app::WindowLayout::OneWindow);
        QCOMPARE(h.main.board().window(), &h.main);
        QVERIFY(h.main.board().isVisible());
        QVERIFY(!h.shown("Command2"));
        QVERIFY(h.main.board().findChild<QWidget*>(QStringLiteral("Command1"))->isHidden());
        QVERIFY(!action(h.main, "BoardWindowAction")->isVisible());
        QVERIFY(action(h.main, "OneWindowAction")->isChecked());
        QVERIFY(h.shown("FreeLandFrame"));
        QCOMPARE(h.s().player(1).Position, 6);
        QCOMPARE(h.text("LabelMoney1"), QString::number(money));
        h.click("OKButtonInFreeLand");
        QCOMPARE(h.s().deed(5).Owner, 1);

        action(h.main, "TwoWindowsAction")->trigger();
        QVERIFY(h.main.board().isWindow());
        QVERIFY(h.main.board().isVisible());
        QVERIFY(h.shown("Command2"));
        QVERIFY(action(h.main, "BoardWindowAction")->isVisible());
        QCOMPARE(h.s().NV, 2);
        QVERIFY(h.roll(2, 3));
        h.carryToSquare(2, 5);
        QCOMPARE(h.s().player(2).Position, 5);
    }

    // The log docks under the question in the one window and is a window of its own in the other;
    // whether it shows goes with it, and its entry shows it or hides it in both.
    void theLogDocksInTheOneWindow() {
        AppHarness h;
        app::GameLogView& log = h.main.gameLogView();
        QAction* entry = action(h.main, "GameLogAction");
        entry->trigger();
        QVERIFY(log.isWindow());
        QVERIFY(log.isVisible());

        action(h.main, "OneWindowAction")->trigger();
        QVERIFY(!log.isWindow());
        QCOMPARE(log.window(), &h.main);
        QVERIFY(log.isVisible());
        // Beside the board: to its right, in the column of the question, below it.
        const QRect board(h.main.board().mapTo(&h.main, QPoint(0, 0)), h.main.board().size());
        const QRect question(h.find("FreeLandFrame")->parentWidget()->mapTo(&h.main, QPoint(0, 0)),
                             h.find("FreeLandFrame")->parentWidget()->size());
        const QRect docked(log.mapTo(&h.main, QPoint(0, 0)), log.size());
        QVERIFY(docked.left() >= board.right());
        QVERIFY(docked.top() >= question.bottom());
        entry->trigger();
        QVERIFY(!entry->isChecked());
        QVERIFY(log.isHidden());
        QVERIFY(!h.main.settings().gameLogShown());
        entry->trigger();
        QVERIFY(log.isVisible());

        // The lines written while docked are there in the window again.
        QVERIFY(h.roll(3, 3));
        action(h.main, "TwoWindowsAction")->trigger();
        QVERIFY(log.isWindow());
        QVERIFY(log.isVisible());
        QVERIFY(log.text().toPlainText().contains(q("ทอยลูกเต๋าได้ 3 กับ 3")));
        QVERIFY(h.find("FreeLandFrame")->parentWidget()->window() == &h.main);
    }

    // The log's window keeps its place and size from one run to the next, and so does the share of
    // the column it has when docked; a place the game cannot use gives the log its own.
    void theLogsPlaceIsRemembered() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        const QRect place(40, 50, 700, 410);
        QList<int> shares;
        {
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            action(h.main, "GameLogAction")->trigger();
            h.main.gameLogView().setGeometry(place);
            action(h.main, "OneWindowAction")->trigger();
            h.main.resize(1366, 698);
            auto* split = h.main.findChild<QSplitter*>(QStringLiteral("QuestionAndLog"));
            QVERIFY(split);
            QTRY_VERIFY(split->sizes().value(1) > 0);
            split->setSizes({split->sizes()[0] + 40, split->sizes()[1] - 40});
            shares = split->sizes();
            action(h.main, "TwoWindowsAction")->trigger();
            QCOMPARE(h.main.gameLogView().geometry(), place);
            h.messages.answers = {MsgResult::Ok};
            h.click("ExitButton");
        }
        {
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            QVERIFY(h.main.gameLogView().isVisible());
            QCOMPARE(h.main.gameLogView().geometry(), place);
            action(h.main, "OneWindowAction")->trigger();
            QCOMPARE(h.main.findChild<QSplitter*>(QStringLiteral("QuestionAndLog"))->sizes(), shares);
        }
        const char* damaged[] = {"not a place", "@ByteArray(\\x1\\x2\\x3)"};
        for (const char* value : damaged) {
            {
                QSettings raw(file, QSettings::IniFormat);
                raw.setValue(QStringLiteral("windows/ComReport"), QString::fromLatin1(value));
                raw.setValue(QStringLiteral("windows/OneWindowLog"), QString::fromLatin1(value));
                raw.setValue(QStringLiteral("view/layout"), QStringLiteral("two"));
            }
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            QVERIFY(h.main.gameLogView().isVisible());
            QCOMPARE(h.main.gameLogView().size(), app::GameLogView::kWindowSize);
            action(h.main, "OneWindowAction")->trigger();
            QVERIFY(h.main.gameLogView().isVisibleTo(&h.main));
        }
    }

    // The menus' shortcuts work from the board as well, once each, with the board inside MAIN.
    void shortcutsWorkFromTheBoard() {
        AppHarness h;
        h.main.setWindowLayout(app::WindowLayout::OneWindow);
        h.s().FileName = "ปุ่มลัด";
        h.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.main));
        h.main.board().view().setFocus();
        QSignalSpy triggered(action(h.main, "SaveAction"), &QAction::triggered);
        QTest::keyClick(&h.main.board().view(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QVERIFY(QFile::exists(h.folder.filePath(QStringLiteral("ปุ่มลัด.dat"))));
    }

    // The layout is the one of the last run, and so is the one window's place.
    void theLayoutIsRemembered() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavorin.ini"));
        QRect place;
        {
            app::Settings settings(file);
            AppHarness h;
            h.main.setSettings(settings);
            QCOMPARE(h.main.windowLayout(), app::WindowLayout::TwoWindows);
            action(h.main, "OneWindowAction")->trigger();
            h.main.setGeometry(20, 30, 1300, 700);
            place = h.main.geometry();
            h.messages.answers = {MsgResult::Ok};
            h.click("ExitButton");
            QCOMPARE(h.quits, 1);
        }
        {
            app::Settings settings(file);
            QCOMPARE(settings.layout(), app::WindowLayout::OneWindow);
            AppHarness h;
            h.main.setSettings(settings);
            QCOMPARE(h.main.windowLayout(), app::WindowLayout::OneWindow);
            QCOMPARE(h.main.board().window(), &h.main);
            QCOMPARE(h.main.geometry(), place);
            action(h.main, "TwoWindowsAction")->trigger();
        }
        app::Settings settings(file);
        QCOMPARE(settings.layout(), app::WindowLayout::TwoWindows);
    }
};

QTEST_MAIN(OneWindowTest)
#include "OneWindowTest.moc"
