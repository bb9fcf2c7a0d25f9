// tavorin-sim: plays all-computer games headless, for balance checks, benchmarks and bug reports.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "computer/Headless.h"
#include "engine/Text.h"

using namespace tavorin;

namespace {

struct Options {
    long games = 1;
    int players = 4;
    std::uint64_t seed = 1;
    int maxTurns = 0;
    bool firstLapLock = false;
    int deal = 0;
    bool json = false;
    std::string trace;
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "tavorin-sim: " << problem << "\n"
              << "usage: tavorin-sim [--games N] [--players 2..6] [--seed S] [--max-turns T]\n"
              << "                   [--first-lap-lock] [--deal 1..4] [--json] [--trace FILE]\n";
    std::exit(2);
}

long number(const char* option, const char* text, long lo, long hi) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < lo || v > hi)
        usage(std::string(option) + " needs a whole number from " + std::to_string(lo) + " to " +
              std::to_string(hi));
    return v;
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) usage(std::string(a) + " needs a value");
            return argv[++i];
        };
        if (a == "--games")
            o.games = number("--games", value(), 1, 100000000);
        else if (a == "--players")
            o.players = int(number("--players", value(), 2, 6));
        else if (a == "--seed")
            o.seed = std::uint64_t(number("--seed", value(), 0, 2147483647));
        else if (a == "--max-turns")
            o.maxTurns = int(number("--max-turns", value(), 1, 100000000));
        else if (a == "--first-lap-lock")
            o.firstLapLock = true;
        else if (a == "--deal")
            o.deal = int(number("--deal", value(), 1, 4));
        else if (a == "--json")
            o.json = true;
        else if (a == "--trace")
            o.trace = value();
        else if (a == "--help" || a == "-h")
            usage("help");
        else
            usage("unknown option " + std::string(a));
    }
    if (!o.trace.empty() && o.games != 1) usage("--trace records one game; use it with --games 1");
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    std::unique_ptr<std::ofstream> trace;
    if (!o.trace.empty()) {
        trace = std::make_unique<std::ofstream>(o.trace, std::ios::binary);
        if (!*trace) {
            std::cerr << "tavorin-sim: cannot write " << o.trace << "\n";
            return 1;
        }
    }
    std::vector<int> turns;
    std::vector<long> wins(7, 0);
    long capped = 0;
    if (o.json) std::cout << "{\"games\":[";
    for (long i = 0; i < o.games; ++i) {
        const std::uint64_t seed = o.seed + std::uint64_t(i);
        SeededRandom base(seed);
        TracingRandom traced(base, [&](int lo, int hi, int v) {
            *trace << "{\"rdm\":[" << lo << ',' << hi << ',' << v << "]}\n";
        });
        RandomSource& random = trace ? static_cast<RandomSource&>(traced) : base;
        HeadlessView view;
        if (trace)
            view.onMessage = [&](std::string_view title, std::string_view text) {
                *trace << "{\"msg\":{\"title\":" << jsonString(title) << ",\"text\":" << jsonString(text)
                       << "}}\n";
            };
        auto game = std::make_unique<Game>(random, view);
        NewGameSetup setup;
        setup.numPlayers = o.players;
        for (int k = 1; k <= o.players; ++k) setup.computer[std::size_t(k)] = true;
        setup.buyFirstLoop = !o.firstLapLock;
        setup.initialDeeds = o.deal;
        game->NewGame(setup);
        const GameResult r = playComputerGame(*game, view, o.maxTurns, [&](int turn, int player) {
            if (trace) *trace << stateJson(game->s, turn, player) << '\n';
        });
        turns.push_back(r.turns);
        if (r.winner)
            ++wins[std::size_t(r.winner)];
        else
            ++capped;
        std::string bankrupts;
        for (std::size_t b = 0; b < r.bankrupts.size(); ++b) {
            if (b) bankrupts += ',';
            bankrupts += std::to_string(r.bankrupts[b]);
        }
        if (o.json) {
            std::cout << (i ? "," : "") << "{\"seed\":" << seed << ",\"winner\":" << r.winner
                      << ",\"turns\":" << r.turns << ",\"bankruptcies\":[" << bankrupts << "]}";
        } else {
            std::cout << "seed " << seed << " winner " << r.winner << " turns " << r.turns << " bankruptcies "
                      << (bankrupts.empty() ? "-" : bankrupts) << '\n';
        }
    }
    std::vector<int> sorted = turns;
    std::sort(sorted.begin(), sorted.end());
    const int median = sorted[sorted.size() / 2];
    const int p10 = sorted[sorted.size() / 10];
    const int p90 = sorted[std::min(sorted.size() - 1, sorted.size() * 9 / 10)];
    if (o.json) {
        std::cout << "],\"summary\":{\"games\":" << o.games << ",\"capped\":" << capped
                  << ",\"medianTurns\":" << median << ",\"p10Turns\":" << p10 << ",\"p90Turns\":" << p90
                  << ",\"wins\":[";
        for (int k = 1; k <= 6; ++k) std::cout << (k > 1 ? "," : "") << wins[std::size_t(k)];
        std::cout << "]}}\n";
    } else {
        std::cout << "games " << o.games << " capped " << capped << " turns median " << median << " p10 "
                  << p10 << " p90 " << p90 << " wins";
        for (int k = 1; k <= o.players; ++k) std::cout << ' ' << k << ':' << wins[std::size_t(k)];
        std::cout << '\n';
    }
    return 0;
}
