// The text size reaches every window of the game, not only the main one. The windows placed by hand
// stand exactly as designed at the desktop's size and grow whole with the text; the windows laid out
// by Qt take the room their text needs. Nothing is cut at the largest size, and nothing outgrows a
// 1366×768 screen (ctest gives this suite a screen of that size).
#include <functional>

#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include "app/GameLogView.h"
#include "app/HelpWindow.h"
#include "app/Settings.h"
#include "dealings/DealingsWindows.h"
#include "dealings/DeedCardWindow.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/PictureChooser.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/app/AppHarness.h"
#include "tests/ui/TextClipping.h"
#include "ui/MessageBoxes.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"
#include "ui/WealthChart.h"

using namespace tavorin;
using test::AppHarness;

namespace {
constexpr double kLargest = 1.4;
const QSize kLaptop(1366, 768);

// The start, setup and picture windows as designed, at 96 dots to the inch: their twips / 15.
struct Placed {
    const char* window;
    const char* control; // empty: the window's own size
    QRect rect;
};
const Placed kDesigned[] = {
    {"START", "", QRect(0, 0, 254, 307)},
    {"START", "Label1", QRect(32, 0, 209, 49)},
    {"START", "NEWGAMEButton", QRect(24, 80, 89, 25)},
    {"START", "File1", QRect(128, 120, 113, 118)},
    {"START", "PROBAR1", QRect(8, 272, 241, 25)},
    {"DEFINENUMOFPLAYER", "", QRect(0, 0, 701, 493)},
    {"DEFINENUMOFPLAYER", "Frame1", QRect(16, 40, 673, 385)},
    {"DEFINENUMOFPLAYER", "PlayerName6", QRect(152, 328, 97, 21)},
    {"DEFINENUMOFPLAYER", "CmbEndKind", QRect(438, 429, 129, 22)},
    {"DEFINENUMOFPLAYER", "OKButton", QRect(592, 440, 97, 33)},
    {"DEFINENUMOFPLAYER", "ImgD3", QRect(32, 16, 33, 33)},
    {"LoadFromFile", "", QRect(0, 0, 352, 171)},
    {"LoadFromFile", "Dir1", QRect(144, 8, 129, 118)},
    {"LoadFromFile", "Command2", QRect(280, 40, 65, 25)},
};

// The three hand-placed windows, shown.
struct SetupWindows {
    QTemporaryDir folder;
    setupui::StartWindow start{folder.path()};
    setupui::SetupWindow& setup = start.setupWindow();
    setupui::PictureChooser& chooser = setup.pictureChooser();

    SetupWindows() {
        for (QWidget* w : windows()) w->show();
        // Every row shown, the longest captions in place.
        setup.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
    }
    std::vector<QWidget*> windows() { return {&start, &setup, &chooser}; }
    QWidget* find(const char* window, const char* control) {
        for (QWidget* w : windows()) {
            if (w->objectName() != QLatin1String(window)) continue;
            return *control ? w->findChild<QWidget*>(QString::fromLatin1(control)) : w;
        }
        return nullptr;
    }
    // Where each designed control stands now, its window by its size alone.
    void expectDesign(double scale) {
        for (const Placed& p : kDesigned) {
            QWidget* w = find(p.window, p.control);
            QVERIFY2(w, p.control);
            const QRect now = *p.control ? w->geometry() : QRect(QPoint(), w->size());
            const QRect want(qRound(p.rect.x() * scale), qRound(p.rect.y() * scale),
                             qRound((p.rect.x() + p.rect.width()) * scale) - qRound(p.rect.x() * scale),
                             qRound((p.rect.y() + p.rect.height()) * scale) - qRound(p.rect.y() * scale));
            QVERIFY2(now == want,
                     qPrintable(QStringLiteral("%1 %2 at %3: (%4,%5 %6x%7)")
                                    .arg(QString::fromLatin1(p.window), QString::fromLatin1(p.control))
                                    .arg(scale)
                                    .arg(now.x())
                                    .arg(now.y())
                                    .arg(now.width())
                                    .arg(now.height())));
        }
    }
};

// What a person sees of `window`: no Thai text cut, every control inside it, and all of it on a
// laptop's screen.
void expectWhole(QWidget& window) {
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList clipped = test::clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(window.objectName() + QStringLiteral(" cuts: ") +
                                           clipped.join(QStringLiteral(", "))));
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->parentWidget() != &window) continue;
        // A background picture may reach past the edge, as designed.
        if (auto* l = qobject_cast<QLabel*>(w); l && l->text().isEmpty()) continue;
        QVERIFY2(window.rect().contains(w->geometry()),
                 qPrintable(window.objectName() + QLatin1Char(' ') + w->objectName() +
                            QStringLiteral(" sticks out")));
    }
    const QSize need = window.minimumSize().expandedTo(window.minimumSizeHint());
    QVERIFY2(need.width() <= kLaptop.width() && need.height() <= kLaptop.height(),
             qPrintable(window.objectName() +
                        QStringLiteral(" needs %1x%2").arg(need.width()).arg(need.height())));
}

