#include "setup/SetupWindow.h"

#include <algorithm>
#include <cmath>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "setup/ExitQuestion.h"
#include "setup/PictureChooser.h"
#include "setup/SetupPictures.h"
#include "setup/TwipLayout.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextFit.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"
#include "ui/WindowPlace.h"

namespace tavorin::setupui {

namespace {
// Qt's automatic exclusiveness spans every radio button below the same parent, frames included, so
// each set of options that belong together gets a group of its own.
QButtonGroup* optionSet(QWidget* owner, std::initializer_list<QAbstractButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    for (QAbstractButton* b : buttons) group->addButton(b);
    return group;
}

QByteArray nameOf(const char* stem, int k) { return QByteArray(stem) + QByteArray::number(k); }

int rowTop(int k) { return 720 + 840 * (k - 1); }
} // namespace

SetupWindow::SetupWindow(const QString& startFolder, QWidget* parent)
    : QWidget(parent), startFolder_(startFolder), quit_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("DEFINENUMOFPLAYER"));
    setWindowTitle(QStringLiteral("กำหนดจำนวนผู้เล่นและตั้งชื่อ"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(pal);

    setFont(setupFont());
    const TwipLayout t(*this);
    t.setClientSize(this, 10515, 7395);
    picturePx_ = t.px(495);

    auto* label1 = named<QLabel>(this, "Label1", QStringLiteral("กำหนดจำนวนผู้เล่นและตั้งชื่อ"));
    t.place(label1, 3120, 120, 4455, 375);
    label1->setFont(ui::designFont(QStringLiteral("EucrosiaUPC"), 21.75, true));
    ui::keepLineWhole(label1);
    label1->setAlignment(Qt::AlignCenter);
    label1->setAutoFillBackground(true);
    label1->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); background-color: rgb(224, 255, 192);"));

    frame1_ = named<QGroupBox>(this, "Frame1");
    t.place(frame1_, 240, 600, 10095, 5775);
    for (int k = 1; k <= kMaxPlayers; ++k) buildRow(k);
    optionSet(this, {option_[2], option_[3], option_[4], option_[5], option_[6]});

    checkBuyFirstLoop_ =
        named<QCheckBox>(this, "CheckBuyFirstLoop", QStringLiteral("สามารถซื้อโฉนดได้ตั้งแต่รอบแรกเลย"));
    t.place(checkBuyFirstLoop_, 480, 6480, 3375, 255);
    checkBuyFirstLoop_->setChecked(true);
    opgINIdeed1_ = named<QRadioButton>(this, "OpgINIdeed1", QStringLiteral("เริ่มเล่นโดยไม่ต้องแจกโฉนดก่อน"));
    t.place(opgINIdeed1_, 480, 6840, 2775, 255);
    opgINIdeed1_->setChecked(true);
    opgINIdeed2_ = named<QRadioButton>(this, "OpgINIdeed2", QStringLiteral("เริ่มเล่นโดยแจกโฉนดเริ่มต้นคนละ"));
    t.place(opgINIdeed2_, 3360, 6840, 2895, 255);
    optionSet(this, {opgINIdeed1_, opgINIdeed2_});
    cmbINInumofdeed_ = named<QComboBox>(this, "CmbINInumofdeed");
    t.place(cmbINInumofdeed_, 6240, 6800, 615, 330);
    cmbINInumofdeed_->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    cmbINInumofdeed_->setCurrentIndex(-1);
    cmbINInumofdeed_->setEnabled(false);
    t.place(named<QLabel>(this, "Label8", QStringLiteral("ใบ")), 6960, 6840, 195, 210);
    buildEndRule(t);
    auto* ok = named<QPushButton>(this, "OKButton", QStringLiteral("ตกลง"));
    t.place(ok, 8880, 6600, 1455, 495);

    connect(opgINIdeed1_, &QRadioButton::clicked, this, [this] { OpgINIdeed1_Click(); });
    connect(opgINIdeed2_, &QRadioButton::clicked, this, [this] { OpgINIdeed2_Click(); });
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });

    // The window as it loads: every row on its default picture, every seat a person, two players.
    for (int k = 1; k <= kMaxPlayers; ++k) {
        opgD_[k]->setChecked(true);
        OpgD_Click(k);
        type_[k]->setCurrentText(ui::qs(kPlayerTypePerson));
    }
    option_[2]->setChecked(true);
    Option_Click(2);
    nameControls();
    // The token pictures are drawn again for the size their boxes take with the text.
    ui::followTextScale(*this, [this, designed = picturePx_](double scale) {
        picturePx_ = int(std::lround(designed * scale));
        for (int k = 1; k <= kMaxPlayers; ++k) {
            imgD_[k]->setPixmap(defaultTokenPixmap(k, picturePx_));
            if (!fImg_[k]->text().isEmpty())
                imgC_[k]->setPixmap(picturePreview(fImg_[k]->text(), picturePx_, devicePixelRatioF()));
        }
    });
}

