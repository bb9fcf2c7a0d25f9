// The rules engine of the main window: the game state and every rule a person's decision applies.
// It reaches the screen only through MainScreen/BoardScreen (control states) and MainView (events).
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/DeedLine.h"
#include "engine/EndRule.h"
#include "engine/Events.h"
#include "engine/Random.h"
#include "engine/Screen.h"
#include "engine/State.h"
#include "engine/View.h"

namespace tavorin {

struct NewGameSetup {
    int numPlayers = 2;
    std::array<std::string, kMaxPlayers + 1> names{"",        "Player1", "Player2", "Player3",
                                                   "Player4", "Player5", "Player6"};
    std::array<bool, kMaxPlayers + 1> computer{};
    bool buyFirstLoop = true;
    int initialDeeds = 0;                                    // 0: no deal; 1..4 deeds to every player
    std::array<std::string, kMaxPlayers + 1> picturePaths{}; // empty: the default token
    // Computer seats that plan ahead. The rules do not read it: the program hands those seats their
    // strategy and keeps the choice beside the saved game.
    std::array<bool, kMaxPlayers + 1> strong{};
    // Cuts the game short after the leading player's laps or a time of play; off unless chosen.
    EndRule endRule;
};

enum class ChargeOutcome { Paid, MustRaiseMoney, Bankrupt };

// What became of a token let go on the board: put back (not the player's square, or not his token to
// move), set down, or set down and its square reported as the move the dice asked for.
enum class Drop { Refused, Placed, Reported };

// Who answers the frames. A person is shown what he landed on and sent to raise money when short; the
// computer raises its money before it pays, and treats its own mortgaged land as its own land.
enum class Player { Person, Computer };

// What a paying frame asks of the current player (negative) and who receives it: 0 is the bank.
struct Due {
    std::int32_t amount = 0;
    int payee = 0;
};

class Game {
public:
    Game(RandomSource& random, MainView& view);
    // Given the program's own generator, the game calls it without the virtual call: a computer turn
    // draws a hundred times.
    Game(SeededRandom& random, MainView& view);
    // The same position with a source of draws and a view of its own: the computer plays such a copy
    // forward to weigh a choice, and nothing the copy does reaches this game.
    Game(const Game& position, RandomSource& random, MainView& view);

    // What the game holds and what its two windows show; only the rules' operations change them.
    const GameState& state() const { return s; }
    const MainScreen& screen() const { return ui; }
    const BoardScreen& boardScreen() const { return board; }

    // A position set up from outside the rules: the saved-game loader, the example pictures and test
    // fixtures. Everything else changes the game through the operations below. Whatever is set up
    // counts as a change of the deed lists and of what the board paints.
    GameState& stateToSetUp() {
        listsChanged();
        groundChanged();
        return s;
    }
    MainScreen& screenToSetUp() {
        listsChanged();
        return ui;
    }
    BoardScreen& boardToSetUp() {
        piecesChanged();
        return board;
    }

    std::int16_t rdm(std::int16_t lo, std::int16_t hi) {
        return seeded_ ? seeded_->SeededRandom::rdm(lo, hi) : random_->rdm(lo, hi);
    }
    // `count` draws from lo..hi whose numbers nobody reads: the generator still moves on by them,
    // so the game after is the one the seed plays.
    void discardDraws(int count, std::int16_t lo, std::int16_t hi) {
        if (seeded_)
            seeded_->discard(count);
        else
            random_->discard(count, lo, hi);
    }
    MainView& view() { return *view_; }

    // --- New game (the setup window's sequence) ---
    void ResetFrames();
    void DefineInitialValue();
    void DefinePlayer(const NewGameSetup& setup);
    void ReOrderNumber1();
    void ReOrderNumber2();
    void ReOrderNumber3();
    void DefineINIdeed();
    void NewGame(const NewGameSetup& setup);

    // --- Turn cycle ---
    // Starts the dice; returns the two timers' intervals in milliseconds.
    std::array<int, 2> RunButton_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void StopButton_Click();
    void SetArrowPictureOnMap();
    void NV_Process();
    // A loaded game resumes at the saved player's roll: NV_Process's screen steps without a new player.
    void nv_process_for_load();
    void OpgSpeed_Click(int index);
    static std::int32_t speedOfOption(int index);

