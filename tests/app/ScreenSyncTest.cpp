// The main window is brought up to date from what the rules mark as changed: the controls reached for a
// change and the deed lists whose revision moved. A change that escaped its mark would leave the window
// behind the rules, so after every change below the window must already be what a sync of everything
// makes of it.
#include <algorithm>
#include <functional>
#include <set>

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QScrollBar>

#include "engine/Random.h"
#include "setup/LoadGame.h"
#include "tests/app/AppHarness.h"
#include "ui/ChosenLine.h"

using namespace tavorin;
using namespace tavorin::test;

namespace {

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

// Everything the sync sets on MAIN, one line per control, list and die.
QStringList looks(app::MainWindow& main) {
    QStringList out;
    app::ScreenSync& sync = main.screenSync();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Ctl c = Ctl(i);
        QWidget* w = sync.widget(c);
        const QPalette pal = w->palette();
        QString line = QStringLiteral("%1 hidden %2 disabled %3 text '%4' fill %5 %6/%7 tip '%8'")
                           .arg(ui::qs(controlName(c)))
                           .arg(w->isHidden())
                           .arg(w->testAttribute(Qt::WA_Disabled))
                           .arg(textOf(w))
                           .arg(w->autoFillBackground())
                           .arg(pal.color(QPalette::Window).name(), pal.color(QPalette::WindowText).name(),
                                w->toolTip());
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
            line += QStringLiteral(" checked %1").arg(b->isChecked());
        if (c == Ctl::BarComThinking) line += QStringLiteral(" width %1").arg(w->width());
        out << line;
    }
    auto* list = static_cast<QListWidget*>(sync.widget(Ctl::DeedList));
    for (int row = 0; row < list->count(); ++row)
        out << QStringLiteral("DeedList %1 '%2' chosen %3")
                   .arg(row)
                   .arg(list->item(row)->text())
                   .arg(list->item(row)->isSelected());
    auto* combo = static_cast<QComboBox*>(sync.widget(Ctl::CmbBonus));
    for (int row = 0; row < combo->count(); ++row)
        out << QStringLiteral("CmbBonus %1 '%2'").arg(row).arg(combo->itemText(row));
    out << QStringLiteral("CmbBonus current %1").arg(combo->currentIndex());
    for (int die = 1; die <= 2; ++die)
        for (int face = 1; face <= 6; ++face)
            if (!main.findChild<QWidget*>(QStringLiteral("cube%1_%2").arg(die).arg(face))->isHidden())
                out << QStringLiteral("die %1 shows %2").arg(die).arg(face);
    return out;
}

// The first line in which the window differs from a sync of everything, or nothing.
QString behind(app::MainWindow& main) {
    const QStringList shown = looks(main);
    main.screenSync().invalidate();
    main.sync();
    const QStringList full = looks(main);
    for (qsizetype i = 0; i < std::max(shown.size(), full.size()); ++i) {
        const QString a = i < shown.size() ? shown[i] : QString();
        const QString b = i < full.size() ? full[i] : QString();
        if (a != b) return QStringLiteral("shown: %1\nfull sync: %2").arg(a, b);
    }
    return {};
}

// The menu entries that stand for MAIN's buttons are enabled and checked as their buttons are.
QString menusBehind(app::MainWindow& main) {
    const std::pair<const char*, const char*> entries[] = {
        {"SaveAction", "SaveButton"},      {"HallOfFameAction", "RecButton"}, {"ExitAction", "ExitButton"},
        {"NewGameAction", "ExitButton"},   {"SpeedAction1", "OpgSpeed1"},     {"SpeedAction3", "OpgSpeed3"},
        {"BoardWindowAction", "Command2"},
    };
    for (const auto& [entry, name] : entries) {
        const QAction* a = main.findChild<QAction*>(QString::fromLatin1(entry));
        const auto* b = main.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (a->isEnabled() != b->isEnabled() || (a->isCheckable() && a->isChecked() != b->isChecked()))
            return QString::fromLatin1(entry);
    }
    return {};
}

struct KindsSeen : GameObserver {
    std::set<EventKind> kinds;
    void gameEvent(const GameEvent& event) override { kinds.insert(event.kind); }
};

} // namespace