// A screen reader's Thai names for the controls whose captions do not say what they are for; the
// rest are named after their own Thai captions.
void SetupWindow::nameControls() {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const QString who = QStringLiteral(" ของผู้เล่นคนที่ %1").arg(k);
        name_[k]->setAccessibleName(QStringLiteral("ชื่อ") + who);
        type_[k]->setAccessibleName(QStringLiteral("ผู้เล่นเป็นคนหรือคอมพิวเตอร์") + who);
        opgD_[k]->setAccessibleName(QStringLiteral("ตัวเดินแบบเดิม") + who);
        opgC_[k]->setAccessibleName(QStringLiteral("ตัวเดินจากรูปที่เลือก") + who);
        fImg_[k]->setAccessibleName(QStringLiteral("ไฟล์รูปตัวเดิน") + who);
        cImgButton_[k]->setAccessibleName(QStringLiteral("เลือกรูปตัวเดิน") + who);
    }
    ui::nameControls(*this, {{"CmbINInumofdeed", "จำนวนโฉนดเริ่มต้นที่แจก"},
                             {"SpinEndLimit", "จำนวนที่จะจบเกม"},
                             {"CmbEndKind", "จบเกมตามรอบหรือตามนาที"}});
    // The spin box's own text box is the spin box to a player.
    if (auto* box = spinEndLimit_->findChild<QLineEdit*>())
        box->setAccessibleName(spinEndLimit_->accessibleName());
}

SetupWindow::~SetupWindow() = default;

void SetupWindow::buildRow(int k) {
    const TwipLayout t(*this);
    const int y = rowTop(k);
    if (k >= 2) {
        option_[k] = named<QRadioButton>(frame1_, nameOf("Option", k), QStringLiteral("เล่น %1 คน").arg(k));
        t.place(option_[k], 240, y, 1095, 255);
        connect(option_[k], &QRadioButton::clicked, this, [this, k] { Option_Click(k); });
    }
    // Wider than designed, up to the name box: the Thai face needs it for the player's number; and
    // as tall as its line, or the tone marks over "ชื่อ" and "ที่" are cut.
    auto* nameLabel = named<QLabel>(frame1_, nameOf("Label", k + 1), QStringLiteral("ชื่อผู้เล่นที่ %1").arg(k));
    t.place(nameLabel, 1320, y, 945, 210);
    ui::keepLineWhole(nameLabel);
    name_[k] = named<QLineEdit>(frame1_, nameOf("PlayerName", k), QStringLiteral("Player%1").arg(k));
    // The name box gives up a little width so that "คอมพิวเตอร์" shows whole in the list beside it.
    t.place(name_[k], 2280, y, 1455, 315);
    name_[k]->setMaxLength(kPlayerNameMaxChars);
    name_[k]->installEventFilter(this);
    type_[k] = named<QComboBox>(frame1_, nameOf("CmbType", k));
    t.place(type_[k], 3840, y, 1335, 330);
    type_[k]->addItems(
        {ui::qs(kPlayerTypePerson), ui::qs(kPlayerTypeComputer), ui::qs(kPlayerTypeStrongComputer)});
    buildPictureFrame(k);
}

