// The game through its real windows, for make bench; prints "name value" lines.
//   tavorin-bench-app midgame TURNS [LAST]
//                                     all-computer game of four from the start window, pauses pinned to
//                                     0 ms: the peak resident memory once TURNS turns are played, and
//                                     once LAST are (this seed's game lasts 714 turns)
//   tavorin-bench-app waiting TURNS   all-computer game of two at the new game's speed: CPU time over
//                                     wall time of each of TURNS turns after the first, their median
// Message boxes are answered at once, as a person who always presses OK.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/ComputerDriver.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "engine/Random.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ShownProbe.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

namespace {

template <class W = QWidget> W* child(QWidget& root, const QString& name) {
    W* w = root.findChild<W*>(name);
    if (!w) {
        std::fprintf(stderr, "tavorin-bench-app: no widget %s\n", qPrintable(name));
        std::exit(1);
    }
    return w;
}

// NEW GAME from the start window, `players` computers in the setup window, OK.
void startComputerGame(app::Program& program, int players) {
    setupui::StartWindow& start = program.start();
    child<QLineEdit>(start, QStringLiteral("Text1"))->setText(QStringLiteral("bench"));
    child<QAbstractButton>(start, QStringLiteral("NEWGAMEButton"))->click();
    setupui::SetupWindow& setup = start.setupWindow();
    child<QAbstractButton>(setup, QStringLiteral("Option%1").arg(players))->click();
    for (int k = 1; k <= players; ++k)
        child<QComboBox>(setup, QStringLiteral("CmbType%1").arg(k))
            ->setCurrentText(QStringLiteral("คอมพิวเตอร์"));
    child<QAbstractButton>(setup, QStringLiteral("OKButton"))->click();
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

int midgame(app::Program& program, long turns, long last) {
    startComputerGame(program, 4);
    app::MainWindow& main = *program.main();
    child<QAbstractButton>(main, QStringLiteral("OpgSpeed1"))->click();
    app::ComputerDriver& driver = main.computer();
    driver.setFixedPause(0);
    long atTurns = 0;
    QObject::connect(&driver, &app::ComputerDriver::turnFinished, &main, [&] {
        if (driver.turnsPlayed() == turns) atTurns = ui::procStatusKb("VmHWM");
        if (driver.turnsPlayed() >= std::max(turns, last) || main.game().state().gameOver)
            QCoreApplication::exit(0);
    });
    QApplication::exec();
    std::printf("turns %ld\nvmhwm_kb %ld\n", driver.turnsPlayed(), atTurns);
    if (last > turns) std::printf("vmhwm_kb_last %ld\n", ui::procStatusKb("VmHWM"));
    return 0;
}

int waiting(app::Program& program, long turns) {
    std::vector<double> ratios;
    double cpu = 0, wall = 0;
    bool first = true;
    startComputerGame(program, 2);
    app::ComputerDriver& driver = program.main()->computer();
    QObject::connect(&driver, &app::ComputerDriver::turnFinished, &driver, [&] {
        const double c = cpuSeconds(), w = wallSeconds();
        // The first turn also builds and first paints the windows; the measured turns follow it.
        if (!first) ratios.push_back((c - cpu) / (w - wall));
        first = false;
        cpu = c;
        wall = w;
        if (long(ratios.size()) >= turns || program.main()->game().state().gameOver)
            QCoreApplication::exit(0);
    });
    QApplication::exec();
    std::printf("turns %zu\nspeed %d\ncpu_per_wall %.4f\n", ratios.size(),
                int(program.main()->game().state().Speed), median(ratios));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    ui::useThaiFont(app);
    app.setQuitOnLastWindowClosed(false);
    const std::string mode = argc > 1 ? argv[1] : "";
    const long turns = argc > 2 ? std::atol(argv[2]) : 0;
    const long last = argc > 3 ? std::atol(argv[3]) : 0;
    if ((mode != "midgame" && mode != "waiting") || turns < 1) {
        std::fprintf(stderr, "usage: tavorin-bench-app midgame TURNS [LAST] | waiting TURNS\n");
        return 2;
    }
    ui::setMessageAnswerer([](const ui::MessageRequest&) { return MsgResult::Ok; });
    QTemporaryDir folder; // the saved games and RecFile of the run
    SeededRandom random(195);
    app::Program program(random, folder.path());
    program.setQuitHandler([] {});
    program.show();
    return mode == "midgame" ? midgame(program, turns, last) : waiting(program, turns);
}
