// The turn: the dice, the move and its lap, the token on the board, and the hand-over once every decision
// of the turn is settled.
#include "engine/Game.h"

#include "engine/Text.h"

namespace tavorin {

std::array<int, 2> Game::RunButton_Click() {
    if (!screen()[Ctl::RunButton].enabled || s.gameOver) return {0, 0};
    const int i1 = rdm(40, 100);
    const int i2 = rdm(40, 100);
    ui[Ctl::SaveButton].enabled = false;
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = true;
    ui.focus = Ctl::StopButton;
    return {i1, i2};
}

void Game::Timer1_Timer() { s.CubeValue1 = std::uint8_t(rdm(1, 6)); }
void Game::Timer2_Timer() { s.CubeValue2 = std::uint8_t(rdm(1, 6)); }

void Game::showRollText() {
    if (!texts_) return;
    std::string& t = ui[Ctl::Text1].text;
    t.assign("ทอยได้ ");
    appendNumber(t, s.CubeValue1 + s.CubeValue2);
    t.append(" แต้ม");
}

void Game::applyMove(int player) {
    PlayerRecord& p = s.player(player);
    int pos = p.Position + s.CubeValue1 + s.CubeValue2;
    if (pos >= kSquares) {
        pos -= kSquares;
        s.LoopFinish = true;
        s.FirstLapLock[std::size_t(player)] = kFalse;
        if (validPlayer(player)) ++endProgress_.laps[std::size_t(player)];
    } else {
        s.LoopFinish = false;
    }
    p.Position = std::uint8_t(pos);
    report({.kind = EventKind::Rolled,
            .player = player,
            .amount = s.CubeValue1 + s.CubeValue2,
            .other = s.CubeValue1});
    if (s.LoopFinish) report({.kind = EventKind::PassedStart, .player = player});
    report({.kind = EventKind::Moved, .player = player, .other = pos});
}

void Game::StopButton_Click() {
    if (!screen()[Ctl::StopButton].enabled || !validPlayer(s.NV)) return;
    showRollText();
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = false;
    ui.focus = Ctl::Command2;
    applyMove(s.NV);
    s.setTokenDue(true);
    SetArrowPictureOnMap();
    // The move is made on the board, which may lie behind MAIN.
    board.visible = true;
    view_->showWindow(GameWindow::Board);
}

void Game::SetArrowPictureOnMap() {
    const int p = s.NV;
    const Rect& box = kSquareTable[s.player(p).Position].box;
    // The target pointer is placed now but shown only when the person picks up the token.
    placePointers({true, s.tokenLeft[std::size_t(p)] - 500, s.tokenTop[std::size_t(p)] - 500},
                  {false, box.left - 350, box.top - 350});
    board.timersRunning = true;
}

void Game::showNameColours() {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        Control& c = ui[nth(Ctl::LabelName1, k)];
        c.highlight = (k == s.NV);
        c.red = s.player(k).MayPlay == kFalse;
    }
}

void Game::NV_Process() {
    if (s.NumOfPlayer < 1 || s.NumOfPlayer > kMaxPlayers) return;
    // Every seat is visited at most twice: a lost turn is passed over once, a bankrupt seat always.
    bool taken = false;
    for (int guard = 0; guard < 2 * kMaxPlayers + 1 && !taken; ++guard) {
        s.NV = std::uint8_t(s.NV % s.NumOfPlayer + 1);
        PlayerRecord& p = s.player(s.NV);
        taken = p.Bankrupt != kTrue && p.MayPlay != kFalse;
        p.MayPlay = kTrue;
    }
    listsChanged(); // the bonus list is the current player's
    if (!taken) return;
    if (s.NP == 1) {
        declareWinner(s.NV, false);
        return;
    }
    if (endByRule()) return;
    report({.kind = EventKind::TurnStarted, .player = s.NV});
    showNameColours();
    showPointer(&BoardScreen::arrow2, false);
    ui[Ctl::SaveButton].enabled = true;
    ui[Ctl::RunButton].enabled = true;
    ui[Ctl::StopButton].enabled = false;
    ui.focus = Ctl::RunButton;
    if (s.player(s.NV).IsComputer == kTrue) view_->computerTurnReady();
}

