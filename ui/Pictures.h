// Every picture the game shows comes from here: the artwork compiled into the program (SVG,
// rendered lazily at the size and pixel density asked for, and kept for the next paint), with a
// plain drawing in code for the few pictures the game cannot do without should a file be missing.
#pragma once

#include <cstdint>
#include <vector>

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace tavorin::ui {

// What stands on a piece of land: 0..4 houses, a tower, or the mortgage mark.
enum class Development { Houses0, Houses1, Houses2, Houses3, Houses4, Tower, Mortgaged };

enum class PictureKind : std::uint8_t {
    Square,           // index: the square, 0..39
    Development,      // index: the Development value
    Token,            // index: the player, 1..6
    DragIcon,         // index: the player, 1..6
    Pointer,          // index: 1 points at the token to pick up, 2 at the square to put it on
    DieFace,          // index: (die - 1) * 6 + face, die 1..2, face 1..6
    StartBackground,  // the start window's picture
    Winner,           // the winner window's picture
    HallOfFame,       // the list of the ten best
    HallOfFameDetail, // one winner's details
    AppIcon,
};

struct PictureId {
    PictureKind kind;
    int index = 0;
    bool operator==(const PictureId&) const = default;

    static PictureId square(int n) { return {PictureKind::Square, n}; }
    static PictureId development(Development d) { return {PictureKind::Development, int(d)}; }
    static PictureId token(int player) { return {PictureKind::Token, player}; }
    static PictureId dragIcon(int player) { return {PictureKind::DragIcon, player}; }
    static PictureId pointer(int which) { return {PictureKind::Pointer, which}; }
    static PictureId dieFace(int die, int face) { return {PictureKind::DieFace, (die - 1) * 6 + face}; }
};

// Every picture the game names, in a fixed order.
std::vector<PictureId> allPictures();

// Where a picture's artwork lives (a resource path such as ":/art/squares/square-07.svg").
QString picturePath(PictureId id);

// The size the game shows a picture at, in pixels at 96 dpi: the board's pictures at their size in
// twips divided by 15, the others at the size of their image boxes.
QSize pictureSize(PictureId id);

// The picture at `logicalSize`, sharp on a screen of `devicePixelRatio` (0: the application's).
// A missing or unreadable artwork file gives the drawing in code, or a null pixmap for the pictures
// that have none (the squares, whose drawing belongs to the board, and the windows' pictures).
QPixmap picture(PictureId id, QSize logicalSize, qreal devicePixelRatio = 0);

// Draws a picture into `r`, in the painter's coordinates (twips on the board), rendered for the
// pixels it lands on rather than stretched. Returns false when there was nothing to draw.
bool drawPicture(QPainter& p, PictureId id, const QRectF& r);

// Whether the artwork file of `id` is there (a picture without it falls back to its code drawing).
bool hasArtwork(PictureId id);

// The program's icon, at every size a desktop asks for.
QIcon appIcon();

// Reads the artwork from another folder laid out like assets/ (an empty string: the compiled-in
// artwork again). Lets the tests take the files away, and an artist try a drawing without a build.
void setArtworkRoot(const QString& root);

// Six colours that stay distinct next to each other and on every square.
QColor tokenColour(int player);
QPixmap tokenDragIcon(int player); // 32 x 32 pixels
// Face 1..6 of die 1 or 2, `sizePx` pixels square.
QPixmap dieFacePixmap(int die, int face, int sizePx);
QPixmap dieFacePixmap(int face, int sizePx);

} // namespace tavorin::ui
