#include "ui/ThaiFont.h"

#include <array>

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace tavorin::ui {

namespace {
// The first of `wanted` that is installed, then the rest in order as fallbacks.
QStringList installed(std::initializer_list<const char*> wanted) {
    const QStringList available = QFontDatabase::families();
    QStringList present, missing;
    for (const char* w : wanted) {
        const QString family = QString::fromLatin1(w);
        (available.contains(family) ? present : missing) << family;
    }
    return present + missing;
}

const QStringList& uiFamilies() {
    static const QStringList list = installed({"Loma", "Garuda"});
    return list;
}

QFont withFamilies(QFont font, const QStringList& families, QFont::StyleHint hint) {
    font.setFamilies(families);
    font.setStyleHint(hint);
    return font;
}

struct Stand {
    const char* designed; // matched at the start of the design family's name, ignoring case
    std::array<const char*, 2> faces;
    double scale;
};
} // namespace

QString thaiFontFamily() { return uiFamilies().front(); }

QFont thaiFont(double pointSize, bool bold) {
    QFont f;
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return withFamilies(f, uiFamilies(), QFont::SansSerif);
}

QFont thaiPixelFont(int pixelSize, bool bold) {
    QFont f;
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return withFamilies(f, uiFamilies(), QFont::SansSerif);
}

namespace {
constexpr const char* kDesignedSize = "tavorinDesignedPointSize";
}

void setRelativeFont(QWidget* w, double pointSize, bool bold) {
    w->setProperty(kDesignedSize, pointSize);
    w->setFont(thaiFont(pointSize, bold));
}

void scaleRelativeFonts(QWidget& root, double scale) {
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QVariant designed = w->property(kDesignedSize);
        if (designed.isValid()) w->setFont(thaiFont(designed.toDouble() * scale, w->font().bold()));
    }
}

void useThaiFont(QApplication& app) { app.setFont(thaiFont(10.0)); }

QString displayFontFamily() {
    static const QStringList list = installed({"Kinnari", "Norasi"});
    return list.front();
}

QFont designFont(const QString& designFamily, double designPointSize, bool bold) {
    static const std::array<Stand, 5> stands = {{
        {"Angsana", {{"Kinnari", "Norasi"}}, 0.67},
        {"Eucrosia", {{"Kinnari", "Norasi"}}, 0.67},
        {"Browallia", {{"Garuda", "Loma"}}, 0.68},
        {"Cordia", {{"Umpush", "Loma"}}, 0.65},
        {"TH Sarabun", {{"Laksaman", "Loma"}}, 0.66},
    }};
    for (const Stand& s : stands) {
        if (!designFamily.startsWith(QLatin1String(s.designed), Qt::CaseInsensitive)) continue;
        QFont f;
        f.setPointSizeF(designPointSize * s.scale);
        f.setBold(bold);
        return withFamilies(f, installed({s.faces[0], s.faces[1]}) + uiFamilies(), QFont::Serif);
    }
    return thaiFont(designPointSize, bold);
}

} // namespace tavorin::ui