// A game with deeds of every kind held by the first player, so that every dealing window has lines.
void giveHoldings(AppHarness& h) {
    Game& g = h.game();
    for (const int deed : {1, 7, 12, 20, 29}) g.addDeed(1, deed);
    h.s().deed(7).Houses = 4;
    h.s().deed(20).Mortgaged = kTrue;
    g.ChangeDeedOnMain();
    h.main.sync();
}

// The main window's windows, each opened as a person would.
struct GameWindows {
    DealingsWindows& d;
    AppHarness& h;
    void act(const std::function<void(Dealings&)>& event) { d.act(event); }
    // Every dealing window, each left open in turn, as `seen` takes it.
    void eachDealingWindow(const std::function<void(QWidget&)>& seen) {
        d.PlayerButton_Click(1);
        seen(d.playerForm());
        act([](Dealings& x) { x.SellButton_Click(); });
        seen(d.sellForm());
        act([](Dealings& x) {
            x.MortgageButton_Click();
            x.mortgage.select(0);
        });
        seen(d.mortgage());
        act([](Dealings& x) { x.MortgageForm_Unload(); });
        act([](Dealings& x) {
            x.SellBankButton_Click();
            x.sellBank.select(0);
        });
        seen(d.sellBank());
        act([](Dealings& x) { x.SellBankForm_Unload(); });
        act([](Dealings& x) {
            x.BidButton_Click();
            x.bid.select(0);
            x.bid.choose(2);
            x.bid.BidAmount = "5000";
        });
        seen(d.bid());
        act([](Dealings& x) { x.BidOKButton_Click(); });
        seen(d.confirmBid());
        act([](Dealings& x) {
            x.ConfirmBidCancelButton_Click();
            x.BidForm_Unload();
            x.SellForm_Unload();
        });
        act([](Dealings& x) { x.RedeemButton_Click(); });
        seen(d.redeem());
        act([](Dealings& x) { x.RedeemForm_Unload(); });
        act([](Dealings& x) { x.PlayerForm_Unload(); });
    }
    DeedCardWindow& deedCard() {
        DeedCardWindow& card = h.main.deedCard();
        card.showDeed(h.game().state(), 7, &h.main);
        return card;
    }
    halloffame::WinWindow& winner() {
        halloffame::WinWindow& win = h.main.winForm();
        win.SetValueInWinForm(SET_WR(h.game().state(), 1));
        win.show();
        return win;
    }
    QWidget& log() {
        h.main.showGameLog(true);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("ComReport")) return *w;
        qFatal("no log window");
    }
};

// Runs `check` on the message box `show` brings up, then closes it.
void onMessageBox(const std::function<void()>& show, const std::function<void(QMessageBox&)>& check) {
    const ui::MessageAnswerer answerer = ui::setMessageAnswerer({});
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = true;
        check(*box);
        box->accept();
    });
    show();
    ui::setMessageAnswerer(answerer);
    QVERIFY(seen);
}
} // namespace

class TextSizeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useThaiFont(*qApp); }
    void cleanup() { ui::setTextScale(1); }

    // At the desktop's size every hand-placed window stands as designed; made larger while open and
    // back again, each control comes back to the very pixel it had.
    void handPlacedWindowsGrowWithTheTextAndComeBack() {
        SetupWindows w;
        w.expectDesign(1);
        QCOMPARE(w.setup.font().pointSizeF(), 8.0);
        ui::setTextScale(kLargest);
        w.expectDesign(kLargest);
        QCOMPARE(w.setup.font().pointSizeF(), 8 * kLargest);
        QCOMPARE(w.start.findChild<QWidget*>(QStringLiteral("NEWGAMEButton"))->font().pointSizeF(),
                 8 * kLargest);
        ui::setTextScale(0.85);
        ui::setTextScale(1.2);
        ui::setTextScale(1);
        w.expectDesign(1);
        QCOMPARE(w.setup.font().pointSizeF(), 8.0);
    }

    // Opened at the largest size, the start, setup and picture windows show every text whole, and
    // the setup window still fits a laptop's screen.
    void handPlacedWindowsAtTheLargestSize() {
        ui::setTextScale(kLargest);
        SetupWindows w;
        w.expectDesign(kLargest);
        for (QWidget* window : w.windows()) expectWhole(*window);
    }

    // On a desktop whose own text is already large (12 points), the largest step would make the
    // setup window taller than the laptop's screen: it grows as far as the screen has room, its title
    // bar's 40 pixels left over (728 / 493 of its design), and still shows its text whole. The
    // smaller windows take the whole step.
    void handPlacedWindowsStayOnTheScreen() {
        QCOMPARE(QApplication::primaryScreen()->availableGeometry().size(), kLaptop);
        const double step = kLargest * 12 / 9;
        ui::setTextScale(step);
        SetupWindows w;
        QCOMPARE(w.setup.size(), QSize(1035, 728));
        QVERIFY(qFuzzyCompare(w.setup.font().pointSizeF(), 8.0 * 728 / 493));
        QCOMPARE(w.start.size(), QSize(474, 573));
        QVERIFY(qFuzzyCompare(w.start.font().pointSizeF(), 8 * step));
        for (QWidget* window : w.windows()) expectWhole(*window);
    }

    // The windows the main window opens take the size chosen from its menu, those open at the time
    // and those opened after; at the largest size each shows its text whole on a laptop's screen.
    void gameWindowsFollowTheMenu() {
        QTemporaryDir dir;
        app::Settings settings(dir.filePath(QStringLiteral("tavorin.ini")));
        AppHarness h;
        h.main.setSettings(settings);
        giveHoldings(h);
        GameWindows g{h.main.dealings(), h};
        DeedCardWindow& card = g.deedCard();
        app::HelpWindow& help = h.main.helpWindow();
        help.show();
        QWidget& log = g.log();
        const QSize helpDesigned = help.size();
        QCOMPARE(card.font().pointSizeF(), 10.0);
        QCOMPARE(help.font().pointSizeF(), 11.0);

        h.main.findChild<QAction*>(QStringLiteral("TextLargestAction"))->trigger();
        QCOMPARE(ui::textScale(), kLargest);
        QCOMPARE(card.font().pointSizeF(), 10 * kLargest);
        QCOMPARE(card.findChild<QLabel*>(QStringLiteral("DeedName"))->font().pointSizeF(), 14 * kLargest);
        QCOMPARE(help.font().pointSizeF(), 11 * kLargest);
        // Larger, as far as the screen allows.
        QCOMPARE(help.size(), (helpDesigned * kLargest).boundedTo(help.screen()->availableGeometry().size()));
        QCOMPARE(log.font().pointSizeF(), 10 * kLargest);
        for (QWidget* w : std::initializer_list<QWidget*>{&card, &help, &log}) expectWhole(*w);

        g.eachDealingWindow([](QWidget& w) {
            QCOMPARE(w.font().pointSizeF(), 10 * kLargest);
            expectWhole(w);
        });
        halloffame::HallOfFameWindow& hall = h.main.hallOfFame();
        hall.open();
        QCOMPARE(hall.findChild<QLabel*>(QStringLiteral("Label1"))->font().pointSizeF(), 14 * kLargest);
        expectWhole(hall);
        expectWhole(g.winner());
        ui::WealthChartWindow chart;
        chart.show();
        QCOMPARE(chart.size(),
                 (QSize(720, 440) * kLargest).boundedTo(chart.screen()->availableGeometry().size()));
        onMessageBox([&] { ui::showMessage(&h.main, "เกี่ยวกับเกม", "ผู้เล่นที่ล้มละลายออกจากเกม"); },
                     [](QMessageBox& box) {
                         QCOMPARE(box.font().pointSizeF(), 10 * kLargest);
                         expectWhole(box);
                     });

        // Back at the desktop's size the windows are as they were.
        h.main.findChild<QAction*>(QStringLiteral("TextDesktopAction"))->trigger();
        QCOMPARE(card.font().pointSizeF(), 10.0);
        QCOMPARE(help.size(), helpDesigned);
        QCOMPARE(hall.findChild<QLabel*>(QStringLiteral("Label1"))->font().pointSizeF(), 14.0);
    }
};

QTEST_MAIN(TextSizeTest)
#include "TextSizeTest.moc"
