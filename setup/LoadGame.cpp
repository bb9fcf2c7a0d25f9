#include "setup/LoadGame.h"

#include <utility>

namespace tavorin {

namespace {

void report(const LoadProgress& progress, int percent) {
    if (progress) progress(percent);
}

// The speeds the five options stand for; a saved speed that is none of them selects no option.
int speedOption(std::int32_t speed) {
    for (int i = 1; i <= 5; ++i)
        if (Game::speedOfOption(i) == speed) return i;
    return 0;
}

} // namespace

void LoadGame(Game& game, const SaveRecord& r, const LoadProgress& progress) {
    GameState& s = game.stateToSetUp();
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const SavedPlayer& in = r.players[k];
        PlayerRecord& p = s.players[k];
        p.Name = in.name;
        p.Money = in.money;
        p.DeedCount = in.deedCount;
        p.Deeds = in.deeds;
        p.Position = in.position;
        p.MayPlay = in.mayPlay;
        p.Bankrupt = in.bankrupt;
        p.IsComputer = in.computer;
        s.Pcom[k] = in.computer;
    }
    report(progress, 30);
    for (std::size_t d = 1; d <= kDeeds; ++d) s.deeds[d] = r.deeds[d];
    for (std::size_t c = 1; c <= kCardsPerDeck; ++c) {
        s.TreasureCards[c] = r.treasure[c];
        s.FateCards[c] = r.fate[c];
    }
    s.NumOfPlayer = r.NumOfPlayer;
    s.NumOfDeed = r.NumOfDeed;
    s.NumOfTreasure = r.NumOfTreasure;
    s.NumOfFate = r.NumOfFate;
    s.Speed = r.Speed;
    s.checkdiscount = r.checkdiscount;
    report(progress, 40);
    s.NV = r.NV;
    s.NP = r.NP;
    s.LP = r.LP;
    s.LPName = r.LPName;
    s.Continue = r.Continue;
    s.FirstProcess = r.FirstProcess;
    s.FirstLapLock = r.FirstLapLock;
    for (std::size_t i = 1; i <= kMaxCards; ++i) s.TreasureOrder[i] = r.TreasureOrder[i];
    report(progress, 50);
    for (std::size_t i = 1; i <= kMaxCards; ++i) s.FateOrder[i] = r.FateOrder[i];
    s.OrderNumberOfTreasure = r.OrderNumberOfTreasure;
    s.OrderNumberOfFate = r.OrderNumberOfFate;
    // The two options are set one after the other and the one that ends up selected acts as clicked:
    // "hidden" wins when both are set, and neither leaves the board as it was.
    if (r.namesShown != 0) s.namesShown = true;
    if (r.namesHidden != 0) s.namesShown = false;
    s.tokenToolTip = r.tokenToolTip;
    report(progress, 60);
}

void LoadState(Game& game, const SaveRecord& r, const LoadProgress& progress) {
    GameState& s = game.stateToSetUp();
    MainScreen& ui = game.screenToSetUp();
    for (int k = 1; k <= kMaxPlayers; ++k) {
        ui[nth(Ctl::LabelName1, k)].text = s.player(k).Name;
        ui[nth(Ctl::PlayerButton1, k)].text = s.player(k).Name;
    }
    report(progress, 70);
    for (int k = 1; k <= kMaxPlayers; ++k)
        game.setLabel(nth(Ctl::LabelMoney1, k), std::int64_t(s.player(k).Money));
    report(progress, 80);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const bool on = k <= s.NumOfPlayer;
        ui[nth(Ctl::LabelName1, k)].visible = on;
        ui[nth(Ctl::PlayerButton1, k)].visible = on;
        ui[nth(Ctl::PlayerButton1, k)].enabled = true;
        ui[nth(Ctl::LabelMoney1, k)].visible = on;
        // The tokens of players who take part go where they were; the others stay at home, hidden.
        const std::size_t i = std::size_t(k);
        s.tokenLeft[i] = on ? r.players[i].tokenLeft : std::int16_t(kTokenHome[i][0]);
        s.tokenTop[i] = on ? r.players[i].tokenTop : std::int16_t(kTokenHome[i][1]);
    }
    report(progress, 90);
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = false;
    game.ChangeDeedOnMain();
    for (int k = 1; k <= kMaxPlayers; ++k) {
        if (s.player(k).Bankrupt != kTrue) continue;
        ui[nth(Ctl::LabelName1, k)].visible = false;
        ui[nth(Ctl::PlayerButton1, k)].enabled = false;
        game.setLabel(nth(Ctl::LabelMoney1, k), "ล้มละลาย");
    }
    for (int k = 1; k <= kMaxPlayers; ++k)
        ui[nth(Ctl::labelcom1, k)].visible = k <= s.NumOfPlayer && s.player(k).IsComputer == kTrue;
    if (const int option = speedOption(s.Speed))
        game.OpgSpeed_Click(option);
    else
        for (int i = 1; i <= 5; ++i) ui[nth(Ctl::OpgSpeed1, i)].checked = false;
    report(progress, 100);
    game.nv_process_for_load();
}

void ResumeSavedGame(Game& game, const SaveRecord& record, std::string_view fileName,
                     const LoadProgress& progress) {
    game.setFileName(fileName);
    game.DefineInitialValue();
    report(progress, 10);
    report(progress, 20);
    LoadGame(game, record, progress);
    LoadState(game, record, progress);
    game.markShown(GameWindow::Board);
    game.markShown(GameWindow::Main);
    game.screenToSetUp().focus = Ctl::RunButton;
}

std::optional<FileError> LoadSavedGame(Game& game, const std::filesystem::path& dir,
                                       std::string_view fileName, const LoadProgress& progress) {
    auto loaded = loadGameFile(dir, fileName);
    if (auto* e = std::get_if<FileError>(&loaded)) return std::move(*e);
    ResumeSavedGame(game, std::get<SaveRecord>(loaded), fileName, progress);
    return std::nullopt;
}

} // namespace tavorin
