#include "ui/Pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include <QCache>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QResource>
#include <QSvgRenderer>

#include "ui/ArtRender.h"
#include "ui/ThaiFont.h"

// The artwork is compiled into this static library; the linker keeps it only if someone asks.
static void initArtwork() { Q_INIT_RESOURCE(tavorin); }

namespace tavorin::ui {

namespace {

// ---- The drawings in code, for when an artwork file is missing ----------------------------------

void paintToken(QPainter& p, const QRectF& r, int player) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = r.width();
    const QRectF disc = r.adjusted(w * 0.06, w * 0.06, -w * 0.06, -w * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(disc.translated(w * 0.04, w * 0.04));
    QRadialGradient shade(disc.center() - QPointF(w * 0.15, w * 0.15), w * 0.6);
    shade.setColorAt(0, tokenColour(player).lighter(150));
    shade.setColorAt(1, tokenColour(player));
    p.setBrush(shade);
    p.setPen(QPen(Qt::white, w * 0.07));
    p.drawEllipse(disc);
    p.setFont(thaiPixelFont(std::max(1, int(w * 0.5)), true));
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, QString::number(player));
    p.restore();
}

void paintDieFace(QPainter& p, const QRectF& r, int face) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = r.width();
    const QRectF body = r.adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, w * 0.03)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, w * 0.15, w * 0.15);
    // Pip positions on a 3 x 3 grid, numbered row by row from 0 to 8.
    static const std::array<std::array<int, 7>, 7> pips = {{
        {},
        {4, -1},
        {0, 8, -1},
        {0, 4, 8, -1},
        {0, 2, 6, 8, -1},
        {0, 2, 4, 6, 8, -1},
        {0, 2, 3, 5, 6, 8, -1},
    }};
    const bool valid = face >= 1 && face <= 6;
    p.setPen(Qt::NoPen);
    p.setBrush(face == 1 ? QColor(200, 0, 0) : QColor(20, 20, 20));
    const double cell = body.width() / 4.0;
    const double radius = body.width() * (face == 1 ? 0.12 : 0.09);
    for (int i = 0; valid && i < 7 && pips[std::size_t(face)][std::size_t(i)] >= 0; ++i) {
        const int at = pips[std::size_t(face)][std::size_t(i)];
        const QPointF c(body.left() + cell * (1 + at % 3), body.top() + cell * (1 + at / 3));
        p.drawEllipse(c, radius, radius);
    }
    p.restore();
}

void paintHouse(QPainter& p, const QRectF& r) {
    QPolygonF roof;
    roof << QPointF(r.left(), r.top() + r.height() * 0.45) << QPointF(r.center().x(), r.top())
         << QPointF(r.right(), r.top() + r.height() * 0.45);
    p.setBrush(QColor(40, 150, 60));
    p.drawRect(QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.45, r.width() * 0.76,
                      r.height() * 0.55));
    p.setBrush(QColor(200, 40, 30));
    p.drawPolygon(roof);
}

void paintDevelopment(QPainter& p, const QRectF& r, Development d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(r, r.width() * 0.12, r.width() * 0.12);
    p.setPen(QPen(QColor(30, 30, 30), r.width() * 0.03));
    const QRectF inner =
        r.adjusted(r.width() * 0.06, r.height() * 0.06, -r.width() * 0.06, -r.height() * 0.06);
    switch (d) {
    case Development::Houses0:
        p.setBrush(QColor(230, 40, 40));
        p.drawPolygon(QPolygonF({inner.topLeft() + QPointF(inner.width() * 0.3, 0), inner.center(),
                                 inner.bottomLeft() + QPointF(inner.width() * 0.3, 0)}));
        break;
    case Development::Tower:
        p.setBrush(QColor(40, 70, 170));
        p.drawRect(inner.adjusted(inner.width() * 0.25, 0, -inner.width() * 0.25, 0));
        break;
    case Development::Mortgaged:
        p.setBrush(QColor(200, 0, 0));
        p.drawEllipse(inner);
        break;
    default: {
        // One to four houses on a 2 x 2 grid, filled row by row.
        const double hw = inner.width() / 2, hh = inner.height() / 2;
        for (int i = 0; i < int(d); ++i)
            paintHouse(p, QRectF(inner.left() + hw * (i % 2), inner.top() + hh * (i / 2), hw, hh)
                              .adjusted(1, 1, -1, -1));
    }
    }
    p.restore();
}

