#include "halloffame/HallWindows.h"

#include <filesystem>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "halloffame/HallPictures.h"
#include "ui/ChosenLine.h"
#include "ui/ControlNames.h"
#include "ui/DeedColumns.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"
#include "ui/WealthChart.h"

namespace tavorin::halloffame {

namespace {

constexpr int kPictureSide = 132; // pixels

template <class W, class... Args> W* named(QWidget* parent, const char* objectName, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(objectName));
    return w;
}

QLabel* caption(QWidget* parent, const char* utf8) { return new QLabel(QString::fromUtf8(utf8), parent); }

QLineEdit* figure(QWidget* parent, const char* objectName) {
    auto* e = named<QLineEdit>(parent, objectName);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(110);
    return e;
}

QLabel* picture(QWidget* parent, const QPixmap& pm) {
    auto* l = named<QLabel>(parent, "Image1");
    l->setFixedSize(pm.deviceIndependentSize().toSize()); // a picture for a dense screen has more pixels
    l->setPixmap(pm);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QListWidget* deedList(QWidget* parent) {
    auto* list = named<QListWidget>(parent, "List1");
    list->setMinimumSize(380, 150);
    ui::alignDeedColumns(list);
    return list;
}

// The figures both windows show of one record, in the same order.
struct FigureRows {
    QLabel* name;
    QLineEdit* total;
    QLineEdit* cash;
    QLabel* deedCount;
};

FigureRows figureRows(QWidget* parent, QGridLayout* grid, const char* const captions[5],
                      const char* const objectNames[4]) {
    FigureRows rows;
    grid->addWidget(caption(parent, captions[0]), 0, 0);
    rows.name = named<QLabel>(parent, objectNames[0]);
    rows.name->setFont(ui::thaiFont(11, true));
    grid->addWidget(rows.name, 0, 1, 1, 2);
    grid->addWidget(caption(parent, captions[1]), 1, 0);
    rows.total = figure(parent, objectNames[1]);
    grid->addWidget(rows.total, 1, 1);
    grid->addWidget(caption(parent, captions[2]), 2, 0);
    rows.cash = figure(parent, objectNames[2]);
    grid->addWidget(rows.cash, 2, 1);
    grid->addWidget(caption(parent, captions[3]), 3, 0);
    rows.deedCount = named<QLabel>(parent, objectNames[3]);
    rows.deedCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(rows.deedCount, 3, 1);
    grid->addWidget(caption(parent, captions[4]), 3, 2);
    grid->setColumnStretch(1, 1);
    return rows;
}

void fill(const HallDetail& d, QLabel* name, QLineEdit* total, QLineEdit* cash, QLabel* deedCount,
          QListWidget* deeds) {
    name->setText(ui::qs(d.name));
    total->setText(ui::qs(d.totalAsset));
    cash->setText(ui::qs(d.cash));
    deedCount->setText(ui::qs(d.deedCount));
    deeds->clear();
    for (const std::string& line : d.deedLines) deeds->addItem(ui::qs(line));
}

// The Thai captions need more room around them than the style's default button gives.
QPushButton* button(QWidget* parent, const char* objectName, const char* utf8) {
    auto* b = named<QPushButton>(parent, objectName, QString::fromUtf8(utf8));
    b->setMinimumSize(b->sizeHint() + QSize(28, 8));
    return b;
}

void bringToFront(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

// ---------------------------------------------------------------- WinForm

WinWindow::WinWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), quit_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("WinForm"));
    setWindowTitle(QStringLiteral("The Winner"));
    setFont(ui::thaiFont(10));
    auto* sides = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    sides->addLayout(column);

