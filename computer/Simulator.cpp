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

#include "computer/Simulation.h"
#include "engine/Text.h"

using namespace tavorin;

namespace {

struct Options {
    long games = 1;
    int players = 4;
    std::uint64_t seed = 1;
    int maxTurns = 0;
    int endLaps = 0;
    bool firstLapLock = false;
    int deal = 0;
    bool json = false;
    std::string trace;
    int jobs = 1;
    std::vector<StrategyKind> seats; // empty: every seat classic
    StrongSettings strong;
    bool times = false;
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "tavorin-sim: " << problem << "\n"
              << "usage: tavorin-sim [--games N] [--players 2..6] [--seed S] [--max-turns T]\n"
              << "                   [--first-lap-lock] [--deal 1..4] [--json] [--trace FILE]\n"
              << "                   [--jobs N] [--seats classic|strong,...] [--rollouts N]\n"
              << "                   [--horizon TURNS] [--decision-times] [--end-laps N]\n";
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
        else if (a == "--end-laps")
            o.endLaps = int(number("--end-laps", value(), 1, EndRule::kMaxEndLimit));
        else if (a == "--first-lap-lock")
            o.firstLapLock = true;
        else if (a == "--deal")
            o.deal = int(number("--deal", value(), 1, 4));
        else if (a == "--json")
            o.json = true;
        else if (a == "--jobs")
            o.jobs = int(number("--jobs", value(), 1, 256));
        else if (a == "--seats") {
            const std::string_view list = value();
            o.seats.clear();
            std::size_t at = 0;
            for (;;) {
                const std::size_t comma = list.find(',', at);
                StrategyKind kind;
                if (!parseStrategy(list.substr(at, comma - at), kind))
                    usage("--seats takes classic or strong for each seat, separated by commas");
                o.seats.push_back(kind);
                if (comma == std::string_view::npos) break;
                at = comma + 1;
            }
        } else if (a == "--rollouts")
            o.strong.rollouts = int(number("--rollouts", value(), 1, 100000));
        else if (a == "--horizon")
            o.strong.horizon = int(number("--horizon", value(), 1, 100000));
        else if (a == "--decision-times")
            o.times = true;
        else if (a == "--trace")
            o.trace = value();
        else if (a == "--help" || a == "-h")
            usage("help");
        else
            usage("unknown option " + std::string(a));
    }
    if (!o.trace.empty() && o.games != 1) usage("--trace records one game; use it with --games 1");
    if (o.seats.size() > std::size_t(o.players)) usage("--seats names more seats than --players");
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
    SimOptions sim;
    sim.players = o.players;
    sim.firstLapLock = o.firstLapLock;
    sim.deal = o.deal;
    sim.maxTurns = o.maxTurns;
    sim.endLaps = o.endLaps;
    for (std::size_t k = 0; k < o.seats.size(); ++k) sim.seats[k + 1] = o.seats[k];
    sim.strong = o.strong;
    sim.timeDecisions = o.times;
    std::vector<float> decisionMs;
    std::vector<int> turns;
    std::vector<long> wins(7, 0);
    long capped = 0;
    long cutShort = 0; // won by worth with more than one player left
    long index = 0;
    if (o.json) std::cout << "{\"games\":[";
    auto report = [&](const SimGame& r) {
        turns.push_back(r.turns);
        decisionMs.insert(decisionMs.end(), r.strongDecisionMs.begin(), r.strongDecisionMs.end());
        if (r.winner)
            ++wins[std::size_t(r.winner)];
        else
            ++capped;
        if (r.winner && r.bankrupts.size() + 1 < std::size_t(o.players)) ++cutShort;
        std::string bankrupts;
        for (std::size_t b = 0; b < r.bankrupts.size(); ++b) {
            if (b) bankrupts += ',';
            bankrupts += std::to_string(r.bankrupts[b]);
        }
        if (o.json) {
            std::cout << (index ? "," : "") << "{\"seed\":" << r.seed << ",\"winner\":" << r.winner
                      << ",\"turns\":" << r.turns << ",\"bankruptcies\":[" << bankrupts << "]}";
        } else {
            std::cout << "seed " << r.seed << " winner " << r.winner << " turns " << r.turns
                      << " bankruptcies " << (bankrupts.empty() ? "-" : bankrupts) << '\n';
        }
        ++index;
    };
    if (trace)
        report(playSimGame(sim, o.seed, trace.get()));
    else
        playSimGames(sim, o.seed, o.games, o.jobs, report);
    std::vector<int> sorted = turns;
    std::sort(sorted.begin(), sorted.end());
    const int median = sorted[sorted.size() / 2];
    const int p10 = sorted[sorted.size() / 10];
    const int p90 = sorted[std::min(sorted.size() - 1, sorted.size() * 9 / 10)];
    // A share of wins means something only over several games; a single game's summary stays as it was.
    const bool shares = o.games > 1;
    if (o.json) {
        std::cout << "],\"summary\":{\"games\":" << o.games << ",\"capped\":" << capped
                  << ",\"medianTurns\":" << median << ",\"p10Turns\":" << p10 << ",\"p90Turns\":" << p90;
        if (shares) std::cout << ",\"maxTurns\":" << sorted.back();
        if (o.endLaps) std::cout << ",\"endLaps\":" << o.endLaps << ",\"endedByTheRule\":" << cutShort;
        std::cout << ",\"wins\":[";
        for (int k = 1; k <= 6; ++k) std::cout << (k > 1 ? "," : "") << wins[std::size_t(k)];
        std::cout << "]";
        if (shares) {
            std::cout << ",\"winShare\":[";
            for (int k = 1; k <= o.players; ++k) {
                const Proportion w = wilson95(wins[std::size_t(k)], o.games);
                std::cout << (k > 1 ? "," : "") << "{\"seat\":" << k << ",\"share\":" << w.value
                          << ",\"low95\":" << w.low << ",\"high95\":" << w.high << "}";
            }
            std::cout << "]";
        }
        std::cout << "}}\n";
    } else {
        std::cout << "games " << o.games << " capped " << capped << " turns median " << median << " p10 "
                  << p10 << " p90 " << p90;
        if (shares) std::cout << " max " << sorted.back();
        std::cout << " wins";
        for (int k = 1; k <= o.players; ++k) std::cout << ' ' << k << ':' << wins[std::size_t(k)];
        std::cout << '\n';
        if (shares) {
            std::cout << "win share with 95 % interval";
            char buffer[96];
            for (int k = 1; k <= o.players; ++k) {
                const Proportion w = wilson95(wins[std::size_t(k)], o.games);
                std::snprintf(buffer, sizeof buffer, " %d:%.1f%% [%.1f, %.1f]", k, 100 * w.value, 100 * w.low,
                              100 * w.high);
                std::cout << buffer;
            }
            std::cout << '\n';
        }
        if (o.endLaps)
            std::cout << "end rule: the leader's " << o.endLaps << " laps ended " << cutShort << " games\n";
        if (!o.seats.empty()) {
            std::cout << "seats";
            for (int k = 1; k <= o.players; ++k)
                std::cout << ' ' << k << ':' << strategyName(sim.seats[std::size_t(k)]);
            std::cout << '\n';
        }
        if (o.times && !decisionMs.empty()) {
            std::sort(decisionMs.begin(), decisionMs.end());
            char buffer[160];
            std::snprintf(buffer, sizeof buffer,
                          "strong decisions %zu, thinking ms median %.2f p99 %.2f worst %.2f\n",
                          decisionMs.size(), double(decisionMs[decisionMs.size() / 2]),
                          double(decisionMs[std::min(decisionMs.size() - 1, decisionMs.size() * 99 / 100)]),
                          double(decisionMs.back()));
            std::cout << buffer;
        }
    }
    return 0;
}
