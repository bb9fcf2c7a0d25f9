#include "board/BoardPicture.h"

#include <cmath>

#include <QPainter>

#include "board/BoardPainter.h"
#include "engine/Game.h"

namespace tavorin::board {

namespace {
// The example game asks nothing of anyone.
class QuietView final : public MainView {
public:
    MsgResult messageBox(std::string_view, std::string_view, MsgButtons, MsgIcon) override {
        return MsgResult::Ok;
    }
};

void standOn(Game& game, int player, int square, int r1, int r2) {
    game.stateToSetUp().player(player).Position = std::uint8_t(square);
    game.placeTokenInSquare(player, square, r1, r2);
}
} // namespace

QImage exampleBoardPicture(int width) {
    SeededRandom random(1);
    QuietView view;
    Game game(random, view);
    NewGameSetup setup;
    setup.numPlayers = 3;
    setup.names = {"", "ต้น", "นก", "ปู", "", "", ""};
    game.NewGame(setup);
    GameState& s = game.stateToSetUp();
    game.addDeed(1, 1);
    s.deed(1).Houses = 2;
    game.addDeed(1, 2);
    game.addDeed(2, 3);
    game.addDeed(2, 4);
    game.addDeed(2, 8);
    s.deed(8).Houses = 4;
    s.deed(8).Towers = 1;
    game.addDeed(3, 6);
    s.deed(6).Mortgaged = kTrue;
    game.addDeed(3, 26);
    s.deed(26).Houses = 1;
    standOn(game, 2, 12, 2, 2);
    standOn(game, 3, 27, 3, 1);
    // The first player has thrown a 6 from the start: his token waits there for the hand.
    s.NV = 1;
    s.player(1).Position = 6;
    game.SetArrowPictureOnMap();
    game.boardToSetUp().arrow2.visible = true;

    const double factor = double(width) / kFrame.width;
    QImage image(width, int(std::lround(kFrame.height * factor)), QImage::Format_ARGB32_Premultiplied);
    image.fill(kBoardColour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
    const BoardLook look;
    paintBoard(p, BoardScene{s, game.boardScreen(), look, {}});
    return image;
}

QImage boardPiece(ui::PictureId id, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ui::drawPicture(p, id, QRectF(0, 0, size, size));
    return image;
}

} // namespace tavorin::board
