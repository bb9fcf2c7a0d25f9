#include "app/DecisionFrames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/FrameBuilder.h"
#include "ui/DeedColumns.h"

namespace tavorin::app {

namespace {
constexpr const char* kNotice = "ประกาศ";
using K = CellKind;

Cell fixed(const char* t) { return {K::Fixed, t}; }
Cell value(const char* name, const char* t = nullptr) { return {K::Value, t, name}; }
Cell sentence(const char* t) { return {K::Sentence, t}; }
Cell valueText(const char* name, const char* t = nullptr) { return {K::ValueText, t, name}; }
Cell heading(const char* t) { return {K::Heading, t}; }
Cell check(const char* name, const char* t) { return {K::Check, t, name}; }
Cell button(const char* name, const char* t) { return {K::Button, t, name}; }
Cell viewDeed(const char* name) { return button(name, "ดูโฉนด"); }

// clang-format off
void buildLandFrames(QWidget* p, QGridLayout* stack) {
    stack->addWidget(buildFrame(p, "FreeLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelFreeLand1")},
         {fixed("ประเภทที่ดิน :"), value("LabelFreeLand2")},
         {sentence("ที่ดินผืนนี้ยังไม่มีผู้ใดเข้ามาจับจองท่านต้องการจะได้มันเป็นเจ้าของหรือไม่?")},
         {check("CheckFreeLand", "ต้องการจะซื้อพร้อมบ้าน 1 หลัง")},
         {button("OKButtonInFreeLand", "ซื้อ"), button("CancelButtonInFreeLand", "ไม่ซื้อ"), viewDeed("ViewDeed7")}}), 0, 0);
    stack->addWidget(buildFrame(p, "OwnSingleLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelOwnSingleLand1")},
         {fixed("ประเภทที่ดิน : ที่ดินเดี่ยว")},
         {fixed("เจ้าของที่ดิน :"), value("LabelOwnSingleLand2")},
         {fixed("ที่ดินนี้เป็นของท่านเอง ประกอบด้วย บ้าน"), value("LabelOwnSingleLand3"), fixed("หลัง, ตึก"),
          value("LabelOwnSingleLand4"), fixed("หลัง")},
         {valueText("LabelOwnSingleLand5", "ท่านต้องการจะซื้อ บ้าน/ตึก เพิ่มหรือไม่?")},
         {valueText("LabelOwnSingleLand6", "ที่ดินของท่านผืนนี้ช่างยิ่งใหญ่ราวกับคฤหาสน์ของให้ท่านพักผ่อนให้สบาย "
                                           "และกรุณารับเงินจากการที่เปิดให้ชาวต่างประเทศมาเช่าจำนวน "),
          value("RentAmt")},
         {button("OKButtonInOwnSingleLand", "ซื้อ"), button("CancelButtonInOwnSingleLand", "ไม่ซื้อ"), viewDeed("ViewDeed5")}}), 0, 0);
    stack->addWidget(buildFrame(p, "OwnNotSingleLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelOwnNotSingleLand1")},
         {fixed("ประเภทที่ดิน :"), value("LabelOwnNotSingleLand2")},
         {fixed("เจ้าของที่ดิน :"), value("LabelOwnNotSingleLand3")},
         {sentence("ที่ดินนี้เป็นของท่านเอง ขอให้ท่านพักผ่อนให้เต็มที่เพื่อเตรียมตัวเดินทางต่อ  ขอให้โชคดี")},
         {button("OKButtonInOwnNotSingleLand", "ขอบคุณ"), viewDeed("ViewDeed4")}}), 0, 0);
    stack->addWidget(buildFrame(p, "OwnMortgageLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelOwnMortgageLand1")},
         {fixed("ประเภทที่ดิน :"), value("LabelOwnMortgageLand2")},
         {fixed("เจ้าของที่ดิน :"), value("LabelOwnMortgageLand3")},
         {sentence("ที่ดินนี้เป็นที่ดินของท่านเองแต่ติดจำนองอยู่")},
         {sentence("ถ้าท่านต้องการจะไถ่คืนตอนนี้เลยท่านจะได้ยกเว้นค่าธรรมเนียมในการไถ่คืน (20%)")},
         {fixed("ท่านจะจ่ายเป็นเงินเพียง"), value("LabelOwnMortgageLand5")},
         {button("OKButtonInOwnMortgageLand", "ตกลง"), button("CancelButtonInOwnMortgageLand", "ยังไม่พร้อม"),
          viewDeed("ViewDeed1")}}), 0, 0);
    stack->addWidget(buildFrame(p, "NotOwnSingleLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelNotOwnSingleLand1")},
         {fixed("ประเภทที่ดิน : ที่ดินเดี่ยว")},
         {fixed("เจ้าของที่ดิน :"), value("LabelNotOwnSingleLand2")},
         {sentence("ท่านได้เข้ามาอาศัยที่ดินของผู้อื่นอยู่โดยที่ดินผืนนี้ประกอบด้วยบ้าน")},
         {value("LabelNotOwnSingleLand3"), fixed("หลัง, ตึก"), value("LabelNotOwnSingleLand4"), fixed("หลัง")},
         {sentence("ท่านต้องเสียค่าใช้จ่ายในการพักผ่อนบนที่ผืนนี้เป็นเงิน"), value("LabelNotOwnSingleLand5")},
         {button("OKButtonInNotOwnSingleLand", "จ่าย"), viewDeed("ViewDeed6")}}), 0, 0);
    stack->addWidget(buildFrame(p, "NotOwnNotSingleLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelNotOwnNotSingleLand1")},
         {fixed("ประเภทที่ดิน :"), value("LabelNotOwnNotSingleLand2")},
         {fixed("เจ้าของที่ดิน :"), value("LabelNotOwnNotSingleLand3")},
         {valueText("LabelNotOwnNotSingleLand4", "ท่านได้เข้ามาอาศัยที่ดินของผู้อื่น โดยเจ้าของที่ผืนนี้ "
                                                 "เป็นเจ้าของที่ดินประเภทที่ดินคู่นี้เพียงแห่งเดียวเท่านั้น")},
         {valueText("LabelNotOwnNotSingleLand5", "ท่านได้เข้ามาอาศัยที่ดินของผู้อื่นโดยเจ้าของที่ผืนนี้ "
                                                 "เป็นเจ้าของที่ดินประเภทที่ดินคู่ทั้งสองแห่ง")},
         {valueText("LabelNotOwnNotSingleLand6", "ท่านได้เช้ามาอาศัยที่ดินของผู้อื่นโดยเจ้าของที่ผืนนี้"
                                                 "เป็นเจ้าของที่ดินประเภทที่ดินรวม โดยรวมผืนนี้แล้วจะมีทั้งหมด"),
          value("LabelNotOwnNotSingleLand7")},
         {sentence("เป็นเหตุให้ท่านต้องมีค่าใช้จ่ายทั้งสิ้นเป็นจำนวนเงินทั้งหมด"), value("LabelNotOwnNotSingleLand8")},
         {button("OKButtonInNotOwnNotSingleLand", "จ่าย"), viewDeed("ViewDeed3")}}), 0, 0);
    stack->addWidget(buildFrame(p, "NotOwnMortgageLandFrame", kNotice,
        {{fixed("ที่ดิน :"), value("LabelNotOwnMortgageLand1")},
         {fixed("ประเภทที่ดิน :"), value("LabelNotOwnMortgageLand2")},
         {fixed("เจ้าของที่ดิน :"), value("LabelNotOwnMortgageLand3")},
         {sentence("เนื่องจากที่ดินแห่งนี้อยู่ในระยะการจำนอง ")},
         {sentence("ท่านจึงต้องเสียค่าใช้จ่ายในการเหยีบย่ำขึ้นมากับธนาคารเป็นจำนวน"), value("LabelNotOwnMortgageLand4")},
         {sentence("หรือถ้าท่านต้องการจะเข้าครอบงำโฉนดนี้แทนจะต้องจ่ายค่าธรรมเนียมเพิ่ม 80%")},
         {fixed("คิดเป็นเงิน"), value("LabelNotOwnMortgageLand5")},
         {button("OKButtonInNotOwnMortgageLand", "จ่าย"), button("TakeOverButton", "ครอบงำ"), viewDeed("ViewDeed2")}}), 0, 0);
}