void SetupWindow::buildPictureFrame(int k) {
    const TwipLayout t(*this);
    QGroupBox* frame = named<QGroupBox>(frame1_, nameOf("Frame", k + 1));
    pictureFrame_[k] = frame;
    t.place(frame, 5280, 600 + 840 * (k - 1), 4695, 855);

    opgD_[k] = named<QRadioButton>(frame, nameOf("OpgD", k));
    t.place(opgD_[k], 120, 360, 255, 255);
    imgD_[k] = named<QLabel>(frame, nameOf("ImgD", k));
    t.place(imgD_[k], 480, 240, 495, 495);
    imgD_[k]->setPixmap(defaultTokenPixmap(k, picturePx_));
    opgC_[k] = named<QRadioButton>(frame, nameOf("OpgC", k));
    t.place(opgC_[k], 1320, 360, 255, 255);
    imgC_[k] = named<QLabel>(frame, nameOf("ImgC", k));
    t.place(imgC_[k], 1560, 240, 495, 495);
    imgC_[k]->setAlignment(Qt::AlignCenter);
    fImg_[k] = named<QLineEdit>(frame, nameOf("FImg", k));
    t.place(fImg_[k], 2160, 360, 1575, 315);
    cImgButton_[k] = named<QPushButton>(frame, nameOf("CImgButton", k), QStringLiteral("เลือก"));
    t.place(cImgButton_[k], 3840, 240, 735, 495);
    optionSet(this, {opgD_[k], opgC_[k]});

    connect(opgD_[k], &QRadioButton::clicked, this, [this, k] { OpgD_Click(k); });
    connect(opgC_[k], &QRadioButton::clicked, this, [this, k] { OpgC_Click(k); });
    connect(cImgButton_[k], &QPushButton::clicked, this, [this, k] { CImgButton_Click(k); });
}

// Beside the first-lap rule: a game that would run on for hours can be cut short, the richest
// player winning. Off unless ticked.
void SetupWindow::buildEndRule(const TwipLayout& t) {
    checkEndRule_ = named<QCheckBox>(this, "CheckEndRule", QStringLiteral("จบเกมเมื่อครบ"));
    t.place(checkEndRule_, 4080, 6480, 1575, 255);
    ui::keepLineWhole(checkEndRule_);
    spinEndLimit_ = named<QSpinBox>(this, "SpinEndLimit");
    t.place(spinEndLimit_, 5700, 6440, 795, 330);
    spinEndLimit_->setRange(1, EndRule::kMaxEndLimit);
    spinEndLimit_->setValue(30);
    cmbEndKind_ = named<QComboBox>(this, "CmbEndKind");
    t.place(cmbEndKind_, 6570, 6440, 1935, 330);
    cmbEndKind_->addItems({QStringLiteral("รอบของผู้นำ"), QStringLiteral("นาที")});
    const QString why = QStringLiteral("เมื่อผู้เล่นที่เดินได้มากรอบที่สุดเดินครบจำนวนรอบ หรือเมื่อเล่นครบจำนวนนาที "
                                       "เกมจะจบลงและผู้ที่มีทรัพย์สินสุทธิมากที่สุดเป็นผู้ชนะ");
    for (QWidget* w : {static_cast<QWidget*>(checkEndRule_), static_cast<QWidget*>(spinEndLimit_),
                       static_cast<QWidget*>(cmbEndKind_)})
        w->setToolTip(why);
    const auto follow = [this](bool on) {
        spinEndLimit_->setEnabled(on);
        cmbEndKind_->setEnabled(on);
    };
    connect(checkEndRule_, &QCheckBox::toggled, this, follow);
    follow(false);
}

int SetupWindow::selectedOption() const {
    for (int n = 2; n <= kMaxPlayers; ++n)
        if (option_[n]->isChecked()) return n;
    return 2;
}

void SetupWindow::Option_Click(int n) {
    // Names typed in the rows that stop playing stay in their boxes, ready if the number goes up again.
    for (int k = 1; k <= kMaxPlayers; ++k) {
        name_[k]->setEnabled(k <= n);
        pictureFrame_[k]->setVisible(k <= n);
        if (k >= 3) type_[k]->setEnabled(k <= n);
    }
}

void SetupWindow::OpgD_Click(int k) {
    imgC_[k]->setEnabled(false);
    fImg_[k]->setEnabled(false);
    cImgButton_[k]->setEnabled(false);
    imgD_[k]->setEnabled(true);
}

