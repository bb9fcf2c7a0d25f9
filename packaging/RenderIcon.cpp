// Writes the game's icon, drawn from the artwork compiled into the program, as PNG files for the
// desktop's icon theme: render-icon DIR SIZE...  writes DIR/SIZExSIZE/apps/tavorin.png
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include "ui/Pictures.h"

int main(int argc, char** argv) {
    // A build step, run where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(side);
        const QPixmap pm = tavorin::ui::picture({tavorin::ui::PictureKind::AppIcon}, QSize(side, side), 1.0);
        if (side <= 0 || pm.isNull() || !QDir().mkpath(dir) ||
            !pm.save(dir + QStringLiteral("/tavorin.png"))) {
            std::fprintf(stderr, "%s: could not write the %d pixel icon\n", argv[0], side);
            return 1;
        }
    }
    return 0;
}
