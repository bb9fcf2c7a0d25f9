#include "setup/StartWindow.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include "setup/ExitQuestion.h"
#include "setup/NewGameRules.h"
#include "setup/SaveRecord.h"
#include "setup/SavedGameSummary.h"
#include "setup/SetupWindow.h"
#include "setup/TwipLayout.h"
#include "ui/ChosenLine.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxes.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"

namespace tavorin::setupui {

StartWindow::StartWindow(const QString& gameFolder, QWidget* parent)
    : QWidget(parent), folder_(gameFolder), quit_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("START"));
    setWindowTitle(QStringLiteral("เริ่ม"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(pal);

    setFont(setupFont());
    const TwipLayout t(*this);
    t.setClientSize(this, 3810, 4605);

    auto* image1 = named<QLabel>(this, "Image1");
    t.place(image1, 0, 0, 3855, 4575);
    image1->setPixmap(
        ui::picture(ui::PictureId{ui::PictureKind::StartBackground}, image1->size(), devicePixelRatio()));

    auto* label1 = named<QLabel>(this, "Label1", QStringLiteral("เกมทาวอริน"));
    t.place(label1, 480, 0, 3135, 735);
    label1->setFont(ui::designFont(QStringLiteral("AngsanaUPC"), 27.75, true));
    label1->setAlignment(Qt::AlignCenter);
    label1->setAutoFillBackground(true);
    label1->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0); background-color: rgb(0, 0, 192);"));

    t.placeAutoSize(named<QLabel>(this, "Label2", QStringLiteral("ชื่อไฟล์ที่จะเริ่มเล่นใหม่")), 1920, 960);
    text1_ = named<QLineEdit>(this, "Text1");
    t.place(text1_, 1920, 1200, 1695, 315);
    newGame_ = named<QPushButton>(this, "NEWGAMEButton", QStringLiteral("NEW GAME"));
    t.place(newGame_, 360, 1200, 1335, 375);

    t.placeAutoSize(named<QLabel>(this, "Label3", QStringLiteral("ชื่อไฟล์ที่จะโหลดหรือลบ")), 1920, 1560);
    file1_ = named<QListWidget>(this, "File1");
    file1_->setItemDelegate(summaryDelegate(file1_));
    t.place(file1_, 1920, 1800, 1695, 1770);
    loadGame_ = named<QPushButton>(this, "LOADGAMEButton", QStringLiteral("LOAD GAME"));
    t.place(loadGame_, 360, 1800, 1335, 375);
    delete_ = named<QPushButton>(this, "DELETEButton", QStringLiteral("DELETE"));
    t.place(delete_, 360, 2280, 1335, 375);

    text2_ = named<QLineEdit>(this, "Text2");
    t.place(text2_, 120, 2760, 1695, 315);
    text2_->hide();
    hallOfFame_ = named<QPushButton>(this, "HallOfFrameButton", QStringLiteral("บันทึกสุดยอดทาวอริน"));
    t.place(hallOfFame_, 120, 3120, 1695, 375);

    loading_ = named<QLabel>(this, "Label5", QStringLiteral("กำลังโหลด..."));
    t.placeAutoSize(loading_, 360, 3720);
    loading_->hide();
    t.placeAutoSize(named<QLabel>(this, "Label4", QStringLiteral("Version 1.6")), 2160, 3720);
    progress_ = named<QProgressBar>(this, "PROBAR1");
    t.place(progress_, 120, 4080, 3615, 375);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->hide();

    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] { File1_Click(); });
    connect(file1_, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    // A double-click loads the game, as its button does (and is refused when the button is).
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] {
        File1_Click();
        loadGame_->click();
    });
    connect(newGame_, &QPushButton::clicked, this, [this] { NEWGAMEButton_Click(); });
    connect(loadGame_, &QPushButton::clicked, this, [this] { LOADGAMEButton_Click(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DELETEButton_Click(); });
    connect(hallOfFame_, &QPushButton::clicked, this, [this] { HallOfFrameButton_Click(); });

    ui::nameControls(*this, {{"Text1", "ชื่อไฟล์ที่จะเริ่มเล่นใหม่"},
                             {"NEWGAMEButton", "เริ่มเกมใหม่"},
                             {"File1", "เกมที่บันทึกไว้"},
                             {"LOADGAMEButton", "โหลดเกม"},
                             {"DELETEButton", "ลบเกม"},
                             {"Text2", "ชื่อเกมที่เลือก"}});
    enableButtons(true);
    refreshFileList();
    // The background is drawn again for the size it takes with the text.
    ui::followTextScale(*this, [this, image1](double) {
        image1->setPixmap(
            ui::picture(ui::PictureId{ui::PictureKind::StartBackground}, image1->size(), devicePixelRatio()));
    });
}

StartWindow::~StartWindow() = default;

SetupWindow& StartWindow::setupWindow() {
    if (!setup_) {
        setup_ = std::make_unique<SetupWindow>(folder_);
        setup_->setQuitHandler(quit_);
        connect(setup_.get(), &SetupWindow::newGameRequested, this, &StartWindow::newGameRequested);
        if (prepareSetup_) prepareSetup_(*setup_);
    }
    return *setup_;
}

void StartWindow::setLoadGameAvailable(bool available) {
    loadAvailable_ = available;
    enableButtons(!loadRunning_);
}

void StartWindow::setHallOfFameAvailable(bool available) {
    hallAvailable_ = available;
    enableButtons(!loadRunning_);
}

void StartWindow::setQuitHandler(std::function<void()> quit) {
    quit_ = std::move(quit);
    if (setup_) setup_->setQuitHandler(quit_);
}

