// The picture chooser "LoadFromFile": browses drives and folders for a picture file and hands its full
// path and a preview back to the setup window's row of the player it was opened for (PlayerLFF).
// It is hidden, not destroyed, after a choice, so it opens again where the player left it.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tavorin::setupui {

class SetupWindow;

class PictureChooser : public QWidget {
    Q_OBJECT
public:
    PictureChooser(SetupWindow& setup, const QString& startFolder, QWidget* parent = nullptr);

    // The folder whose files File1 lists (Dir1's current folder).
    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);

    // The drives Drive1 offers: the file-system roots, and the home folder where there are no drive
    // letters. Tests give their own.
    void setDrives(const QStringList& drives);
    // A drive chosen in Drive1; an unreadable one asks to retry or falls back to Dir1's drive.
    void Drive1_Change(int index);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void listFolders();
    void listFiles();
    void selectDriveOfFolder();
    void Command1_Click();
    void Command2_Click();
    void finish();

    SetupWindow& setup_;
    QString folder_;
    QStringList drives_;
    QLineEdit* text1_;
    QListWidget* file1_;
    QListWidget* dir1_;
    QComboBox* drive1_;
};

} // namespace tavorin::setupui
