// Start-up measurement for bench/: once the first window of the program has been exposed (and so
// painted), print the wall-clock time and the peak resident memory, and end the program. The game
// arms it only when the environment variable below is set, so a player never meets it.
#pragma once

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>

namespace tavorin::ui {

inline constexpr char kReportShownVariable[] = "TAVORIN_REPORT_SHOWN";

// A line of /proc/self/status in kilobytes ("VmHWM", "VmRSS"); 0 where there is none.
inline long procStatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return 0;
}

class ShownProbe final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || done_) return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed()) return false;
        done_ = true;
        // The window paints while this event is delivered; the report follows once it has.
        QTimer::singleShot(0, this, [] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("shown_ns %lld\nvmhwm_kb %ld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec,
                        procStatusKb("VmHWM"));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    bool done_ = false;
};

// Arms the probe on the whole application when the environment asks for it.
inline void reportFirstWindowShown(QCoreApplication& app, bool always = false) {
    if (always || qEnvironmentVariableIsSet(kReportShownVariable))
        app.installEventFilter(new ShownProbe(&app));
}

} // namespace tavorin::ui
