#include "app/MainMenus.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <tuple>

namespace tavorin::app {

namespace {
QString t(const char* utf8) { return QString::fromUtf8(utf8); }

QAbstractButton* buttonOf(QWidget& owner, const char* name) {
    return owner.findChild<QAbstractButton*>(QString::fromLatin1(name));
}
} // namespace

MainMenus::MainMenus(QMainWindow& window, QWidget& board) : QObject(&window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    game_ = bar->addMenu(t("เกม"));
    game_->setObjectName(QStringLiteral("GameMenu"));
    view_ = bar->addMenu(t("มุมมอง"));
    view_->setObjectName(QStringLiteral("ViewMenu"));
    options_ = bar->addMenu(t("ตัวเลือก"));
    options_->setObjectName(QStringLiteral("OptionsMenu"));
    help_ = bar->addMenu(t("ช่วยเหลือ"));
    help_->setObjectName(QStringLiteral("HelpMenu"));

    // A new game or a load leaves this game as Exit does, so they are refused while Exit is.
    QAbstractButton* exit = buttonOf(window, "ExitButton");
    QAction* newGame = add(game_, "NewGameAction", "เกมใหม่");
    newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    follow(newGame, exit);
    connect(newGame, &QAction::triggered, this, &MainMenus::newGameRequested);
    QAction* load = add(game_, "LoadGameAction", "โหลดเกม");
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    follow(load, exit);
    connect(load, &QAction::triggered, this, &MainMenus::loadGameRequested);
    bind(game_, window, "SaveAction", "บันทึก", "SaveButton")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    game_->addSeparator();
    bind(game_, window, "HallOfFameAction", "บันทึกสุดยอดทาวอริน", "RecButton");
    game_->addSeparator();
    bind(game_, window, "ExitAction", "ออก", "ExitButton")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    auto* layouts = new QActionGroup(this);
    twoWindows_ = add(view_, "TwoWindowsAction", "สองหน้าต่าง");
    oneWindow_ = add(view_, "OneWindowAction", "หน้าต่างเดียว");
    for (QAction* a : {twoWindows_, oneWindow_}) {
        a->setCheckable(true);
        layouts->addAction(a);
    }
    twoWindows_->setChecked(true);
    watch(twoWindows_);
    watch(oneWindow_);
    connect(twoWindows_, &QAction::triggered, this,
            [this] { emit layoutRequested(WindowLayout::TwoWindows); });
    connect(oneWindow_, &QAction::triggered, this, [this] { emit layoutRequested(WindowLayout::OneWindow); });
    view_->addSeparator();

    // The board's own two options, as one switch.
    showNames_ = buttonOf(board, "OpgShowLabel");
    names_ = add(view_, "NamesOnBoardAction", "แสดงชื่อและราคาบนกระดาน");
    names_->setCheckable(true);
    watch(names_);
    if (showNames_) watch(showNames_);
    connect(names_, &QAction::triggered, this, [this, &board](bool shown) {
        if (QAbstractButton* option = buttonOf(board, shown ? "OpgShowLabel" : "OpgHideLabel"))
            option->click();
    });
    boardWindow_ = bind(view_, window, "BoardWindowAction", "หน้าจอกระดาน", "Command2");
    connect(add(view_, "WealthChartAction", "กราฟความมั่งคั่ง"), &QAction::triggered, this,
            &MainMenus::wealthChartRequested);
    gameLog_ = add(view_, "GameLogAction", "บันทึกการเล่น");
    gameLog_->setCheckable(true);
    connect(gameLog_, &QAction::triggered, this, &MainMenus::gameLogRequested);

    QMenu* speed = options_->addMenu(t("ความเร็วคอมฯ"));
    speed->setObjectName(QStringLiteral("SpeedMenu"));
    auto* speeds = new QActionGroup(this);
    const char* captions[] = {"เร็วที่สุด", "เร็ว", "กลางๆ", "ช้า", "ช้าที่สุด"};
    for (int i = 1; i <= 5; ++i) {
        const QByteArray name = "SpeedAction" + QByteArray::number(i);
        const QByteArray button = "OpgSpeed" + QByteArray::number(i);
        QAction* a = bind(speed, window, name.constData(), captions[i - 1], button.constData());
        a->setCheckable(true);
        speeds->addAction(a);
    }

    QMenu* text = options_->addMenu(t("ขนาดตัวอักษร"));
    text->setObjectName(QStringLiteral("TextSizeMenu"));
    auto* sizes = new QActionGroup(this);
    const std::tuple<const char*, const char*, TextSize> steps[] = {
        {"TextSmallerAction", "เล็ก", TextSize::Smaller},
        {"TextDesktopAction", "ตามเดสก์ท็อป", TextSize::Desktop},
        {"TextLargerAction", "ใหญ่", TextSize::Larger},
        {"TextLargestAction", "ใหญ่มาก", TextSize::Largest},
    };
    for (const auto& [name, caption, size] : steps) {
        QAction* a = add(text, name, caption);
        a->setCheckable(true);
        sizes->addAction(a);
        textSizes_.emplace_back(a, size);
        connect(a, &QAction::triggered, this, [this, size] { emit textSizeRequested(size); });
    }

    clickToMove_ = add(options_, "ClickToMoveAction", "คลิกช่องที่ลูกศรน้ำเงินชี้เพื่อวางหมาก");
    clickToMove_->setCheckable(true);
    connect(clickToMove_, &QAction::triggered, this, &MainMenus::clickToMoveChosen);
    quietComputer_ = add(options_, "QuietComputerAction", "คอมฯ เล่นเงียบ (แจ้งในบันทึกการเล่น ไม่ต้องกดตกลง)");
    quietComputer_->setCheckable(true);
    connect(quietComputer_, &QAction::triggered, this, &MainMenus::quietComputerChosen);

    QAction* rules = add(help_, "HowToPlayAction", "วิธีเล่น");
    rules->setShortcut(QKeySequence(Qt::Key_F1));
    connect(rules, &QAction::triggered, this, &MainMenus::helpRequested);
    connect(add(help_, "AboutAction", "เกี่ยวกับเกม"), &QAction::triggered, this, &MainMenus::aboutRequested);
}

void MainMenus::setGameLogShown(bool shown) { gameLog_->setChecked(shown); }

QAction* MainMenus::add(QMenu* menu, const char* objectName, const char* text) {
    QAction* a = menu->addAction(t(text));
    a->setObjectName(QString::fromLatin1(objectName));
    return a;
}

void MainMenus::follow(QAction* action, QAbstractButton* button) {
    Q_ASSERT(button);
    bound_.emplace_back(action, button);
    watch(button);
    watch(action);
}

void MainMenus::watch(QAbstractButton* button) {
    button->installEventFilter(this);
    connect(button, &QAbstractButton::toggled, this, [this] { stale_ = true; });
}

void MainMenus::watch(QAction* action) {
    connect(action, &QAction::toggled, this, [this] { stale_ = true; });
}

bool MainMenus::eventFilter(QObject* watched, QEvent* event) {
    // Sent also when the button is disabled or enabled with its window.
    if (event->type() == QEvent::EnabledChange) stale_ = true;
    return QObject::eventFilter(watched, event);
}

QAction* MainMenus::bind(QMenu* menu, QWidget& owner, const char* objectName, const char* text,
                         const char* button) {
    QAction* a = add(menu, objectName, text);
    QAbstractButton* b = buttonOf(owner, button);
    follow(a, b);
    // A disabled button ignores click(), as it ignores the mouse.
    connect(a, &QAction::triggered, b, [b] { b->click(); });
    return a;
}

QList<QAction*> MainMenus::shortcutActions() const {
    QList<QAction*> all;
    for (QMenu* m : {game_, view_, options_, help_})
        for (QAction* a : m->actions())
            if (!a->shortcut().isEmpty()) all << a;
    return all;
}

void MainMenus::showClickToMove(bool on) { clickToMove_->setChecked(on); }
void MainMenus::showQuietComputer(bool on) { quietComputer_->setChecked(on); }

void MainMenus::showTextSize(TextSize size) {
    for (const auto& [action, step] : textSizes_) action->setChecked(step == size);
}

void MainMenus::sync(WindowLayout layout) {
    if (!stale_ && layout == shownLayout_) return;
    for (const auto& [action, button] : bound_) {
        const bool enabled = button->isEnabled();
        if (action->isEnabled() != enabled) action->setEnabled(enabled);
        if (action->isCheckable() && action->isChecked() != button->isChecked())
            action->setChecked(button->isChecked());
    }
    // The button that brings the board's window in front has nothing to do when there is one window.
    boardWindow_->setVisible(layout == WindowLayout::TwoWindows);
    (layout == WindowLayout::OneWindow ? oneWindow_ : twoWindows_)->setChecked(true);
    if (showNames_) {
        names_->setChecked(showNames_->isChecked());
        names_->setEnabled(showNames_->isEnabled());
    }
    // Last: the checks set above report themselves as changes.
    stale_ = false;
    shownLayout_ = layout;
}

} // namespace tavorin::app