void StartWindow::enableButtons(bool enabled) {
    newGame_->setEnabled(enabled);
    delete_->setEnabled(enabled);
    // Without the program behind them these buttons would only pretend to work.
    loadGame_->setEnabled(enabled && loadAvailable_);
    hallOfFame_->setEnabled(enabled && hallAvailable_);
}

namespace {

constexpr int kRealNameRole = Qt::UserRole;

std::filesystem::path folderPath(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

// The saved games of the folder by their names as stored, whatever their encoding: a name that is
// not valid UTF-8 would be altered by any conversion, and could then be neither loaded nor deleted.
std::vector<std::string> savedGameFiles(const QString& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folderPath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().native();
        // Hidden files stay hidden; ".dat" alone names no game.
        if (name.size() <= kSaveFileExtension.size() || name.front() == '.' ||
            !name.ends_with(kSaveFileExtension))
            continue;
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(name);
    }
    return names;
}

} // namespace

void StartWindow::refreshFileList() {
    struct Listed {
        QString shown; // invalid UTF-8 shows as replacement characters
        QByteArray real;
    };
    std::vector<Listed> files;
    for (const std::string& name : savedGameFiles(folder_))
        files.push_back(
            {QString::fromUtf8(name.data(), qsizetype(name.size())), QByteArray::fromStdString(name)});
    std::sort(files.begin(), files.end(), [](const Listed& a, const Listed& b) {
        const int byName = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.real < b.real;
    });
    file1_->clear();
    for (const Listed& f : files) {
        auto* item = new QListWidgetItem(f.shown, file1_);
        item->setData(kRealNameRole, f.real);
        const SavedGameSummary summary = summarizeSavedGame(folderPath(folder_), f.real.toStdString());
        item->setData(kSavedTimeRole, savedTimeLine(summary));
        item->setData(kPlayersRole, playersLine(summary));
    }
}

void StartWindow::showAgain(bool toLoad) {
    loadRunning_ = false;
    progress_->hide();
    enableButtons(true);
    show();
    raise();
    activateWindow();
    if (toLoad)
        file1_->setFocus(Qt::OtherFocusReason);
    else
        text1_->setFocus(Qt::OtherFocusReason);
}

// Enter on the list loads the game it points at; in the name box it starts the new game. Both do what
// their buttons do.
void StartWindow::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && focusWidget() == file1_ && file1_->currentItem()) {
        file1_->currentItem()->setSelected(true);
        File1_Click();
        loadGame_->click();
    } else if (enter && focusWidget() == text1_) {
        newGame_->click();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void StartWindow::showEvent(QShowEvent* e) {
    refreshFileList();
    QWidget::showEvent(e);
}

void StartWindow::File1_Click() {
    if (QListWidgetItem* item = ui::chosenLine(file1_)) {
        text2_->setText(ui::qs(savedGameNameOf(ui::toUtf8(item->text()))));
        const QByteArray real = item->data(kRealNameRole).toByteArray();
        chosen_ = QByteArray::fromStdString(savedGameNameOf(real.toStdString()));
    }
}

void StartWindow::NEWGAMEButton_Click() {
    const QString name = text1_->text();
    const GameNameProblem problem = checkGameName(ui::toUtf8(name));
    if (problem != GameNameProblem::None) {
        ui::showMessage(this, {}, gameNameMessage(problem));
        text1_->setFocus();
        return;
    }
    SetupWindow& setup = setupWindow();
    setup.setFileName(name);
    setup.show();
    hide();
}

void StartWindow::LOADGAMEButton_Click() {
    if (!loadAvailable_) return;
    if (text2_->text().isEmpty()) {
        ui::showMessage(this, {}, "กรุณาระบุชื่อก่อน");
        return;
    }
    loadRunning_ = true;
    enableButtons(false);
    progress_->setValue(0);
    progress_->show();
    emit loadGameRequested(chosen_);
}

void StartWindow::setLoadProgress(int percent) {
    progress_->setValue(std::clamp(percent, 0, 100));
    // The load runs without returning to the event loop; the bar is its only sign of life.
    progress_->repaint();
}

void StartWindow::loadFinished() {
    loadRunning_ = false;
    progress_->hide();
    hide();
}

void StartWindow::loadRefused(const QString& message) {
    loadRunning_ = false;
    progress_->hide();
    enableButtons(true);
    ui::showMessage(this, {}, ui::toUtf8(message));
    refreshFileList();
}

void StartWindow::DELETEButton_Click() {
    const QString name = text2_->text();
    if (name.isEmpty()) {
        ui::showMessage(this, {}, "กรุณาระบุชื่อที่ต้องการลบ");
        return;
    }
    const std::string question = "ที่ต้องการจะลบไฟล์" + ui::toUtf8(name) + ".dat แน่นะ";
    if (ui::showMessage(this, {}, question, MsgButtons::OkCancel, MsgIcon::Exclamation) != MsgResult::Ok)
        return;
    const std::filesystem::path file = saveGamePath(folderPath(folder_), chosen_.toStdString());
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (ec) {
        const std::string failed = "ลบไฟล์" + ui::toUtf8(name) + ".dat ไม่ได้";
        ui::showMessage(this, {}, failed);
    }
    text2_->clear();
    chosen_.clear();
    refreshFileList();
}

void StartWindow::HallOfFrameButton_Click() {
    if (hallAvailable_) emit hallOfFameRequested();
}

void StartWindow::closeEvent(QCloseEvent* e) {
    if (confirmExitBeforeStart(this)) {
        e->accept();
        quit_();
    } else {
        e->ignore();
    }
}

} // namespace tavorin::setupui
