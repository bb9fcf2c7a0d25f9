#include "app/MainWidgets.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "app/DecisionFrames.h"
#include "ui/ControlNames.h"
#include "ui/DeedColumns.h"
#include "ui/Pictures.h"
#include "ui/ThaiFont.h"
#include "ui/Twips.h"

namespace tavorin::app {

namespace {
template <class W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QGroupBox* buildPlayerNames(QWidget* p) {
    auto* frame = named(new QGroupBox(QStringLiteral("ตาผู้เล่น"), p), QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int k = 1; k <= 6; ++k) {
        auto* name = named(new QLabel(frame), QStringLiteral("LabelName%1").arg(k));
        name->setMinimumWidth(150);
        name->setContentsMargins(4, 1, 4, 1);
        grid->addWidget(name, k - 1, 0);
        auto* marker = named(new QLabel(QStringLiteral("คอมฯ"), frame), QStringLiteral("labelcom%1").arg(k));
        marker->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
        // A widget with a style sheet keeps the font it had: this one is told its size.
        ui::setRelativeFont(marker, 10);
        marker->hide();
        grid->addWidget(marker, k - 1, 1);
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QGroupBox* buildPlayerPanel(QWidget* p) {
    auto* frame = named(new QGroupBox(QStringLiteral("รายละเอียดของผู้เล่นแต่ละคน"), p), QStringLiteral("Frame9"));
    auto* grid = new QGridLayout(frame);
    for (int k = 1; k <= 6; ++k) {
        auto* button = named(new QPushButton(frame), QStringLiteral("PlayerButton%1").arg(k));
        button->setMinimumWidth(130);
        grid->addWidget(button, k - 1, 0);
        auto* money = named(new QLabel(frame), QStringLiteral("LabelMoney%1").arg(k));
        money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        money->setMinimumWidth(70);
        grid->addWidget(money, k - 1, 1);
    }
    return frame;
}

QGroupBox* buildSpeedOptions(QWidget* p) {
    auto* frame = named(new QGroupBox(QStringLiteral("ความเร็วคอมฯ"), p), QStringLiteral("SpeedComFrame"));
    new QGridLayout(frame);
    const char* captions[] = {"เร็วที่สุด", "เร็ว", "กลางๆ", "ช้า", "ช้าที่สุด"};
    for (int i = 1; i <= 5; ++i) {
        auto* option = named(new QRadioButton(QString::fromUtf8(captions[i - 1]), frame),
                             QStringLiteral("OpgSpeed%1").arg(i));
        option->setChecked(i == 3);
    }
    return frame;
}

// The five speeds in columns of `rows`.
void stackSpeeds(QGroupBox* frame, int rows) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    for (int i = 1; i <= 5; ++i) {
        auto* option = frame->findChild<QRadioButton*>(QStringLiteral("OpgSpeed%1").arg(i));
        grid->removeWidget(option);
        grid->addWidget(option, (i - 1) % rows, (i - 1) / rows);
    }
}

// Six stacked faces per die; exactly one is shown at a time.
QWidget* buildDie(QWidget* p, int die) {
    auto* holder = new QWidget(p);
    auto* stack = new QGridLayout(holder);
    stack->setContentsMargins(0, 0, 0, 0);
    for (int face = 1; face <= 6; ++face) {
        auto* image = named(new QLabel(holder), QStringLiteral("cube%1_%2").arg(die).arg(face));
        image->setPixmap(ui::dieFacePixmap(die, face, kDieSize));
        image->setFixedSize(kDieSize, kDieSize);
        image->setVisible(face == 1);
        stack->addWidget(image, 0, 0);
    }
    holder->setFixedSize(kDieSize, kDieSize);
    return holder;
}

QWidget* buildDicePanel(QWidget* p) {
    auto* panel = new QWidget(p);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* dice = new QHBoxLayout;
    dice->addStretch(1);
    dice->addWidget(buildDie(panel, 1));
    dice->addSpacing(12);
    dice->addWidget(buildDie(panel, 2));
    dice->addStretch(1);
    column->addLayout(dice);
    auto* buttons = new QHBoxLayout;
    auto* run = named(new QPushButton(QStringLiteral("ทอย"), panel), QStringLiteral("RunButton"));
    auto* stop = named(new QPushButton(QStringLiteral("หยุด"), panel), QStringLiteral("StopButton"));
    for (QPushButton* b : {run, stop}) {
        ui::setRelativeFont(b, 13, true);
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    auto* result = named(new QLineEdit(panel), QStringLiteral("Text1"));
    result->setReadOnly(true);
    result->setAlignment(Qt::AlignCenter);
    result->setFocusPolicy(Qt::NoFocus);
    column->addWidget(result);
    return panel;
}

// The computer's status line and, just below it, its progress bar: a plain rectangle whose width
// (0 to 2000 twips) is the progress.
QWidget* buildComputerStatus(QWidget* p) {
    const ui::TwipScale scale(p->logicalDpiX());
    auto* panel = new QWidget(p);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* status = named(new QLabel(panel), QStringLiteral("LabelComThinking"));
    status->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    ui::setRelativeFont(status, 10);
    status->hide();
    column->addWidget(status);
    auto* track = new QWidget(panel);
    track->setFixedSize(scale.pxRound(2000), scale.pxRound(135));
    auto* bar = named(new QFrame(track), QStringLiteral("BarComThinking"));
    bar->setGeometry(0, 0, 0, scale.pxRound(135));
    bar->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 192);"));
    bar->hide();
    column->addWidget(track);
    return panel;
}

QGroupBox* buildDeedList(QWidget* p) {
    auto* frame = named(new QGroupBox(QStringLiteral("โฉนด"), p), QStringLiteral("Frame10"));
    auto* column = new QVBoxLayout(frame);
    auto* list = named(new QListWidget(frame), QStringLiteral("DeedList"));

    ui::alignDeedColumns(list);
    column->addWidget(list, 1);
    column->addWidget(
        named(new QPushButton(QStringLiteral("ดูโฉนด"), frame), QStringLiteral("ViewDeedButton")));
    return frame;
}

QWidget* buildWindowButtons(QWidget* p) {
    auto* panel = new QWidget(p);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(named(new QPushButton(QStringLiteral("หน้าจอกระดาน"), panel), QStringLiteral("Command2")),
                    0, 0);
    grid->addWidget(named(new QPushButton(QStringLiteral("SAVE"), panel), QStringLiteral("SaveButton")), 0,
                    1);
    grid->addWidget(
        named(new QPushButton(QStringLiteral("บันทึกสุดยอดทาวอริน"), panel), QStringLiteral("RecButton")), 1, 0);
    grid->addWidget(named(new QPushButton(QStringLiteral("Exit"), panel), QStringLiteral("ExitButton")), 1,
                    1);
    return panel;
}
void nameControls(QWidget& root) {
    ui::nameControls(root, {{"PlayerButton1", "ทรัพย์สินของผู้เล่นคนที่ 1"},
                            {"PlayerButton2", "ทรัพย์สินของผู้เล่นคนที่ 2"},
                            {"PlayerButton3", "ทรัพย์สินของผู้เล่นคนที่ 3"},
                            {"PlayerButton4", "ทรัพย์สินของผู้เล่นคนที่ 4"},
                            {"PlayerButton5", "ทรัพย์สินของผู้เล่นคนที่ 5"},
                            {"PlayerButton6", "ทรัพย์สินของผู้เล่นคนที่ 6"},
                            {"Text1", "แต้มที่ทอยได้"},
                            {"SaveButton", "บันทึกเกม"},
                            {"ExitButton", "ออกจากเกม"},
                            {"DeedList", "รายการโฉนด"},
                            {"CmbBonus", "โฉนดที่จะสั่งบ้านโบนัส"},
                            {"OKButtonInBonus", "ตกลงรับโบนัส"}});
}

// Tab goes the way a turn goes: the dice, the question, the lap bonus, the deed list, then the
// players, the computer's speed and the window buttons.
void orderTabs(QWidget& root, const MainParts& parts) {
    std::vector<QWidget*> chain;
    // A drop-down's list is a window of its own, which the chain of this one must not reach.
    const auto add = [&](QWidget* w) {
        if (w && (w->focusPolicy() & Qt::TabFocus) && w->window() == root.window()) chain.push_back(w);
    };
    const auto addAll = [&](QWidget* parent) {
        for (QWidget* w : parent->findChildren<QWidget*>()) add(w);
    };
    const auto addNamed = [&](const char* name) { add(root.findChild<QWidget*>(QString::fromLatin1(name))); };
    addNamed("RunButton");
    addNamed("StopButton");
    addAll(parts.decisions);
    addAll(parts.bonus);
    addAll(parts.deeds);
    addAll(parts.players);
    addAll(parts.speed);
    addAll(parts.windowButtons);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}
} // namespace

MainParts buildMainWidgets(QWidget& root) {
    MainParts parts;
    parts.names = buildPlayerNames(&root);
    parts.players = buildPlayerPanel(&root);
    parts.speed = buildSpeedOptions(&root);
    parts.dice = buildDicePanel(&root);
    parts.status = buildComputerStatus(&root);
    parts.windowButtons = buildWindowButtons(&root);
    parts.deeds = buildDeedList(&root);
    parts.decisions = buildDecisionFrames(&root);
    parts.bonus = buildBonusFrame(&root);
    nameControls(root);
    orderTabs(root, parts);
    return parts;
}

QSize decisionAreaSize(double textScale) { return QSize(470, 400) * textScale; }

namespace {
// What grows with the text: the status line's room, kept whether or not it shows, and the deed
// list's width.
void fitToText(const MainParts& parts, double textScale) {
    auto* status = parts.status->findChild<QLabel*>(QStringLiteral("LabelComThinking"));
    const ui::TwipScale scale(parts.status->logicalDpiX());
    parts.status->setFixedHeight(QFontMetrics(status->font()).height() + scale.pxRound(135) + 6);
    parts.deeds->findChild<QListWidget*>(QStringLiteral("DeedList"))
        ->setMinimumWidth(qRound(250 * textScale));
}

const QString kQuestionAndLog = QStringLiteral("QuestionAndLog");

// The question and the log docked under it share the right column; the player may move the line
// between them. Without the one window, the question stands alone again.
QSplitter* questionAndLog(QWidget& root) {
    return root.findChild<QSplitter*>(kQuestionAndLog, Qt::FindDirectChildrenOnly);
}

// A splitter gives its widgets their minimum height, not the height their wrapped sentences need
// at the width they have: the question asks for that height as its minimum, whichever frame is
// open, so that sharing the column with the log never cuts a line of it.
class WrappedHeight : public QObject {
public:
    static inline const QString kName = QStringLiteral("WrappedHeight");