    auto* heading =
        named<QLabel>(this, "Label1", QStringLiteral("ขอแสดงความยินดีด้วย คุณได้เป็นอัครมหาทาวอรินที่สุดในโลกแล้ว"));
    heading->setFont(ui::thaiFont(13, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    column->addWidget(heading);

    auto* top = new QHBoxLayout;
    top->addWidget(picture(this, trophyPicture({kPictureSide, kPictureSide})), 0, Qt::AlignTop);
    auto* grid = new QGridLayout;
    static const char* const captions[] = {"รายละเอียดทรัพย์สินของ", "ทรัพย์สินทั้งหมด(ไม่รวมที่ดินจำนอง)", "เป็นเงินสด",
                                           "มีโฉนดรวมทั้งสิ้น", "ใบ ดังนี้"};
    static const char* const names[] = {"WLabelName", "Text1", "Text2", "WLabelNumOfDeed"};
    const FigureRows rows = figureRows(this, grid, captions, names);
    name_ = rows.name;
    total_ = rows.total;
    cash_ = rows.cash;
    deedCount_ = rows.deedCount;
    top->addLayout(grid, 1);
    column->addLayout(top);

    deeds_ = deedList(this);
    column->addWidget(deeds_, 1);

    auto* buttons = new QHBoxLayout;
    auto* hall = button(this, "HallOfFrameButton", "บันทึกสุดยอดทาวอริน");
    auto* end = button(this, "Command1", "จบเกม");
    newGame_ = button(this, "NewGameButton", "เกมใหม่");
    startWindow_ = button(this, "StartWindowButton", "กลับหน้าแรก");
    buttons->addWidget(hall);
    buttons->addStretch(1);
    buttons->addWidget(newGame_);
    buttons->addWidget(startWindow_);
    buttons->addWidget(end);
    column->addLayout(buttons);
    setNextGameAvailable(false);
    // Beside the fortune, once there is a game's history to show.
    wealth_ = new ui::WealthChart(this);
    wealth_->hide();
    sides->addWidget(wealth_, 1);

    connect(hall, &QPushButton::clicked, this, &WinWindow::hallOfFameRequested);
    connect(newGame_, &QPushButton::clicked, this, &WinWindow::newGameRequested);
    connect(startWindow_, &QPushButton::clicked, this, &WinWindow::startWindowRequested);
    connect(end, &QPushButton::clicked, this, [this] {
        leaving_ = true;
        quit_();
    });
    ui::nameControls(*this, {{"Text1", "ทรัพย์สินทั้งหมด"}, {"Text2", "เงินสด"}, {"List1", "โฉนดของผู้ชนะ"}});
    ui::followTextScale(*this);
}

void WinWindow::setNextGameAvailable(bool available) {
    newGame_->setVisible(available);
    startWindow_->setVisible(available);
}

void WinWindow::SetValueInWinForm(const HallRecord& winner) {
    fill(hallDetail(winner), name_, total_, cash_, deedCount_, deeds_);
}

void WinWindow::showWealth(const std::vector<WealthPoint>& points, const GameState& s) {
    wealth_->setHistory(points, s);
    if (wealth_->isHidden()) {
        wealth_->show();
        adjustSize();
    }
}

void WinWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    // The game is over: closing the winner window is one of its two ways out.
    if (!leaving_) {
        leaving_ = true;
        quit_();
    }
}

// ---------------------------------------------------------------- HallOfFrameDetail

HallOfFameDetailWindow::HallOfFameDetailWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HallOfFrameDetail"));
    setWindowTitle(QStringLiteral("รายละเอียดทรัพย์สิน"));
    setFont(ui::thaiFont(10));
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(picture(this, medalPicture({kPictureSide * 3 / 4, kPictureSide * 3 / 4})), 0,
                   Qt::AlignTop);
    auto* grid = new QGridLayout;
    static const char* const captions[] = {"รายละเอียดทรัพย์สินของ", "ทรัพย์สินทั้งหมด(ไม่นับที่ดินจำนอง)", "เงินสด",
                                           "มีจำนวนโฉนดทั้งหมด", "ใบ ดังนี้"};
    static const char* const names[] = {"TLabelName", "TtotalAssetText", "TCashText", "TLabelNumOfDeed"};
    const FigureRows rows = figureRows(this, grid, captions, names);
    name_ = rows.name;
    total_ = rows.total;
    cash_ = rows.cash;
    deedCount_ = rows.deedCount;
    top->addLayout(grid, 1);
    column->addLayout(top);
    deeds_ = deedList(this);
    column->addWidget(deeds_, 1);
    ui::nameControls(*this,
                     {{"TtotalAssetText", "ทรัพย์สินทั้งหมด"}, {"TCashText", "เงินสด"}, {"List1", "โฉนดที่มีอยู่"}});
    ui::followTextScale(*this);
}

void HallOfFameDetailWindow::showDetail(const HallDetail& detail) {
    fill(detail, name_, total_, cash_, deedCount_, deeds_);
    bringToFront(this);
}

// ---------------------------------------------------------------- HallOfFrame

HallOfFameWindow::HallOfFameWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
    setObjectName(QStringLiteral("HallOfFrame"));
    setWindowTitle(QStringLiteral("Hall Of Frame"));
    setFont(ui::thaiFont(10));
    auto* column = new QVBoxLayout(this);
    auto* heading = named<QLabel>(this, "Label1", QStringLiteral("บันทึกรายได้สูงสุด 10 อันดับแรก"));
    heading->setFont(ui::thaiFont(14, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: rgb(130, 80, 0);"));
    column->addWidget(heading);

    auto* middle = new QHBoxLayout;
    middle->addWidget(picture(this, podiumPicture({kPictureSide, kPictureSide})), 0, Qt::AlignTop);
    topList_ = named<QListWidget>(this, "TopList");
    topList_->setMinimumSize(300, 230);
    middle->addWidget(topList_, 1);
    column->addLayout(middle, 1);

    auto* details = button(this, "DButton", "ดูรายละเอียดทรัพย์สิน");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(details);
    column->addLayout(buttons);

    connect(details, &QPushButton::clicked, this, &HallOfFameWindow::DButton_Click);
    connect(topList_, &QListWidget::itemDoubleClicked, this, &HallOfFameWindow::DButton_Click);
    ui::nameControls(*this, {{"TopList", "สิบอันดับแรก"}});
    ui::followTextScale(*this);
}

HallOfFameWindow::~HallOfFameWindow() = default;

void HallOfFameWindow::open() {
    bringToFront(this);
    HallOfFrameShow();
}

void HallOfFameWindow::HallOfFrameShow() {
    topList_->clear();
    ranks_ = HallOfFame{};
    auto read = loadRecFile(std::filesystem::path(folder_.toStdU16String()));
    if (auto* e = std::get_if<FileError>(&read)) {
        ui::showMessage(this, {}, e->message);
        return;
    }
    ranks_ = std::get<HallOfFame>(read);
    for (const HallLine& line : HallOfFrameLines(ranks_)) topList_->addItem(ui::qs(line.text));
}

HallOfFameDetailWindow& HallOfFameWindow::detailWindow() {
    if (!detail_) detail_ = std::make_unique<HallOfFameDetailWindow>();
    return *detail_;
}

void HallOfFameWindow::DButton_Click() {
    if (const std::optional<HallDetail> detail = HallOfFrameDetailShow(ranks_, ui::chosenRow(topList_)))
        detailWindow().showDetail(*detail);
}

} // namespace tavorin::halloffame
