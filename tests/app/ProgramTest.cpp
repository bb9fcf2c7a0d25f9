// The whole program from its start window: a new game, saving and loading through the windows, the
// refused loads, and the end of the game with RecFile, the winner window and the hall of fame.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <filesystem>

#include "app/ComputerDriver.h"
#include "app/GameLogView.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "board/BoardLayout.h"
#include "board/BoardWindow.h"
#include "dealings/DealingsWindows.h"
#include "engine/DeedLine.h"
#include "engine/EndFile.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/SaveRecord.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "tests/ui/QtSupport.h"
#include "ui/Text.h"

using namespace tavorin;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }
std::filesystem::path pathOf(const QString& folder) { return std::filesystem::path(folder.toStdU16String()); }

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Writes half of every file and reports the failure a full disk would.
class HalfWriter final : public FileWriter {
public:
    bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) override {
        diskFileWriter().writeFile(file, bytes.first(bytes.size() / 2));
        return false;
    }
};

template <class W = QWidget> W* child(QWidget& root, const char* name) {
    W* w = root.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

void click(QWidget& root, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(root, name), Qt::LeftButton);
}

QStringList lines(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// One run of the program in a folder of its own, with its draws scripted and its message boxes
// answered; with TAVORIN_LAYOUT=one, its games in one window unless a test gives settings of its own.
struct Run {
    QString folder;
    test::ScriptedRandom random;
    app::Settings layout;
    app::Program program{random, folder};
    int quits = 0;

    explicit Run(const QString& dir) : folder(dir) {
        if (qEnvironmentVariable("TAVORIN_LAYOUT") == QLatin1String("one")) {
            layout.setLayout(app::WindowLayout::OneWindow);
            program.setSettings(layout);
        }
        program.setQuitHandler([this] { ++quits; });
        random.fallback = [](int lo, int hi) { return hi == 6 ? 3 : lo; };
        program.show();
    }
    setupui::StartWindow& start() { return program.start(); }
    app::MainWindow& main() {
        if (!program.main()) qFatal("no game yet");
        return *program.main();
    }
    Game& game() { return main().game(); }
    GameState& s() { return game().stateToSetUp(); }

    // NEW GAME under `name`, then OK in the setup window as it comes up.
    void newGame(const QString& name) {
        child<QLineEdit>(start(), "Text1")->setText(name);
        click(start(), "NEWGAMEButton");
        click(start().setupWindow(), "OKButton");
    }
    // LOAD GAME of a listed file.
    void load(const QString& file) {
        start().refreshFileList();
        auto* list = child<QListWidget>(start(), "File1");
        const auto items = list->findItems(file, Qt::MatchExactly);
        if (items.isEmpty()) qFatal("not listed");
        list->setCurrentItem(items.front());
        emit list->itemClicked(items.front());
        click(start(), "LOADGAMEButton");
    }
    bool roll(int face1, int face2) {
        random.fallback = [face1, face2, n = 0](int lo, int hi) mutable {
            if (hi != 6) return lo;
            return (n++ % 2 == 0) ? face1 : face2;
        };
        click(main(), "RunButton");
        const bool settled = QTest::qWaitFor(
            [&] {
                const int a = s().CubeValue1, b = s().CubeValue2;
                return (a == face1 || a == face2) && (b == face1 || b == face2) && a + b == face1 + face2;
            },
            10000);
        click(main(), "StopButton");
        return settled;
    }
    // Carries the current player's token onto the square its dice point to.
    void carry() {
        board::BoardView& view = main().board().view();
        const int k = s().NV;
        const Rect t = board::tokenRect(s(), k);
        const Rect r = board::squareRect(s().player(k).Position);
        const QPoint from = view.toPixels(t.left + t.width / 2, t.top + t.height / 2);
        const QPoint to = view.toPixels(r.left + r.width / 2, r.top + r.height / 2);
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }
    // Answers the open decision: buys free land, pays what is due, takes the bonus in cash.
    void answer() {
        if (game().screen()[Ctl::OKButtonInBonus].enabled) {
            click(main(), "OpgBonus1");
            click(main(), "OKButtonInBonus");
        }
        const std::pair<const char*, const char*> buttons[] = {
            {"FreeLandFrame", "OKButtonInFreeLand"},
            {"FirstFrame", "OKButtonInFirst"},
            {"NotOwnSingleLandFrame", "OKButtonInNotOwnSingleLand"},
            {"TaxFrame", "OKButtonInTaxFrame"},
            {"TreasureFrame", "OkButtonInTreasure"},
            {"FateFrame", "OKButtonInFate"},
            {"OwnSingleLandFrame", "CancelButtonInOwnSingleLand"},
            {"RelaxFrame", "OKButtonInRelaxFrame"},
            {"DishonestFrame", "OKButtonInDishonestFrame"},
            {"StartFrame", "OKButtonInStart"}};
        for (const auto& [frame, button] : buttons)
            if (!child(main(), frame)->isHidden()) click(main(), button);
    }
    // A person's whole turn.
    bool turn(int face1, int face2) {
        if (!roll(face1, face2)) return false;
        carry();
        answer();
        return s().FirstProcess == "N" && game().screen()[Ctl::RunButton].enabled;
    }
    // A new game in which player 1, with 100 baht and nothing to sell, stands on the tax square
    // with its frame open, and player 2 holds deed 1: paying ends the game.
    bool lastTurnBeforeTheTax() {
        newGame(QStringLiteral("g"));
        game().addDeed(2, 1);
        game().PlayerMoneyChange(1, -14900);
        s().player(1).Position = 32;
        if (!roll(3, 3)) return false;
        carry();
        return !child(main(), "TaxFrame")->isHidden();
    }
};

void compareSavedMembers(const GameState& a, const GameState& b) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const PlayerRecord& p = a.player(k);
        const PlayerRecord& r = b.player(k);
        QCOMPARE(r.Name, p.Name);
        QCOMPARE(r.Money, p.Money);
        QCOMPARE(r.DeedCount, p.DeedCount);
        QVERIFY(r.Deeds == p.Deeds);
        QCOMPARE(r.Position, p.Position);
        QCOMPARE(r.MayPlay, p.MayPlay);
        QCOMPARE(r.Bankrupt, p.Bankrupt);
        QCOMPARE(r.IsComputer, p.IsComputer);
    }
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& x = a.deed(d);
        const DeedRecord& y = b.deed(d);
        QCOMPARE(y.Name, x.Name);
        QCOMPARE(y.LandType, x.LandType);
        QCOMPARE(y.LandTypeName, x.LandTypeName);
        QCOMPARE(y.Price, x.Price);
        QCOMPARE(y.HousePrice, x.HousePrice);
        QCOMPARE(y.TowerPrice, x.TowerPrice);
        QVERIFY(y.Rent == x.Rent);
        QCOMPARE(y.Owner, x.Owner);
        QCOMPARE(y.Houses, x.Houses);
        QCOMPARE(y.Towers, x.Towers);
        QCOMPARE(y.Mortgaged, x.Mortgaged);
    }
    for (std::size_t c = 1; c <= kCardsPerDeck; ++c) {
        QCOMPARE(b.TreasureCards[c].Text, a.TreasureCards[c].Text);
        QCOMPARE(b.TreasureCards[c].DeckName, a.TreasureCards[c].DeckName);
        QCOMPARE(b.TreasureCards[c].Amount, a.TreasureCards[c].Amount);
        QCOMPARE(b.FateCards[c].Text, a.FateCards[c].Text);
        QCOMPARE(b.FateCards[c].DeckName, a.FateCards[c].DeckName);
        QCOMPARE(b.FateCards[c].Amount, a.FateCards[c].Amount);
    }
    QVERIFY(b.Pcom == a.Pcom);
    QCOMPARE(b.NumOfPlayer, a.NumOfPlayer);
    QCOMPARE(b.NumOfDeed, a.NumOfDeed);
    QCOMPARE(b.NumOfTreasure, a.NumOfTreasure);
    QCOMPARE(b.NumOfFate, a.NumOfFate);
    QCOMPARE(b.checkdiscount, a.checkdiscount);
    QCOMPARE(b.NV, a.NV);
    QCOMPARE(b.NP, a.NP);
    QVERIFY(b.LP == a.LP);
    QVERIFY(b.LPName == a.LPName);
    QCOMPARE(b.Continue, a.Continue);
    QCOMPARE(b.FirstProcess, a.FirstProcess);
    QVERIFY(b.FirstLapLock == a.FirstLapLock);
    for (std::size_t i = 1; i <= kMaxCards; ++i) {
        QCOMPARE(b.TreasureOrder[i], a.TreasureOrder[i]);
        QCOMPARE(b.FateOrder[i], a.FateOrder[i]);
    }
    QCOMPARE(b.OrderNumberOfTreasure, a.OrderNumberOfTreasure);
    QCOMPARE(b.OrderNumberOfFate, a.OrderNumberOfFate);
    QVERIFY(b.tokenLeft == a.tokenLeft);
    QVERIFY(b.tokenTop == a.tokenTop);
    QCOMPARE(b.namesShown, a.namesShown);
    QVERIFY(b.tokenToolTip == a.tokenToolTip);
    QCOMPARE(b.Speed, a.Speed);
    QCOMPARE(b.FileName, a.FileName);
}

