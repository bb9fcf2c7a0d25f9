#include "app/ScreenSync.h"

#include <algorithm>
#include <stdexcept>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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

// Lines that changed are rewritten where they stand, so that a list keeps its chosen line and its
// scroll position and lays out only what changed; lines are added or taken away at the end.
void showLines(QListWidget& list, std::vector<DeedLine>& shown, std::vector<DeedLine> now) {
    const std::size_t kept = std::min(shown.size(), now.size());
    for (std::size_t i = 0; i < kept; ++i)
        if (now[i] != shown[i]) ui::setDeedLine(*list.item(int(i)), now[i]);
    while (std::size_t(list.count()) > now.size()) delete list.takeItem(list.count() - 1);
    for (std::size_t i = kept; i < now.size(); ++i) {
        auto* item = new QListWidgetItem;
        ui::setDeedLine(*item, now[i]);
        list.addItem(item);
    }
    shown = std::move(now);
}

void showLines(QComboBox& combo, std::vector<DeedLine>& shown, std::vector<DeedLine> now) {
    const std::size_t kept = std::min(shown.size(), now.size());
    for (std::size_t i = 0; i < kept; ++i)
        if (now[i] != shown[i]) ui::setDeedLine(combo, int(i), now[i]);
    while (std::size_t(combo.count()) > now.size()) combo.removeItem(combo.count() - 1);
    for (std::size_t i = kept; i < now.size(); ++i) {
        combo.addItem(ui::qs(now[i].text()));
        ui::setDeedLine(combo, combo.count() - 1, now[i]);
    }
    shown = std::move(now);
}
} // namespace

ScreenSync::ScreenSync(QWidget& root) : root_(root) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const QString name = ui::qs(controlName(Ctl(i)));
        QWidget* w = root.findChild<QWidget*>(name);
        if (!w) throw std::logic_error("the main window has no control " + name.toStdString());
        widgets_[i] = w;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
            checkable_.emplace_back(Ctl(i), b);
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
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) applyChecked(b, state.checked);
    applyLook(c, state);
}

void ScreenSync::applyChecked(QAbstractButton* b, bool checked) {
    if (b->isChecked() == checked) return;
    if (checked || !b->autoExclusive()) {
        b->setChecked(checked);
    } else {
        // An option button is cleared by checking another of its group; when the rules check none
        // (a loaded speed that is none of the options), it is cleared on its own.
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

void ScreenSync::keepHidden(Ctl c, bool hidden) {
    keptHidden_[std::size_t(c)] = hidden;
    due_.set(std::size_t(c));
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
    auto* combo = static_cast<QComboBox*>(widget(Ctl::CmbBonus));
    if (everything_ || g.listsRevision() != listsRevision_) {
        listsRevision_ = g.listsRevision();
        showLines(*static_cast<QListWidget*>(widget(Ctl::DeedList)), deedLines_, g.DeedListLines());
        showLines(*combo, bonusLines_, g.BonusListLines());
    }
    if (combo->currentIndex() != g.screen().bonusSelection) combo->setCurrentIndex(g.screen().bonusSelection);
}

void ScreenSync::applyDice(const GameState& s) {
    const int faces[3] = {0, s.CubeValue1, s.CubeValue2};
    for (int die = 1; die <= 2; ++die) {
        if (!everything_ && faces_[std::size_t(die)] == faces[die]) continue;
        faces_[std::size_t(die)] = faces[die];
        for (int face = 1; face <= 6; ++face) {
            QWidget* image = dice_[std::size_t(die)][std::size_t(face)];
            if (image && image->isHidden() == (face == faces[die])) image->setVisible(face == faces[die]);
        }
    }
}

void ScreenSync::apply(Game& g) {
    std::bitset<kControlCount> due = g.takeChangedControls() | std::exchange(due_, {});
    if (everything_) due.set();
    const auto& controls = g.screen().controls();
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (due.test(i)) applyControl(Ctl(i), controls[i]);
    for (const auto& [c, button] : checkable_)
        if (!due.test(std::size_t(c))) applyChecked(button, controls[std::size_t(c)].checked);
    applyLists(g);
    applyDice(g.state());
    everything_ = false;
    if (const Ctl focus = g.takeFocus(); focus != Ctl::None) widget(focus)->setFocus();
}

} // namespace tavorin::app
