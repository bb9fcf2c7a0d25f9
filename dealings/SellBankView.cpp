#include "dealings/SellBankView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dealings/MortgageViews.h"
#include "engine/Text.h"
#include "ui/DeedColumns.h"
#include "ui/ThaiFont.h"

namespace tavorin {

SellBankView::SellBankView(DealingsHub& hub)
    : DealingWindow(hub, "SELLBANK", [](Dealings& d) { d.SellBankForm_Unload(); }) {
    auto* column = new QVBoxLayout(this);
    QLabel* heading = caption("ขายธนาคาร");
    heading->setFont(ui::thaiFont(14, true));
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);

    auto* grid = new QGridLayout;
    holdings_ = named<QListWidget>("DeedList1");
    holdings_->setMinimumSize(380, 240);
    ui::alignDeedColumns(holdings_);
    grid->addWidget(holdings_, 1, 0, 5, 1);
    auto* trans = named<QPushButton>("TransButton", QStringLiteral(">>"));
    trans->setFixedWidth(44);
    grid->addWidget(trans, 1, 1, 5, 1, Qt::AlignCenter);

    grid->addWidget(caption("ที่ดินที่จะขาย"), 0, 2, 1, 2);
    grid->addWidget(caption("บ้าน/ตึกที่ขาย"), 0, 4, 1, 2);
    land_ = named<QListWidget>("DeedList2");
    buildings_ = named<QListWidget>("DeedList3");
    for (QListWidget* l : {land_, buildings_}) l->setMinimumSize(190, 150);
    ui::alignDeedColumns(land_);
    grid->addWidget(land_, 1, 2, 1, 2);
    grid->addWidget(buildings_, 1, 4, 1, 2);
    moneyland_ = amountBox("moneyland");
    moneybuild_ = amountBox("moneybuild");
    grid->addWidget(caption("รวม"), 2, 2, Qt::AlignRight);
    grid->addWidget(moneyland_, 2, 3);
    grid->addWidget(caption("รวม"), 2, 4, Qt::AlignRight);
    grid->addWidget(moneybuild_, 2, 5);

    // "หักภาษี" 40 "%" and the tax itself, under the sums it is taken from.
    auto* rate = new QHBoxLayout;
    rate->addWidget(caption("หักภาษี"));
    percent_ = named<QLabel>("VATPercent");
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percent_->setMinimumWidth(24);
    rate->addWidget(percent_);
    rate->addWidget(caption("%"));
    rate->addStretch(1);
    grid->addLayout(rate, 3, 4, Qt::AlignRight);
    vat_ = amountBox("vat");
    grid->addWidget(vat_, 3, 5);
    grid->addWidget(caption("รวมเป็นเงิน"), 4, 4, Qt::AlignRight);
    moneysell_ = amountBox("moneysell");
    grid->addWidget(moneysell_, 4, 5);
    grid->setRowStretch(5, 1);
    column->addLayout(grid, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption("เงินที่มีอยู่ :"));
    money_ = amountBox("money");
    bottom->addWidget(money_);
    bottom->addSpacing(16);
    bottom->addWidget(caption("ถ้าขายจะมีเงิน :"));
    totalmoney_ = amountBox("totalmoney");
    bottom->addWidget(totalmoney_);
    bottom->addStretch(1);
    auto* reset = named<QPushButton>("ResetButton", QStringLiteral("ยกเลิก"));
    auto* ok = named<QPushButton>("OKButton", QStringLiteral("ขาย"));
    for (QPushButton* b : {reset, ok}) {
        b->setMinimumSize(100, 32);
        bottom->addWidget(b);
    }
    column->addLayout(bottom);

    onSelect(holdings_, [](Dealings& d, int r) { d.sellBank.select(r); });
    connect(holdings_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int r = holdings_->row(item);
        hub_.act([r](Dealings& d) {
            d.sellBank.select(r);
            d.sellBank.PressTransButtonInSellBank();
        });
    });
    onClick(trans, [](Dealings& d) { d.sellBank.PressTransButtonInSellBank(); });
    onClick(reset, [](Dealings& d) { d.sellBank.SellbankShow(d.sellBank.player); });
    onClick(ok, [](Dealings& d) { d.SellBankOKButton_Click(); });
}

void SellBankView::bind() {
    const BankSaleWindow& m = model().sellBank;
    bindLines(holdings_, m.DeedList1, m.selected);
    bindLines(land_, m.DeedList2, -1);
    bindLines(buildings_, m.DeedList3, -1);
    bindAmount(moneyland_, m.moneyland);
    bindAmount(moneybuild_, m.moneybuild);
    bindText(percent_, numberText(m.VATPercent));
    bindAmount(vat_, m.vat);
    bindAmount(moneysell_, m.moneysell);
    bindAmount(money_, m.money);
    bindAmount(totalmoney_, m.totalmoney);
    bindWindow(m);
}

} // namespace tavorin
