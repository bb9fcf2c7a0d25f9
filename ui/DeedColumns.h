// The deed lists (the main window's, the holdings, the sales, the winner's) are plain lines whose
// columns are aligned with spaces. In a proportional Thai font spaces cannot line them up, so these
// lists draw each line in three columns instead: the deed's number, its name with its mark, and its
// buildings. The lines' text is left exactly as the game writes it.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

class QAbstractItemView;

namespace tavorin::ui {

struct DeedLineParts {
    bool isDeedLine = false; // false: the line is not a deed line and is drawn as it stands
    QString number;          // "12"
    QString name; // "เขาใหญ่ *", "กรุงเทพฯ (จ.)": the name with its mark, no padding
    QString buildings; // "บ้าน 3 ตึก 0", or empty
};

DeedLineParts splitDeedLine(const QString& line);

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

// What the mark at the end of a deed line's name means (" *": the deed has an owner, " (จ.)": it is
// mortgaged), as a tool tip; empty for a line without a mark.
QString deedMarkTip(const QString& line);

// Makes `view` (a list, or a combo box's drop-down) draw its deed lines in columns, and explain their
// marks in tool tips.
void alignDeedColumns(QAbstractItemView* view);

} // namespace tavorin::ui
