#include "app/ScreenSync.h"

#include <stdexcept>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "ui/ChosenLine.h"
#include "ui/DeedColumns.h"
#include "ui/Text.h"
#include "ui/Twips.h"

namespace tavorin::app {

namespace {
void setText(QWidget* w, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
}

// A palette set anew repaints the widget and its children even when nothing differs, and the
// computer's turn syncs at every step: only what changed is set.
void setColours(QWidget* w, const QColor& window, const QColor& text = {}) {
    QPalette pal = w->palette();
    const bool same =
        pal.color(QPalette::Window) == window && (!text.isValid() || pal.color(QPalette::WindowText) == text);
    if (same && pal.isBrushSet(QPalette::Active, QPalette::Window)) return;
    pal.setColor(QPalette::Window, window);
    if (text.isValid()) pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}

bool isPlayerName(Ctl c) { return c >= Ctl::LabelName1 && c <= Ctl::LabelName6; }
bool isBonusLook(Ctl c) { return c == Ctl::BonusFrame || c == Ctl::OpgBonus1 || c == Ctl::OpgBonus2; }

bool replaceIfChanged(std::vector<DeedLine>& shown, std::vector<DeedLine> now) {
    if (now == shown) return false;
    shown = std::move(now);
    return true;
}
} // namespace

ScreenSync::ScreenSync(QWidget& root) : root_(root) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const QString name = ui::qs(controlName(Ctl(i)));
        QWidget* w = root.findChild<QWidget*>(name);
        if (!w) throw std::logic_error("the main window has no control " + name.toStdString());
        widgets_[i] = w;
    }
    for (int die = 1; die <= 2; ++die)
        for (int face = 1; face <= 6; ++face)
            dice_[std::size_t(die)][std::size_t(face)] =
                root.findChild<QWidget*>(QStringLiteral("cube%1_%2").arg(die).arg(face));
}

void ScreenSync::applyControl(Ctl c, const Control& state) {
    QWidget* w = widget(c);
    const std::size_t i = std::size_t(c);
    const bool visible = state.visible && !keptHidden_[i];
    if (w->isHidden() == visible) w->setVisible(visible);
    if (w->testAttribute(Qt::WA_Disabled) == state.enabled) w->setEnabled(state.enabled);
    if (state.text != written_[i]) {
        written_[i] = state.text;
        setText(w, ui::qs(state.text));
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w);
        b && b->isCheckable() && b->isChecked() != state.checked) {
        if (state.checked || !b->autoExclusive()) {
            b->setChecked(state.checked);
        } else {
            // An option button is cleared by checking another of its group; when the rules check
            // none (a loaded speed that is none of the options), it is cleared on its own.
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    }
    applyLook(c, state);
}

void ScreenSync::applyLook(Ctl c, const Control& state) {
    QWidget* w = widget(c);
    if (isPlayerName(c)) {
        if (w->autoFillBackground() != state.highlight) w->setAutoFillBackground(state.highlight);
        setColours(w, kCurrentPlayerColour,
                   state.red ? QColor(Qt::red) : root_.palette().color(QPalette::ButtonText));
        const QString tip = state.red ? QString::fromUtf8(kLostTurnTip) : QString();
        if (w->toolTip() != tip) w->setToolTip(tip);
    } else if (isBonusLook(c)) {
        setColours(w, state.highlight ? kBonusArmedColour : kBonusDisarmedColour);
    } else if (c == Ctl::BarComThinking) {
        const ui::TwipScale scale(w->logicalDpiX());
        const int width = scale.pxRound(state.value);
        if (w->width() != width) w->resize(width, w->height());
    }
}

void ScreenSync::applyLists(const Game& g) {
    if (replaceIfChanged(deedLines_, g.DeedListLines())) {
        auto* list = static_cast<QListWidget*>(widget(Ctl::DeedList));
        // The chosen line stays chosen; a line that was only current (the list was tabbed into)
        // does not become chosen by the refill.
        const int row = ui::chosenRow(list);
        list->clear();
        for (const DeedLine& line : deedLines_) {
            auto* item = new QListWidgetItem;
            ui::setDeedLine(*item, line);
            list->addItem(item);
        }
        if (row >= 0) list->setCurrentRow(row);
    }
    auto* combo = static_cast<QComboBox*>(widget(Ctl::CmbBonus));
    if (replaceIfChanged(bonusLines_, g.BonusListLines())) {
        combo->clear();
        for (const DeedLine& line : bonusLines_) {
            combo->addItem(ui::qs(line.text()));
            ui::setDeedLine(*combo, combo->count() - 1, line);
        }
    }
    if (combo->currentIndex() != g.screen().bonusSelection) combo->setCurrentIndex(g.screen().bonusSelection);
}

void ScreenSync::applyDice(const GameState& s) {
    const int faces[3] = {0, s.CubeValue1, s.CubeValue2};
    for (int die = 1; die <= 2; ++die)
        for (int face = 1; face <= 6; ++face) {
            QWidget* image = dice_[std::size_t(die)][std::size_t(face)];
            if (image && image->isHidden() == (face == faces[die])) image->setVisible(face == faces[die]);
        }
}

void ScreenSync::apply(Game& g) {
    for (std::size_t i = 0; i < kControlCount; ++i) applyControl(Ctl(i), g.screen().controls[i]);
    applyLists(g);
    applyDice(g.state());
    if (const Ctl focus = g.takeFocus(); focus != Ctl::None) widget(focus)->setFocus();
}

} // namespace tavorin::app
