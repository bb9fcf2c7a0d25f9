// The board's ground (its squares, labels and buildings) painted once into a pixmap and shown from
// it until the game changes what lies there. The pointers bob several times a second and a token
// moves at every turn; shaping every Thai label of the board anew for each would keep the processor
// busy while the game waits.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include <QPixmap>
#include <QSize>

#include "board/BoardPainter.h"
#include "engine/Text.h"

namespace tavorin::board {

// Numbers and texts run together into one text, to tell by comparing it whether any of them changed.
class StateText {
public:
    StateText() { text_.reserve(1024); }
    void add(std::int64_t v) {
        appendNumber(text_, v);
        text_ += ',';
    }
    void add(const std::string& t) {
        text_ += t;
        text_ += '\x1f';
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// How the board is painted: antialiased, in twips scaled by `factor` pixels to the twip.
void prepareBoardPainter(QPainter& p, double factor);

class StillLayer {
public:
    // The ground of `scene`, `size` pixels of `ratio` device pixels each, painted at `factor`.
    const QPixmap& pixmap(const BoardScene& scene, QSize size, qreal ratio, double factor);

private:
    QPixmap pixmap_;
    std::string painted_; // what pixmap_ was painted from
};

} // namespace tavorin::board
