#include "computer/Headless.h"

#include "computer/ComputerTurn.h"
#include "engine/Text.h"

namespace tavorin {

GameResult playComputerGame(Game& game, HeadlessView& view, int maxTurns,
                            const std::function<void(int, int)>& afterTurn, const Seats* seats) {
    GameResult result;
    std::array<bool, kMaxPlayers + 1> wasBankrupt{};
    while (!game.state().gameOver && view.computerPending && (maxTurns <= 0 || result.turns < maxTurns)) {
        view.computerPending = false;
        const int player = game.state().NV;
        ComputerTurn(game, seats ? (*seats)(player) : classicStrategy()).play();
        ++result.turns;
        for (int k = 1; k <= kMaxPlayers; ++k) {
            if (game.state().player(k).Bankrupt == kTrue && !wasBankrupt[std::size_t(k)]) {
                wasBankrupt[std::size_t(k)] = true;
                result.bankrupts.push_back(k);
            }
        }
        if (afterTurn) afterTurn(result.turns, player);
    }
    result.winner = game.state().gameOver ? view.winner : 0;
    return result;
}

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

namespace {
void appendDeck(std::string& out, const char* name, int next,
                const std::array<std::int16_t, kMaxCards + 1>& order, int size) {
    out += '"';
    out += name;
    out += "\":{\"next\":";
    appendNumber(out, next);
    out += ",\"order\":[";
    for (int i = 1; i <= size; ++i) {
        if (i > 1) out += ',';
        appendNumber(out, order[std::size_t(i)]);
    }
    out += "]}";
}
} // namespace

std::string stateJson(const GameState& s, int turn, int player) {
    std::string out;
    out.reserve(2048);
    out += "{\"turn\":";
    appendNumber(out, turn);
    out += ",\"nv\":";
    appendNumber(out, player);
    out += ",\"players\":[";
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const PlayerRecord& p = s.player(k);
        if (k > 1) out += ',';
        out += "{\"name\":" + jsonString(p.Name) + ",\"money\":";
        appendNumber(out, p.Money);
        out += ",\"position\":";
        appendNumber(out, p.Position);
        out += ",\"deeds\":[";
        for (int i = 1; i <= p.DeedCount; ++i) {
            if (i > 1) out += ',';
            appendNumber(out, p.Deeds[std::size_t(i)]);
        }
        out += "],\"mayPlay\":";
        appendNumber(out, p.MayPlay);
        out += ",\"bankrupt\":";
        appendNumber(out, p.Bankrupt);
        out += '}';
    }
    out += "],\"deeds\":[";
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& r = s.deed(d);
        if (d > 1) out += ',';
        out += "{\"owner\":";
        appendNumber(out, r.Owner);
        out += ",\"houses\":";
        appendNumber(out, r.Houses);
        out += ",\"towers\":";
        appendNumber(out, r.Towers);
        out += ",\"mortgaged\":";
        appendNumber(out, r.Mortgaged);
        out += '}';
    }
    out += "],";
    appendDeck(out, "treasure", s.OrderNumberOfTreasure, s.TreasureOrder, s.NumOfTreasure);
    out += ',';
    appendDeck(out, "fate", s.OrderNumberOfFate, s.FateOrder, s.NumOfFate);
    out += '}';
    return out;
}

} // namespace tavorin
