// The board window "Map": the board's frame, the name/price switch, the button back to the main
// window and the four timers that make the pointers bob. It keeps no game state of its own: refresh()
// brings it up to date with the engine after every engine call.
#pragma once

#include <array>
#include <string>

#include <QTimer>
#include <QWidget>

#include "board/BoardView.h"
#include "engine/Game.h"

class QRadioButton;
class QPushButton;

namespace tavorin::board {

class BoardWindow : public QWidget {
    Q_OBJECT
public:
    explicit BoardWindow(Game& game, QWidget* parent = nullptr);

    BoardView& view() { return *view_; }
    void refresh();
    // Wraps the engine operations the board's mouse events cause (by default: run, then refresh).
    void setRunner(BoardView::Runner runner);
    QTimer& timer(int index) { return timers_[std::size_t(index - 1)]; } // Timer1..Timer4
    // The zoom the board is drawn at: 1 at the designed size, more when the window is made larger.
    double zoom() const { return view_->zoom(); }
    // The window's size at zoom 1.
    QSize designSize() const { return designSize_; }

signals:
    void deedRequested(int deed);
    void squareReported();
    void mainRequested();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void tick(int index);
    // Fits the board, its option frame and its button into the window, keeping the board's shape.
    void layoutBoard();
    void setNamesShown(bool shown);

    Game& game_;
    BoardView* view_;
    QRadioButton* showLabels_;
    QRadioButton* hideLabels_;
    QWidget* options_;
    QPushButton* mainButton_;
    QSize designSize_;
    std::array<QTimer, 4> timers_;
    bool timersRunning_ = false;
    PointerState lastArrow1_, lastArrow2_;
    std::string painted_; // what the board was last painted from
};

} // namespace tavorin::board
