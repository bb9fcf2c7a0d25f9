#include "ui/ThaiFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace tavorin::ui {

namespace {
const QStringList& families() {
    static const QStringList list = [] {
        QStringList l;
        if (QFontDatabase::families().contains(QStringLiteral("Loma"))) l << QStringLiteral("Loma");
        l << QStringLiteral("Garuda");
        return l;
    }();
    return list;
}

QFont withFamilies(QFont font) {
    font.setFamilies(families());
    font.setStyleHint(QFont::SansSerif);
    return font;
}
} // namespace

QString thaiFontFamily() { return families().front(); }

QFont thaiFont(double pointSize, bool bold) {
    QFont f;
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return withFamilies(f);
}

QFont thaiPixelFont(int pixelSize, bool bold) {
    QFont f;
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return withFamilies(f);
}

void useThaiFont(QApplication& app) { app.setFont(thaiFont(10.0)); }

} // namespace tavorin::ui
