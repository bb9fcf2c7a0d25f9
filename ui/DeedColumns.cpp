#include "ui/DeedColumns.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QHelpEvent>
#include <QListWidgetItem>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "engine/Board.h"
#include "ui/Text.h"

namespace tavorin::ui {

namespace {
// The parts of a deed line, beside its text.
constexpr int kDeedPartsRole = Qt::UserRole + 0x4445;
} // namespace

DeedLineParts partsOf(const DeedLine& line) {
    // The space a deed chosen for redemption keeps of its mark is not drawn.
    const std::string name =
        line.mark == DeedMark::Redeeming ? line.name : line.name + std::string(line.markText());
    return {qs(line.number()), qs(name), qs(line.buildings()), line.mark};
}

void setDeedLine(QListWidgetItem& item, const DeedLine& line) {
    item.setText(qs(line.text()));
    item.setData(kDeedPartsRole, line.isDeed() ? QVariant::fromValue(partsOf(line)) : QVariant());
}

void setDeedLine(QComboBox& combo, int index, const DeedLine& line) {
    combo.setItemText(index, qs(line.text()));
    combo.setItemData(index, line.isDeed() ? QVariant::fromValue(partsOf(line)) : QVariant(), kDeedPartsRole);
}

namespace {

// The widest name of the board with its mortgage mark.
int widestBoardName(const QFontMetrics& fm) {
    int widest = 0;
    for (int d = 1; d <= kDeeds; ++d)
        widest = std::max(widest, fm.horizontalAdvance(qs(kDeedTable[std::size_t(d)].name)));
    return widest + fm.horizontalAdvance(QStringLiteral(" (จ.)"));
}

DeedLineLayout layOut(const DeedLineParts& parts, const QFontMetrics& fm, int widest) {
    const int space = fm.horizontalAdvance(QLatin1Char(' '));
    DeedLineLayout out;
    out.name = fm.horizontalAdvance(QStringLiteral("29")) + space;
    // The buildings column starts past the longest name of the board with its mortgage mark, so it
    // stands in the same place in every list; a longer name from elsewhere pushes only its own line.
    out.numberWidth = fm.horizontalAdvance(parts.number);
    out.nameWidth = fm.horizontalAdvance(parts.name);
    out.buildingsWidth = parts.buildings.isEmpty() ? 0 : fm.horizontalAdvance(parts.buildings);
    const int nameEnd = out.name + out.nameWidth;
    out.buildings = std::max(out.name + widest, nameEnd) + 2 * space;
    out.width = parts.buildings.isEmpty() ? nameEnd : out.buildings + out.buildingsWidth;
    return out;
}

} // namespace

DeedLineLayout layOutDeedLine(const DeedLineParts& parts, const QFontMetrics& fm) {
    return layOut(parts, fm, widestBoardName(fm));
}

DeedLineLayout layOutDeedLine(const DeedLineParts& parts, const QFont& font) {
    // Shaping Thai text costs far more than drawing it, and a list measures and paints its lines
    // again whenever one of them changes: the board's names are measured once per font, and each
    // line once.
    static QHash<QString, int> widest;
    static QHash<QString, DeedLineLayout> lines;
    const QString fontKey = font.key();
    const QString lineKey =
        fontKey + QChar(0x1f) + parts.number + QChar(0x1f) + parts.name + QChar(0x1f) + parts.buildings;
    if (const auto known = lines.constFind(lineKey); known != lines.constEnd()) return known.value();
    // A window resized step by step meets a new font size at each step; a long game, new lines.
    if (widest.size() >= 64) widest.clear();
    if (lines.size() >= 1024) lines.clear();
    const QFontMetrics fm(font);
    auto it = widest.constFind(fontKey);
    if (it == widest.constEnd()) it = widest.insert(fontKey, widestBoardName(fm));
    return lines.insert(lineKey, layOut(parts, fm, it.value())).value();
}

QString deedMarkTip(DeedMark mark) {
    switch (mark) {
    case DeedMark::Mortgaged: return QStringLiteral("(จ.) ที่ดินนี้ติดจำนองอยู่");
    case DeedMark::Owned: return QStringLiteral("* โฉนดนี้มีเจ้าของแล้ว");
    case DeedMark::None:
    case DeedMark::Redeeming: break;
    }
    return {};
}

namespace {

class DeedColumnsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QVariant data = index.data(kDeedPartsRole);
        if (!data.isValid()) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        const DeedLineParts parts = data.value<DeedLineParts>();
        // The item's background, selection and focus as the style draws them, then the text by hand.
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, widget);

        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                               .adjusted(textMargin(widget), 0, -textMargin(widget), 0);
        const DeedLineLayout at = layOutDeedLine(parts, opt.font);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        p->save();
        p->setClipRect(opt.rect);
        p->setFont(opt.font);
        p->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                : QPalette::Text));
        const auto put = [&](int x, int width, const QString& s) {
            p->drawText(QRect(text.left() + x, text.top(), width + 1, text.height()),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
        };
        put(0, at.numberWidth, parts.number);
        put(at.name, at.nameWidth, parts.name);
        if (!parts.buildings.isEmpty()) put(at.buildings, at.buildingsWidth, parts.buildings);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        if (const QVariant data = index.data(kDeedPartsRole); data.isValid())
            size.setWidth(layOutDeedLine(data.value<DeedLineParts>(), opt.font).width +
                          2 * textMargin(opt.widget) + 2);
        return size;
    }

    bool helpEvent(QHelpEvent* e, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (e->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(e, view, option, index);
        const QVariant data = index.data(kDeedPartsRole);
        const QString tip = data.isValid() ? deedMarkTip(data.value<DeedLineParts>().mark) : QString();
        if (tip.isEmpty()) return QStyledItemDelegate::helpEvent(e, view, option, index);
        QToolTip::showText(e->globalPos(), tip, view);
        return true;
    }

private:
    static int textMargin(const QWidget* widget) {
        const QStyle* style = widget ? widget->style() : QApplication::style();
        return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    }
};

} // namespace

void alignDeedColumns(QAbstractItemView* view) {
    if (view) view->setItemDelegate(new DeedColumnsDelegate(view));
}

} // namespace tavorin::ui
