#include "setup/PictureChooser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "setup/NewGameRules.h"
#include "setup/PictureChoice.h"
#include "setup/SetupPictures.h"
#include "setup/SetupWindow.h"
#include "setup/TwipLayout.h"
#include "ui/ChosenLine.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"

namespace tavorin::setupui {

namespace {
constexpr int kPathRole = Qt::UserRole;

char separator() { return char(QDir::separator().toLatin1()); }

QString native(const QString& path) { return QDir::toNativeSeparators(QDir::cleanPath(path)); }

QStringList machineDrives() {
    QStringList drives;
    for (const QFileInfo& root : QDir::drives()) drives << native(root.absoluteFilePath());
    // Without drive letters the one root says little; the home folder is where pictures usually are.
    if (drives.size() == 1 && drives.front() == native(QDir::rootPath())) drives << native(QDir::homePath());
    return drives;
}

std::vector<std::string> utf8List(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(ui::toUtf8(s));
    return out;
}
} // namespace

PictureChooser::PictureChooser(SetupWindow& setup, const QString& startFolder, QWidget* parent)
    : QWidget(parent), setup_(setup) {
    setObjectName(QStringLiteral("LoadFromFile"));
    setWindowTitle(QStringLiteral("Select Image"));
    setFont(setupFont());
    const TwipLayout t(*this);
    t.setClientSize(this, 5280, 2565);

    text1_ = named<QLineEdit>(this, "Text1", ui::qs(kPicturePatternText));
    t.place(text1_, 120, 120, 1935, 315);
    text1_->setReadOnly(true);
    text1_->setCursorPosition(0);
    file1_ = named<QListWidget>(this, "File1");
    t.place(file1_, 120, 480, 1935, 1770);
    dir1_ = named<QListWidget>(this, "Dir1");
    t.place(dir1_, 2160, 120, 1935, 1770);
    drive1_ = named<QComboBox>(this, "Drive1");
    t.place(drive1_, 2160, 1920, 1935, 330);
    auto* open = named<QPushButton>(this, "Command1", QStringLiteral("เปิด"));
    t.place(open, 4200, 120, 975, 375);
    auto* cancel = named<QPushButton>(this, "Command2", QStringLiteral("ยกเลิก"));
    t.place(cancel, 4200, 600, 975, 375);

    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setFolder(item->data(kPathRole).toString()); });
    connect(file1_, &QListWidget::itemActivated, this, [this] { Command1_Click(); });
    connect(drive1_, &QComboBox::activated, this, [this](int index) { Drive1_Change(index); });
    connect(open, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });

    drives_ = machineDrives();
    setDrives(drives_);
    setFolder(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
    ui::followTextScale(*this);
}

void PictureChooser::setDrives(const QStringList& drives) {
    drives_ = drives;
    const QSignalBlocker block(drive1_);
    drive1_->clear();
    drive1_->addItems(drives_);
    selectDriveOfFolder();
}

void PictureChooser::selectDriveOfFolder() {
    const std::string drive = driveOfFolder(ui::toUtf8(folder_), utf8List(drives_), separator());
    const QSignalBlocker block(drive1_);
    drive1_->setCurrentIndex(drives_.indexOf(ui::qs(drive)));
}

void PictureChooser::setFolder(const QString& folder) {
    folder_ = native(QFileInfo(folder).absoluteFilePath());
    listFolders();
    listFiles();
    selectDriveOfFolder();
}

void PictureChooser::listFolders() {
    dir1_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The way down from the root to the current folder, then the folders inside it.
    QStringList chain;
    for (QDir d(folder_);;) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? native(path) : QDir(path).dirName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, dir1_);
        item->setData(kPathRole, native(path));
        ++depth;
    }
    dir1_->setCurrentRow(dir1_->count() - 1);
    const QStringList folders =
        QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : folders) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + name, dir1_);
        item->setData(kPathRole, native(QDir(folder_).filePath(name)));
    }
}

void PictureChooser::listFiles() {
    file1_->clear();
    const QStringList files = QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files)
        if (matchesPicturePattern(ui::toUtf8(name))) file1_->addItem(name);
}

void PictureChooser::Drive1_Change(int index) {
    if (index < 0 || index >= drives_.size()) return;
    const QString drive = drives_[index];
    for (;;) {
        const QFileInfo info(drive);
        if (info.isDir() && info.isReadable() && QDir(drive).isReadable()) {
            setFolder(drive);
            return;
        }
        const MsgResult answer =
            ui::showMessage(this, "Error", driveNotReadyText(ui::toUtf8(drive), separator()),
                            MsgButtons::RetryCancel, MsgIcon::Critical);
        if (answer != MsgResult::Retry) break;
    }
    selectDriveOfFolder();
}

void PictureChooser::Command1_Click() {
    QListWidgetItem* item = ui::chosenLine(file1_);
    if (item && !item->text().isEmpty()) {
        const int k = setup_.PlayerLFF;
        const std::string path =
            chosenPicturePath(ui::toUtf8(folder_), ui::toUtf8(item->text()), separator());
        const PictureProblem problem = checkPicture(path, openPictureFile);
        if (problem != PictureProblem::None) {
            // The chooser stays open so that another file can be picked.
            const std::string name = ui::toUtf8(setup_.playerName(k));
            ui::showMessage(this, name, pictureRefusedAtChoice(k, name, path, problem));
            return;
        }
        const QString qpath = ui::qs(path);
        setup_.showChosenPicture(k, qpath,
                                 picturePreview(qpath, setup_.picturePx(), setup_.devicePixelRatioF()));
    }
    finish();
}

void PictureChooser::Command2_Click() { finish(); }

void PictureChooser::finish() {
    setup_.setEnabled(true);
    hide();
}

void PictureChooser::closeEvent(QCloseEvent* e) {
    setup_.setEnabled(true);
    e->accept();
}

} // namespace tavorin::setupui