void buildSpecialFrames(QWidget* p, QGridLayout* stack) {
    stack->addWidget(buildFrame(p, "TaxFrame", kNotice,
        {{heading("เสียภาษี")},
         {sentence("ท่านใดที่มีเงินติดตัวไม่ถึง 10000 เสียภาษี 2000 เท่านั้น")},
         {sentence("ส่วนท่านใดที่มีเงินตัวตัวมากกว่านี้ขอความกรุณาเสียภาษี 20% ช่วยรัฐด้วยนะจ๊ะ")},
         {button("OKButtonInTaxFrame", "ตกลง")}}), 0, 0);
    stack->addWidget(buildFrame(p, "TreasureFrame", kNotice,
        {{heading("หีบสมบัติ")}, {valueText("LabelTreasure")}, {button("OkButtonInTreasure", "ตกลง")}}), 0, 0);
    stack->addWidget(buildFrame(p, "FateFrame", kNotice,
        {{heading("ประตูดวง")}, {valueText("LabelFate")}, {button("OKButtonInFate", "ตกลง")}}), 0, 0);
    stack->addWidget(buildFrame(p, "StartFrame", kNotice,
        {{sentence("ท่านได้เดินทางกลับมายังจุดเริ่มต้นแล้ว ขอให้พักผ่อนให้เต็มที่และเดินทางต่ออย่างสวัสดิภาพ")},
         {button("OKButtonInStart", "ขอบคุณ")}}), 0, 0);
    stack->addWidget(buildFrame(p, "RelaxFrame", kNotice,
        {{heading("หยุดพักผ่อน")},
         {sentence("ไหนๆ ท่านก็ได้แวะผ่านมาที่นี่แล้วแวะพักผ่อนซัก 1 เที่ยวนะทางเราไม่คิดค่าบริการหรอก")},
         {button("OKButtonInRelaxFrame", "ตกลง")}}), 0, 0);
    stack->addWidget(buildFrame(p, "DishonestFrame", kNotice,
        {{heading("โดนจับฐานทุจริต")},
         {sentence("ทางเจ้าหน้าที่ของเราตรวจสอบได้ว่ารายได้ส่วนหนึ่งของท่านมาจากการทุจริต")},
         {sentence("ทางเจ้าหน้าที่จึงขอนำท่านไปฝากขังที่คุกและขอเงินประกันตัว 500")},
         {button("OKButtonInDishonestFrame", "ตกลง")}}), 0, 0);
    stack->addWidget(buildFrame(p, "FirstFrame", kNotice,
        {{sentence("เย็นไว้โยมนี่เพิ่งจะเป็นรอบแรกจะทำอะไรรอรอบหน้านะจ๊ะ")}, {button("OKButtonInFirst", "ตกลง")}}), 0, 0);
}
// clang-format on
} // namespace