void SetupWindow::OpgC_Click(int k) {
    imgD_[k]->setEnabled(false);
    fImg_[k]->setEnabled(true);
    imgC_[k]->setEnabled(true);
    cImgButton_[k]->setEnabled(true);
}

PictureChooser& SetupWindow::pictureChooser() {
    if (!chooser_) chooser_ = std::make_unique<PictureChooser>(*this, startFolder_);
    return *chooser_;
}

void SetupWindow::CImgButton_Click(int k) {
    PlayerLFF = k;
    setEnabled(false);
    PictureChooser& chooser = pictureChooser();
    // Over the setup window that asked for it, not wherever the desktop puts a new window.
    ui::centreOver(chooser, this);
    chooser.show();
    chooser.raise();
    chooser.activateWindow();
}

void SetupWindow::showChosenPicture(int player, const QString& path, const QPixmap& preview) {
    if (player < 1 || player > kMaxPlayers) return;
    fImg_[player]->setText(path);
    imgC_[player]->setPixmap(preview);
}

QString SetupWindow::playerName(int player) const {
    return (player >= 1 && player <= kMaxPlayers) ? name_[player]->text() : QString();
}

void SetupWindow::OpgINIdeed1_Click() { cmbINInumofdeed_->setEnabled(false); }

void SetupWindow::OpgINIdeed2_Click() {
    cmbINInumofdeed_->setEnabled(true);
    cmbINInumofdeed_->setCurrentText(QStringLiteral("3"));
}

SetupChoices SetupWindow::choices() const {
    SetupChoices c;
    c.numPlayers = selectedOption();
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto i = std::size_t(k);
        c.names[i] = ui::toUtf8(name_[k]->text());
        c.types[i] = ui::toUtf8(type_[k]->currentText());
        c.usePicture[i] = opgC_[k]->isChecked();
        c.picturePaths[i] = ui::toUtf8(fImg_[k]->text());
    }
    c.buyFirstLoop = checkBuyFirstLoop_->isChecked();
    c.dealInitialDeeds = opgINIdeed2_->isChecked();
    c.initialDeedsText = ui::toUtf8(cmbINInumofdeed_->currentText());
    if (checkEndRule_->isChecked())
        c.endRule = {cmbEndKind_->currentIndex() == 1 ? EndKind::Minutes : EndKind::Laps,
                     spinEndLimit_->value()};
    return c;
}

void SetupWindow::offerChoices(const SetupChoices& c) {
    const int n = std::clamp(c.numPlayers, 2, kMaxPlayers);
    option_[n]->setChecked(true);
    Option_Click(n);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto i = std::size_t(k);
        name_[k]->setText(ui::qs(c.names[i]));
        // A seat the list does not know keeps what it shows.
        if (const int type = type_[k]->findText(ui::qs(c.types[i])); type >= 0)
            type_[k]->setCurrentIndex(type);
        const QString path = c.usePicture[i] ? ui::qs(c.picturePaths[i]) : QString();
        if (path.isEmpty()) {
            opgD_[k]->setChecked(true);
            OpgD_Click(k);
            continue;
        }
        // A picture that has gone since is shown by its path alone; OK reports it as it reports any.
        showChosenPicture(k, path, picturePreview(path, picturePx_, devicePixelRatioF()));
        opgC_[k]->setChecked(true);
        OpgC_Click(k);
    }
}

void SetupWindow::OKButton_Click() {
    SetupDecision decision = decideNewGame(choices(), openPictureFile);
    for (const SetupNotice& notice : decision.notices) ui::showMessage(this, notice.title, notice.text);
    if (!decision.setup) {
        if (decision.focusPlayer >= 1 && decision.focusPlayer <= kMaxPlayers) {
            name_[decision.focusPlayer]->setFocus(Qt::OtherFocusReason);
            name_[decision.focusPlayer]->selectAll();
        }
        return;
    }
    hide();
    emit newGameRequested(fileName_, *decision.setup);
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SetupWindow::closeEvent(QCloseEvent* e) {
    if (confirmExitBeforeStart(this)) {
        e->accept();
        quit_();
    } else {
        e->ignore();
    }
}

} // namespace tavorin::setupui