// What the two main windows show of the players and the deeds.
void compareScreens(app::MainWindow& a, app::MainWindow& b) {
    for (int k = 1; k <= kMaxPlayers; ++k)
        for (const char* prefix : {"LabelMoney", "LabelName", "PlayerButton"}) {
            const QByteArray name = QByteArray(prefix) + QByteArray::number(k);
            QWidget* x = child(a, name.constData());
            QWidget* y = child(b, name.constData());
            QCOMPARE(y->isHidden(), x->isHidden());
            QCOMPARE(y->isEnabled(), x->isEnabled());
            if (auto* l = qobject_cast<QLabel*>(x)) QCOMPARE(static_cast<QLabel*>(y)->text(), l->text());
        }
    QCOMPARE(lines(child<QListWidget>(b, "DeedList")), lines(child<QListWidget>(a, "DeedList")));
}

// A new game (of two persons unless told) saved straight from the rules, for the load tests.
void saveFreshGame(const QString& folder, const char* name, const std::function<void(Game&)>& change = {},
                   const NewGameSetup& setup = {}) {
    test::ScriptedRandom random;
    test::QuietView view;
    Game g(random, view);
    g.NewGame(setup);
    if (change) change(g);
    QVERIFY(!saveGameFile(g.state(), pathOf(folder), name).has_value());
}

