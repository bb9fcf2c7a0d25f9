#include "board/BoardWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>

#include "board/BoardPainter.h"
#include "ui/ControlNames.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextFit.h"
#include "ui/ThaiFont.h"

namespace tavorin::board {

namespace {
constexpr int kPointerInterval = 400; // ms

bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// The rectangle a pointer covers wherever its bob takes it.
Rect bobbingRect(const PointerState& pointer) {
    const Rect r = pointerRect(pointer, -kPointerBob);
    return {r.left, r.top, r.width + kPointerBob, r.height + kPointerBob};
}
} // namespace

BoardWindow::BoardWindow(Game& game, QWidget* parent) : QWidget(parent, Qt::Window), game_(game) {
    setObjectName(QStringLiteral("Map"));
    setWindowTitle(QStringLiteral("Map"));
    setFont(ui::thaiFont(10));
    setWindowIcon(ui::appIcon());
    // Around a board stretched into a window of another shape lies the board's own colour.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBoardColour);
    setPalette(pal);
    const ui::TwipScale scale(logicalDpiX());
    designSize_ = QSize(scale.pxRound(kWindowClient.width), scale.pxRound(kWindowClient.height));
    // Three quarters of the designed size is as small as the names stay legible.
    setMinimumSize(designSize_ * 3 / 4);
    view_ = new BoardView(game, this);

    options_ = new QGroupBox(view_);
    options_->setObjectName(QStringLiteral("Frame2"));
    showLabels_ = new QRadioButton(QStringLiteral("แสดงชื่อ"), options_);
    showLabels_->setObjectName(QStringLiteral("OpgShowLabel"));
    hideLabels_ = new QRadioButton(QStringLiteral("ซ่อนชื่อ"), options_);
    hideLabels_->setObjectName(QStringLiteral("OpgHideLabel"));
    connect(showLabels_, &QRadioButton::clicked, this, [this] { setNamesShown(true); });
    connect(hideLabels_, &QRadioButton::clicked, this, [this] { setNamesShown(false); });

    mainButton_ = new QPushButton(QStringLiteral("หน้าจอเกม"), view_);
    mainButton_->setObjectName(QStringLiteral("Command1"));
    connect(mainButton_, &QPushButton::clicked, this, &BoardWindow::mainRequested);
    resize(designSize_);
    layoutBoard();
    ui::nameControls(*this, {{"Frame1", "กระดาน"}});

    connect(view_, &BoardView::deedRequested, this, &BoardWindow::deedRequested);
    connect(view_, &BoardView::squareReported, this, &BoardWindow::squareReported);
    setRunner({});

    for (int i = 1; i <= 4; ++i) {
        QTimer& t = timer(i);
        t.setParent(this);
        t.setObjectName(QStringLiteral("Timer%1").arg(i));
        t.setInterval(kPointerInterval);
        connect(&t, &QTimer::timeout, this, [this, i] { tick(i); });
    }
    // As designed: the target pointer's pair runs from the start, the token pointer's pair waits.
    timer(3).start();
    timer(4).start();
    // The names and prices are hidden until someone asks for them.
    game_.showNames(false);
    refresh();
}

void BoardWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutBoard();
}

void BoardWindow::layoutBoard() {
    const double zoom =
        std::min(double(width()) / designSize_.width(), double(height()) / designSize_.height());
    view_->setZoom(zoom);
    const ui::TwipScale scale(logicalDpiX(), zoom);
    // The board keeps its shape; what the window has to spare is shared out evenly on both sides.
    const QPoint margin((width() - scale.pxRound(kWindowClient.width)) / 2,
                        (height() - scale.pxRound(kWindowClient.height)) / 2);
    view_->move(margin + QPoint(scale.pxRound(kFrame.left), scale.pxRound(kFrame.top)));
    const QFont font = ui::thaiFont(10 * zoom);
    options_->setFont(font);
    mainButton_->setFont(font);
    options_->setGeometry(view_->toPixels(kOptionFrame));
    // The option buttons sit inside the frame, so their twips are scaled but not moved by it.
    showLabels_->setGeometry(
        QRect(QPoint(scale.pxRound(kShowLabelOption.left), scale.pxRound(kShowLabelOption.top)),
              QSize(scale.pxRound(kShowLabelOption.width), scale.pxRound(kShowLabelOption.height))));
    hideLabels_->setGeometry(
        QRect(QPoint(scale.pxRound(kHideLabelOption.left), scale.pxRound(kHideLabelOption.top)),
              QSize(scale.pxRound(kHideLabelOption.width), scale.pxRound(kHideLabelOption.height))));
    ui::keepLineWhole(showLabels_);
    ui::keepLineWhole(hideLabels_);
    mainButton_->setGeometry(view_->toPixels(kMainButton));
}

