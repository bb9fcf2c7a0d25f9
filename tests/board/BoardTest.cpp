// The board window: what lies on top where, what it draws for each deed, the token's hand-made
// drag and drop at the designed size and made larger, double-clicks on land, the name switch, the
// pointer timers, the refused close, labels that never hide each other's text and artwork drawn
// for the board's sizes.
#include <utility>

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "board/BoardLayout.h"
#include "board/BoardPainter.h"
#include "board/BoardWindow.h"
#include "board/StillLayer.h"
#include "engine/Game.h"
#include "tests/ui/QtSupport.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextFit.h"
#include "ui/ThaiFont.h"
#include "ui/Twips.h"

using namespace tavorin;
using namespace tavorin::board;

namespace {

// Collects the regions a widget is asked to repaint and paints them over an image, as the window
// keeps what was painted before.
class RepaintLog : public QObject {
public:
    explicit RepaintLog(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }
    void layOver(QImage& shown) {
        const QRegion region = std::exchange(pending_, QRegion());
        if (region.isEmpty()) return;
        rendering_ = true;
        widget_.render(&shown, region.boundingRect().topLeft(), region, QWidget::DrawWindowBackground);
        rendering_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == &widget_ && e->type() == QEvent::Paint && !rendering_)
            pending_ += static_cast<QPaintEvent*>(e)->region();
        return false;
    }

private:
    QWidget& widget_;
    QRegion pending_;
    bool rendering_ = false;
};
QPoint centre(const Rect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }
} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    test::ScriptedRandom random;
    test::QuietView quiet;
    QTemporaryDir pictures;
    std::unique_ptr<Game> game;
    std::unique_ptr<BoardWindow> map;

    BoardView& view() { return map->view(); }
    QPoint px(QPoint twips) { return view().toPixels(twips.x(), twips.y()); }
    // A board point as the mouse can reach it: on the nearest pixel.
    QPoint reachable(QPoint twips) {
        const QPointF t = view().scale().toTwips(QPointF(px(twips)));
        return {int(std::nearbyint(t.x())), int(std::nearbyint(t.y()))}; // halves to even, as the board does
    }
    // Carries token k from its place to a board point, as a person does with the mouse.
    void carry(int k, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint from = px(centre(tokenRect(game->state(), k)));
        QTest::mousePress(&view(), button, {}, from);
        QTest::mouseMove(&view(), px(to));
        QTest::mouseRelease(&view(), button, {}, px(to));
    }
    // A picture file of one colour, as a player may choose for his token.
    QString solidPicture(const QColor& colour) {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = pictures.filePath(colour.name().mid(1) + QStringLiteral(".png"));
        if (!image.save(path)) qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // The colour the board shows at one of its pixels.
    QColor colourAt(QPoint pixel) {
        const QImage image = view().grab().toImage();
        return image.pixelColor(pixel * image.devicePixelRatio());
    }
    // The board as a whole paint gives it, from the game and the board's look alone.
    QImage wholePaint() {
        const qreal ratio = view().devicePixelRatioF();
        QImage image(view().size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(kBoardColour);
        QPainter p(&image);
        prepareBoardPainter(p, view().scale().factor());
        paintBoard(p, BoardScene{game->state(), game->boardScreen(), view().look(), {}});
        return image;
    }
    // What the view shows now, painted whole.
    QImage shownNow() {
        const qreal ratio = view().devicePixelRatioF();
        QImage shown(view().size() * ratio, QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        // The option frame and the button are widgets of their own and are left out.
        view().render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return shown;
    }
    void stopPointers() {
        for (int i = 1; i <= 4; ++i) map->timer(i).stop();
        view().look().bob1 = view().look().bob2 = 0;
    }
    // A change of the game made through one of the paths the rules offer, after what it needs was
    // set up.
    struct Change {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> change;
    };
    std::vector<Change> changes() {
        // The changes reach the game only when they run: the data function lists their names first,
        // before any game exists.
        std::unique_ptr<Game>& g = game;
        const auto current = [&g](int player, int deed) {
            g->stateToSetUp().NV = std::uint8_t(player);
            g->stateToSetUp().Number = deed;
        };
        NewGameSetup other;
        other.numPlayers = 4;
        other.names = {"", "ต้น", "นก", "ปู", "ปลา", "", ""};
        return {
            {"land bought with a house", [=] { current(1, 7); }, [&g] { g->buyLand(true); }},
            {"a house built", [=] { current(2, 1); }, [&g] { g->buildOne(); }},
            {"land taken over", [=] { current(1, 9); }, [&g] { g->takeOver(); }},
            {"a house for the lap bonus", [=] { current(2, 0); }, [&g] { g->takeBonusHouse(1); }},
            {"pledged in the holdings window", {}, [&g] { g->mortgageDeed(2, 9); }},
            {"redeemed in the holdings window", {}, [&g] { g->redeemDeed(1, 5); }},
            {"buildings sold to the bank", {}, [&g] { g->sellBuildingsToBank(1, 1, 0); }},
            {"land sold to the bank", {}, [&g] { g->sellLandToBank(9); }},
            {"a piece sold by the computer", {}, [&g] { g->sellPieceToBank(2, 1); }},
            {"a bankruptcy", [=] { current(2, 0); }, [&g] { g->GoBankrupt(); }},
            {"a bankruptcy without land", [=] { current(1, 0); },
             [&g] {
                 g->sellLandToBank(5);
                 g->GoBankrupt();
             }},
            {"names and prices shown",
             {},
             [this] {
                 QTest::mouseClick(map->findChild<QRadioButton*>(QStringLiteral("OpgShowLabel")),
                                   Qt::LeftButton);
             }},
            {"the token carried to its square", [this] { rollSix(); },
             [this] { carry(1, centre(squareRect(6))); }},
            {"the token picked up", [this] { rollSix(); }, [&g] { g->PressToken(1); }},
            {"the pointers placed", [=] { current(2, 0); }, [&g] { g->SetArrowPictureOnMap(); }},
            {"a computer's token put down",
             [&g] {
                 g->stateToSetUp().NV = 3;
                 g->stateToSetUp().player(3).Position = 14;
             },
             [&g] { g->putComputerToken(3); }},
            {"a new game", {}, [&g, other] { g->NewGame(other); }},
            {"a position set up from outside",
             {},
             [&g] {
                 g->stateToSetUp().player(2).Name = "สมหญิงใจดี";
                 g->stateToSetUp().deed(20).Owner = 2;
                 g->stateToSetUp().tokenLeft[3] = 4000;
             }},
        };
    }
    // Rolls the current player's dice to 3 + 3 and stops them.
    void rollSix() {
        random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
        game->RunButton_Click();
        game->Timer1_Timer();
        game->Timer2_Timer();
        game->StopButton_Click();
        map->refresh();
    }

private slots:
    void init() {
        random = {};
        game = std::make_unique<Game>(random, quiet);
        NewGameSetup setup;
        setup.numPlayers = 3;
        setup.computer[3] = true;
        game->NewGame(setup);
        map = std::make_unique<BoardWindow>(*game);
        map->show();
        QVERIFY(QTest::qWaitForWindowExposed(map.get()));
    }
    void cleanup() {
        map.reset();
        game.reset();
    }

    void itemAtFindsTheTopmostElement_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        const Rect sq6 = squareRect(6);
        QTest::newRow("middle of a land square")
            << sq6.left + 500 << sq6.top + 500 << int(ItemKind::Square) << 6;
        QTest::newRow("deed number over its square")
            << sq6.left + 20 << sq6.top + 20 << int(ItemKind::Label) << 5;
        QTest::newRow("caption of a fate square") << 7900 << 5200 << int(ItemKind::Label) << 0;
        QTest::newRow("token over the start square") << 10100 << 7000 << int(ItemKind::Token) << 1;
        QTest::newRow("empty board") << 5800 << 6000 << int(ItemKind::Nothing) << 0;
        QTest::newRow("hidden price label is not there") << 4700 << 6300 << int(ItemKind::Square) << 6;
    }
    void itemAtFindsTheTopmostElement() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, kind);
        QFETCH(int, index);
        const Item item = itemAt(game->state(), game->boardScreen(), BoardLook{}, x, y);
        QCOMPARE(int(item.kind), kind);
        QCOMPARE(item.index, index);
    }

    void ownedLandIsCoveredByItsPictureAndOwner() {
        const Rect sq6 = squareRect(6);
        const QPoint picture(sq6.left + 800, sq6.top + 100), owner(sq6.left + 800, sq6.top + 450);
        QCOMPARE(itemAt(game->state(), game->boardScreen(), {}, picture.x(), picture.y()).kind,
                 ItemKind::Square);
        game->addDeed(2, 5);
        QCOMPARE(itemAt(game->state(), game->boardScreen(), {}, picture.x(), picture.y()),
                 (Item{ItemKind::Development, 5}));
        QCOMPARE(itemAt(game->state(), game->boardScreen(), {}, owner.x(), owner.y()),
                 (Item{ItemKind::Label, 5}));
        BoardLook names;
        names.namesShown = true;
        const Rect price = priceLabelRect(5);
        QCOMPARE(itemAt(game->state(), game->boardScreen(), names, price.left + 10, price.top + 100).kind,
                 ItemKind::Label);
    }

    void developmentPictureFollowsOwnershipMortgageAndBuildings_data() {
        QTest::addColumn<int>("owner");
        QTest::addColumn<int>("mortgaged");
        QTest::addColumn<int>("houses");
        QTest::addColumn<int>("towers");
        QTest::addColumn<int>("picture");
        QTest::newRow("unowned, whatever stands on it") << 0 << int(kTrue) << 3 << 1 << -1;
        QTest::newRow("owned, bare") << 1 << 0 << 0 << 0 << 0;
        QTest::newRow("owned, three houses") << 1 << 0 << 3 << 0 << 3;
        QTest::newRow("tower") << 1 << 0 << 4 << 1 << 5;
        QTest::newRow("mortgaged with buildings") << 2 << int(kTrue) << 4 << 1 << 6;
    }
    void developmentPictureFollowsOwnershipMortgageAndBuildings() {
        QFETCH(int, owner);
        QFETCH(int, mortgaged);
        QFETCH(int, houses);
        QFETCH(int, towers);
        QFETCH(int, picture);
        DeedRecord d;
        d.Owner = std::int16_t(owner);
        d.Mortgaged = std::int16_t(mortgaged);
        d.Houses = std::int16_t(houses);
        d.Towers = std::int16_t(towers);
        QCOMPARE(developmentPicture(d), picture);
        QCOMPARE(ownerShown(d), owner != 0);
    }

    void ownerCalledLikeTheNoOwnerMarkerIsStillShown() {
        game->stateToSetUp().player(1).Name = "12345abcde54321";
        game->addDeed(1, 7);
        QVERIFY(ownerShown(game->state().deed(7)));
    }

    // The drop is found through the same scale the board is drawn at, however large the window.
    void wrongSquareLeavesTheTokenAndTheRightOneReportsOnce_data() {
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::newRow("100 %") << 1.0 << 1.0;
        QTest::newRow("200 %") << 2.0 << 2.0;
        QTest::newRow("200 % in a wider window") << 2.5 << 2.0;
    }
    void wrongSquareLeavesTheTokenAndTheRightOneReportsOnce() {
        QFETCH(double, across);
        QFETCH(double, down);
        const QSize designed = map->size();
        map->resize(int(designed.width() * across), int(designed.height() * down));
        QCOMPARE(map->zoom(), std::min(across, down));
        // The whole board is drawn larger, centred in what the window has to spare.
        const ui::TwipScale scale(map->logicalDpiX(), map->zoom());
        QCOMPARE(view().size(), QSize(scale.pxRound(kFrame.width), scale.pxRound(kFrame.height)));
        QVERIFY(qAbs(view().x() - (map->width() - view().width()) / 2) <= scale.pxRound(kFrame.left) + 1);
        rollSix(); // player 1 to square 6, deed 5
        const Rect before = tokenRect(game->state(), 1);
        carry(1, centre(squareRect(5)));
        QVERIFY(!view().dragging());
        QCOMPARE(tokenRect(game->state(), 1).left, before.left);
        QCOMPARE(int(game->state().Continue), 0);

        QSignalSpy reported(&view(), &BoardView::squareReported);
        const QPoint drop(squareRect(6).left + 600, squareRect(6).top + 500);
        carry(1, drop);
        QCOMPARE(reported.count(), 1);
        QVERIFY(game->screen()[Ctl::FreeLandFrame].visible);
        QCOMPARE(int(game->state().Continue), 1);
        // The grab point stays under the pointer.
        const QPoint grab = reachable(centre(before)) - QPoint(before.left, before.top);
        QCOMPARE(int(game->state().tokenLeft[1]), reachable(drop).x() - grab.x());
        QCOMPARE(int(game->state().tokenTop[1]), reachable(drop).y() - grab.y());

        carry(1, QPoint(squareRect(6).left + 700, squareRect(6).top + 600));
        QCOMPARE(reported.count(), 1);
        QCOMPARE(int(game->state().Continue), 1);
    }

    // A drop counts wherever inside the target square it is let go, whatever lies on top there
    // (deed 5 is player 2's with two houses, and player 2's token stands on it); a pixel outside
    // the square puts the token back.
    void dropCountsAnywhereInsideTheTargetSquare_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("pointer"); // the target pointer shown at the drop
        QTest::addColumn<int>("over");     // what the board holds on top there
        QTest::addColumn<bool>("counts");
        const Rect sq = squareRect(6);
        const int label = int(ItemKind::Label);
        QTest::newRow("deed number") << sq.left + 30 << sq.top + 30 << false << label << true;
        QTest::newRow("house picture")
            << sq.left + 900 << sq.top + 150 << true << int(ItemKind::Development) << true;
        QTest::newRow("owner label") << sq.left + 900 << sq.top + 480 << true << label << true;
        QTest::newRow("another token")
            << sq.left + 400 << sq.top + 550 << true << int(ItemKind::Token) << true;
        QTest::newRow("target pointer")
            << sq.left + 200 << sq.top + 200 << true << int(ItemKind::Pointer) << true;
        QTest::newRow("bare square") << sq.left + 960 << sq.top + 680 << true << int(ItemKind::Square)
                                     << true;
        QTest::newRow("just left of it")
            << sq.left - 30 << sq.top + 400 << true << int(ItemKind::Nothing) << false;
        QTest::newRow("just below it")
            << sq.left + 500 << sq.top + sq.height + 30 << true << int(ItemKind::Nothing) << false;
    }
    void dropCountsAnywhereInsideTheTargetSquare() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, pointer);
        QFETCH(int, over);
        QFETCH(bool, counts);
        game->addDeed(2, 5);
        game->stateToSetUp().deed(5).Houses = 2;
        game->stateToSetUp().tokenLeft[2] = std::int16_t(squareRect(6).left + 150);
        game->stateToSetUp().tokenTop[2] = std::int16_t(squareRect(6).top + 300);
        rollSix(); // player 1 to square 6
        for (int i = 1; i <= 4; ++i) map->timer(i).stop();
        view().look().bob2 = 0;
        QTest::mousePress(&view(), Qt::LeftButton, {}, px(centre(tokenRect(game->state(), 1))));
        QCOMPARE(view().draggedPlayer(), 1);
        game->boardToSetUp().arrow2.visible = pointer;
        const QPoint at = reachable(QPoint(x, y));
        QCOMPARE(int(itemAt(game->state(), game->boardScreen(), view().look(), at.x(), at.y()).kind), over);

        QSignalSpy reported(&view(), &BoardView::squareReported);
        QTest::mouseMove(&view(), px(QPoint(x, y)));
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, px(QPoint(x, y)));
        QVERIFY(!view().dragging());
        QCOMPARE(reported.count(), counts ? 1 : 0);
        QCOMPARE(int(game->state().Continue), counts ? 1 : 0);
        QCOMPARE(int(game->state().tokenLeft[1]) != kTokenHome[1][0], counts);
    }

    // A press lifts the current player's token wherever it lies under the pointer, even below
    // another token; a computer's token (player 3's) is never lifted and hides nothing below it.
    void pressLiftsTheCurrentPlayersTokenEvenWhenCovered_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("covered");
        QTest::addColumn<int>("cover");
        QTest::addColumn<int>("lifted");
        QTest::newRow("current person under a computer") << 1 << 1 << 3 << 1;
        QTest::newRow("current person under another person") << 1 << 1 << 2 << 1;
        QTest::newRow("current person over another person") << 2 << 1 << 2 << 2;
        QTest::newRow("another person under a computer") << 1 << 2 << 3 << 2;
        QTest::newRow("computer's turn: the person on top") << 3 << 1 << 2 << 2;
    }
    void pressLiftsTheCurrentPlayersTokenEvenWhenCovered() {
        QFETCH(int, current);
        QFETCH(int, covered);
        QFETCH(int, cover);
        QFETCH(int, lifted);
        game->stateToSetUp().NV = std::uint8_t(current);
        const Rect place = squareRect(14);
        for (int k : {covered, cover}) {
            game->stateToSetUp().tokenLeft[std::size_t(k)] = std::int16_t(place.left + 300);
            game->stateToSetUp().tokenTop[std::size_t(k)] = std::int16_t(place.top + 200);
        }
        map->refresh();
        const QPoint at = px(centre(tokenRect(game->state(), covered)));
        QTest::mousePress(&view(), Qt::LeftButton, {}, at);
        QCOMPARE(view().draggedPlayer(), lifted);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, at);
    }

    // The case that stalled a game: the person's token entirely under a computer's token, which
    // the computer put down on the same spot, is still carried to its square.
    void personsTokenUnderAComputersIsStillCarried() {
        game->stateToSetUp().tokenLeft[3] = game->stateToSetUp().tokenLeft[1];
        game->stateToSetUp().tokenTop[3] = game->stateToSetUp().tokenTop[1];
        rollSix();
        QSignalSpy reported(&view(), &BoardView::squareReported);
        carry(1, centre(squareRect(6)));
        QCOMPARE(reported.count(), 1);
        QVERIFY(game->screen()[Ctl::FreeLandFrame].visible);
        QVERIFY(contains(squareRect(6), game->state().tokenLeft[1] + kTokenSize / 2,
                         game->state().tokenTop[1] + kTokenSize / 2));
    }

    // A bankrupt player's token leaves the board: it is not drawn and cannot be picked up.
    void bankruptPlayersTokenLeavesTheBoard() {
        const QColor own(17, 201, 233);
        game->stateToSetUp().LP[2] = kTrue;
        game->stateToSetUp().LPName[2] = ui::toUtf8(solidPicture(own));
        map->refresh();
        const QPoint token2 = px(centre(tokenRect(game->state(), 2)));
        QCOMPARE(colourAt(token2), own);

        game->stateToSetUp().NV = 2;
        game->GoBankrupt();
        game->stateToSetUp().NV = 1;
        map->refresh();
        QVERIFY(colourAt(token2) != own);
        QVERIFY(itemAt(game->state(), game->boardScreen(), view().look(),
                       centre(tokenRect(game->state(), 2)).x(), centre(tokenRect(game->state(), 2)).y())
                    .kind != ItemKind::Token);
        QTest::mousePress(&view(), Qt::LeftButton, {}, token2);
        QCOMPARE(view().draggedPlayer(), 0);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, token2);
    }

    // While a token is carried, the icon under the pointer is the player's own picture.
    void dragIconIsThePlayersOwnPicture() {
        const QColor own(17, 201, 233);
        game->stateToSetUp().LP[1] = kTrue;
        game->stateToSetUp().LPName[1] = ui::toUtf8(solidPicture(own));
        map->refresh();
        const QPoint away = px(centre(squareRect(20)));
        QVERIFY(colourAt(away) != own);
        QTest::mousePress(&view(), Qt::LeftButton, {}, px(centre(tokenRect(game->state(), 1))));
        QTest::mouseMove(&view(), away);
        QCOMPARE(view().draggedPlayer(), 1);
        QCOMPARE(colourAt(away), own);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, away);
    }

    void computerTokenCannotBePickedUp() {
        const QPoint token = px(centre(tokenRect(game->state(), 3)));
        QTest::mousePress(&view(), Qt::LeftButton, {}, token);
        QVERIFY(!view().dragging());
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, token);
    }

    void pressingTheTokenAfterTheRollShowsTheTargetPointer() {
        const QPoint token = px(centre(tokenRect(game->state(), 1)));
        QTest::mousePress(&view(), Qt::RightButton, {}, token);
        QVERIFY(view().dragging());
        QVERIFY(!game->boardScreen().arrow2.visible); // not rolled yet
        QTest::mouseRelease(&view(), Qt::RightButton, {}, token);
        rollSix();
        QVERIFY(game->boardScreen().arrow1.visible);
        QTest::mousePress(&view(), Qt::LeftButton, {}, token);
        QVERIFY(!game->boardScreen().arrow1.visible);
        QVERIFY(game->boardScreen().arrow2.visible);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, token);
    }

    void doubleClickOnLandAsksForItsDeed_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("deed");
        QTest::newRow("first land square") << 1 << 1;
        QTest::newRow("last land square") << 39 << 29;
        QTest::newRow("a treasure square") << 2 << 0;
        QTest::newRow("the relax square") << 20 << 0;
    }
    void doubleClickOnLandAsksForItsDeed() {
        QFETCH(int, square);
        QFETCH(int, deed);
        QSignalSpy asked(&view(), &BoardView::deedRequested);
        QTest::mouseDClick(&view(), Qt::LeftButton, {}, px(centre(squareRect(square))));
        if (deed == 0) {
            QCOMPARE(asked.count(), 0);
        } else {
            QCOMPARE(asked.count(), 1);
            QCOMPARE(asked.front().front().toInt(), deed);
        }
    }

    void nameSwitchShowsAndHidesNamesAndPrices() {
        auto* show = map->findChild<QRadioButton*>(QStringLiteral("OpgShowLabel"));
        auto* hide = map->findChild<QRadioButton*>(QStringLiteral("OpgHideLabel"));
        QVERIFY(show && hide);
        QVERIFY(hide->isChecked());
        QVERIFY(!game->state().namesShown);
        QTest::mouseClick(show, Qt::LeftButton);
        QVERIFY(game->state().namesShown);
        QVERIFY(view().look().namesShown);
        QTest::mouseClick(hide, Qt::LeftButton);
        QVERIFY(!game->state().namesShown);
    }

    void pointerTimersFollowTheRules() {
        QVERIFY(!map->timer(1).isActive());
        QVERIFY(!map->timer(2).isActive());
        QVERIFY(map->timer(3).isActive());
        QVERIFY(map->timer(4).isActive());
        for (int i = 1; i <= 4; ++i) QCOMPARE(map->timer(i).interval(), 400);
        rollSix();
        for (int i = 1; i <= 4; ++i) QVERIFY(map->timer(i).isActive());
        // Each pair hands over: the target pointer bobs up-left and back.
        QTRY_COMPARE_WITH_TIMEOUT(view().look().bob2, -100, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(view().look().bob2, 0, 5000);
        game->PressToken(1);
        game->DropToken(1, 6, 500, 500, 0, 0);
        map->refresh();
        for (int i = 1; i <= 4; ++i) QVERIFY(!map->timer(i).isActive());
    }

    // The board is shown from its still layer, painted once, and only the pointers' areas are
    // painted again as they bob. What the view paints for each region it is asked to repaint, laid
    // over what it showed before as the window keeps it, is what a whole paint of the board gives,
    // at the screen's density (board_tests_200 runs this at 200 %).
    void boardShownFromItsStillLayerIsTheWholePaint() {
        game->stateToSetUp().player(2).Name = "สมหญิงใจดี";
        game->stateToSetUp().deed(3).Owner = 2;
        game->stateToSetUp().deed(3).Houses = 2;
        rollSix();
        QImage shown = shownNow();
        QCOMPARE(shown, wholePaint());

        RepaintLog log(view());
        const auto shownIsWhole = [&] {
            log.layOver(shown);
            return shown == wholePaint();
        };
        for (int bob : {-kPointerBob, 0, -kPointerBob}) {
            QTRY_COMPARE_WITH_TIMEOUT(view().look().bob2, bob, 5000);
            // The pointers held still while the repaints asked for so far arrive.
            std::vector<int> running;
            for (int i = 1; i <= 4; ++i)
                if (map->timer(i).isActive()) {
                    running.push_back(i);
                    map->timer(i).stop();
                }
            QTRY_VERIFY_WITH_TIMEOUT(shownIsWhole(), 1000);
            for (int i : running) map->timer(i).start();
        }
        // What the game changes, and the outline of a carried token's square, show at once.
        game->stateToSetUp().deed(3).Mortgaged = kTrue;
        map->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(shownIsWhole(), 1000);
        game->stateToSetUp().tokenLeft[1] += 400;
        map->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(shownIsWhole(), 1000);
        view().look().outlinedSquare = 6;
        view().update();
        QTRY_VERIFY_WITH_TIMEOUT(shownIsWhole(), 1000);
    }

    // Whatever path a change of the game takes, the board shows it once it is refreshed: what the
    // view paints for the regions it is asked to repaint, laid over what it showed before, is what a
    // whole paint of the changed game gives.
    void everyChangeShowsAtTheNextRefresh_data() {
        QTest::addColumn<int>("change");
        const std::vector<Change> all = changes();
        for (std::size_t i = 0; i < all.size(); ++i) QTest::newRow(all[i].name) << int(i);
    }
    void everyChangeShowsAtTheNextRefresh() {
        QFETCH(int, change);
        const Change c = changes()[std::size_t(change)];
        // Player 2 holds deed 1 with two houses and the pair deed 9, player 1 holds deed 5 pledged.
        game->addDeed(2, 1);
        game->addDeed(2, 9);
        game->addDeed(1, 5);
        game->stateToSetUp().deed(1).Houses = 2;
        game->stateToSetUp().deed(5).Mortgaged = kTrue;
        if (c.prepare) c.prepare();
        map->refresh();
        stopPointers();
        // What was asked for so far is painted before the change.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QImage shown = shownNow();
        const QImage before = shown;
        QCOMPARE(shown, wholePaint());
        RepaintLog log(view());
        c.change();
        map->refresh();
        stopPointers();
        QVERIFY(wholePaint() != before); // the change is one the board shows
        QTRY_VERIFY_WITH_TIMEOUT((log.layOver(shown), shown == wholePaint()), 1000);
    }

    // With every deed owned by players with long names and the names and prices shown, no label
    // covers the text of a label painted before it, and every deed's name is shown whole.
    void labelsNeverHideEachOthersText() {
        game->stateToSetUp().player(1).Name = "สมหญิงใจดีมากมายจริงๆ";
        game->stateToSetUp().player(2).Name = "Computer";
        for (int d = 1; d <= kDeeds; ++d) game->addDeed(1 + d % 3, d);
        QTest::mouseClick(map->findChild<QRadioButton*>(QStringLiteral("OpgShowLabel")), Qt::LeftButton);
        const std::vector<BoardLabel> labels = boardLabels(game->state(), view().look());
        QCOMPARE(labels.size(), std::size_t(10 + 4 * kDeeds));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const QRectF ink = labelInk(labels[i]);
            QVERIFY2(ui::rectF(labels[i].rect).contains(ink), qPrintable(labels[i].text));
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                const QRectF over = ui::rectF(labels[j].rect).intersected(ink);
                QVERIFY2(over.width() <= 0 || over.height() <= 0,
                         qPrintable(labels[j].text + QStringLiteral(" covers ") + labels[i].text));
            }
        }
        for (int d = 1; d <= kDeeds; ++d) {
            const Rect r = nameLabelRect(d, view().look().nameWidth[std::size_t(d)]);
            const ui::FittedText fit = ui::fitText(ui::qs(game->state().deed(d).Name), ui::thaiPixelFont(165),
                                                   QSizeF(r.width, r.height), 12, 0.8);
            QCOMPARE(fit.text, ui::qs(game->state().deed(d).Name));
        }
    }

    // Each picture's artwork is drawn for the box the board gives it, so nothing is stretched.
    void artworkHasTheBoardsSizes() {
        auto viewBox = [](ui::PictureId id) {
            return QSvgRenderer(ui::picturePath(id)).viewBoxF().size().toSize();
        };
        for (int n = 0; n < kSquares; ++n)
            QCOMPARE(viewBox(ui::PictureId::square(n)), QSize(squareRect(n).width, squareRect(n).height));
        for (int d = 0; d <= int(ui::Development::Mortgaged); ++d)
            QCOMPARE(viewBox(ui::PictureId::development(ui::Development(d))), QSize(375, 375));
        for (int k = 1; k <= kMaxPlayers; ++k)
            QCOMPARE(viewBox(ui::PictureId::token(k)), QSize(kTokenSize, kTokenSize));
        for (int a = 1; a <= 2; ++a)
            QCOMPARE(viewBox(ui::PictureId::pointer(a)), QSize(kPointerSize, kPointerSize));
    }

    // Without its artwork files the board still shows every square, drawn in code.
    void squaresAreDrawnEvenWithoutTheirArtwork() {
        ui::setArtworkRoot(QStringLiteral("/nonexistent/art"));
        const QImage board = view().grab().toImage();
        ui::setArtworkRoot({});
        const QColor boardColour = board.pixelColor(px(QPoint(5800, 6000)) * board.devicePixelRatio());
        for (int n = 0; n < kSquares; ++n) {
            const Rect r = squareRect(n);
            const QPoint middle =
                px(QPoint(r.left + r.width / 2, r.top + r.height / 3)) * board.devicePixelRatio();
            QVERIFY2(board.pixelColor(middle) != boardColour, qPrintable(QStringLiteral("square %1").arg(n)));
        }
    }

    void closingTheBoardIsRefused() {
        QVERIFY(!map->close());
        QVERIFY(map->isVisible());
    }

    void mainButtonAsksForTheMainWindow() {
        QSignalSpy asked(map.get(), &BoardWindow::mainRequested);
        auto* button = map->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("หน้าจอเกม"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
