// Build step: renders the pictures a window needs before it first shows, so that the game's start
// does not parse and draw SVG. Usage: tavorin-prerender ASSETS OUT NAME WxH [NAME WxH ...], each NAME
// an SVG file under ASSETS, written under OUT as ui::prerenderedName says.
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSvgRenderer>

#include "ui/ArtRender.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5 || (args.size() - 3) % 2 != 0) {
        std::fprintf(stderr, "usage: tavorin-prerender ASSETS OUT NAME WxH [NAME WxH ...]\n");
        return 2;
    }
    const QDir assets(args[1]), out(args[2]);
    for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
        const QString name = args[i];
        const QStringList wh = args[i + 1].split(QLatin1Char('x'));
        const QSize pixels(wh.value(0).toInt(), wh.value(1).toInt());
        QSvgRenderer svg(assets.filePath(name));
        if (!svg.isValid() || pixels.isEmpty()) {
            std::fprintf(stderr, "tavorin-prerender: cannot render %s at %s\n", qPrintable(name),
                         qPrintable(args[i + 1]));
            return 1;
        }
        const QImage image = tavorin::ui::renderSvg(svg, pixels);
        const QString path = out.filePath(tavorin::ui::prerenderedName(name, pixels));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(image.constBits()),
                                                           image.sizeInBytes()) != image.sizeInBytes()) {
            std::fprintf(stderr, "tavorin-prerender: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
