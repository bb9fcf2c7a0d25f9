#include "dealings/HoldingsViews.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DeedColumns.h"
#include "ui/ThaiFont.h"

namespace tavorin {

// ------------------------------------------------------------------ PLAYERFORM

PlayerFormView::PlayerFormView(DealingsHub& hub)
    : DealingWindow(hub, "PLAYERFORM", [](Dealings& d) { d.PlayerForm_Unload(); }) {
    auto* column = new QVBoxLayout(this);
    auto* facts = new QGridLayout;
    facts->addWidget(caption("ชื่อ"), 0, 0);
    name_ = named<QLabel>("Pname");
    name_->setFont(ui::thaiFont(11, true));
    facts->addWidget(name_, 0, 1);
    facts->addWidget(caption("มีเงิน"), 1, 0);
    money_ = named<QLabel>("Pmoney");
    facts->addWidget(money_, 1, 1);
    facts->setColumnStretch(1, 1);
    column->addLayout(facts);

    column->addWidget(caption("โฉนด"));
    deeds_ = named<QListWidget>("PDeedList");
    deeds_->setMinimumSize(400, 220);
    ui::alignDeedColumns(deeds_);
    column->addWidget(deeds_, 1);
    connect(deeds_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { hub_.openDeed(model().PDeedList_DblClick(deeds_->row(item))); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    sell_ = named<QPushButton>("SellButton", QStringLiteral("ขาย"));
    redeem_ = named<QPushButton>("RedeemButton", QStringLiteral("ไถ่จำนอง"));
    for (QPushButton* b : {sell_, redeem_}) {
        b->setMinimumWidth(100);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    onClick(sell_, [](Dealings& d) { d.SellButton_Click(); });
    onClick(redeem_, [](Dealings& d) { d.RedeemButton_Click(); });
}

void PlayerFormView::bind() {
    const PlayerFormModel& m = model().playerForm;
    bindText(name_, m.Pname);
    bindText(money_, m.Pmoney);
    bindLines(deeds_, m.PDeedList, kKeepSelection);
    sell_->setEnabled(m.SellButton);
    redeem_->setEnabled(m.RedeemButton);
    bindWindow(m);
}

// ------------------------------------------------------------------ SELLFORM

SellFormView::SellFormView(DealingsHub& hub)
    : DealingWindow(hub, "SELLFORM", [](Dealings& d) { d.SellForm_Unload(); }) {
    auto* column = new QVBoxLayout(this);
    QLabel* heading = caption("ขาย");
    heading->setFont(ui::thaiFont(14, true));
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);

    auto* cash = new QHBoxLayout;
    cash->addWidget(caption("มีเงินอยู่ :"));
    money_ = named<QLabel>("money");
    cash->addWidget(money_, 1);
    column->addLayout(cash);

    auto* frame = named<QGroupBox>("Frame1", QStringLiteral("ประเภทการขาย"));
    auto* kinds = new QVBoxLayout(frame);
    sellBank_ = new QPushButton(QStringLiteral("ขายธนาคาร"), frame);
    sellBank_->setObjectName(QStringLiteral("SellBankButton"));
    mortgage_ = new QPushButton(QStringLiteral("จำนอง"), frame);
    mortgage_->setObjectName(QStringLiteral("MortgageButton"));
    bid_ = new QPushButton(QStringLiteral("ประมูลราคา"), frame);
    bid_->setObjectName(QStringLiteral("BidButton"));
    for (QPushButton* b : {sellBank_, mortgage_, bid_}) {
        b->setMinimumSize(160, 30);
        kinds->addWidget(b);
    }
    column->addWidget(frame);
    onClick(sellBank_, [](Dealings& d) { d.SellBankButton_Click(); });
    onClick(mortgage_, [](Dealings& d) { d.MortgageButton_Click(); });
    onClick(bid_, [](Dealings& d) { d.BidButton_Click(); });
    setMinimumWidth(300);
}

void SellFormView::bind() {
    const SellFormModel& m = model().sellForm;
    bindText(money_, m.money);
    sellBank_->setEnabled(m.SellBankButton);
    mortgage_->setEnabled(m.MortgageButton);
    bid_->setEnabled(m.BidButton);
    bindWindow(m);
}

} // namespace tavorin