    explicit WrappedHeight(QWidget& question) : QObject(&question), question_(question) {
        setObjectName(kName);
        question.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == &question_ && (e->type() == QEvent::Resize || e->type() == QEvent::LayoutRequest))
            fit();
        return false;
    }
    void fit() {
        const QLayout* layout = question_.layout();
        int height = layout->totalMinimumSize().height();
        if (layout->hasHeightForWidth())
            height = std::max(height, layout->totalHeightForWidth(question_.width()));
        if (question_.minimumHeight() != height) question_.setMinimumHeight(height);
    }

private:
    QWidget& question_;
};

void undock(QWidget& root, const MainParts& parts) {
    delete parts.decisions->findChild<QObject*>(WrappedHeight::kName, Qt::FindDirectChildrenOnly);
    if (QSplitter* split = questionAndLog(root)) {
        parts.decisions->setParent(&root);
        parts.decisions->show();
        delete split;
    }
}

// The rows of the players' two frames, the style's distance apart or closer; where room is short,
// the players' names are the last to give any up.
void spacePlayerRows(const MainParts& parts, int spacing, QSizePolicy::Policy width) {
    for (QGroupBox* frame : {parts.names, parts.players}) {
        static_cast<QGridLayout*>(frame->layout())->setVerticalSpacing(spacing);
        frame->setSizePolicy(width, frame->sizePolicy().verticalPolicy());
    }
}
} // namespace

void arrangeTwoWindows(QWidget& root, const MainParts& parts, double textScale) {
    delete root.layout();
    undock(root, parts);
    auto* columns = new QHBoxLayout(&root);
    spacePlayerRows(parts, -1, QSizePolicy::Preferred);
    fitToText(parts, textScale);
    stackSpeeds(parts.speed, 3);

    auto* players = new QVBoxLayout;
    players->addWidget(parts.names);
    players->addWidget(parts.players);
    players->addWidget(parts.speed);
    players->addStretch(1);
    columns->addLayout(players);

    auto* middle = new QVBoxLayout;
    middle->addWidget(parts.dice);
    middle->addWidget(parts.status);
    middle->addWidget(parts.windowButtons);
    middle->addWidget(parts.deeds, 1);
    columns->addLayout(middle);

    auto* decisions = new QVBoxLayout;
    parts.decisions->setFixedSize(decisionAreaSize(textScale));
    decisions->addWidget(parts.decisions);
    decisions->addWidget(parts.bonus);
    decisions->addStretch(1);
    columns->addLayout(decisions);
}

// Everything has to fit a 1366x768 screen without the board going below the size at which its names
// stay legible: the six player rows stand side by side under the board rather than over each other,
// and the dice share a row with the window's buttons.
void arrangeOneWindow(QWidget& root, const MainParts& parts, QWidget& board, QWidget* log, double textScale) {
    delete root.layout();
    auto* columns = new QHBoxLayout(&root);
    columns->setContentsMargins(4, 4, 4, 4);
    spacePlayerRows(parts, 2, QSizePolicy::Minimum);
    fitToText(parts, textScale);
    // The speeds take the height of the players' rows beside them rather than width.
    stackSpeeds(parts.speed, 5);

    auto* left = new QVBoxLayout;
    left->addWidget(&board, 1);
    auto* players = new QHBoxLayout;
    players->addWidget(parts.names);
    players->addWidget(parts.players);
    players->addWidget(parts.speed);
    auto* deeds = new QVBoxLayout;
    deeds->addWidget(parts.deeds, 1);
    deeds->addWidget(parts.status);
    players->addLayout(deeds, 1);
    left->addLayout(players);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* turn = new QHBoxLayout;
    turn->addWidget(parts.dice);
    turn->addWidget(parts.windowButtons);
    right->addLayout(turn);
    // The frames take the room the column has, not the fixed room of the window of their own, and
    // a little less width than there: their sentences wrap onto another line.
    parts.decisions->setMinimumSize(qRound(440 * textScale), 0);
    parts.decisions->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QWidget* question = parts.decisions;
    if (log) {
        QSplitter* split = questionAndLog(root);
        if (!split) {
            split = new QSplitter(Qt::Vertical, &root);
            split->setObjectName(kQuestionAndLog);
            split->setChildrenCollapsible(false);
            const bool shown = !log->isHidden();
            split->addWidget(parts.decisions);
            split->addWidget(log);
            log->setVisible(shown);
            // The question keeps the larger share: its sentences wrap in the column's width.
            split->setStretchFactor(0, 3);
            split->setStretchFactor(1, 2);
            new WrappedHeight(*parts.decisions);
            // A child made after its window was shown waits for a show of its own.
            split->show();
        }
        question = split;
    }
    right->addWidget(question, 1);
    right->addWidget(parts.bonus);
    columns->addLayout(right);
}

} // namespace tavorin::app