// A pointer aiming down and to the right, at what lies just below its lower right corner.
void paintPointer(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double len = r.width() * 1.25;
    QPainterPath arrow;
    const double shaft = len * 0.14, head = len * 0.34, headLen = len * 0.38;
    arrow.moveTo(0, -shaft / 2);
    arrow.lineTo(len - headLen, -shaft / 2);
    arrow.lineTo(len - headLen, -head / 2);
    arrow.lineTo(len, 0);
    arrow.lineTo(len - headLen, head / 2);
    arrow.lineTo(len - headLen, shaft / 2);
    arrow.lineTo(0, shaft / 2);
    arrow.closeSubpath();
    p.translate(r.topLeft() + QPointF(r.width() * 0.06, r.height() * 0.06));
    p.rotate(45);
    p.scale(0.88 * r.width() / len * 1.41, 0.88 * r.width() / len * 1.41);
    p.setPen(QPen(Qt::white, len * 0.03));
    p.setBrush(colour);
    p.drawPath(arrow);
    p.restore();
}

void paintStartBackground(QPainter& p, const QRectF& r) {
    QLinearGradient field(r.topLeft(), r.bottomLeft());
    field.setColorAt(0, QColor(200, 240, 190));
    field.setColorAt(1, QColor(150, 215, 150));
    p.fillRect(r, field);
}

// Draws the code fallback of `id` into `r`; false for pictures that have none.
bool paintFallback(QPainter& p, PictureId id, const QRectF& r) {
    switch (id.kind) {
    case PictureKind::Token: paintToken(p, r, id.index); return true;
    case PictureKind::DragIcon:
        p.save();
        p.setOpacity(0.8);
        paintToken(p, r, id.index);
        p.restore();
        return true;
    case PictureKind::DieFace: paintDieFace(p, r, (id.index - 1) % 6 + 1); return true;
    case PictureKind::Development: paintDevelopment(p, r, Development(id.index)); return true;
    case PictureKind::Pointer:
        paintPointer(p, r, id.index == 1 ? QColor(230, 40, 40) : QColor(30, 100, 230));
        return true;
    case PictureKind::StartBackground: paintStartBackground(p, r); return true;
    case PictureKind::Square:
    case PictureKind::Winner:
    case PictureKind::HallOfFame:
    case PictureKind::HallOfFameDetail:
    case PictureKind::AppIcon: break;
    }
    return false;
}

// ---- The artwork ---------------------------------------------------------------------------------

QString& artworkRoot() {
    static QString root = QStringLiteral(":/art");
    return root;
}

QString relativePath(PictureId id) {
    static const std::array<const char*, 7> development = {"land-0", "land-1",     "land-2",        "land-3",
                                                           "land-4", "land-tower", "land-mortgaged"};
    switch (id.kind) {
    case PictureKind::Square:
        return QStringLiteral("squares/square-%1.svg").arg(id.index, 2, 10, QLatin1Char('0'));
    case PictureKind::Development:
        return QStringLiteral("development/%1.svg").arg(QLatin1String(development[std::size_t(id.index)]));
    case PictureKind::Token: return QStringLiteral("tokens/token-%1.svg").arg(id.index);
    case PictureKind::DragIcon: return QStringLiteral("tokens/drag-%1.svg").arg(id.index);
    case PictureKind::Pointer: return QStringLiteral("pointers/pointer-%1.svg").arg(id.index);
    case PictureKind::DieFace:
        return QStringLiteral("dice/die-%1-%2.svg").arg((id.index - 1) / 6 + 1).arg((id.index - 1) % 6 + 1);
    case PictureKind::StartBackground: return QStringLiteral("windows/start-background.svg");
    case PictureKind::Winner: return QStringLiteral("windows/winner.svg");
    case PictureKind::HallOfFame: return QStringLiteral("windows/hall-of-fame.svg");
    case PictureKind::HallOfFameDetail: return QStringLiteral("windows/hall-of-fame-detail.svg");
    case PictureKind::AppIcon: return QStringLiteral("icon/tavorin.svg");
    }
    return {};
}

