// The board's ground (its squares, labels and buildings) painted once into a pixmap and shown from
// it until the game changes what lies there. The pointers bob several times a second and a token
// moves at every turn; shaping every Thai label of the board anew for each would keep the processor
// busy while the game waits.
#pragma once

#include <array>
#include <cstdint>

#include <QPixmap>
#include <QSize>
#include <QString>

#include "board/BoardPainter.h"

namespace tavorin::board {

// How the board is painted: antialiased, in twips scaled by `factor` pixels to the twip.
void prepareBoardPainter(QPainter& p, double factor);

class StillLayer {
public:
    // The ground of `scene`, `size` pixels of `ratio` device pixels each, painted at `factor`.
    const QPixmap& pixmap(const BoardScene& scene, QSize size, qreal ratio, double factor);

private:
    // What pixmap_ was painted from: the game's changes of the ground counted by the rules, what the
    // board's look adds to it, the pixmap's measures and the artwork's folder (tests and artists
    // switch it while the board is up).
    struct Painted {
        std::uint64_t groundRevision = 0;
        bool namesShown = false;
        int outlinedSquare = -1;
        std::array<int, kDeeds + 1> nameWidth{};
        QSize size;
        qreal ratio = 0;
        double factor = 0;
        QString artwork;
        bool operator==(const Painted&) const = default;
    };
    QPixmap pixmap_;
    Painted painted_;
};

} // namespace tavorin::board
