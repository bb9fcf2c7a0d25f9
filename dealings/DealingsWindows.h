// The dealing windows on screen, together: the Dealings object they share and one window for each
// of its models, created once and shown and hidden as the models say. Every event of every window
// runs through one runner (the main window's, so that it is shown on MAIN and the board as well),
// and afterwards every window is bound anew from its model.
#pragma once

#include <functional>
#include <memory>

#include "dealings/DealingWindow.h"
#include "engine/Game.h"

namespace tavorin {

class PlayerFormView;
class SellFormView;
class MortgageView;
class RedeemView;
class SellBankView;
class BidView;
class ConfirmBidView;

class DealingsWindows final : public DealingsHub {
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    explicit DealingsWindows(Game& game);
    ~DealingsWindows() override;
    DealingsWindows(const DealingsWindows&) = delete;
    DealingsWindows& operator=(const DealingsWindows&) = delete;

    Dealings& dealings() override { return dealings_; }
    void act(const std::function<void(Dealings&)>& event) override;
    void openDeed(int deed) override;
    void placing(QWidget& window) override;

    // How an event is run (by default: just run); the windows are bound after it in any case.
    void setRunner(Runner runner) { runner_ = std::move(runner); }
    void setDeedOpener(std::function<void(int)> open) { openDeed_ = std::move(open); }
    // The window the first dealing window (the holdings) is opened from.
    void setHome(QWidget* home) { home_ = home; }

    // MAIN's player button n.
    void PlayerButton_Click(int n);
    // A shortage begins: the holdings window closes.
    void hidePlayerForm();
    // Binds every window from its model.
    void refresh();
    // The dealing window that takes input and is in front of the others, for a message box to
    // belong to while MAIN is locked; nullptr when none is shown.
    QWidget* frontWindow() const;

    QWidget& playerForm() const;
    QWidget& sellForm() const;
    QWidget& mortgage() const;
    QWidget& redeem() const;
    QWidget& sellBank() const;
    QWidget& bid() const;
    QWidget& confirmBid() const;

private:
    void nameControls();

    Dealings dealings_;
    Runner runner_;
    std::function<void(int)> openDeed_;
    QWidget* home_ = nullptr;
    // The window in front when the event began: a window the event opens was opened from it.
    QWidget* openedFrom_ = nullptr;
    std::unique_ptr<PlayerFormView> playerForm_;
    std::unique_ptr<SellFormView> sellForm_;
    std::unique_ptr<MortgageView> mortgage_;
    std::unique_ptr<RedeemView> redeem_;
    std::unique_ptr<SellBankView> sellBank_;
    std::unique_ptr<BidView> bid_;
    std::unique_ptr<ConfirmBidView> confirmBid_;
};

} // namespace tavorin
