// RecFile from anywhere: read as ten ranks without reading out of bounds, listed, and merged with a win.
#include <cstdint>
#include <span>

#include "halloffame/HallRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const tavorin::HallOfFame ranks = tavorin::readRecFile(bytes);
    (void)tavorin::HallOfFrameLines(ranks);
    for (int line = 0; line < 10; ++line) (void)tavorin::HallOfFrameDetailShow(ranks, line);
    tavorin::HallRecord win;
    win.Name = "ผู้ชนะ";
    win.TotalAsset = 30000;
    win.Money = 20000;
    (void)tavorin::mergeWinRecord(bytes, win);
    return 0;
}
