// The generator's jump over the draws a computer's turn drops.
//
// xoshiro256**'s step is linear over GF(2): the state after kJump steps is a fixed 256 x 256 bit
// matrix times the state before. Split the state into chunks of kBits bits; the matrix times the
// state is then the XOR, over the chunks, of the matrix times that chunk alone, which a table
// indexed by the chunk's value holds. The tables are built by the compiler from the step itself.
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/Random.h"

namespace tavorin {

namespace {

// Bytes: 32 tables of 256 states, 256 KB of read-only data that only headless play reads. Nibbles
// (32 KB) stay in the first-level cache, but their 64 look-ups made whole simulations slower.
constexpr int kBits = 8;
constexpr int kChunks = 256 / kBits;
constexpr int kValues = 1 << kBits;

struct alignas(32) Words {
    std::uint64_t w[4];
};

constexpr Words operator^(const Words& a, const Words& b) {
    return {{a.w[0] ^ b.w[0], a.w[1] ^ b.w[1], a.w[2] ^ b.w[2], a.w[3] ^ b.w[3]}};
}

// next()'s change of the state, without its output.
constexpr Words step(Words s) {
    const std::uint64_t t = s.w[1] << 17;
    s.w[2] ^= s.w[0];
    s.w[3] ^= s.w[1];
    s.w[1] ^= s.w[2];
    s.w[0] ^= s.w[3];
    s.w[2] ^= t;
    s.w[3] = (s.w[3] << 45) | (s.w[3] >> 19);
    return s;
}

using Tables = std::array<std::array<Words, kValues>, kChunks>;

constexpr Tables makeTables() {
    Tables t{};
    // The image of each single bit: one column of the matrix.
    for (int bit = 0; bit < 256; ++bit) {
        Words s{};
        s.w[bit / 64] = std::uint64_t(1) << (bit % 64);
        for (int i = 0; i < SeededRandom::kJump; ++i) s = step(s);
        t[std::size_t(bit / kBits)][std::size_t(1) << (bit % kBits)] = s;
    }
    // Every other value of a chunk: its lowest bit's image XOR the image of the rest.
    for (auto& chunk : t)
        for (int v = 3; v < kValues; ++v) {
            const int low = v & -v;
            if (low != v) chunk[std::size_t(v)] = chunk[std::size_t(low)] ^ chunk[std::size_t(v - low)];
        }
    return t;
}

constexpr Tables kTables = makeTables();

} // namespace

void SeededRandom::jump() {
    Words out{};
    for (int w = 0; w < 4; ++w) {
        std::uint64_t word = state_[w];
        for (int c = 0; c < 64 / kBits; ++c, word >>= kBits)
            out = out ^ kTables[std::size_t(w * (64 / kBits) + c)][std::size_t(word & (kValues - 1))];
    }
    for (int k = 0; k < 4; ++k) state_[k] = out.w[k];
}

} // namespace tavorin