    // --- The board's report of a finished move ---
    // A press on token k: false for a computer's token, which cannot be picked up.
    bool PressToken(int k);
    // Token k dropped on square image `square` at (x, y) inside it, grabbed at (pox, poy) inside the
    // token (twips). Accepted only on the player's own Position; the move the dice asked for is then
    // reported once.
    Drop DropToken(int k, int square, int x, int y, int pox, int poy);
    // Writes the hidden fields for a token put on `square`; a card square draws its card first.
    void ReportSquare(int square);
    int DrawCard(bool treasure); // returns the card number
    void ProcessAfterPut();

    // --- The rule operations: one per decision, for a person's buttons and the computer alike ---
    // Each works on the current player NV and the square he stands on, and ends in settle() once the
    // decision is taken.
    // The frame of the square just reported, opened, or Ctl::None for an inconsistent report: that
    // opens nothing and takes back the decision it counted, so the turn cannot stall.
    Ctl openSquareFrame(Player who);
    // Free land bought, with its first house when `withHouse`; false, and the player told, when he
    // cannot afford it.
    bool buyLand(bool withHouse);
    void declineLand();
    // The next house, or the tower once four stand, on the player's own single land.
    bool buildOne();
    // Nothing built on the player's own single land; where the tower stands the bank pays its price.
    void leaveOwnLand();
    bool redeemOwnLand();
    // The land under the player bought back from the bank, its frame left open: the computer then
    // decides on the land as its own.
    bool redeemLand();
    bool takeOver();
    // What the open paying frame asks, or nothing when the reported square or card is not one.
    std::optional<Due> dueOn(Ctl frame);
    // Pays what the frame asks; the bail frame also sends the player to jail.
    void payDue(Ctl frame, Player who);
    void rest(); // the relax square: the next turn is lost
    void takeBonusMoney();
    // A house on the player's single land `deed` instead of the cash, its price taken from the bonus;
    // false, and the player told why, for land that is not single, is mortgaged or is built up.
    bool takeBonusHouse(int deed);
    bool affords(std::int64_t cost) const { return s.player(s.NV).Money - cost >= 0; }
    // Hides the frame of a decision taken, counts it and hands the turn over after the last one.
    void settle(Ctl frame);

    // --- Decision frames of a person: each is its guard and the operation ---
    void OKButtonInFreeLand_Click();
    void CancelButtonInFreeLand_Click();
    void CheckFreeLand_Click(bool checked);
    void OKButtonInOwnSingleLand_Click();
    void CancelButtonInOwnSingleLand_Click();
    void OKButtonInOwnNotSingleLand_Click();
    void OKButtonInOwnMortgageLand_Click();
    void CancelButtonInOwnMortgageLand_Click();
    void OKButtonInNotOwnSingleLand_Click();
    void OKButtonInNotOwnNotSingleLand_Click();
    void OKButtonInNotOwnMortgageLand_Click();
    void TakeOverButton_Click();
    void OKButtonInTaxFrame_Click();
    void OkButtonInTreasure_Click();
    void OKButtonInFate_Click();
    void OKButtonInStart_Click();
    void OKButtonInRelaxFrame_Click();
    void OKButtonInFirst_Click();
    void OKButtonInDishonestFrame_Click();
    void OpgBonus1_Click();
    void OpgBonus2_Click();
    void CmbBonus_Select(int index);
    void OKButtonInBonus_Click();

    // --- What the windows hand the rules ---
    void setFileName(std::string_view name) { s.FileName.assign(name); }
    void showNames(bool shown) {
        if (s.namesShown == shown) return;
        s.namesShown = shown;
        groundChanged();
    }
    // A window brought to the front counts as shown.
    void markShown(GameWindow window);
    // The focus the rules asked for, once: the window moves it and the request is spent.
    Ctl takeFocus() { return std::exchange(ui.focus, Ctl::None); }
    // The controls changed since the window last asked, once.
    std::bitset<kControlCount> takeChangedControls() { return ui.takeChanged(); }
    // Moves on with every change that the deed list or the bonus list may show: a deed's owner,
    // buildings or pledge, the current player, the bonus list filled or emptied, a state set up.
    std::uint64_t listsRevision() const { return listsRevision_; }
    // No dice and no saving until a computer's turn, started from the event loop, takes over.
    void lockTurnButtons();

