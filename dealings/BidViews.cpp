#include "dealings/BidViews.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dealings/MortgageViews.h"
#include "ui/DeedColumns.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"

namespace tavorin {

// ------------------------------------------------------------------ BID

BidView::BidView(DealingsHub& hub) : DealingWindow(hub, "BID", [](Dealings& d) { d.BidForm_Unload(); }) {
    auto* column = new QVBoxLayout(this);
    QLabel* heading = caption("ประมูลราคา");
    heading->setFont(ui::thaiFont(14, true));
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);

    deeds_ = named<QListWidget>("DeedList");
    deeds_->setMinimumSize(400, 200);
    ui::alignDeedColumns(deeds_);
    column->addWidget(deeds_, 1);

    auto* frame = named<QGroupBox>("Frame1", QStringLiteral("ขายให้"));
    auto* grid = new QGridLayout(frame);
    for (int n = 1; n <= kMaxPlayers; ++n) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("OpgPlayer%1").arg(n));
        // The choice is the model's: the buttons show it rather than keep their own.
        option->setAutoExclusive(false);
        option->setMinimumWidth(120);
        grid->addWidget(option, (n - 1) / 3, (n - 1) % 3);
        buyers_[std::size_t(n)] = option;
        connect(option, &QRadioButton::clicked, this,
                [this, n] { hub_.act([n](Dealings& d) { d.bid.choose(n); }); });
    }
    column->addWidget(frame);

    auto* price = new QHBoxLayout;
    price->addWidget(caption("เสนอราคา :"));
    amount_ = named<QLineEdit>("BidAmount");
    amount_->setMinimumWidth(120);
    price->addWidget(amount_);
    price->addStretch(1);
    auto* ok = named<QPushButton>("OKButton", QStringLiteral("ขาย"));
    ok->setMinimumSize(100, 32);
    price->addWidget(ok);
    column->addLayout(price);

    onSelect(deeds_, [](Dealings& d, int r) { d.bid.select(r); });
    connect(deeds_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        hub_.openDeed(model().BidDeedList_DblClick(deeds_->row(item)));
    });
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        hub_.act([t = ui::toUtf8(text)](Dealings& d) { d.bid.BidAmount = t; });
    });
    onClick(ok, [](Dealings& d) { d.BidOKButton_Click(); });
}

void BidView::bind() {
    const BidWindow& m = model().bid;
    bindLines(deeds_, m.DeedList, m.selected);
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const OptionButton& o = m.OpgPlayer[std::size_t(n)];
        QRadioButton* b = buyers_[std::size_t(n)];
        const QString name = ui::qs(o.caption);
        if (b->text() != name) b->setText(name);
        if (b->isHidden() == o.visible) b->setVisible(o.visible);
        b->setEnabled(o.enabled);
        if (b->isChecked() != o.selected) b->setChecked(o.selected);
    }
    bindText(amount_, m.BidAmount);
    bindWindow(m);
}

// ------------------------------------------------------------------ CONFIRMBID

ConfirmBidView::ConfirmBidView(DealingsHub& hub)
    : DealingWindow(hub, "CONFIRMBID", [](Dealings& d) { d.ConfirmBidForm_Unload(); }) {
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    struct Row {
        const char* caption;
        const char* value;
        const char* unit;
        QLabel** label;
    };
    const Row rows[] = {
        {"ชื่อ", "LabelPlayerBid", nullptr, &buyer_},
        {"รับซื้อโฉนด", "LabelDeedName", nullptr, &deed_},
        {"มีบ้านติดมาด้วย", "LabelNumOfHouse", "หลัง", &houses_},
        {"มีตึกติดมาด้วย", "LabelNumOfTower", "หลัง", &towers_},
        {"ในราคา", "LabelMoneyBid", nullptr, &price_},
        {"หักภาษี", "LabelVat", "%", &vat_},
        {"ผู้ประมูลจะได้รับจำนวนเงินสุทธิ", "LabelAmountNet", nullptr, &net_},
    };
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(caption(row.caption), r, 0);
        *row.label = named<QLabel>(row.value);
        (*row.label)->setMinimumWidth(80);
        grid->addWidget(*row.label, r, 1);
        if (row.unit) grid->addWidget(caption(row.unit), r, 2);
        ++r;
    }
    net_->setFont(ui::thaiFont(10, true));
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = named<QPushButton>("OKButton", QStringLiteral("ตกลง"));
    auto* cancel = named<QPushButton>("CancelButton", QStringLiteral("ไม่ตกลง"));
    for (QPushButton* b : {ok, cancel}) {
        b->setMinimumSize(100, 32);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    onClick(ok, [](Dealings& d) { d.ConfirmBidOKButton_Click(); });
    onClick(cancel, [](Dealings& d) { d.ConfirmBidCancelButton_Click(); });
}

void ConfirmBidView::bind() {
    const ConfirmBidWindow& m = model().confirmBid;
    bindText(buyer_, m.LabelPlayerBid);
    bindText(deed_, m.LabelDeedName);
    bindText(houses_, m.LabelNumOfHouse);
    bindText(towers_, m.LabelNumOfTower);
    bindText(price_, m.LabelMoneyBid);
    bindText(vat_, m.LabelVat);
    bindText(net_, m.LabelAmountNet);
    bindWindow(m);
}

} // namespace tavorin
