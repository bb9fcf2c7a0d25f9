#include "app/KeyPlay.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include "app/ScreenSync.h"
#include "board/BoardView.h"

namespace tavorin::app {

namespace {
// Each question frame with the button Enter gives (its first) and the one Escape gives, if any.
struct Question {
    Ctl frame, answer, decline;
};
constexpr Question kQuestions[] = {
    {Ctl::FreeLandFrame, Ctl::OKButtonInFreeLand, Ctl::CancelButtonInFreeLand},
    {Ctl::OwnSingleLandFrame, Ctl::OKButtonInOwnSingleLand, Ctl::CancelButtonInOwnSingleLand},
    {Ctl::OwnNotSingleLandFrame, Ctl::OKButtonInOwnNotSingleLand, Ctl::None},
    {Ctl::OwnMortgageLandFrame, Ctl::OKButtonInOwnMortgageLand, Ctl::CancelButtonInOwnMortgageLand},
    {Ctl::NotOwnSingleLandFrame, Ctl::OKButtonInNotOwnSingleLand, Ctl::None},
    {Ctl::NotOwnNotSingleLandFrame, Ctl::OKButtonInNotOwnNotSingleLand, Ctl::None},
    {Ctl::NotOwnMortgageLandFrame, Ctl::OKButtonInNotOwnMortgageLand, Ctl::None},
    {Ctl::TaxFrame, Ctl::OKButtonInTaxFrame, Ctl::None},
    {Ctl::TreasureFrame, Ctl::OkButtonInTreasure, Ctl::None},
    {Ctl::FateFrame, Ctl::OKButtonInFate, Ctl::None},
    {Ctl::StartFrame, Ctl::OKButtonInStart, Ctl::None},
    {Ctl::RelaxFrame, Ctl::OKButtonInRelaxFrame, Ctl::None},
    {Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame, Ctl::None},
    {Ctl::FirstFrame, Ctl::OKButtonInFirst, Ctl::None},
};
} // namespace

KeyPlay::KeyPlay(Game& game, const ScreenSync& screen, board::BoardView& board, QObject* parent)
    : QObject(parent), game_(game), screen_(screen), board_(board) {}

void KeyPlay::watch(QWidget& window) { window.installEventFilter(this); }

bool KeyPlay::click(Ctl button) {
    auto* b = static_cast<QAbstractButton*>(screen_.widget(button));
    if (!b->isEnabled() || !b->isVisible()) return false;
    b->click();
    return true;
}

bool KeyPlay::personAsked() const {
    const GameState& s = game_.state();
    return validPlayer(s.NV) && s.player(s.NV).IsComputer != kTrue && !s.gameOver;
}

bool KeyPlay::rollOrStop() { return click(Ctl::RunButton) || click(Ctl::StopButton); }

bool KeyPlay::carryOrAnswer(QWidget* focus) {
    if (board_.carryCurrentToken()) return true;
    // Enter on the deed list shows the chosen deed, as its button does.
    if (focus && focus == screen_.widget(Ctl::DeedList)) return click(Ctl::ViewDeedButton);
    // As in a dialog, Enter on a button presses that button.
    if (auto* b = qobject_cast<QPushButton*>(focus); b && b->isEnabled() && b->isVisible()) {
        b->click();
        return true;
    }
    if (!personAsked()) return false;
    for (const Question& q : kQuestions)
        if (game_.screen()[q.frame].visible) return click(q.answer);
    return click(Ctl::OKButtonInBonus);
}

bool KeyPlay::decline() {
    if (!personAsked()) return false;
    for (const Question& q : kQuestions)
        if (game_.screen()[q.frame].visible) return q.decline != Ctl::None && click(q.decline);
    return false;
}

bool KeyPlay::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* window = static_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(e);
    // A held key answers once; a key with Ctrl or Alt belongs to the menus.
    if (!window->isEnabled() || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Space: return rollOrStop();
    case Qt::Key_Return:
    case Qt::Key_Enter: return carryOrAnswer(window->focusWidget());
    case Qt::Key_Escape: return decline();
    default: return false;
    }
}

} // namespace tavorin::app
