// The special squares and the lap bonus: the start, the relax square, the first lap, the bonus in cash or
// a house.
#include "engine/Game.h"

#include "engine/Holdings.h"
#include "engine/Money.h"

namespace tavorin {

void Game::armBonusLook() {
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2}) ui[c].highlight = true;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::OKButtonInBonus, Ctl::LabelBonus})
        ui[c].enabled = true;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    ui[Ctl::CmbBonus].enabled = false;
}

void Game::disarmBonus() {
    listsChanged();
    ui.bonusListFilled = false;
    ui.bonusSelection = -1;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2}) ui[c].highlight = false;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                  Ctl::LabelBonus})
        ui[c].enabled = false;
}

void Game::rest() {
    s.player(s.NV).MayPlay = kFalse;
    report({.kind = EventKind::Rested, .player = s.NV});
    settle(Ctl::RelaxFrame);
}

void Game::takeBonusMoney() {
    PlayerMoneyChange(s.NV, kLapBonus);
    report({.kind = EventKind::TookBonus, .player = s.NV, .amount = kLapBonus});
    settleBonus();
}

void Game::OKButtonInStart_Click() {
    if (frameOpen(Ctl::StartFrame) && screen()[Ctl::OKButtonInStart].enabled) settle(Ctl::StartFrame);
}

void Game::OKButtonInRelaxFrame_Click() {
    if (frameOpen(Ctl::RelaxFrame) && screen()[Ctl::OKButtonInRelaxFrame].enabled) rest();
}

void Game::OKButtonInFirst_Click() {
    if (frameOpen(Ctl::FirstFrame) && screen()[Ctl::OKButtonInFirst].enabled) settle(Ctl::FirstFrame);
}

void Game::OpgBonus1_Click() {
    if (!screen()[Ctl::OpgBonus1].enabled) return;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    ui[Ctl::CmbBonus].enabled = false;
}

void Game::OpgBonus2_Click() {
    if (!screen()[Ctl::OpgBonus2].enabled) return;
    ui[Ctl::OpgBonus2].checked = true;
    ui[Ctl::OpgBonus1].checked = false;
    ui[Ctl::CmbBonus].enabled = true;
    ChangeDeedOnBonus();
}

void Game::CmbBonus_Select(int index) {
    if (!screen()[Ctl::CmbBonus].enabled || !ui.bonusListFilled) return;
    const int count = int(BonusListLines().size());
    ui.bonusSelection = (index >= 0 && index < count) ? index : -1;
}

bool Game::takeBonusHouse(int d) {
    const DeedRecord& D = s.deed(d);
    if (!D.single()) {
        message(s.player(s.NV).Name, "โฉนดที่ดินที่ท่านเลือกมิได้เป็นประเภทที่ดินเดี่ยวจึงไม่สามารถทำการสั่งซื้อบ้านเพิ่มได้");
        return false;
    }
    if (D.Mortgaged == kTrue) {
        message(kAppTitle, "ที่ดินนี้ติดจำนองอยู่");
        return false;
    }
    if (D.Towers == 1) {
        message(kAppTitle, "มีสิ่งปลูกสร้างเต็มแล้ว");
        return false;
    }
    if (D.Houses == 4) {
        message(kAppTitle, "มีบ้านเต็มแล้วไม่สามารถสั่งซื้อตึกได้");
        return false;
    }
    setBuildings(d, D.Houses + 1, D.Towers);
    PlayerMoneyChange(s.NV, kLapBonus - D.HousePrice);
    report({.kind = EventKind::TookBonus, .player = s.NV, .deed = d, .amount = kLapBonus - D.HousePrice});
    ChangeDeedOnMain();
    settleBonus();
    return true;
}

void Game::OKButtonInBonus_Click() {
    if (!screen()[Ctl::OKButtonInBonus].enabled || !bonusArmed()) return;
    const int P = s.NV;
    const std::string& name = s.player(P).Name;
    if (screen()[Ctl::OpgBonus1].checked) {
        takeBonusMoney();
        return;
    } else if (screen()[Ctl::OpgBonus2].checked) {
        const int sel = ui.bonusSelection;
        const std::vector<DeedLine> lines = BonusListLines();
        if (sel < 0 || sel >= int(lines.size())) {
            message(name, "ยังไม่ได้เลือกโฉนด");
            return;
        }
        if (!lines[std::size_t(sel)].isDeed()) { // the list's one line says there is no deed
            message(kAppTitle, "เลือกไม่ได้");
            return;
        }
        takeBonusHouse(lines[std::size_t(sel)].deed);
        return;
    }
    handOverIfDone();
}

} // namespace tavorin