class ScreenSyncTest : public QObject {
    Q_OBJECT

private slots:
    // Each way the rules' controls and deeds change, taken directly as the windows, the computer, the
    // loader and the tests' fixtures take it, without the deed-list refresh a window adds after a deal.
    void everyKindOfChangeReachesTheWindow() {
        NewGameSetup setup;
        setup.numPlayers = 3;
        AppHarness h(setup);
        const SaveRecord start = SaveRecordOf(h.game().state());
        struct Change {
            const char* what;
            std::function<void(Game&)> make;
        };
        const Change changes[] = {
            {"a deed given", [](Game& g) { g.addDeed(1, 5); }},
            {"a deed pledged", [](Game& g) { g.mortgageDeed(1, 5); }},
            {"a deed redeemed", [](Game& g) { g.redeemDeed(1, 5); }},
            {"houses set up", [](Game& g) { g.stateToSetUp().deed(5).Houses = 2; }},
            {"a house sold to the bank", [](Game& g) { g.sellBuildingsToBank(5, 1, 0); }},
            {"the last house sold piece by piece", [](Game& g) { g.sellPieceToBank(1, 5); }},
            {"land sold to the bank", [](Game& g) { g.sellLandToBank(5); }},
            {"the bonus armed", [](Game& g) { g.armBonusLook(); }},
            {"the house bonus chosen", [](Game& g) { g.OpgBonus2_Click(); }},
            {"a deed for the bonus list", [](Game& g) { g.addDeed(1, 7); }},
            {"a line of the bonus list chosen", [](Game& g) { g.CmbBonus_Select(0); }},
            {"a deed gone from the bonus list", [](Game& g) { g.sellLandToBank(7); }},
            {"the bonus disarmed", [](Game& g) { g.disarmBonus(); }},
            {"a frame set up", [](Game& g) { g.screenToSetUp()[Ctl::TaxFrame].visible = true; }},
            {"the turn handed over", [](Game& g) { g.NV_Process(); }},
            {"a player bankrupt",
             [](Game& g) {
                 g.addDeed(g.state().NV, 9);
                 g.GoBankrupt();
             }},
            {"the computer's status", [](Game& g) { g.showComputerStatus("คิด", true); }},
            {"the computer's progress", [](Game& g) { g.showComputerProgress(1000); }},
            {"the computer's status cleared", [](Game& g) { g.clearComputerStatus(); }},
            {"a saved game loaded", [&start](Game& g) { ResumeSavedGame(g, start, "saved"); }},
        };
        for (const Change& change : changes) {
            const QStringList before = looks(h.main);
            change.make(h.game());
            h.main.sync();
            const QString stale = behind(h.main);
            QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("%1:\n%2").arg(change.what, stale)));
            // The change is one the window shows, or the case would prove nothing.
            QVERIFY2(looks(h.main) != before, change.what);
        }
    }

    // A deed that changes keeps the deed list's chosen line chosen, and the list where it was scrolled.
    void aChangedLineIsRewrittenInPlace() {
        AppHarness h;
        auto* list = h.find<QListWidget>("DeedList");
        list->resize(list->width(), list->sizeHintForRow(0) * 6);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        list->scrollToItem(list->item(20), QAbstractItemView::PositionAtTop);
        const int scrolled = list->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        QListWidgetItem* changed = list->item(20);
        h.game().addDeed(2, 21);
        h.main.sync();
        QCOMPARE(list->item(20), changed);
        QCOMPARE(changed->text(), ui::qs(h.game().DeedListLine(21).text()));
        QCOMPARE(ui::chosenRow(list), 2);
        QCOMPARE(list->verticalScrollBar()->value(), scrolled);
    }

    // Whole computer turns through the windows, dice, thinking, frames, lap bonuses, fund raising and
    // bankruptcies included: after every pass of the event loop the window is the rules' and the menu
    // entries are their buttons'.
    void computerGameKeepsTheWindowUpToDate() {
        NewGameSetup setup;
        setup.numPlayers = 4;
        setup.initialDeeds = 4;
        for (int k = 1; k <= 4; ++k) setup.computer[std::size_t(k)] = true;
        setup.strong[2] = true;
        AppHarness h(setup);
        SeededRandom seeded(29);
        h.random.fallback = [&seeded](int lo, int hi) {
            return seeded.rdm(std::int16_t(lo), std::int16_t(hi));
        };
        h.main.computer().setFixedPause(0);
        KindsSeen seen;
        h.game().addObserver(seen);
        const EventKind wanted[] = {EventKind::Bought,    EventKind::Built, EventKind::TookBonus,
                                    EventKind::Mortgaged, EventKind::Sold,  EventKind::WentBankrupt};
        const auto allSeen = [&] {
            return std::all_of(std::begin(wanted), std::end(wanted),
                               [&](EventKind k) { return seen.kinds.count(k); });
        };
        while (!h.game().state().gameOver && h.main.computer().turnsPlayed() < 400 && !allSeen()) {
            QCoreApplication::processEvents();
            const QString stale = behind(h.main);
            if (!stale.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("turn %1:\n%2").arg(h.main.computer().turnsPlayed()).arg(stale)));
            const QString menu = menusBehind(h.main);
            if (!menu.isEmpty()) QFAIL(qPrintable(menu + QStringLiteral(" does not follow its button")));
        }
        h.game().removeObserver(seen);
        for (EventKind kind : wanted)
            QVERIFY2(seen.kinds.count(kind), qPrintable(QStringLiteral("no event %1").arg(int(kind))));
    }
};

QTEST_MAIN(ScreenSyncTest)
#include "ScreenSyncTest.moc"