QWidget* buildDecisionFrames(QWidget* parent) {
    auto* area = new QWidget(parent);
    area->setObjectName(QStringLiteral("DecisionArea"));
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    buildLandFrames(area, stack);
    buildSpecialFrames(area, stack);
    for (QGroupBox* f : area->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) f->hide();
    return area;
}

QGroupBox* buildBonusFrame(QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("โบนัสประจำรอบ"), parent);
    frame->setObjectName(QStringLiteral("BonusFrame"));
    frame->setAutoFillBackground(true);
    auto* grid = new QGridLayout(frame);
    auto* label = new QLabel(QStringLiteral("ท่านได้เดินทางครบรอบแล้วต้องการ"), frame);
    label->setObjectName(QStringLiteral("LabelBonus"));
    grid->addWidget(label, 0, 0, 1, 3);
    auto* money = new QRadioButton(QStringLiteral("รับโบนัส 2000"), frame);
    money->setObjectName(QStringLiteral("OpgBonus1"));
    money->setChecked(true);
    grid->addWidget(money, 1, 0, 1, 3);
    auto* house = new QRadioButton(QStringLiteral("สังซื้อบ้าน 1 หลังจาก"), frame);
    house->setObjectName(QStringLiteral("OpgBonus2"));
    grid->addWidget(house, 2, 0);
    auto* deeds = new QComboBox(frame);
    deeds->setObjectName(QStringLiteral("CmbBonus"));
    deeds->setMinimumWidth(220);
    ui::alignDeedColumns(deeds->view());
    grid->addWidget(deeds, 2, 1);
    auto* ok = new QPushButton(QStringLiteral("ตกลง"), frame);
    ok->setObjectName(QStringLiteral("OKButtonInBonus"));
    grid->addWidget(ok, 2, 2);
    for (QRadioButton* r : {money, house}) r->setAutoFillBackground(true);
    grid->setColumnStretch(1, 1);
    return frame;
}

} // namespace tavorin::app