void BoardWindow::setRunner(BoardView::Runner runner) {
    if (runner)
        view_->setRunner(std::move(runner));
    else
        view_->setRunner([this](const std::function<void()>& call) {
            call();
            refresh();
        });
}

void BoardWindow::setNamesShown(bool shown) {
    game_.showNames(shown);
    refresh();
}

// Each timer moves its pointer and hands over to its partner: Timer1/Timer2 bob the token pointer,
// Timer3/Timer4 the target pointer, up-left then back.
void BoardWindow::tick(int index) {
    int& bob = index <= 2 ? view_->look().bob1 : view_->look().bob2;
    const PointerState& pointer = index <= 2 ? game_.boardScreen().arrow1 : game_.boardScreen().arrow2;
    const Rect before = pointerRect(pointer, bob);
    const bool up = index % 2 == 1;
    // Clamped, so that partners started together never carry a pointer away from its place.
    bob = std::clamp(bob + (up ? -kPointerBob : kPointerBob), -kPointerBob, 0);
    const int partner = up ? index + 1 : index - 1;
    timer(partner).start();
    timer(index).stop();
    // Only where the pointer was and now is, with a margin for its antialiased edge.
    if (pointer.visible)
        view_->update(QRegion(view_->toPixels(before).adjusted(-2, -2, 2, 2)) +
                      QRegion(view_->toPixels(pointerRect(pointer, bob)).adjusted(-2, -2, 2, 2)));
}

BoardWindow::Pieces BoardWindow::pieces() const {
    const GameState& s = game_.state();
    const BoardScreen& b = game_.boardScreen();
    Pieces pieces;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const std::size_t i = std::size_t(k);
        pieces[i] = {tokenShown(s, k), tokenRect(s, k), s.LP[i], s.LPName[i]};
    }
    pieces[kMaxPlayers + 1] = {b.arrow1.visible, bobbingRect(b.arrow1), 0, {}};
    pieces[kMaxPlayers + 2] = {b.arrow2.visible, bobbingRect(b.arrow2), 0, {}};
    return pieces;
}

void BoardWindow::measureNames() {
    for (int d = 1; d <= kDeeds; ++d) {
        const std::string& name = game_.state().deed(d).Name;
        std::string& measured = measuredNames_[std::size_t(d)];
        if (painted_ && name == measured) continue;
        measured = name;
        view_->look().nameWidth[std::size_t(d)] = nameLabelWidth(ui::qs(name));
    }
}

void BoardWindow::refresh() {
    const BoardScreen& b = game_.boardScreen();
    if (b.timersRunning != timersRunning_) {
        timersRunning_ = b.timersRunning;
        for (QTimer& t : timers_) {
            if (timersRunning_)
                t.start();
            else
                t.stop();
        }
    }
    // A pointer placed anew starts from its place, not from where its last bob left it.
    if (b.arrow1.left != lastArrow1_.left || b.arrow1.top != lastArrow1_.top) view_->look().bob1 = 0;
    if (b.arrow2.left != lastArrow2_.left || b.arrow2.top != lastArrow2_.top) view_->look().bob2 = 0;
    lastArrow1_ = b.arrow1;
    lastArrow2_ = b.arrow2;
    const bool shown = game_.state().namesShown;
    view_->look().namesShown = shown;
    QRadioButton* option = shown ? showLabels_ : hideLabels_;
    if (!option->isChecked()) option->setChecked(true);
    if (b.visible != isVisible()) setVisible(b.visible);
    // The computer's turn refreshes the windows at every one of its steps: the board is painted
    // again only when the rules changed what it shows.
    if (painted_ && b.revision == paintedRevision_) return;
    Pieces now = pieces();
    if (!painted_ || b.groundRevision != paintedGround_) {
        measureNames();
        view_->update();
    } else {
        // Only tokens or pointers moved: where each was and where it is now, with a margin for
        // its antialiased edge.
        QRegion changed;
        for (std::size_t i = 1; i < now.size(); ++i) {
            const Piece& was = paintedPieces_[i];
            const Piece& is = now[i];
            if (was.shown == is.shown && (!is.shown || (sameRect(was.rect, is.rect) && was.own == is.own &&
                                                        was.picture == is.picture)))
                continue;
            for (const Piece* p : {&was, &is})
                if (p->shown) changed += view_->toPixels(p->rect).adjusted(-2, -2, 2, 2);
        }
        view_->update(changed);
    }
    painted_ = true;
    paintedRevision_ = b.revision;
    paintedGround_ = b.groundRevision;
    paintedPieces_ = std::move(now);
}

void BoardWindow::closeEvent(QCloseEvent* e) {
    // The board lives as long as the game; closing it is refused.
    e->ignore();
}

} // namespace tavorin::board
