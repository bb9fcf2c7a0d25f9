#include "dealings/MortgageViews.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/DeedColumns.h"

namespace tavorin {

namespace {
// The two lists with the ">>" button between them; rows 0 and 1 of `grid`.
struct TransferLists {
    QListWidget* left;
    QPushButton* trans;
    QListWidget* right;
};

TransferLists transferLists(QWidget* window, QGridLayout* grid, QLabel* leftCaption, QLabel* rightCaption) {
    TransferLists t{new QListWidget(window), new QPushButton(QStringLiteral(">>"), window),
                    new QListWidget(window)};
    t.left->setObjectName(QStringLiteral("DeedList1"));
    t.trans->setObjectName(QStringLiteral("TransButton"));
    t.right->setObjectName(QStringLiteral("DeedList2"));
    for (QListWidget* l : {t.left, t.right}) {
        l->setMinimumSize(210, 200);
        ui::alignDeedColumns(l);
    }
    t.trans->setFixedWidth(44);
    grid->addWidget(leftCaption, 0, 0, 1, 2);
    grid->addWidget(rightCaption, 0, 3, 1, 2);
    grid->addWidget(t.left, 1, 0, 1, 2);
    grid->addWidget(t.trans, 1, 2, Qt::AlignCenter);
    grid->addWidget(t.right, 1, 3, 1, 2);
    return t;
}
} // namespace

// ------------------------------------------------------------------ MORTGAGE

MortgageView::MortgageView(DealingsHub& hub)
    : DealingWindow(hub, "MORTGAGE", [](Dealings& d) { d.MortgageForm_Unload(); }) {
    auto* grid = new QGridLayout(this);
    const TransferLists lists = transferLists(this, grid, caption("ที่ดิน"), caption("ที่ดินจำนอง"));
    candidates_ = lists.left;
    chosen_ = lists.right;
    totalsell_ = amountBox("totalsell");
    money_ = amountBox("money");
    totalmoney_ = amountBox("totalmoney");
    const std::pair<const char*, QLineEdit*> sums[] = {
        {"รวมเป็นเงิน", totalsell_}, {"ที่มีอยู่", money_}, {"รวมมีเงิน", totalmoney_}};
    int row = 2;
    for (const auto& [text, box] : sums) {
        grid->addWidget(caption(text), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    auto* ok = named<QPushButton>("OKButton", QStringLiteral("จำนอง"));
    ok->setMinimumSize(110, 32);
    grid->addWidget(ok, row - 1, 3, 1, 2, Qt::AlignRight);

    onSelect(candidates_, [](Dealings& d, int r) { d.mortgage.select(r); });
    connect(candidates_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int r = candidates_->row(item);
        hub_.act([r](Dealings& d) {
            d.mortgage.select(r);
            d.mortgage.PressTransButtonInMortgage();
        });
    });
    onClick(lists.trans, [](Dealings& d) { d.mortgage.PressTransButtonInMortgage(); });
    onClick(ok, [](Dealings& d) { d.MortgageOKButton_Click(); });
}

void MortgageView::bind() {
    const MortgageWindow& m = model().mortgage;
    bindLines(candidates_, m.DeedList1, m.selected);
    bindLines(chosen_, m.DeedList2, -1);
    bindAmount(totalsell_, m.totalsell);
    bindAmount(money_, m.money);
    bindAmount(totalmoney_, m.totalmoney);
    bindWindow(m);
}

// ------------------------------------------------------------------ REDEEM

RedeemView::RedeemView(DealingsHub& hub)
    : DealingWindow(hub, "REDEEM", [](Dealings& d) { d.RedeemForm_Unload(); }) {
    auto* grid = new QGridLayout(this);
    const TransferLists lists = transferLists(this, grid, caption("ที่ดินที่จำนองอยู่"), caption("ที่ดินที่จะไถ่คืน"));
    candidates_ = lists.left;
    chosen_ = lists.right;
    paid_ = amountBox("PaidMoney");
    charge_ = amountBox("ChargeMoney");
    total_ = amountBox("TotalPaid");
    money_ = amountBox("Money");
    left_ = amountBox("totalMoney");
    // The cost of the chosen deeds on the left, the cash it leaves on the right.
    const std::pair<const char*, QLineEdit*> cost[] = {
        {"เป็นเงิน", paid_}, {"ค่าธรรมเนียม", charge_}, {"รวมเป็นเงิน", total_}};
    int row = 2;
    for (const auto& [text, box] : cost) {
        grid->addWidget(caption(text), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->addWidget(caption("ที่มีอยู่"), 2, 3);
    grid->addWidget(money_, 2, 4);
    grid->addWidget(caption("เหลือเงิน"), 3, 3);
    grid->addWidget(left_, 3, 4);
    auto* ok = named<QPushButton>("OKButton", QStringLiteral("ไถ่คืน"));
    ok->setMinimumSize(110, 32);
    grid->addWidget(ok, 4, 3, 1, 2, Qt::AlignRight);

    onSelect(candidates_, [](Dealings& d, int r) { d.redeem.select(r); });
    connect(candidates_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int r = candidates_->row(item);
        hub_.act([r](Dealings& d) {
            d.redeem.select(r);
            d.redeem.PressTransButtonInRedeem();
        });
    });
    onClick(lists.trans, [](Dealings& d) { d.redeem.PressTransButtonInRedeem(); });
    onClick(ok, [](Dealings& d) { d.RedeemOKButton_Click(); });
}

void RedeemView::bind() {
    const RedeemWindow& m = model().redeem;
    bindLines(candidates_, m.DeedList1, m.selected);
    bindLines(chosen_, m.DeedList2, -1);
    bindAmount(paid_, m.PaidMoney);
    bindAmount(charge_, m.ChargeMoney);
    bindAmount(total_, m.TotalPaid);
    bindAmount(money_, m.Money);
    bindAmount(left_, m.totalMoney);
    bindWindow(m);
}

} // namespace tavorin
