// The start window "START": names a new game and goes on to the setup window, or lists the saved
// games of the game folder to load or delete one, or opens the hall of fame. Loading a game and the
// hall of fame belong to the program, which listens to the request signals and tells the window
// through the two availability properties that it does.
#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "engine/Game.h"

class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QLabel;

namespace tavorin::setupui {

class SetupWindow;

class StartWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool loadGameAvailable READ loadGameAvailable WRITE setLoadGameAvailable)
    Q_PROPERTY(bool hallOfFameAvailable READ hallOfFameAvailable WRITE setHallOfFameAvailable)
public:
    // `gameFolder` is where the saved games are listed, loaded, deleted and saved.
    explicit StartWindow(const QString& gameFolder, QWidget* parent = nullptr);
    ~StartWindow() override;

    const QString& gameFolder() const { return folder_; }
    // The setup window, created the first time it is needed.
    SetupWindow& setupWindow();
    bool hasSetupWindow() const { return setup_ != nullptr; }

    bool loadGameAvailable() const { return loadAvailable_; }
    void setLoadGameAvailable(bool available);
    bool hallOfFameAvailable() const { return hallAvailable_; }
    void setHallOfFameAvailable(bool available);

    // What ending the program means; tests replace it.
    void setQuitHandler(std::function<void()> quit);

    // While a requested load runs: the progress bar PROBAR1, 0..100.
    void setLoadProgress(int percent);
    // The loaded game is on screen: the start window is not needed again.
    void loadFinished();
    // The load was refused: its message is shown and the window is usable again.
    void loadRefused(const QString& message);

    // File1 reads the game folder again.
    void refreshFileList();
    // The player has left a game for this window: it comes back usable, the cursor where the
    // player goes next, the name of a new game or the list of saved ones.
    void showAgain(bool toLoad);
    // Called once with the setup window when it is first created, to fill it in.
    void setSetupPreparer(std::function<void(SetupWindow&)> prepare) { prepareSetup_ = std::move(prepare); }

signals:
    void newGameRequested(QString fileName, tavorin::NewGameSetup setup);
    // The chosen game's file name less ".dat", as the folder holds it: the bytes need not be UTF-8.
    void loadGameRequested(QByteArray fileName);
    void hallOfFameRequested();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void File1_Click();
    void NEWGAMEButton_Click();
    void LOADGAMEButton_Click();
    void DELETEButton_Click();
    void HallOfFrameButton_Click();
    void enableButtons(bool enabled);

    QString folder_;
    // The real name (less ".dat") of the game shown in Text2, which may show a name that is not
    // valid UTF-8 only with replacement characters.
    QByteArray chosen_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QListWidget* file1_;
    QPushButton* newGame_;
    QPushButton* loadGame_;
    QPushButton* delete_;
    QPushButton* hallOfFame_;
    QLabel* loading_;
    QProgressBar* progress_;
    std::unique_ptr<SetupWindow> setup_;
    std::function<void()> quit_;
    std::function<void(SetupWindow&)> prepareSetup_;
    bool loadAvailable_ = false;
    bool hallAvailable_ = false;
    bool loadRunning_ = false;
};

} // namespace tavorin::setupui