    // --- The computer's turn on the screen; its decisions are the operations above ---
    // Its status line and progress bar; `withBar` shows the bar, empty.
    void showComputerStatus(std::string_view text, bool withBar);
    void showComputerProgress(int value) { ui[Ctl::BarComThinking].value = value; }
    void hideComputerStatus();
    void clearComputerStatus();
    void startComputerTurn();
    // The dice stopped: their sum shown and the token moved, to be put on its square.
    void moveComputer(int player);
    // The move shown on the board, with its pointers.
    void showMoveOnBoard();
    // The token put at a random spot of its square, the pointer to it shown.
    void putComputerToken(int player);
    // The main window comes forward and the square the token stands on is reported.
    void reportComputerSquare(int player);
    // The token has stopped: its timers and pointer go and its square counts as a decision to take.
    void beginLanding();
    // The bonus of a lap shown without its buttons: the computer takes it without a click.
    void armComputerBonus();
    // The frame's buttons stay locked while the computer thinks.
    void lockFrame(Ctl frame);
    // The frame's buttons back and the square counted as answered.
    void computerAnswered(Ctl frame);
    // A copy of the position played forward with every seat the computer's.
    void seatComputersEverywhere();
    // The cards still to be drawn from both decks put in an order of the copy's own draws: the
    // computer weighing a choice may not know which card comes next, any more than a person does.
    void hideUndrawnCards();
    // One piece of `deed` sold back to the bank by `player`, as pieceSale() prices it.
    void sellPieceToBank(int player, int deed);

    // --- The holdings windows' dealings ---
    void chooseHoldingsOf(int player) { s.playerID = std::uint8_t(player); }
    void chooseBidder(int player) { s.playerbid = std::uint8_t(player); }
    // The tax on a sale, fixed when a sale window opens and kept in the saved game.
    void fixSaleTax(int percent) { s.vat = std::uint8_t(percent); }
    // A deed `player` holds unbuilt pledged to the bank; returns what the bank lends on it.
    std::int32_t mortgageDeed(int player, int deed);
    void redeemDeed(int player, int deed);
    // The buildings of `deed` brought down to `houses` and `towers`, sold to the bank.
    void sellBuildingsToBank(int deed, int houses, int towers);
    // The land goes back to the bank with nothing on it.
    void sellLandToBank(int deed);

    // --- The end rule ---
    // What the minutes of the end rule are read from; without a clock only laps can end a game. The
    // time played so far is kept when the clock is changed.
    void setPlayClock(PlayClock* clock);
    // A loaded game's rule, and what had counted toward it when the game was saved.
    void resumeEndRule(const EndRule& rule, const EndProgress& progress);
    const EndRule& endRule() const { return endRule_; }
    // The laps and the time played up to now, to keep beside a saved game.
    EndProgress endProgress() const;
    // At a hand-over: once the rule's limit is reached the game ends, and the richest player still
    // in it wins. True when it ended the game.
    bool endByRule();

    // --- Money, shortage and bankruptcy ---
    void PlayerMoneyChange(int player, std::int32_t amount);
    // The payment rule of the paying frames; `finish` runs the final step (SetFailPlayerButton and
    // the hand-over), which the bail defers until the token has moved.
    ChargeOutcome ChargeCurrentPlayer(std::int32_t amount, int payee, Ctl frame, bool finish = true,
                                      Player who = Player::Person);
    void GoBankrupt();
    void SetFailPlayerButton();
    void FinishPayment();

    // --- Views of the deed table ---
    void ChangeDeedOnMain();
    void ChangeDeedOnBonus();
    std::vector<DeedLine> DeedListLines() const;
    std::vector<DeedLine> BonusListLines() const; // the current player's CmbBonus lines
    DeedLine DeedListLine(int deed) const;
    DeedLine BonusLine(int deed) const;