bool validId(PictureId id) {
    switch (id.kind) {
    case PictureKind::Square: return id.index >= 0 && id.index < 40;
    case PictureKind::Development: return id.index >= 0 && id.index <= int(Development::Mortgaged);
    case PictureKind::Token:
    case PictureKind::DragIcon: return id.index >= 1 && id.index <= 6;
    case PictureKind::Pointer: return id.index == 1 || id.index == 2;
    case PictureKind::DieFace: return id.index >= 1 && id.index <= 12;
    default: return true;
    }
}

// The drawing of one file, parsed anew for each rendering: the rendered pictures are kept, and a
// parsed drawing kept beside them for ever would hold several times their memory.
std::unique_ptr<QSvgRenderer> parsed(const QString& path) {
    static const bool initialised = (initArtwork(), true);
    (void)initialised;
    if (!QFile::exists(path)) return nullptr;
    auto svg = std::make_unique<QSvgRenderer>(path);
    return svg->isValid() ? std::move(svg) : nullptr;
}

// Rendered pictures by file, pixel size and density. Kept under 48 MB: at 200 % the whole board
// takes under 4 MB, so a few sizes of it stay while the board window is being resized.
QCache<QString, QPixmap>& renderedPictures() {
    static QCache<QString, QPixmap> cache(48 * 1024);
    return cache;
}

// The picture as the build rendered it from the compiled-in artwork, when it did at this size:
// an image over the program's own data, with nothing to decode.
QImage prerendered(PictureId id, QSize pixels) {
    if (artworkRoot() != QLatin1String(":/art")) return {};
    const QResource raw(QStringLiteral(":/prerendered/") + prerenderedName(relativePath(id), pixels));
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() != qint64(pixels.width()) * pixels.height() * 4)
        return {};
    return QImage(raw.data(), pixels.width(), pixels.height(), QImage::Format_ARGB32_Premultiplied);
}

qreal applicationRatio() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? qApp->devicePixelRatio() : 1.0;
}

// The picture drawn now: from its artwork, or else by its drawing in code; null with neither.
QImage drawn(PictureId id, const QString& path, QSize pixels) {
    if (const auto svg = parsed(path)) return renderSvg(*svg, pixels);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!paintFallback(p, id, QRectF(QPointF(0, 0), QSizeF(pixels)))) return {};
    p.end();
    return image;
}

// `pixels` device pixels of the picture, marked with `ratio`; null when neither artwork nor
// drawing exists.
QPixmap render(PictureId id, QSize pixels, qreal ratio) {
    if (pixels.isEmpty() || !validId(id)) return {};
    const QString path = picturePath(id);
    const QString key =
        QStringLiteral("%1|%2x%3|%4").arg(path).arg(pixels.width()).arg(pixels.height()).arg(ratio);
    if (const QPixmap* cached = renderedPictures().object(key)) return *cached;
    QImage image = prerendered(id, pixels);
    if (image.isNull()) image = drawn(id, path, pixels);
    if (image.isNull()) return {};
    auto* pm = new QPixmap(QPixmap::fromImage(std::move(image)));
    pm->setDevicePixelRatio(ratio);
    const QPixmap result = *pm;
    renderedPictures().insert(key, pm, std::max(1, pixels.width() * pixels.height() * 4 / 1024));
    return result;
}

} // namespace

