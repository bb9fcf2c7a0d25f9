#include "ui/ControlNames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QWidget>

namespace tavorin::ui {

bool isThai(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0E01 && c.unicode() <= 0x0E5B) return true;
    return false;
}

void nameControls(QWidget& root, std::initializer_list<ControlName> names) {
    for (const ControlName& n : names)
        if (auto* w = root.findChild<QWidget*>(QString::fromLatin1(n.objectName)))
            w->setAccessibleName(QString::fromUtf8(n.name));
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty()) continue;
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            caption = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            caption = g->title();
        caption.remove(QLatin1Char('&'));
        if (isThai(caption)) w->setAccessibleName(caption);
    }
}

} // namespace tavorin::ui