void Game::nv_process_for_load() {
    report({.kind = EventKind::TurnStarted, .player = s.NV});
    showNameColours();
    showPointer(&BoardScreen::arrow2, false);
    ui[Ctl::SaveButton].enabled = true;
    ui[Ctl::RunButton].enabled = true;
    ui[Ctl::StopButton].enabled = false;
}

std::int32_t Game::speedOfOption(int index) {
    static constexpr std::int32_t speeds[] = {0, 1000, 10000, 100000, 150000, 200000};
    return (index >= 1 && index <= 5) ? speeds[index] : 0;
}

void Game::OpgSpeed_Click(int index) {
    if (index < 1 || index > 5) return;
    s.Speed = speedOfOption(index);
    for (int i = 1; i <= 5; ++i) ui[nth(Ctl::OpgSpeed1, i)].checked = (i == index);
}

bool Game::PressToken(int k) {
    if (!validPlayer(k) || s.Pcom[std::size_t(k)] != 0) return false;
    if (k == s.NV) {
        showPointer(&BoardScreen::arrow1, false);
        if (!screen()[Ctl::RunButton].enabled && !screen()[Ctl::StopButton].enabled)
            showPointer(&BoardScreen::arrow2, true);
    }
    return true;
}

Drop Game::DropToken(int k, int square, int x, int y, int pox, int poy) {
    if (!validPlayer(k) || square < 0 || square >= kSquares || s.Pcom[std::size_t(k)] != 0)
        return Drop::Refused;
    if (s.player(k).Position != square) return Drop::Refused;
    const Rect& box = kSquareTable[std::size_t(square)].box;
    placeToken(k, box.left + x - pox, box.top + y - poy);
    if (k != s.NV || !s.tokenDue() || s.gameOver) return Drop::Placed;
    ui.visible = true;
    // The move counts as reported before its handling starts: a message box inside it runs an
    // event loop, and a drop delivered there must not draw a second card or open a second frame.
    s.setTokenDue(false);
    ReportSquare(square);
    ProcessAfterPut();
    return Drop::Reported;
}

void Game::handOverIfDone() {
    if (s.Continue == 0 && !s.gameOver) NV_Process();
}

void Game::settle(Ctl frame) {
    ui[frame].visible = false;
    lowerContinue();
    handOverIfDone();
}

void Game::settleBonus() {
    disarmBonus();
    lowerContinue();
    handOverIfDone();
}

void Game::placeTokenInSquare(int player, int square, int r1, int r2) {
    const Rect& box = kSquareTable[std::size_t(square)].box;
    placeToken(player, box.left + 50 * r1, box.top + 50 * r2);
}

void Game::placeToken(int player, int left, int top) {
    std::int16_t& x = s.tokenLeft[std::size_t(player)];
    std::int16_t& y = s.tokenTop[std::size_t(player)];
    if (x == left && y == top) return;
    x = std::int16_t(left);
    y = std::int16_t(top);
    piecesChanged();
}

void Game::placePointers(PointerState token, PointerState target) {
    const auto same = [](const PointerState& a, const PointerState& b) {
        return a.visible == b.visible && a.left == b.left && a.top == b.top;
    };
    if (same(board.arrow1, token) && same(board.arrow2, target)) return;
    board.arrow1 = token;
    board.arrow2 = target;
    piecesChanged();
}

void Game::showPointer(PointerState BoardScreen::*pointer, bool shown) {
    if ((board.*pointer).visible == shown) return;
    (board.*pointer).visible = shown;
    piecesChanged();
}

} // namespace tavorin