std::vector<PictureId> allPictures() {
    std::vector<PictureId> all;
    for (int n = 0; n < 40; ++n) all.push_back(PictureId::square(n));
    for (int d = 0; d <= int(Development::Mortgaged); ++d)
        all.push_back(PictureId::development(Development(d)));
    for (int k = 1; k <= 6; ++k) {
        all.push_back(PictureId::token(k));
        all.push_back(PictureId::dragIcon(k));
    }
    all.push_back(PictureId::pointer(1));
    all.push_back(PictureId::pointer(2));
    for (int die = 1; die <= 2; ++die)
        for (int face = 1; face <= 6; ++face) all.push_back(PictureId::dieFace(die, face));
    for (PictureKind k : {PictureKind::StartBackground, PictureKind::Winner, PictureKind::HallOfFame,
                          PictureKind::HallOfFameDetail, PictureKind::AppIcon})
        all.push_back({k, 0});
    return all;
}

QString picturePath(PictureId id) {
    return validId(id) ? artworkRoot() + QLatin1Char('/') + relativePath(id) : QString();
}

QSize pictureSize(PictureId id) {
    switch (id.kind) {
    case PictureKind::Square: {
        const bool corner = id.index % 10 == 0;
        return {corner ? 105 : 73, 57}; // 1575 or 1095 by 855 twips
    }
    case PictureKind::Development: return {25, 25}; // 375 twips
    case PictureKind::Token: return {33, 33};       // 495 twips
    case PictureKind::DragIcon: return {32, 32};
    case PictureKind::Pointer: return {40, 40}; // 600 twips
    case PictureKind::DieFace: return {44, 44};
    case PictureKind::StartBackground: return {257, 305}; // 3855 x 4575 twips
    case PictureKind::Winner:
    case PictureKind::HallOfFame: return {132, 132};
    case PictureKind::HallOfFameDetail: return {99, 99};
    case PictureKind::AppIcon: return {256, 256};
    }
    return {};
}

bool hasArtwork(PictureId id) { return validId(id) && parsed(picturePath(id)) != nullptr; }

QPixmap picture(PictureId id, QSize logicalSize, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : applicationRatio();
    const QSize pixels(int(std::lround(logicalSize.width() * ratio)),
                       int(std::lround(logicalSize.height() * ratio)));
    return render(id, pixels, ratio);
}

bool drawPicture(QPainter& p, PictureId id, const QRectF& r) {
    const qreal ratio = p.device() ? p.device()->devicePixelRatio() : 1.0;
    // The rectangle in device pixels, snapped to whole pixels so that the picture is not resampled.
    const QRectF logical = p.worldTransform().mapRect(r);
    const QPoint topLeft((logical.topLeft() * ratio).toPoint());
    const QPoint bottomRight((logical.bottomRight() * ratio).toPoint());
    const QSize pixels(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y());
    const QPixmap pm = render(id, pixels, ratio);
    if (pm.isNull()) return false;
    p.save();
    p.resetTransform();
    p.drawPixmap(QPointF(topLeft) / ratio, pm);
    p.restore();
    return true;
}

namespace {
// Draws the icon only at the sizes the desktop actually asks for, when it asks.
class ArtworkIconEngine final : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        drawPicture(*p, {PictureKind::AppIcon, 0}, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return picture({PictureKind::AppIcon, 0}, size, 1.0);
    }
    QIconEngine* clone() const override { return new ArtworkIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
};
} // namespace

QIcon appIcon() { return QIcon(new ArtworkIconEngine); }

void setArtworkRoot(const QString& root) {
    artworkRoot() = root.isEmpty() ? QStringLiteral(":/art") : root;
    renderedPictures().clear();
}

QColor tokenColour(int player) {
    static const std::array<QColor, 7> colours = {
        QColor(128, 128, 128), QColor(220, 30, 40),  QColor(30, 90, 220), QColor(20, 160, 60),
        QColor(245, 150, 0),   QColor(140, 50, 190), QColor(0, 170, 180)};
    return (player >= 1 && player <= 6) ? colours[std::size_t(player)] : colours[0];
}

QPixmap tokenDragIcon(int player) { return picture(PictureId::dragIcon(player), QSize(32, 32)); }

QPixmap dieFacePixmap(int die, int face, int sizePx) {
    return picture(PictureId::dieFace(die, face), QSize(sizePx, sizePx));
}

QPixmap dieFacePixmap(int face, int sizePx) { return dieFacePixmap(1, face, sizePx); }

} // namespace tavorin::ui
