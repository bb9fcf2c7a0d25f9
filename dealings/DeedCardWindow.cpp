#include "dealings/DeedCardWindow.h"

#include <array>
#include <utility>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "dealings/DeedCard.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"
#include "ui/WindowPlace.h"

namespace tavorin {

namespace {
QLabel* named(const char* objectName, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

// A cost table: one row per caption with its value label (and a unit after it, if any).
struct CostRow {
    const char* caption;
    const char* label; // objectName of the value
    const char* fixed; // the figure of a fixed table, or nullptr when the card fills it
    const char* unit;
};

QGroupBox* costFrame(const char* objectName, const std::initializer_list<CostRow>& rows, QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("ค่าใช้จ่าย"), parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const CostRow& row : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption), frame), r, 0);
        QLabel* value = named(row.label, row.fixed ? QString::fromUtf8(row.fixed) : QString(), frame);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(60);
        grid->addWidget(value, r, 1);
        if (row.unit) grid->addWidget(new QLabel(QString::fromUtf8(row.unit), frame), r, 2);
        ++r;
    }
    grid->setColumnStretch(0, 1);
    return frame;
}
} // namespace

DeedCardWindow::DeedCardWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Deed1"));
    setWindowTitle(QStringLiteral("โฉนด"));
    setFont(ui::thaiFont(10));
    auto* column = new QVBoxLayout(this);

    auto* title = new QHBoxLayout;
    auto* heading = new QLabel(QStringLiteral("โฉนด"), this);
    heading->setFont(ui::thaiFont(14, true));
    title->addWidget(heading);
    QLabel* name = named("DeedName", {}, this);
    name->setFont(ui::thaiFont(14, true));
    title->addWidget(name, 1);
    title->addWidget(named("DeedNo", {}, this));
    column->addLayout(title);

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("ประเภทที่ดิน :"), this), 0, 0);
    facts->addWidget(named("DeedType", {}, this), 0, 1, 1, 2);
    facts->addWidget(new QLabel(QStringLiteral("ราคาที่ดิน :"), this), 1, 0);
    facts->addWidget(named("DeedLandPrice", {}, this), 1, 1);
    QLabel* status = named("DeedStatus", QStringLiteral("ติดจำนองอยู่"), this);
    status->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    facts->addWidget(status, 1, 2);
    facts->setColumnStretch(2, 1);
    column->addLayout(facts);

    single_ = costFrame("SingleFrame",
                        {{"ที่ดินเปล่า", "blank", nullptr, nullptr},
                         {"พร้อมบ้าน   1   หลัง", "one", nullptr, nullptr},
                         {"พร้อมบ้าน   2   หลัง", "two", nullptr, nullptr},
                         {"พร้อมบ้าน   3   หลัง", "three", nullptr, nullptr},
                         {"พร้อมบ้าน   4   หลัง", "four", nullptr, nullptr},
                         {"รวมตึก", "tower", nullptr, nullptr},
                         {"ซื้อบ้านหลังละ", "houseprice", nullptr, nullptr},
                         {"ซื้อตึกหลังละ", "towerprice", nullptr, nullptr},
                         {"ปัจจุบันมีบ้านอยู่", "numofhouse", nullptr, "หลัง"},
                         {"ปัจจุบันมีตึกอยู่", "numoftower", nullptr, "หลัง"}},
                        this);
    couple_ = costFrame("CoupleFrame",
                        {{"เป็นเจ้าของที่ดินคู่ที่นี่เพียงแห่งเดียว", "CoupleOne", "850", nullptr},
                         {"เป็นเจ้าของที่ดินคู่ทั้งสองแห่ง", "CoupleTwo", "2250", nullptr}},
                        this);
    multi_ = costFrame("MultiFrame",
                       {{"เป็นเจ้าของที่ดินรวมที่นี่แห่งเดียว", "MultiOne", "500", nullptr},
                        {"เป็นเจ้าของที่ดินรวม   2   แห่ง", "MultiTwo", "1000", nullptr},
                        {"เป็นเจ้าของที่ดินรวม   3   แห่ง", "MultiThree", "1500", nullptr},
                        {"เป็นเจ้าของที่ดินรวม   4   แห่ง", "MultiFour", "2000", nullptr},
                        {"เป็นเจ้าของที่ดินรวม   5   แห่ง", "MultiFive", "2500", nullptr}},
                       this);
    // The three tables share one place; only one is ever shown.
    auto* tables = new QGridLayout;
    for (QGroupBox* f : {single_, couple_, multi_}) tables->addWidget(f, 0, 0, Qt::AlignTop);
    column->addLayout(tables, 1);

    auto* owner = new QHBoxLayout;
    owner->addWidget(new QLabel(QStringLiteral("เจ้าของ"), this));
    owner->addWidget(named("DeedOwnName", {}, this), 1);
    column->addLayout(owner);
    setMinimumWidth(340);
    ui::followTextScale(*this);
}

QLabel* DeedCardWindow::label(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void DeedCardWindow::showDeed(const GameState& s, int deed, const QWidget* over) {
    const std::optional<DeedCard> card = deedCard(s, deed);
    if (!card) return;
    label("DeedName")->setText(ui::qs(card->name));
    label("DeedNo")->setText(ui::qs(card->number));
    label("DeedType")->setText(ui::qs(card->type));
    label("DeedLandPrice")->setText(ui::qs(card->price));
    label("DeedOwnName")->setText(ui::qs(card->owner));
    label("DeedStatus")->setVisible(card->mortgaged);
    single_->setVisible(card->frame == DeedCardFrame::Single);
    couple_->setVisible(card->frame == DeedCardFrame::Couple);
    multi_->setVisible(card->frame == DeedCardFrame::Multi);
    if (card->single)
        for (std::size_t i = 0; i < kSingleFrameLabels.size(); ++i)
            label(std::string(kSingleFrameLabels[i]).c_str())->setText(ui::qs((*card->single)[i]));
    // A card already open stays where the person put it.
    if (isHidden()) ui::centreOver(*this, over);
    show();
    raise();
    activateWindow();
}

void DeedCardWindow::keyPressEvent(QKeyEvent* e) {
    // The card only informs: Enter and Escape both put it away.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: close(); break;
    default: QWidget::keyPressEvent(e);
    }
}

} // namespace tavorin
