#include "dealings/DealingWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "engine/Text.h"
#include "ui/DeedColumns.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"

namespace tavorin {

DealingWindow::DealingWindow(DealingsHub& hub, const char* objectName, std::function<void(Dealings&)> unload)
    // No parent: MAIN is disabled while a sale window is open, and a disabled parent would disable
    // its child windows with it.
    : QWidget(nullptr, Qt::Window), hub_(hub), unload_(std::move(unload)) {
    setObjectName(QString::fromLatin1(objectName));
    setFont(ui::thaiFont(10));
    setAttribute(Qt::WA_QuitOnClose, false);
}

void DealingWindow::closeEvent(QCloseEvent* e) {
    // The model hides the window if it may close; bind() carries that out.
    e->ignore();
    hub_.act(unload_);
}

void DealingWindow::bindWindow(const WindowModel& m) {
    const QString title = ui::qs(m.caption);
    if (windowTitle() != title) setWindowTitle(title);
    if (isEnabled() != m.enabled) setEnabled(m.enabled);
    if (m.visible && isHidden()) {
        hub_.placing(*this);
        show();
        raise();
        activateWindow();
    } else if (!m.visible && !isHidden()) {
        hide();
    }
}

void DealingWindow::onClick(QAbstractButton* button, std::function<void(Dealings&)> event) {
    connect(button, &QAbstractButton::clicked, this, [this, event = std::move(event)] { hub_.act(event); });
}

void DealingWindow::onSelect(QListWidget* list, std::function<void(Dealings&, int)> select) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, select = std::move(select)] {
        const QList<QListWidgetItem*> chosen = list->selectedItems();
        const int row = chosen.isEmpty() ? -1 : list->row(chosen.front());
        hub_.act([&](Dealings& d) { select(d, row); });
    });
}

QLabel* DealingWindow::caption(const char* utf8) { return new QLabel(QString::fromUtf8(utf8), this); }

QLineEdit* DealingWindow::amountBox(const char* objectName) {
    auto* box = named<QLineEdit>(objectName);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMinimumWidth(90);
    return box;
}

void bindText(QLabel* label, const std::string& text) {
    const QString t = ui::qs(text);
    if (label->text() != t) label->setText(t);
}

void bindText(QLineEdit* box, const std::string& text) {
    const QString t = ui::qs(text);
    if (box->text() != t) {
        const QSignalBlocker quiet(box);
        box->setText(t);
    }
}

void bindAmount(QLineEdit* box, std::int64_t amount) { bindText(box, numberText(amount)); }

void bindLines(QListWidget* list, const std::vector<std::string>& lines, int selected) {
    std::vector<DeedLine> plain;
    plain.reserve(lines.size());
    for (const std::string& line : lines) plain.push_back(plainLine(line));
    bindLines(list, plain, selected);
}

void bindLines(QListWidget* list, const std::vector<DeedLine>& lines, int selected) {
    const QSignalBlocker quiet(list);
    bool same = list->count() == int(lines.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == ui::qs(lines[std::size_t(i)].text());
    if (!same) {
        list->clear();
        for (const DeedLine& line : lines) {
            auto* item = new QListWidgetItem;
            ui::setDeedLine(*item, line);
            list->addItem(item);
        }
    }
    if (selected == kKeepSelection) return;
    if (selected < 0 || selected >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else if (list->currentRow() != selected || !list->item(selected)->isSelected()) {
        list->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
    }
}

} // namespace tavorin
