// Saves pictures of the winner window, the hall-of-fame list and its detail window, filled as after
// a long game, to look at by eye: halloffame_screenshots DIR
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <filesystem>

#include "engine/DeedLine.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "tests/ui/QtSupport.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

namespace {
// The winner holds deeds of every kind, some built on and one mortgaged.
HallRecord longGameWinner() {
    HallRecord r;
    r.Name = "สมหญิงใจดีมากมาย";
    r.Money = 48250;
    r.TotalAsset = 91750;
    const int deeds[] = {1, 3, 9, 13, 20, 22, 27, 28, 29};
    for (int d : deeds) {
        DeedRecord rec;
        const DeedData& data = kDeedTable[std::size_t(d)];
        rec.Name = std::string(data.name);
        rec.LandType = std::uint8_t(data.landType);
        rec.Houses = data.landType == LandType::Single ? std::int16_t(d % 5) : 0;
        rec.Towers = d == 29 ? 1 : 0;
        rec.Mortgaged = d == 22 ? kTrue : kFalse;
        r.DeedLines[++r.DeedCount] = HoldingsLine(d, rec).text();
    }
    return r;
}
} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    ui::useThaiFont(qapp);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    test::MessageRecorder messages;
    QTemporaryDir folder;
    const std::filesystem::path dir(folder.path().toStdU16String());

    const HallRecord winner = longGameWinner();
    const char* names[] = {"มานี", "Computer", "สมชาย", "ปิติ", "ชูใจ", "วีระ", "Player2"};
    std::int32_t total = 120000;
    for (const char* name : names) {
        HallRecord r;
        r.Name = name;
        r.TotalAsset = total;
        r.Money = total / 2;
        SaveRecFile(r, dir);
        total -= 9000;
    }
    SaveRecFile(winner, dir);

    halloffame::WinWindow win;
    win.setQuitHandler([] {});
    win.SetValueInWinForm(winner);
    win.show();
    win.grab().save(out + QStringLiteral("/WinForm.png"));

    halloffame::HallOfFameWindow hall(folder.path());
    hall.open();
    hall.grab().save(out + QStringLiteral("/HallOfFrame.png"));
    auto* list = hall.findChild<QListWidget*>(QStringLiteral("TopList"));
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().contains(QString::fromUtf8(winner.Name))) list->setCurrentRow(row);
    emit list->itemDoubleClicked(list->currentItem());
    hall.detailWindow().grab().save(out + QStringLiteral("/HallOfFrameDetail.png"));
    return 0;
}
