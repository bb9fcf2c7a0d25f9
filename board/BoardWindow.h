// The board window "Map": the board's frame, the name/price switch, the button back to the main
// window and the four timers that make the pointers bob. It keeps no game state of its own: refresh()
// brings it up to date with the engine after every engine call.
#pragma once

#include <array>
#include <cstdint>
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
    // Where the tokens and the pointers stand, in twips, with what tells their pictures apart.
    struct Piece {
        bool shown = false;
        Rect rect{};
        std::int16_t own = 0; // the player's own picture: LP and LPName
        std::string picture;
    };
    using Pieces = std::array<Piece, kMaxPlayers + 3>; // the tokens 1..6, the pointers 7 and 8
    Pieces pieces() const;
    // The deeds' name labels measured anew for the names that changed: measuring Thai text is slow.
    void measureNames();
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
    // What the board was last painted from: the rules' revisions (BoardScreen), the tokens and
    // pointers, and the names its labels were measured for.
    bool painted_ = false;
    std::uint64_t paintedRevision_ = 0;
    std::uint64_t paintedGround_ = 0;
    Pieces paintedPieces_;
    std::array<std::string, kDeeds + 1> measuredNames_;
};

} // namespace tavorin::board
