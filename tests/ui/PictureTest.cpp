// The artwork: every picture the program names is compiled in and renders at its size, no artwork
// file lies unused, the land squares carry their group's colour, a missing file falls back to the
// drawing in code; and Thai text fitted into a small box keeps all its marks inside it.
#include <map>
#include <set>

#include <QDirIterator>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include "engine/Board.h"
#include "ui/ArtRender.h"
#include "ui/Pictures.h"
#include "ui/TextFit.h"
#include "ui/ThaiFont.h"

using namespace tavorin;
using ui::PictureId;
using ui::PictureKind;

namespace {
QString describe(PictureId id) {
    return QStringLiteral("%1 (kind %2, %3)").arg(ui::picturePath(id)).arg(int(id.kind)).arg(id.index);
}

// Pixels that are not fully transparent.
int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

// The colour of a land square's band, read from its artwork drawn at the board's scale.
QRgb bandColour(int square) {
    const QImage image =
        ui::picture(PictureId::square(square), ui::pictureSize(PictureId::square(square)), 1.0).toImage();
    return image.pixel(image.width() / 2, 6); // the band is the top 170 of 855 twips: 11 pixels
}

QString groupOf(int deed) {
    const DeedData& d = kDeedTable[std::size_t(deed)];
    if (d.landType == LandType::Pair) return QStringLiteral("pair");
    if (d.landType == LandType::Group) return QStringLiteral("group");
    return QStringLiteral("single %1").arg(singleGroupOf(deed));
}
} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureIsCompiledInAndRendersAtItsSize() {
        const std::vector<PictureId> all = ui::allPictures();
        QCOMPARE(all.size(), std::size_t(40 + 7 + 12 + 2 + 12 + 5));
        for (PictureId id : all) {
            QVERIFY2(ui::hasArtwork(id), qPrintable(describe(id)));
            for (qreal ratio : {1.0, 2.0}) {
                const QSize size = ui::pictureSize(id);
                const QPixmap pm = ui::picture(id, size, ratio);
                QVERIFY2(!pm.isNull(), qPrintable(describe(id)));
                QCOMPARE(pm.size(), size * ratio);
                QCOMPARE(pm.deviceIndependentSize().toSize(), size);
                // Not a blank: at least a twentieth of the box (the thin pointers) carries the drawing.
                const QImage image = pm.toImage();
                QVERIFY2(inkPixels(image) * 20 >= image.width() * image.height(), qPrintable(describe(id)));
            }
        }
    }

    void noArtworkFileLiesUnused() {
        std::set<QString> named;
        for (PictureId id : ui::allPictures()) named.insert(ui::picturePath(id));
        QDirIterator it(QStringLiteral(":/art"), QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            ++files;
            QVERIFY2(named.count(file) == 1, qPrintable(file));
            QVERIFY2(QSvgRenderer(file).isValid(), qPrintable(file));
        }
        QCOMPARE(std::size_t(files), named.size());
    }

    // Deeds that belong together wear one band colour, and no two groups share one.
    void landSquaresWearTheirGroupsColour() {
        std::map<QString, QRgb> colourOfGroup;
        std::set<QRgb> used;
        for (int n = 0; n < kSquares; ++n) {
            const int deed = kSquareTable[std::size_t(n)].deed;
            if (deed == 0) continue;
            const QString group = groupOf(deed);
            const QRgb colour = bandColour(n);
            auto [it, first] = colourOfGroup.emplace(group, colour);
            if (first) {
                QVERIFY2(used.insert(colour).second,
                         qPrintable(QStringLiteral("%1 shares its colour").arg(group)));
            } else {
                QVERIFY2(it->second == colour,
                         qPrintable(QStringLiteral("deed %1 is not in its group's colour").arg(deed)));
            }
        }
        QCOMPARE(colourOfGroup.size(), std::size_t(10)); // eight single groups, pair land and group land
    }

    void missingArtworkFallsBackToTheDrawingInCode() {
        ui::setArtworkRoot(QStringLiteral("/nonexistent/art"));
        for (PictureId id : {PictureId::token(3), PictureId::dragIcon(5), PictureId::dieFace(2, 6),
                             PictureId::development(ui::Development::Mortgaged), PictureId::pointer(2)}) {
            QVERIFY(!ui::hasArtwork(id));
            const QPixmap pm = ui::picture(id, ui::pictureSize(id), 1.0);
            QCOMPARE(pm.size(), ui::pictureSize(id));
            QVERIFY2(inkPixels(pm.toImage()) > 0, qPrintable(describe(id)));
        }
        // A square has no drawing here: the board draws it itself when told so.
        QImage canvas(80, 60, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        QVERIFY(!ui::drawPicture(p, PictureId::square(5), QRectF(0, 0, 73, 57)));
        p.end();
        QCOMPARE(inkPixels(canvas), 0);
        ui::setArtworkRoot({});
        QVERIFY(ui::hasArtwork(PictureId::token(3)));
    }

    // Drawn through a scaled painter (the board draws in twips), a picture lands on whole pixels at
    // the size the scale gives it.
    void drawnPictureTakesTheScaledBoxSharply() {
        QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        p.scale(2.0 / 15, 2.0 / 15);
        QVERIFY(ui::drawPicture(p, PictureId::token(1), QRectF(150, 150, 495, 495)));
        p.end();
        // 495 twips at two pixels per 15 twips: 66 pixels from pixel 20.
        QCOMPARE(qAlpha(canvas.pixel(19, 53)), 0);
        QCOMPARE(qAlpha(canvas.pixel(86, 53)), 0);
        QVERIFY(qAlpha(canvas.pixel(53, 53)) > 0);
    }

    void fittedThaiKeepsItsMarksInsideTheBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("whole");
        QTest::newRow("stacked marks above and below")
            << QStringLiteral("ปู่ฟ้าญี่ปุ่นฎีกาฐูปั๊") << 2000.0 << 210.0 << true;
        QTest::newRow("a name in its label") << QStringLiteral("วัดเบญจมบพิตร") << 915.0 << 270.0 << true;
        QTest::newRow("too long even when small")
            << QStringLiteral("สมหญิงใจดีมากมายเหลือเกิน") << 585.0 << 210.0 << false;
        QTest::newRow("a low box") << QStringLiteral("ชื่อผู้เล่นที่ 1") << 1500.0 << 120.0 << true;
    }
    void fittedThaiKeepsItsMarksInsideTheBox() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, whole);
        const double margin = 12;
        const ui::FittedText fit =
            ui::fitText(text, ui::thaiPixelFont(165), QSizeF(width, height), margin, 0.7);
        const QRectF inner(margin, margin, width - 2 * margin, height - 2 * margin);
        QVERIFY2(inner.adjusted(-0.5, -0.5, 0.5, 0.5).contains(fit.ink), qPrintable(fit.text));
        QCOMPARE(fit.text == text, whole);
        if (!whole) QVERIFY(fit.text.endsWith(QChar(0x2026)));
        // Centred: as much room above the ink as below it.
        QVERIFY(qAbs(fit.ink.top() - (height - fit.ink.bottom())) < 1.0);
    }

    void titlesTakeTheClassicFaceAtItsTrueSize_data() {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("shown");
        QTest::newRow("the start window's title")
            << QStringLiteral("AngsanaUPC") << 27.75 << QStringLiteral("Kinnari") << 18.5925;
        QTest::newRow("the setup window's title")
            << QStringLiteral("EucrosiaUPC") << 21.75 << QStringLiteral("Kinnari") << 14.5725;
        QTest::newRow("a Browallia caption")
            << QStringLiteral("BrowalliaUPC") << 16.0 << QStringLiteral("Garuda") << 10.88;
        QTest::newRow("an ordinary face")
            << QStringLiteral("MS Sans Serif") << 8.25 << ui::thaiFontFamily() << 8.25;
    }
    void titlesTakeTheClassicFaceAtItsTrueSize() {
        QFETCH(QString, designed);
        QFETCH(double, points);
        QFETCH(QString, family);
        QFETCH(double, shown);
        const QFont f = ui::designFont(designed, points, true);
        QCOMPARE(QFontInfo(f).family(), family);
        QVERIFY(qAbs(f.pointSizeF() - shown) < 0.01);
        QVERIFY(f.bold());
    }

    void thaiFacesAreNeverLooped() {
        for (const QFont& f : {ui::thaiFont(10), ui::designFont(QStringLiteral("AngsanaUPC"), 27.75)}) {
            const QString family = QFontInfo(f).family();
            QVERIFY2(!family.contains(QStringLiteral("Looped")), qPrintable(family));
            QVERIFY2(QStringList({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Kinnari"),
                                  QStringLiteral("Norasi")})
                         .contains(family),
                     qPrintable(family));
        }
    }

    // The pictures shown before the first window are rendered at build time; they must be the very
    // pixels the artwork gives when drawn now, and be there at the sizes asked for at 96 dpi.
    void picturesRenderedAheadAreTheArtworkItself() {
        ui::setArtworkRoot({}); // nothing cached from another test
        std::map<QString, PictureId> byName;
        for (PictureId id : ui::allPictures())
            byName.emplace(ui::picturePath(id).mid(QStringLiteral(":/art/").size()), id);
        std::set<QString> expected = {ui::prerenderedName(QStringLiteral("windows/start-background.svg"),
                                                          ui::pictureSize({PictureKind::StartBackground}))};
        for (const QSize& size : ui::appIcon().availableSizes())
            expected.insert(ui::prerenderedName(QStringLiteral("icon/tavorin.svg"), size));
        QDirIterator it(QStringLiteral(":/prerendered"), QDir::Files, QDirIterator::Subdirectories);
        std::set<QString> found;
        while (it.hasNext()) {
            const QString name = it.next().mid(QStringLiteral(":/prerendered/").size());
            found.insert(name);
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("^(.*)-(\\d+)x(\\d+)\\.argb$")).match(name);
            QVERIFY2(m.hasMatch(), qPrintable(name));
            const QString svg = m.captured(1) + QStringLiteral(".svg");
            QVERIFY2(byName.count(svg) == 1, qPrintable(name));
            const QSize size(m.captured(2).toInt(), m.captured(3).toInt());
            QSvgRenderer artwork(QStringLiteral(":/art/") + svg);
            const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
            QCOMPARE(ui::picture(byName.at(svg), size, 1.0).toImage().convertToFormat(premultiplied),
                     ui::renderSvg(artwork, size));
        }
        QCOMPARE(found, expected);
    }

    void appIconHasTheDesktopsSizes() {
        const QIcon icon = ui::appIcon();
        QVERIFY(!icon.isNull());
        for (int side : {16, 48, 256}) QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    }
};

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
