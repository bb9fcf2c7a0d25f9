// The windows of the hall of fame: the winner window "WinForm", the list of the ten best
// "HallOfFrame" and one winner's details "HallOfFrameDetail". Their texts come from HallRecord.h;
// the windows only show them.
#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QWidget>

#include "engine/WealthHistory.h"
#include "halloffame/HallRecord.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavorin::ui {
class WealthChart;
}

namespace tavorin::halloffame {

// Congratulates the winner and lists the winner's fortune. It is the last window of a run: both of
// its ways out end the program.
class WinWindow : public QWidget {
    Q_OBJECT
public:
    explicit WinWindow(QWidget* parent = nullptr);

    void SetValueInWinForm(const HallRecord& winner);
    // The players' worths through the game, beside the winner's fortune.
    void showWealth(const std::vector<WealthPoint>& points, const GameState& s);
    // What ending the program means; tests replace it.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }
    // Offers a new game and the start window beside the ways out, for a program that listens to
    // the two requests below.
    void setNextGameAvailable(bool available);

signals:
    void hallOfFameRequested();
    void newGameRequested();
    void startWindowRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* name_;
    QLineEdit* total_;
    QLineEdit* cash_;
    QLabel* deedCount_;
    QListWidget* deeds_;
    QPushButton* newGame_;
    QPushButton* startWindow_;
    ui::WealthChart* wealth_;
    std::function<void()> quit_;
    bool leaving_ = false;
};

class HallOfFameDetailWindow : public QWidget {
    Q_OBJECT
public:
    explicit HallOfFameDetailWindow(QWidget* parent = nullptr);
    void showDetail(const HallDetail& detail);

private:
    QLabel* name_;
    QLineEdit* total_;
    QLineEdit* cash_;
    QLabel* deedCount_;
    QListWidget* deeds_;
};

// The ten best fortunes of `dir`/RecFile. It can be opened any number of times, from the start
// window, the main window and the winner window; each opening reads the file again.
class HallOfFameWindow : public QWidget {
    Q_OBJECT
public:
    explicit HallOfFameWindow(const QString& folder, QWidget* parent = nullptr);
    ~HallOfFameWindow() override;

    // Shows the window in front and fills it.
    void open();
    // Reads RecFile and fills TopList; an unreadable file is reported and lists nothing.
    void HallOfFrameShow();
    // The detail window, created the first time it is needed.
    HallOfFameDetailWindow& detailWindow();
    bool hasDetailWindow() const { return detail_ != nullptr; }

private:
    void DButton_Click();

    QString folder_;
    QListWidget* topList_;
    // The ranks as they were when the list was filled: the selected line always opens the record
    // it shows, even if another run has rewritten the file since.
    HallOfFame ranks_{};
    std::unique_ptr<HallOfFameDetailWindow> detail_;
};

} // namespace tavorin::halloffame
