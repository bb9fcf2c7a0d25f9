#include "setup/SavedGameSummary.h"

#include <chrono>
#include <system_error>

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

#include "setup/NewGameRules.h"
#include "setup/SaveRecord.h"
#include "ui/Text.h"

namespace tavorin::setupui {

SavedGameSummary summarizeSavedGame(const std::filesystem::path& folder, const std::string& fileName) {
    SavedGameSummary summary;
    const auto loaded = loadGameFile(folder, savedGameNameOf(fileName));
    const auto* record = std::get_if<SaveRecord>(&loaded);
    if (!record) return summary;
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(folder / fileName, ec);
    if (ec) return summary;
    const auto since = std::chrono::file_clock::to_sys(written).time_since_epoch();
    summary.saved =
        QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    for (int k = 1; k <= record->NumOfPlayer; ++k)
        summary.players << ui::qs(record->players[std::size_t(k)].name);
    return summary;
}

QString savedTimeLine(const SavedGameSummary& summary) {
    return summary.saved.isValid() ? summary.saved.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QString playersLine(const SavedGameSummary& summary) { return summary.players.join(QStringLiteral(", ")); }

namespace {
class SummaryDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QStringList lines = summaryOf(index);
        if (lines.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
        const int small = smallHeight(option);
        QStyleOptionViewItem whole = option;
        initStyleOption(&whole, index);
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        // The selection and the focus cover the name and its summary alike.
        QStyleOptionViewItem back = whole;
        back.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &back, painter, view);
        QStyleOptionViewItem name = whole;
        name.rect.setHeight(option.rect.height() - small * int(lines.size()));
        name.state &= ~QStyle::State_HasFocus;
        style->drawControl(QStyle::CE_ItemViewItem, &name, painter, view);
        painter->save();
        painter->setFont(smallFont(option));
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        QRect line(option.rect.left() + 4, name.rect.bottom() + 1, option.rect.width() - 6, small);
        for (const QString& text : lines) {
            painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                              QFontMetrics(painter->font()).elidedText(text, Qt::ElideRight, line.width()));
            line.translate(0, small);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rheight() += smallHeight(option) * int(summaryOf(index).size());
        return size;
    }

private:
    static QStringList summaryOf(const QModelIndex& index) {
        QStringList lines;
        for (int role : {kSavedTimeRole, kPlayersRole})
            if (QString t = index.data(role).toString(); !t.isEmpty()) lines << t;
        return lines;
    }
    static QFont smallFont(const QStyleOptionViewItem& option) {
        QFont f = option.font;
        f.setPointSizeF(f.pointSizeF() * 0.85);
        return f;
    }
    static int smallHeight(const QStyleOptionViewItem& option) {
        return QFontMetrics(smallFont(option)).height();
    }
};
} // namespace

QAbstractItemDelegate* summaryDelegate(QObject* parent) { return new SummaryDelegate(parent); }

} // namespace tavorin::setupui
