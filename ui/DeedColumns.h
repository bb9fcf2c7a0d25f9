// The deed lists (the main window's, the bonus list, the holdings, the sales, the winner's) show deed
// lines whose columns the game aligns with spaces. In a proportional Thai font spaces cannot line
// them up, so these lists draw each line in three columns instead: the deed's number, its name with
// its mark, and its buildings. An item keeps the line's text exactly as the game writes it, and the
// parts of the line beside it.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QMetaType>
#include <QString>

#include "engine/DeedLine.h"

class QAbstractItemView;
class QComboBox;
class QListWidgetItem;

namespace tavorin::ui {

struct DeedLineParts {
    QString number; // "12"
    QString name; // "เขาใหญ่ *", "กรุงเทพฯ (จ.)": the name with its mark, no padding
    QString buildings; // "บ้าน 3 ตึก 0", or empty
    DeedMark mark = DeedMark::None;
};

DeedLineParts partsOf(const DeedLine& line);

// Where each part of a deed line starts, in pixels from the text's left edge, for `fm`'s font.
struct DeedLineLayout {
    int name = 0;
    int buildings = 0;
    int width = 0; // the whole line
    // How wide each part's text is.
    int numberWidth = 0;
    int nameWidth = 0;
    int buildingsWidth = 0;
};
DeedLineLayout layOutDeedLine(const DeedLineParts& parts, const QFontMetrics& fm);
// The same for `font`, each line and the board's names measured once per font.
DeedLineLayout layOutDeedLine(const DeedLineParts& parts, const QFont& font);

// What a deed line's mark means, as a tool tip; empty for a line without a mark.
QString deedMarkTip(DeedMark mark);

// Puts `line` on an item: its text, and for a line that names a deed, its parts.
void setDeedLine(QListWidgetItem& item, const DeedLine& line);
void setDeedLine(QComboBox& combo, int index, const DeedLine& line);

// Makes `view` (a list, or a combo box's drop-down) draw the deed lines put on its items by
// setDeedLine in columns, and explain their marks in tool tips. Other items are drawn as they stand.
void alignDeedColumns(QAbstractItemView* view);

} // namespace tavorin::ui

Q_DECLARE_METATYPE(tavorin::ui::DeedLineParts)
