#include "computer/Simulation.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

#include "computer/Headless.h"

namespace tavorin {

SimGame playSimGame(const SimOptions& o, std::uint64_t seed, std::ostream* trace) {
    SeededRandom base(seed);
    TracingRandom traced(base, [&](int lo, int hi, int v) {
        *trace << "{\"rdm\":[" << lo << ',' << hi << ',' << v << "]}\n";
    });
    HeadlessView view;
    if (trace)
        view.onMessage = [&](std::string_view title, std::string_view text) {
            *trace << "{\"msg\":{\"title\":" << jsonString(title) << ",\"text\":" << jsonString(text)
                   << "}}\n";
        };
    auto game = trace ? std::make_unique<Game>(static_cast<RandomSource&>(traced), view)
                      : std::make_unique<Game>(base, view);
    NewGameSetup setup;
    setup.numPlayers = o.players;
    for (int k = 1; k <= o.players; ++k) setup.computer[std::size_t(k)] = true;
    setup.buyFirstLoop = !o.firstLapLock;
    setup.initialDeeds = o.deal;
    if (o.endLaps > 0) setup.endRule = {EndKind::Laps, o.endLaps};
    game->NewGame(setup);
    SimGame result;
    std::array<std::unique_ptr<StrongStrategy>, kMaxPlayers + 1> strong;
    Seats seats;
    for (int k = 1; k <= o.players; ++k) {
        if (o.seats[std::size_t(k)] != StrategyKind::Strong) continue;
        strong[std::size_t(k)] = std::make_unique<StrongStrategy>(o.strong);
        if (o.timeDecisions) strong[std::size_t(k)]->recordTimes(&result.strongDecisionMs);
        seats.of[std::size_t(k)] = strong[std::size_t(k)].get();
    }
    const GameResult r = playComputerGame(
        *game, view, o.maxTurns,
        [&](int turn, int player) {
            if (trace) *trace << stateJson(game->state(), turn, player) << '\n';
        },
        &seats);
    result.seed = seed;
    result.winner = r.winner;
    result.turns = r.turns;
    result.bankrupts = r.bankrupts;
    return result;
}

void playSimGames(const SimOptions& o, std::uint64_t firstSeed, long count, int jobs,
                  const std::function<void(const SimGame&)>& onGame) {
    if (count <= 0) return;
    if (jobs <= 1) {
        for (long i = 0; i < count; ++i) onGame(playSimGame(o, firstSeed + std::uint64_t(i)));
        return;
    }
    // Workers may run ahead of the games handed back by at most `window` games, so memory stays
    // bounded however many games are asked for.
    const long window = 64L * jobs;
    std::mutex m;
    std::condition_variable changed;
    std::deque<std::unique_ptr<SimGame>> pending; // games emitted .. emitted + size - 1
    long next = 0, emitted = 0;
    auto worker = [&] {
        std::unique_lock lock(m);
        for (;;) {
            changed.wait(lock, [&] { return next >= count || next < emitted + window; });
            if (next >= count) return;
            const long i = next++;
            lock.unlock();
            auto game = std::make_unique<SimGame>(playSimGame(o, firstSeed + std::uint64_t(i)));
            lock.lock();
            const std::size_t slot = std::size_t(i - emitted);
            if (pending.size() <= slot) pending.resize(slot + 1);
            pending[slot] = std::move(game);
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j) threads.emplace_back(worker);
    {
        std::unique_lock lock(m);
        while (emitted < count) {
            changed.wait(lock, [&] { return !pending.empty() && pending.front(); });
            std::unique_ptr<SimGame> game = std::move(pending.front());
            pending.pop_front();
            ++emitted;
            changed.notify_all();
            lock.unlock();
            onGame(*game);
            lock.lock();
        }
    }
    for (std::thread& t : threads) t.join();
}

Proportion wilson95(long successes, long trials) {
    if (trials <= 0) return {};
    const double z = 1.959963984540054;
    const double n = double(trials), p = double(successes) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

} // namespace tavorin