HallRecord rich(const char* name, std::int32_t total) {
    HallRecord r;
    r.Name = name;
    r.TotalAsset = total;
    r.Money = total;
    return r;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    test::MessageRecorder messages;

private slots:
    void init() { messages.shown.clear(); }

    void startsAtTheStartWindowWithNothingOfTheGameBuilt() {
        QTemporaryDir dir;
        Run run(dir.path());
        QVERIFY(run.start().isVisible());
        QVERIFY(!run.program.main());
        QVERIFY(child(run.start(), "LOADGAMEButton")->isEnabled());
        QVERIFY(child(run.start(), "HallOfFrameButton")->isEnabled());
    }

    void newGameStartsUnderTheTypedName() {
        QTemporaryDir dir;
        Run run(dir.path());
        run.newGame(q("เกมวันอาทิตย์"));
        QVERIFY(run.program.main());
        QCOMPARE(run.s().FileName, std::string("เกมวันอาทิตย์"));
        QVERIFY(run.main().isVisible());
        QVERIFY(run.main().board().isVisible());
        QVERIFY(!run.start().isVisible());
        QCOMPARE(run.main().focusWidget(), child(run.main(), "RunButton"));
        QVERIFY(child(run.main(), "SaveButton")->isEnabled());
        click(run.main(), "SaveButton");
        QVERIFY(QFile::exists(dir.filePath(q("เกมวันอาทิตย์.dat"))));
        QVERIFY(messages.shown.empty());
    }

    // Two turns, a save, a second run that loads it through the start window: the loaded game is
    // the saved one member by member, and both play on to the same state.
    void savedGameLoadsAndPlaysOnIdentically() {
        QTemporaryDir dir;
        Run first(dir.path());
        first.newGame(q("สมชายกับมานี"));
        QVERIFY(first.turn(3, 3));   // player 1 buys deed 5
        QVERIFY(first.turn(1, 2));   // player 2 buys deed 2
        first.s().namesShown = true; // as if the board's option had been clicked
        first.main().sync();
        click(first.main(), "SaveButton");
        QVERIFY(messages.shown.empty());

        Run second(dir.path());
        std::vector<int> progress;
        connect(child<QProgressBar>(second.start(), "PROBAR1"), &QProgressBar::valueChanged, this,
                [&progress](int v) { progress.push_back(v); });
        second.load(q("สมชายกับมานี.dat"));
        QVERIFY(messages.shown.empty());
        QCOMPARE(progress.back(), 100);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QVERIFY(!second.start().isVisible());
        QVERIFY(second.main().isVisible());
        QVERIFY(second.main().board().isVisible());
        QCOMPARE(second.main().focusWidget(), child(second.main(), "RunButton"));
        QVERIFY(child(second.main(), "RunButton")->isEnabled());
        QVERIFY(child(second.main(), "SaveButton")->isEnabled());
        QVERIFY(child<QRadioButton>(second.main().board(), "OpgShowLabel")->isChecked());
        compareSavedMembers(first.s(), second.s());
        QVERIFY(!QTest::currentTestFailed());
        compareScreens(first.main(), second.main());
        QVERIFY(!QTest::currentTestFailed());

        // Player 1 buys deed 7, player 2 pays rent on player 1's deed 5, player 1 buys deed 16.
        for (auto [a, b] : {std::pair{1, 2}, std::pair{1, 2}, std::pair{6, 6}}) {
            QVERIFY(first.turn(a, b));
            QVERIFY(second.turn(a, b));
            compareSavedMembers(first.s(), second.s());
            QVERIFY(!QTest::currentTestFailed());
            compareScreens(first.main(), second.main());
            QVERIFY(!QTest::currentTestFailed());
        }
        QCOMPARE(second.s().deed(16).Owner, 1);
        QCOMPARE(second.s().player(2).Money, 15000 - 600 - second.game().singleRent(5));
        QVERIFY(messages.shown.empty());
    }

    void failedSaveKeepsThePreviousFileAndTheGameGoesOn() {
        QTemporaryDir dir;
        Run run(dir.path());
        run.newGame(q("เกมของฉัน"));
        click(run.main(), "SaveButton");
        const QString file = dir.filePath(q("เกมของฉัน.dat"));
        const QByteArray previous = readBytes(file);
        QVERIFY(!previous.isEmpty());
        QVERIFY(run.turn(3, 3));
        HalfWriter failing;
        run.program.setFileWriter(failing);
        click(run.main(), "SaveButton");
        QCOMPARE(messages.lastText(), q("ไม่สามารถบันทึกเกมลงไฟล์ เกมของฉัน.dat ได้"));
        QCOMPARE(messages.lastTitle(), q("Player2"));
        QCOMPARE(readBytes(file), previous);
        // The game, its log and its wealth history as the first save left them, and nothing
        // half-written beside them.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 (QStringList{q("เกมของฉัน.dat"), q("เกมของฉัน.log"), q("เกมของฉัน.wealth")}));
        // The turn waits for its roll as before.
        QVERIFY(run.main().isVisible());
        QVERIFY(run.turn(1, 2));
    }

    void refusedLoadLeavesTheStartWindowUsable_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("removed after listing") << "remove"
                                               << "ไม่พบไฟล์เกม เกม.dat";
        QTest::newRow("cut short") << "truncate"
                                   << "";
        QTest::newRow("empty") << "empty"
                               << "";
        QTest::newRow("edited into a game no one played")
            << "inconsistent"
            << "ไฟล์เกมนี้ไม่ตรงกับกติกาของเกม (จำนวนผู้เล่นที่เหลือ (3) ไม่ตรงกับผู้เล่นที่ยังไม่ล้มละลาย (2 คน)) จึงโหลดไม่ได้";
        QTest::newRow("a name byte the code page lacks")
            << "undefined byte"
            << "ไฟล์เกมนี้เสียหาย (ชื่อผู้เล่นคนที่ 2 \"\xEF\xBF\xBDlayer2\" มีตัวอักษรที่ไม่มีในรหัสภาษาไทย) จึงโหลดไม่ได้";
    }
    void refusedLoadLeavesTheStartWindowUsable() {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QTemporaryDir dir;
        saveFreshGame(dir.path(), "เกม");
        Run run(dir.path());
        run.start().refreshFileList();
        const QString file = dir.filePath(q("เกม.dat"));
        const QByteArray whole = readBytes(file);
        if (damage == "remove") QVERIFY(QFile::remove(file));
        if (damage == "truncate") QVERIFY(writeBytes(file, whole.left(whole.size() - 1)));
        if (damage == "empty") QVERIFY(writeBytes(file, {}));
        if (damage == "inconsistent") {
            auto record = readSaveRecord(std::span(reinterpret_cast<const std::uint8_t*>(whole.constData()),
                                                   std::size_t(whole.size())));
            QVERIFY(std::holds_alternative<SaveRecord>(record));
            std::get<SaveRecord>(record).NP = 3;
            const auto bytes =
                std::get<std::vector<std::uint8_t>>(encodeSaveRecord(std::get<SaveRecord>(record)));
            QVERIFY(writeBytes(
                file, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
        }
        if (damage == "undefined byte") {
            QByteArray edited = whole;
            const qsizetype at = edited.indexOf("Player2");
            QVERIFY(at >= 0);
            edited[at] = char(0xDB);
            QVERIFY(writeBytes(file, edited));
        }
        auto* list = child<QListWidget>(run.start(), "File1");
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        click(run.start(), "LOADGAMEButton");

        QCOMPARE(messages.shown.size(), std::size_t(1));
        if (!message.isEmpty()) QCOMPARE(messages.lastText(), message);
        QVERIFY(!run.program.main()); // nothing of a game was built
        QVERIFY(run.start().isVisible());
        QVERIFY(!child(run.start(), "PROBAR1")->isVisible());
        for (const char* b : {"NEWGAMEButton", "LOADGAMEButton", "DELETEButton", "HallOfFrameButton"})
            QVERIFY2(child(run.start(), b)->isEnabled(), b);

        // A good file loads afterwards from the same window.
        QVERIFY(writeBytes(file, whole));
        run.load(q("เกม.dat"));
        QVERIFY(run.program.main());
        QVERIFY(run.main().isVisible());
        QCOMPARE(messages.shown.size(), std::size_t(1));
    }

    // A saved game whose file name is not valid UTF-8 is listed with replacement characters, loads by
    // its real name, and is saved back to that same file rather than to one named after what is shown.
    void savedGameWhoseNameIsNotUtf8LoadsAndSavesBackToItsFile() {
        QTemporaryDir dir;
        const std::string odd = "g\xFF";
        saveFreshGame(dir.path(), odd.c_str());
        const std::filesystem::path file = pathOf(dir.path()) / (odd + ".dat");
        QVERIFY(std::filesystem::exists(file));
        Run run(dir.path());
        run.load(QStringLiteral("g") + QChar(0xFFFD) + QStringLiteral(".dat"));
        QVERIFY(run.program.main());
        QVERIFY(run.main().isVisible());
        QCOMPARE(run.s().FileName, odd);
        QVERIFY(run.turn(3, 3));
        const auto before = std::filesystem::file_size(file);
        std::filesystem::resize_file(file, 0);
        click(run.main(), "SaveButton");
        QVERIFY(messages.shown.empty());
        QCOMPARE(std::filesystem::file_size(file), before);
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(pathOf(dir.path())))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{odd + ".dat", odd + ".log", odd + ".wealth"}));
    }

    // A token picture whose file has gone keeps the default token and says so; its path stays in
    // the game for the next save.
    void loadedTokenPictureThatNoLongerLoads() {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("cat.png"));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(kept));
        const QString gone = dir.filePath(QStringLiteral("gone.png"));
        saveFreshGame(dir.path(), "รูป", [&](Game& g) {
            GameState& s = g.stateToSetUp();
            s.LP[1] = kTrue;
            s.LPName[1] = ui::toUtf8(gone);
            s.LP[2] = kTrue;
            s.LPName[2] = ui::toUtf8(kept);
        });
        Run run(dir.path());
        run.load(q("รูป.dat"));
        QVERIFY(run.main().isVisible());
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(messages.lastText().contains(gone));
        QVERIFY(messages.lastText().contains(q("Player1")));
        QVERIFY(!messages.lastText().contains(kept));
        QCOMPARE(run.s().LP[1], kTrue);
        QCOMPARE(run.s().LPName[1], ui::toUtf8(gone));
    }

    // A player who went bankrupt stays off the board after a load: his token, drawn in a picture
    // of one colour, is neither shown nor picked up.
    void loadedBankruptPlayersTokenStaysOffTheBoard() {
        QTemporaryDir dir;
        const QColor own(17, 201, 233);
        const QString picture = dir.filePath(QStringLiteral("own.png"));
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(own);
        QVERIFY(image.save(picture));
        NewGameSetup three;
        three.numPlayers = 3;
        saveFreshGame(
            dir.path(), "ล้มละลาย",
            [&](Game& g) {
                g.stateToSetUp().LP[2] = kTrue;
                g.stateToSetUp().LPName[2] = ui::toUtf8(picture);
                g.stateToSetUp().NV = 2;
                g.GoBankrupt();
                g.stateToSetUp().NV = 1;
            },
            three);
        Run run(dir.path());
        run.load(q("ล้มละลาย.dat"));
        QVERIFY(messages.shown.empty());
        board::BoardView& view = run.main().board().view();
        const Rect token = board::tokenRect(run.s(), 2);
        const QPoint at = view.toPixels(token.left + token.width / 2, token.top + token.height / 2);
        const QImage shown = view.grab().toImage();
        QVERIFY(shown.pixelColor(at * shown.devicePixelRatio()) != own);
        QTest::mousePress(&view, Qt::LeftButton, {}, at);
        QCOMPARE(view.draggedPlayer(), 0);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
    }

    // A loaded speed selects its option; a speed that is none of the five's selects none, rather
    // than leaving "กลางๆ" looking chosen.
    void loadedSpeedSelectsItsOptionOrNone_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("option"); // 0: none
        QTest::newRow("เร็ว") << 10000 << 2;
        QTest::newRow("ช้าที่สุด") << 200000 << 5;
        QTest::newRow("between two options") << 50000 << 0;
        QTest::newRow("no pause at all") << 0 << 0;
    }
    void loadedSpeedSelectsItsOptionOrNone() {
        QFETCH(int, speed);
        QFETCH(int, option);
        QTemporaryDir dir;
        saveFreshGame(dir.path(), "เร็ว", [&](Game& g) { g.stateToSetUp().Speed = speed; });
        Run run(dir.path());
        run.load(q("เร็ว.dat"));
        QVERIFY(messages.shown.empty());
        for (int i = 1; i <= 5; ++i) {
            const QByteArray name = "OpgSpeed" + QByteArray::number(i);
            QCOMPARE(child<QRadioButton>(run.main(), name.constData())->isChecked(), i == option);
        }
    }

    void hallOfFameOpensFromTheStartWindowWithoutAGame() {
        QTemporaryDir dir;
        QVERIFY(std::holds_alternative<int>(SaveRecFile(rich("สมชาย", 30000), pathOf(dir.path()))));
        Run run(dir.path());
        click(run.start(), "HallOfFrameButton");
        halloffame::HallOfFameWindow& hall = run.program.hallOfFame();
        QVERIFY(hall.isVisible());
        QCOMPARE(lines(child<QListWidget>(hall, "TopList")), QStringList{q("1 สมชาย   30000")});
        QVERIFY(!run.program.main());
        // MAIN's button opens the same window.
        hall.hide();
        run.newGame(QStringLiteral("g"));
        click(run.main(), "RecButton");
        QVERIFY(hall.isVisible());
        QCOMPARE(&run.main().hallOfFame(), &hall);
    }

    // Player 1 goes bankrupt on the tax square and player 2 wins with 15000 in cash and deed 1
    // (600): 15600.
    void endOfTheGame_data() {
        QTest::addColumn<QStringList>("before"); // name=total of the ranks already in RecFile
        QTest::addColumn<QStringList>("after");  // the list the hall of fame shows
        QTest::addColumn<bool>("newRecord");
        QTest::newRow("first win") << QStringList{} << QStringList{q("1 Player2   15600")} << true;
        QTest::newRow("a tie goes above")
            << QStringList{q("รวย=20000"), q("เสมอ=15600")}
            << QStringList{q("1 รวย   20000"), q("2 Player2   15600"), q("3 เสมอ   15600")} << true;
        QStringList ten, tenShown;
        for (int i = 1; i <= 10; ++i) {
            ten << QStringLiteral("r%1=%2").arg(i).arg(30000 - i);
            tenShown << QStringLiteral("%1 r%1   %2").arg(i).arg(30000 - i);
        }
        QTest::newRow("poorer than all ten") << ten << tenShown << false;
    }
    void endOfTheGame() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, newRecord);
        QTemporaryDir dir;
        for (const QString& entry : before) {
            const QStringList parts = entry.split(QLatin1Char('='));
            const std::string name = ui::toUtf8(parts[0]);
            QVERIFY(std::holds_alternative<int>(
                SaveRecFile(rich(name.c_str(), parts[1].toInt()), pathOf(dir.path()))));
        }
        Run run(dir.path());
        QVERIFY(run.lastTurnBeforeTheTax());
        click(run.main(), "OKButtonInTaxFrame");

        QCOMPARE(messages.saw(q("New Record")), newRecord);
        QVERIFY(!run.main().isVisible());
        QVERIFY(!run.main().board().isVisible());
        halloffame::WinWindow& win = run.main().winForm();
        QVERIFY(win.isVisible());
        QCOMPARE(child<QLabel>(win, "WLabelName")->text(), q("Player2"));
        QCOMPARE(child<QLineEdit>(win, "Text1")->text(), q("15600"));
        QCOMPARE(child<QLineEdit>(win, "Text2")->text(), q("15000"));
        QCOMPARE(child<QLabel>(win, "WLabelNumOfDeed")->text(), q("1"));
        QCOMPARE(lines(child<QListWidget>(win, "List1")),
                 QStringList{ui::qs(HoldingsLine(1, run.s().deed(1)).text())});

        click(win, "HallOfFrameButton");
        halloffame::HallOfFameWindow& hall = run.program.hallOfFame();
        QVERIFY(hall.isVisible());
        QCOMPARE(lines(child<QListWidget>(hall, "TopList")), after);
        QCOMPARE(run.quits, 0);
        click(win, "Command1");
        QCOMPARE(run.quits, 1);
    }

    // The holdings window open when the game ends goes with the game: nothing can be sold once the
    // winner is recorded.
    void holdingsWindowClosesWithTheGame() {
        QTemporaryDir dir;
        Run run(dir.path());
        QVERIFY(run.lastTurnBeforeTheTax());
        click(run.main(), "PlayerButton2");
        QWidget& holdings = run.main().dealings().playerForm();
        QVERIFY(holdings.isVisible());
        QVERIFY(child(holdings, "SellButton")->isEnabled());
        click(run.main(), "OKButtonInTaxFrame");
        QVERIFY(run.main().winForm().isVisible());
        QVERIFY(!holdings.isVisible());
    }

    void recFileThatCannotBeWrittenIsReported() {
        QTemporaryDir dir;
        Run run(dir.path());
        run.newGame(QStringLiteral("g"));
        HalfWriter failing;
        run.program.setFileWriter(failing);
        run.game().PlayerMoneyChange(1, -14900);
        run.s().player(1).Position = 32;
        QVERIFY(run.roll(3, 3));
        run.carry();
        click(run.main(), "OKButtonInTaxFrame");
        QVERIFY(messages.saw(q("ไม่สามารถบันทึกไฟล์บันทึกสุดยอดทาวอริน (RecFile) ได้")));
        QVERIFY(!messages.saw(q("New Record")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("RecFile"))));
        QVERIFY(run.main().winForm().isVisible());
    }

    // A seat set to the strong computer plays as a computer, plans ahead, and keeps that beside the
    // saved game: a save with no strong seat writes nothing new, a load without the file (or with a
    // damaged one) has classic computers.
    void strongSeatIsChosenSavedAndLoaded() {
        QTemporaryDir dir;
        {
            Run run(dir.path());
            child<QLineEdit>(run.start(), "Text1")->setText(QStringLiteral("g"));
            click(run.start(), "NEWGAMEButton");
            auto* type2 = child<QComboBox>(run.start().setupWindow(), "CmbType2");
            QCOMPARE(type2->findText(q("คอมฯ เก่ง")), 2);
            type2->setCurrentIndex(type2->findText(q("คอมฯ เก่ง")));
            click(run.start().setupWindow(), "OKButton");
            QCOMPARE(run.s().player(2).IsComputer, kTrue);
            QCOMPARE(run.main().computer().seats()[2], StrategyKind::Strong);
            QCOMPARE(run.main().computer().seats()[1], StrategyKind::Classic);
            click(run.main(), "SaveButton");
            QFile seats(dir.filePath(QStringLiteral("g.seats")));
            QVERIFY(seats.open(QIODevice::ReadOnly));
            QVERIFY(seats.readAll().contains("2 strong\n"));
        }
        struct Case {
            const char* what;
            QByteArray file; // empty: no file
            StrategyKind seat2;
        } cases[] = {{"as saved", QByteArray(), StrategyKind::Strong},
                     {"no file", "-", StrategyKind::Classic},
                     {"damaged", "2 very strong\n", StrategyKind::Classic}};
        QFile::copy(dir.filePath(QStringLiteral("g.seats")), dir.filePath(QStringLiteral("saved.seats")));
        for (const Case& c : cases) {
            QFile::remove(dir.filePath(QStringLiteral("g.seats")));
            if (c.file.isEmpty())
                QFile::copy(dir.filePath(QStringLiteral("saved.seats")),
                            dir.filePath(QStringLiteral("g.seats")));
            else if (c.file != "-") {
                QFile f(dir.filePath(QStringLiteral("g.seats")));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(c.file);
            }
            Run again(dir.path());
            again.load(QStringLiteral("g.dat"));
            QVERIFY2(again.program.main(), c.what);
            QVERIFY2(again.main().computer().seats()[2] == c.seat2, c.what);
        }
        // The same name saved again with classic computers only: the old strong seats go.
        QFile::copy(dir.filePath(QStringLiteral("saved.seats")), dir.filePath(QStringLiteral("g.seats")));
        Run classic(dir.path());
        classic.newGame(QStringLiteral("g"));
        click(classic.main(), "SaveButton");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("g.seats"))));
        QVERIFY(messages.shown.empty());
    }

    // The game's log is written beside the saved game and read back with it; a game without one, or
    // with a damaged one, loads all the same.
    void gameLogIsSavedAndLoadedWithTheGame() {
        QTemporaryDir dir;
        QString first;
        {
            Run run(dir.path());
            run.newGame(QStringLiteral("g"));
            first = q("ตาที่ 1 ") + ui::qs(run.s().player(1).Name) + q(": ถึงตาเล่น");
            click(run.main(), "SaveButton");
        }
        QFile saved(dir.filePath(QStringLiteral("g.log")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), first + QLatin1Char('\n'));
        saved.close();
        QVERIFY(QFile::copy(saved.fileName(), dir.filePath(QStringLiteral("kept.log"))));
        struct Case {
            const char* what;
            QByteArray file; // empty: as saved; "-": no file
            QString shown;
        } cases[] = {{"as saved", QByteArray(), first},
                     {"no file", "-", QString()},
                     {"not UTF-8", "\xff\xfe\x00\x01", q("อ่านไฟล์ g.log ไม่ได้ บันทึกการเล่นก่อนหน้านี้จึงไม่แสดง")}};
        for (const Case& c : cases) {
            QFile::remove(saved.fileName());
            if (c.file.isEmpty())
                QVERIFY(QFile::copy(dir.filePath(QStringLiteral("kept.log")), saved.fileName()));
            else if (c.file != "-") {
                QFile f(saved.fileName());
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(c.file);
            }
            Run again(dir.path());
            again.load(QStringLiteral("g.dat"));
            QVERIFY2(again.program.main(), c.what);
            QCOMPARE(again.main().gameLogView().text().toPlainText(), c.shown);
        }
        QVERIFY(messages.shown.empty());
    }

    // The wealth chart's history is saved beside the game and read back with it, so that a loaded
    // game's chart goes back to its first turn; without the file, or with a damaged one, the game
    // loads all the same and its chart begins at the load.
    void wealthHistoryIsSavedAndLoadedWithTheGame() {
        QTemporaryDir dir;
        {
            Run run(dir.path());
            run.newGame(QStringLiteral("g"));
            QVERIFY(run.turn(3, 3)); // player 1 buys deed 5 for 1000: worth as it was
            QVERIFY(run.turn(3, 3)); // player 2 pays player 1 its rent of 100
            click(run.main(), "SaveButton");
        }
        const QString file = dir.filePath(QStringLiteral("g.wealth"));
        QVERIFY(QFile::exists(file));
        QVERIFY(QFile::copy(file, dir.filePath(QStringLiteral("kept.wealth"))));
        using Worths = QList<std::pair<std::int64_t, std::int64_t>>;
        const Worths whole = {{15000, 15000}, {15000, 15000}, {15100, 14900}};
        const Worths fromTheLoad = {{15100, 14900}};
        struct Case {
            const char* what;
            QByteArray file; // empty: as saved; "-": no file
            Worths worths;
            QString note;
        } cases[] = {{"as saved", QByteArray(), whole, QString()},
                     {"no file", "-", fromTheLoad, QString()},
                     {"damaged", "tavorin wealth 1\n0 1 1\n", fromTheLoad,
                      q("อ่านไฟล์ g.wealth ไม่ได้ กราฟความมั่งคั่งจึงเริ่มที่การโหลดครั้งนี้")}};
        for (const Case& c : cases) {
            QFile::remove(file);
            if (c.file.isEmpty())
                QVERIFY(QFile::copy(dir.filePath(QStringLiteral("kept.wealth")), file));
            else if (c.file != "-") {
                QFile f(file);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(c.file);
            }
            Run again(dir.path());
            again.load(QStringLiteral("g.dat"));
            QVERIFY2(again.program.main(), c.what);
            Worths worths;
            int turn = 0;
            for (const WealthPoint& p : again.main().wealthHistory().upToNow()) {
                QCOMPARE(p.turn, turn++);
                worths.append({p.worth[1], p.worth[2]});
            }
            QVERIFY2(worths == c.worths, c.what);
            QCOMPARE(again.main().gameLog().lines().back() == ui::toUtf8(c.note), !c.note.isEmpty());
        }
        QVERIFY(messages.shown.empty());
    }

    // Strong computers play their turns through the windows, thinking away from the window thread,
    // and a game closed while one of them thinks goes away cleanly.
    void strongComputersPlayAndCloseMidThought() {
        QTemporaryDir dir;
        Run run(dir.path());
        child<QLineEdit>(run.start(), "Text1")->setText(QStringLiteral("g"));
        click(run.start(), "NEWGAMEButton");
        for (const char* name : {"CmbType1", "CmbType2"}) {
            auto* type = child<QComboBox>(run.start().setupWindow(), name);
            type->setCurrentIndex(type->findText(q("คอมฯ เก่ง")));
        }
        run.random.fallback = [n = 0](int lo, int hi) mutable { return lo + (n++ % (hi - lo + 1)); };
        click(run.start().setupWindow(), "OKButton");
        app::ComputerDriver& driver = run.main().computer();
        driver.setFixedPause(0);
        QVERIFY(QTest::qWaitFor([&] { return driver.turnsPlayed() >= 12 || run.s().gameOver; }, 60000));
        QCOMPARE(driver.deepestStep(), 1);
        // Mid-thought: the status line says the computer thinks.
        QVERIFY(QTest::qWaitFor(
            [&] { return run.game().screen()[Ctl::LabelComThinking].text == "คอมพิวเตอร์กำลังคิด..."; }, 60000));
    } // the program, its driver and the thinking threads go here
    // The game menu's เกมใหม่ and โหลดเกม leave the game for the start window, a changed game offered
    // to be saved first; staying keeps the game as it was.
    void gameMenuReturnsToTheStartWindow() {
        QTemporaryDir dir;
        Run run(dir.path());
        run.newGame(q("กลับไปหน้าแรก"));
        QVERIFY(run.turn(3, 3));
        auto trigger = [&](const char* entry) {
            run.main().findChild<QAction*>(QString::fromLatin1(entry))->trigger();
            QCoreApplication::processEvents(); // the request is handled from the event loop
        };
        messages.answers = {MsgResult::Cancel};
        trigger("NewGameAction");
        QCOMPARE(messages.lastText(), q("เกมนี้มีการเล่นที่ยังไม่ได้บันทึก ต้องการบันทึกเกมก่อนหรือไม่"));
        QVERIFY(run.program.main());
        QVERIFY(run.main().isVisible());
        QVERIFY(!run.start().isVisible());

        messages.answers = {MsgResult::Yes};
        trigger("LoadGameAction");
        QVERIFY(!run.program.main());
        QVERIFY(run.start().isVisible());
        QVERIFY(child(run.start(), "LOADGAMEButton")->isEnabled());
        run.load(q("กลับไปหน้าแรก.dat"));
        QVERIFY(run.program.main());
        QCOMPARE(run.s().deed(5).Owner, 1);
        QCOMPARE(run.s().NV, 2);

        // An unchanged game is left without a question, and the next one starts afresh.
        const std::size_t asked = messages.shown.size();
        trigger("NewGameAction");
        QCOMPARE(messages.shown.size(), asked);
        QVERIFY(run.start().isVisible());
        run.newGame(q("เกมที่สอง"));
        QCOMPARE(run.s().FileName, std::string("เกมที่สอง"));
        QCOMPARE(run.s().deed(5).Owner, 0);
        QVERIFY(run.turn(1, 2));
    }

    // The players of a new game are offered again in the setup window of the next run.
    void lastPlayersAreOfferedAgain() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("settings.ini"));
        {
            app::Settings settings(file);
            Run first(dir.path());
            first.program.setSettings(settings);
            child<QLineEdit>(first.start(), "Text1")->setText(q("สามคน"));
            click(first.start(), "NEWGAMEButton");
            setupui::SetupWindow& setup = first.start().setupWindow();
            click(setup, "Option3");
            child<QLineEdit>(setup, "PlayerName1")->setText(q("สมหญิง"));
            child<QComboBox>(setup, "CmbType3")->setCurrentIndex(1);
            click(setup, "OKButton");
            QCOMPARE(first.s().NumOfPlayer, 3);
        }
        app::Settings settings(file);
        Run second(dir.path());
        second.program.setSettings(settings);
        child<QLineEdit>(second.start(), "Text1")->setText(q("อีกเกม"));
        click(second.start(), "NEWGAMEButton");
        setupui::SetupWindow& setup = second.start().setupWindow();
        QVERIFY(child<QRadioButton>(setup, "Option3")->isChecked());
        QCOMPARE(child<QLineEdit>(setup, "PlayerName1")->text(), q("สมหญิง"));
        QCOMPARE(child<QLineEdit>(setup, "PlayerName2")->text(), q("Player2"));
        QCOMPARE(child<QComboBox>(setup, "CmbType3")->currentText(), q("คอมพิวเตอร์"));
        QCOMPARE(child<QComboBox>(setup, "CmbType2")->currentText(), q("คน"));
        QVERIFY(!child<QWidget>(setup, "Frame4")->isHidden());
        QVERIFY(child<QWidget>(setup, "Frame5")->isHidden());
        click(setup, "OKButton");
        QCOMPARE(second.s().player(1).Name, std::string("สมหญิง"));
        QCOMPARE(second.s().player(3).IsComputer, kTrue);
    }

    // The end rule, ticked in the setup window, goes beside the saved game in "<name>.end" (the
    // saved game's own bytes are those of a game without it), comes back with the game, and ends it
    // through the winner window and the hall of fame: here the richer by worth is not the one who
    // made the last lap. A load without the file, or with a damaged one, has no rule; a game saved
    // without the rule takes away the old file.
    void endRuleIsChosenSavedLoadedAndEndsTheGame() {
        QTemporaryDir dir, plain;
        const auto newGame = [](Run& run, const QString& name, int laps) {
            child<QLineEdit>(run.start(), "Text1")->setText(name);
            click(run.start(), "NEWGAMEButton");
            setupui::SetupWindow& setup = run.start().setupWindow();
            auto* limit = child<QSpinBox>(setup, "SpinEndLimit");
            auto* kind = child<QComboBox>(setup, "CmbEndKind");
            QVERIFY(!child<QCheckBox>(setup, "CheckEndRule")->isChecked());
            QVERIFY(!limit->isEnabled());
            if (laps > 0) {
                click(setup, "CheckEndRule");
                QVERIFY(limit->isEnabled());
                kind->setCurrentIndex(kind->findText(q("นาที")));
                QCOMPARE(setup.choices().endRule, (EndRule{EndKind::Minutes, 30}));
                kind->setCurrentIndex(kind->findText(q("รอบของผู้นำ")));
                limit->setValue(laps);
            }
            click(setup, "OKButton");
        };
        // Player 1 goes round from square 38 onto deed 1 and buys it; player 2 holds deed 29 and
        // 16500 in cash.
        const auto lapTurn = [](Run& run) {
            run.s().player(1).Position = 38;
            QVERIFY(run.turn(1, 2) || run.s().gameOver);
        };
        {
            Run without(plain.path());
            newGame(without, QStringLiteral("g"), 0);
            click(without.main(), "SaveButton");
            Run run(dir.path());
            newGame(run, QStringLiteral("g"), 2);
            QCOMPARE(run.game().endRule(), (EndRule{EndKind::Laps, 2}));
            click(run.main(), "SaveButton");
            QCOMPARE(readBytes(dir.filePath(QStringLiteral("g.dat"))),
                     readBytes(plain.filePath(QStringLiteral("g.dat"))));
            QVERIFY(!QFile::exists(plain.filePath(QStringLiteral("g.end"))));
            run.game().addDeed(2, 29);
            run.game().PlayerMoneyChange(2, 1500);
            lapTurn(run); // the first lap of two
            QVERIFY(!run.s().gameOver);
            QVERIFY(run.turn(3, 3)); // player 2 buys deed 5 with no house: 15500 in cash
            click(run.main(), "SaveButton");
            const auto saved = parseEndRule(readBytes(dir.filePath(QStringLiteral("g.end"))).toStdString());
            QVERIFY(saved);
            QCOMPARE(saved->rule, (EndRule{EndKind::Laps, 2}));
            QCOMPARE(saved->progress.laps, (std::array<int, kMaxPlayers + 1>{0, 1, 0, 0, 0, 0, 0}));
        }
        QFile::copy(dir.filePath(QStringLiteral("g.end")), dir.filePath(QStringLiteral("kept")));
        for (const char* damaged : {"", "laps 2\ndone 1 0 0 0 0 0\n"}) {
            QFile::remove(dir.filePath(QStringLiteral("g.end")));
            if (*damaged) QVERIFY(writeBytes(dir.filePath(QStringLiteral("g.end")), damaged));
            Run again(dir.path());
            again.load(QStringLiteral("g.dat"));
            QCOMPARE(again.game().endRule(), EndRule{});
        }
        QFile::remove(dir.filePath(QStringLiteral("g.end")));
        QFile::copy(dir.filePath(QStringLiteral("kept")), dir.filePath(QStringLiteral("g.end")));
        Run loaded(dir.path());
        loaded.load(QStringLiteral("g.dat"));
        QCOMPARE(loaded.game().endRule(), (EndRule{EndKind::Laps, 2}));
        QCOMPARE(loaded.game().endProgress().laps[1], 1);
        QVERIFY(messages.shown.empty());
        lapTurn(loaded); // onto his own deed 1: no house, the bonus in cash
        // Player 1: 15000 - 600 + 2 x 2000 = 18400 in cash and deed 1 (600) = 19000.
        // Player 2: 15500 in cash, deed 29 (4000) and deed 5 (1000) = 20500.
        QVERIFY(loaded.s().gameOver);
        QCOMPARE(messages.lastText(), q("New Record"));
        QVERIFY(messages.saw(q("ผู้นำเดินครบ 2 รอบแล้ว เกมจบลงที่นี่ ผู้ที่มีทรัพย์สินสุทธิมากที่สุดเป็นผู้ชนะ\n"
                               "Player1 : 19000 บาท\nPlayer2 : 20500 บาท")));
        halloffame::WinWindow& win = loaded.main().winForm();
        QVERIFY(win.isVisible());
        QCOMPARE(child<QLabel>(win, "WLabelName")->text(), q("Player2"));
        QCOMPARE(child<QLineEdit>(win, "Text1")->text(), q("20500"));
        QCOMPARE(child<QLineEdit>(win, "Text2")->text(), q("15500"));
        click(win, "HallOfFrameButton");
        QCOMPARE(lines(child<QListWidget>(loaded.program.hallOfFame(), "TopList")),
                 QStringList{q("1 Player2   20500")});

        messages.shown.clear();
        Run classic(dir.path());
        newGame(classic, QStringLiteral("g"), 0);
        QCOMPARE(classic.game().endRule(), EndRule{});
        click(classic.main(), "SaveButton");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("g.end"))));
        QVERIFY(messages.shown.empty());
    }

    // The winner window's เกมใหม่ and กลับหน้าแรก lead back to the start window, where the next game
    // starts afresh; the finished game has nothing to save.
    void winnerWindowLeadsToTheNextGame_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("focused");
        QTest::newRow("new game") << "NewGameButton"
                                  << "Text1";
        QTest::newRow("start window") << "StartWindowButton"
                                      << "File1";
    }
    void winnerWindowLeadsToTheNextGame() {
        QFETCH(QString, button);
        QFETCH(QString, focused);
        QTemporaryDir dir;
        Run run(dir.path());
        run.newGame(q("ครั้งแรก"));
        run.game().PlayerMoneyChange(1, -14900); // 100 baht and nothing to sell
        run.s().player(1).Position = 32;
        QVERIFY(run.roll(3, 3));
        run.carry();
        click(run.main(), "OKButtonInTaxFrame");
        halloffame::WinWindow& win = run.main().winForm();
        QVERIFY(win.isVisible());
        const std::size_t asked = messages.shown.size();
        click(win, button.toLatin1().constData());
        QCoreApplication::processEvents(); // the request is handled from the event loop
        QCOMPARE(messages.shown.size(), asked);
        QCOMPARE(run.quits, 0);
        QVERIFY(!run.program.main());
        QVERIFY(run.start().isVisible());
        QCOMPARE(run.start().focusWidget(), child(run.start(), focused.toLatin1().constData()));
        run.newGame(q("ครั้งที่สอง"));
        QCOMPARE(run.s().player(1).Money, 15000);
        QVERIFY(run.turn(1, 2));
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
