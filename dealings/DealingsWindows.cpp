#include "dealings/DealingsWindows.h"

#include "dealings/BidViews.h"
#include "dealings/HoldingsViews.h"
#include "dealings/MortgageViews.h"
#include "dealings/SellBankView.h"
#include "ui/ControlNames.h"
#include "ui/TextScale.h"
#include "ui/WindowPlace.h"

namespace tavorin {

DealingsWindows::DealingsWindows(Game& game)
    : dealings_(game), runner_([](const std::function<void()>& call) { call(); }),
      playerForm_(std::make_unique<PlayerFormView>(*this)), sellForm_(std::make_unique<SellFormView>(*this)),
      mortgage_(std::make_unique<MortgageView>(*this)), redeem_(std::make_unique<RedeemView>(*this)),
      sellBank_(std::make_unique<SellBankView>(*this)), bid_(std::make_unique<BidView>(*this)),
      confirmBid_(std::make_unique<ConfirmBidView>(*this)) {
    nameControls();
    for (QWidget* window : {static_cast<QWidget*>(playerForm_.get()), static_cast<QWidget*>(sellForm_.get()),
                            static_cast<QWidget*>(mortgage_.get()), static_cast<QWidget*>(redeem_.get()),
                            static_cast<QWidget*>(sellBank_.get()), static_cast<QWidget*>(bid_.get()),
                            static_cast<QWidget*>(confirmBid_.get())})
        ui::followTextScale(*window);
    refresh();
}

// A screen reader's Thai names for the controls whose captions do not say what they are for, and
// the windows' own Thai captions for the rest.
void DealingsWindows::nameControls() {
    ui::nameControls(playerForm(), {{"PDeedList", "โฉนดของผู้เล่น"}});
    ui::nameControls(sellForm(), {});
    ui::nameControls(
        mortgage(),
        {{"DeedList1", "ที่ดินที่จำนองได้"}, {"TransButton", "ย้ายไปรายการที่จะจำนอง"}, {"DeedList2", "ที่ดินที่จะจำนอง"}});
    ui::nameControls(
        redeem(),
        {{"DeedList1", "ที่ดินที่จำนองไว้"}, {"TransButton", "ย้ายไปรายการที่จะไถ่คืน"}, {"DeedList2", "ที่ดินที่จะไถ่คืน"}});
    ui::nameControls(sellBank(), {{"DeedList1", "ทรัพย์สินที่ขายคืนธนาคารได้"},
                                  {"TransButton", "ย้ายไปรายการที่จะขาย"},
                                  {"DeedList2", "ที่ดินที่จะขาย"},
                                  {"DeedList3", "สิ่งปลูกสร้างที่จะขาย"}});
    ui::nameControls(bid(), {{"DeedList", "โฉนดที่จะขาย"},
                             {"OpgPlayer1", "ขายให้ผู้เล่นคนที่ 1"},
                             {"OpgPlayer2", "ขายให้ผู้เล่นคนที่ 2"},
                             {"OpgPlayer3", "ขายให้ผู้เล่นคนที่ 3"},
                             {"OpgPlayer4", "ขายให้ผู้เล่นคนที่ 4"},
                             {"OpgPlayer5", "ขายให้ผู้เล่นคนที่ 5"},
                             {"OpgPlayer6", "ขายให้ผู้เล่นคนที่ 6"},
                             {"BidAmount", "ราคาที่เสนอขาย"}});
    ui::nameControls(confirmBid(), {});
}

DealingsWindows::~DealingsWindows() = default;

void DealingsWindows::act(const std::function<void(Dealings&)>& event) {
    QWidget* front = frontWindow();
    openedFrom_ = front ? front : home_;
    runner_([&] { event(dealings_); });
    refresh();
    openedFrom_ = nullptr;
}

void DealingsWindows::openDeed(int deed) {
    if (deed != 0 && openDeed_) openDeed_(deed);
}

void DealingsWindows::PlayerButton_Click(int n) {
    act([n](Dealings& d) { d.PlayerButton_Click(n); });
}

void DealingsWindows::hidePlayerForm() {
    dealings_.hidePlayerForm();
    refresh();
}

void DealingsWindows::placing(QWidget& window) { ui::centreOver(window, openedFrom_); }

void DealingsWindows::refresh() {
    // Back to front, so that a window that comes up is raised above the one that opened it.
    playerForm_->bind();
    sellForm_->bind();
    mortgage_->bind();
    redeem_->bind();
    sellBank_->bind();
    bid_->bind();
    confirmBid_->bind();
}

QWidget* DealingsWindows::frontWindow() const {
    QWidget* const order[] = {confirmBid_.get(), bid_.get(),      sellBank_.get(),  mortgage_.get(),
                              redeem_.get(),     sellForm_.get(), playerForm_.get()};
    for (QWidget* w : order)
        if (w->isVisible() && w->isEnabled()) return w;
    return nullptr;
}

QWidget& DealingsWindows::playerForm() const { return *playerForm_; }
QWidget& DealingsWindows::sellForm() const { return *sellForm_; }
QWidget& DealingsWindows::mortgage() const { return *mortgage_; }
QWidget& DealingsWindows::redeem() const { return *redeem_; }
QWidget& DealingsWindows::sellBank() const { return *sellBank_; }
QWidget& DealingsWindows::bid() const { return *bid_; }
QWidget& DealingsWindows::confirmBid() const { return *confirmBid_; }

} // namespace tavorin
