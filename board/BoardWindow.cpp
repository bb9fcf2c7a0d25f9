#include "board/BoardWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Text.h"
#include "ui/ThaiFont.h"

namespace tavorin::board {

namespace {
constexpr int kPointerInterval = 400; // ms
}

BoardWindow::BoardWindow(Game& game, QWidget* parent) : QWidget(parent, Qt::Window), game_(game) {
    setObjectName(QStringLiteral("Map"));
    setWindowTitle(QStringLiteral("Map"));
    setFont(ui::thaiFont(10));
    const ui::TwipScale scale(logicalDpiX());
    setFixedSize(scale.pxRound(kWindowClient.width), scale.pxRound(kWindowClient.height));
    view_ = new BoardView(game, this);
    view_->move(scale.pxRound(kFrame.left), scale.pxRound(kFrame.top));

    auto* options = new QGroupBox(view_);
    options->setObjectName(QStringLiteral("Frame2"));
    options->setGeometry(view_->toPixels(kOptionFrame));
    showLabels_ = new QRadioButton(QStringLiteral("แสดงชื่อ"), options);
    showLabels_->setObjectName(QStringLiteral("OpgShowLabel"));
    showLabels_->setGeometry(view_->toPixels(kShowLabelOption));
    hideLabels_ = new QRadioButton(QStringLiteral("ซ่อนชื่อ"), options);
    hideLabels_->setObjectName(QStringLiteral("OpgHideLabel"));
    hideLabels_->setGeometry(view_->toPixels(kHideLabelOption));
    connect(showLabels_, &QRadioButton::clicked, this, [this] { setNamesShown(true); });
    connect(hideLabels_, &QRadioButton::clicked, this, [this] { setNamesShown(false); });

    mainButton_ = new QPushButton(QStringLiteral("หน้าจอเกม"), view_);
    mainButton_->setObjectName(QStringLiteral("Command1"));
    mainButton_->setGeometry(view_->toPixels(kMainButton));
    connect(mainButton_, &QPushButton::clicked, this, &BoardWindow::mainRequested);

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
    game_.s.namesShown = false;
    refresh();
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
    game_.s.namesShown = shown;
    refresh();
}

// Each timer moves its pointer and hands over to its partner: Timer1/Timer2 bob the token pointer,
// Timer3/Timer4 the target pointer, up-left then back.
void BoardWindow::tick(int index) {
    int& bob = index <= 2 ? view_->look().bob1 : view_->look().bob2;
    const bool up = index % 2 == 1;
    // Clamped, so that partners started together never carry a pointer away from its place.
    bob = std::clamp(bob + (up ? -kPointerBob : kPointerBob), -kPointerBob, 0);
    const int partner = up ? index + 1 : index - 1;
    timer(partner).start();
    timer(index).stop();
    view_->update();
}

void BoardWindow::refresh() {
    const BoardScreen& b = game_.board;
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
    const bool shown = game_.s.namesShown;
    view_->look().namesShown = shown;
    (shown ? showLabels_ : hideLabels_)->setChecked(true);
    if (b.visible != isVisible()) setVisible(b.visible);
    view_->update();
}

void BoardWindow::closeEvent(QCloseEvent* e) {
    // The board lives as long as the game; closing it is refused.
    e->ignore();
}

} // namespace tavorin::board