    // --- Shared rules, used by the person's handlers and by the computer ---
    int currentDeed() const { return validDeed(s.Number) ? s.Number : 0; } // 0: the square is no land
    std::int32_t singleRent(int deed) const; // Rent[5] with a tower, else Rent[Houses]
    void countOwnerPieces(int owner);        // CheckPairLand and CheckMultiLand over the owner's deeds
    std::int32_t notSingleRent(int deed);    // recounts, then 850/2250 or 500 x group pieces
    std::int32_t mortgageFee(int deed) const;
    std::int32_t taxDue(int player) const;
    bool canRaiseMoney(int player) const; // holds a deed that is not mortgaged
    void addDeed(int player, int deed);   // transferDeed from the bank or another player
    void handOverIfDone();
    void lowerContinue() {
        if (s.Continue > 0) --s.Continue;
    }
    void disarmBonus();
    void armBonusLook();
    Ctl openFrame(Ctl frame, Ctl focus);
    // The land dispatch (without the first lap); the computer is not offered the redemption.
    Ctl fillLandFrame(int deed, Player who = Player::Person);
    void placeTokenInSquare(int player, int square, int r1, int r2);
    // A label's text, written only when a window shows it.
    void setLabel(Ctl c, std::string_view text) {
        if (texts_) ui[c].text.assign(text);
    }
    void setLabel(Ctl c, std::int64_t number) {
        if (texts_) writeNumber(c, number);
    }
    void showRollText();
    void applyMove(int player); // Position + dice, the lap rule
    void enablePlayerButtons(bool enabled);
    bool frameOpen(Ctl frame) const { return ui[frame].visible; }
    bool bonusArmed() const { return ui[Ctl::BonusFrame].enabled; }

    static inline const std::array<Ctl, 14> kDecisionFrames = {Ctl::TreasureFrame,
                                                               Ctl::FateFrame,
                                                               Ctl::TaxFrame,
                                                               Ctl::DishonestFrame,
                                                               Ctl::RelaxFrame,
                                                               Ctl::FreeLandFrame,
                                                               Ctl::OwnSingleLandFrame,
                                                               Ctl::OwnNotSingleLandFrame,
                                                               Ctl::OwnMortgageLandFrame,
                                                               Ctl::NotOwnSingleLandFrame,
                                                               Ctl::NotOwnNotSingleLandFrame,
                                                               Ctl::NotOwnMortgageLandFrame,
                                                               Ctl::StartFrame,
                                                               Ctl::FirstFrame};

    // The bonus list's only line when the player holds no deed.
    static constexpr std::string_view kNoDeedLeft = "ไม่มีโฉนดเหลือเลย";

    const std::string& playerName(int k) const { return s.player(k).Name; }
    void message(std::string_view title, std::string_view text) { view_->messageBox(title, text); }
    bool messagesHeard() const { return view_->hearsMessages(); }

    // Every change the rules make is reported once to each observer, in the order of the changes.
    void addObserver(GameObserver& observer) { observers_.push_back(&observer); }
    void removeObserver(GameObserver& observer) { std::erase(observers_, &observer); }
    void report(const GameEvent& event) {
        for (GameObserver* o : observers_) o->gameEvent(event);
    }

private:
    GameState s;
    MainScreen ui;
    BoardScreen board;
    std::uint64_t listsRevision_ = 0;

    void listsChanged() { ++listsRevision_; }

    // What the board paints is changed only through these, which count the change in the board's
    // revisions (BoardScreen): the deeds and the names on the squares are the board's ground, the
    // tokens and the pointers lie over it.
    void groundChanged() {
        ++board.groundRevision;
        ++board.revision;
    }
    void piecesChanged() { ++board.revision; }
    void moveDeed(int deed, int to); // transferDeed
    void setBuildings(int deed, int houses, int towers);
    void setMortgaged(int deed, bool mortgaged);
    void placeToken(int player, int left, int top);
    void placePointers(PointerState token, PointerState target);
    void showPointer(PointerState BoardScreen::*pointer, bool shown);

    void shuffle(std::array<std::int16_t, kMaxCards + 1>& order, int n);
    void writeNumber(Ctl c, std::int64_t number);
    void settleBonus();
    void payIfOpen(Ctl frame, Ctl button);
    // True when the current player can pay `cost`; otherwise he is told `refusal`.
    bool canPay(std::int64_t cost, std::string_view refusal);
    void showNameColours();
    bool endLimitReached();
    // The game is over: both windows go and the winner is announced.
    void declareWinner(int winner, bool byRule);

    RandomSource* random_;
    SeededRandom* seeded_;
    MainView* view_;
    bool texts_; // the view shows the screen's texts
    std::vector<GameObserver*> observers_;
    EndRule endRule_;
    EndProgress endProgress_; // playedMs: before clockStart_
    PlayClock* clock_ = nullptr;
    std::int64_t clockStart_ = 0;
};

// Design positions of the tokens over the start square, in twips.
inline constexpr std::array<std::array<int, 2>, kMaxPlayers + 1> kTokenHome = {
    {{0, 0}, {10080, 6960}, {10680, 6960}, {11280, 6960}, {10080, 7560}, {10680, 7560}, {11280, 7560}}};

} // namespace tavorin
