#include "engine/Cp874.h"

#include <array>
#include <cstdint>

namespace tavorin {

namespace {

constexpr char16_t U = 0xFFFD; // a byte the code page leaves undefined

// The upper half of the code page; the lower half is ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, U,      U,      U,      U,      0x2026, U,      U,      // 80
    U,      U,      U,      U,      U,      U,      U,      U,      // 88
    U,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    U,      U,      U,      U,      U,      U,      U,      U,      // 98
    0x00A0, 0x0E01, 0x0E02, 0x0E03, 0x0E04, 0x0E05, 0x0E06, 0x0E07, // A0
    0x0E08, 0x0E09, 0x0E0A, 0x0E0B, 0x0E0C, 0x0E0D, 0x0E0E, 0x0E0F, // A8
    0x0E10, 0x0E11, 0x0E12, 0x0E13, 0x0E14, 0x0E15, 0x0E16, 0x0E17, // B0
    0x0E18, 0x0E19, 0x0E1A, 0x0E1B, 0x0E1C, 0x0E1D, 0x0E1E, 0x0E1F, // B8
    0x0E20, 0x0E21, 0x0E22, 0x0E23, 0x0E24, 0x0E25, 0x0E26, 0x0E27, // C0
    0x0E28, 0x0E29, 0x0E2A, 0x0E2B, 0x0E2C, 0x0E2D, 0x0E2E, 0x0E2F, // C8
    0x0E30, 0x0E31, 0x0E32, 0x0E33, 0x0E34, 0x0E35, 0x0E36, 0x0E37, // D0
    0x0E38, 0x0E39, 0x0E3A, U,      U,      U,      U,      0x0E3F, // D8
    0x0E40, 0x0E41, 0x0E42, 0x0E43, 0x0E44, 0x0E45, 0x0E46, 0x0E47, // E0
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E4D, 0x0E4E, 0x0E4F, // E8
    0x0E50, 0x0E51, 0x0E52, 0x0E53, 0x0E54, 0x0E55, 0x0E56, 0x0E57, // F0
    0x0E58, 0x0E59, 0x0E5A, 0x0E5B, U,      U,      U,      U,      // F8
};

constexpr char16_t toUnicode(unsigned char byte) { return byte < 0x80 ? byte : kUpperHalf[byte - 0x80]; }

// Each byte's UTF-8 form, ready to append: decoding is then one table look-up per byte.
struct Utf8Form {
    char bytes[3];
    unsigned char size;
};

constexpr std::array<Utf8Form, 256> makeUtf8Forms() {
    std::array<Utf8Form, 256> forms{};
    for (int b = 0; b < 256; ++b) {
        const char16_t cp = toUnicode((unsigned char)b);
        Utf8Form& f = forms[b];
        if (cp < 0x80) {
            f = {{char(cp), 0, 0}, 1};
        } else if (cp < 0x800) {
            f = {{char(0xC0 | (cp >> 6)), char(0x80 | (cp & 0x3F)), 0}, 2};
        } else {
            f = {{char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))}, 3};
        }
    }
    return forms;
}

constexpr std::array<Utf8Form, 256> kUtf8Forms = makeUtf8Forms();

// The reverse direction, derived from the table above so the two cannot disagree: the Thai block
// (U+0E00..U+0E7F) is indexed directly, and the dozen other characters are searched in a short list.
constexpr char32_t kThaiBlock = 0x0E00;

constexpr std::array<std::uint8_t, 0x80> makeThaiBytes() {
    std::array<std::uint8_t, 0x80> bytes{}; // 0: not in the code page (no Thai letter sits at byte 0)
    for (int b = 0x80; b < 256; ++b) {
        const char16_t cp = toUnicode((unsigned char)b);
        if (cp >= kThaiBlock && cp < kThaiBlock + 0x80) bytes[cp - kThaiBlock] = std::uint8_t(b);
    }
    return bytes;
}

constexpr std::array<std::uint8_t, 0x80> kThaiBytes = makeThaiBytes();

struct OtherChar {
    char16_t cp;
    std::uint8_t byte;
};

constexpr std::size_t countOthers() {
    std::size_t n = 0;
    for (int b = 0x80; b < 256; ++b) {
        const char16_t cp = toUnicode((unsigned char)b);
        if (cp != U && !(cp >= kThaiBlock && cp < kThaiBlock + 0x80)) ++n;
    }
    return n;
}

constexpr auto makeOthers() {
    std::array<OtherChar, countOthers()> others{};
    std::size_t n = 0;
    for (int b = 0x80; b < 256; ++b) {
        const char16_t cp = toUnicode((unsigned char)b);
        if (cp != U && !(cp >= kThaiBlock && cp < kThaiBlock + 0x80)) others[n++] = {cp, std::uint8_t(b)};
    }
    return others;
}

constexpr auto kOthers = makeOthers();

// The byte holding a character, or -1 when the code page has none.
int toByte(char32_t cp) {
    if (cp < 0x80) return int(cp);
    if (cp - kThaiBlock < 0x80) {
        const std::uint8_t b = kThaiBytes[cp - kThaiBlock];
        return b != 0 ? b : -1;
    }
    for (const OtherChar& o : kOthers) {
        if (o.cp == cp) return o.byte;
    }
    return -1;
}

// Shared by the conversion and the check, so fitsCp874 can never accept what utf8ToCp874 refuses.
// `out` may be null to only check.
bool encode(std::string_view utf8, std::string* out, std::size_t* badIndex) {
    std::size_t units = 0; // UTF-16 code units read so far
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    auto fail = [&] {
        if (badIndex) *badIndex = units;
        return false;
    };
    while (i < n) {
        const unsigned char lead = (unsigned char)utf8[i];
        if (lead < 0x80) {
            if (out) out->push_back(char(lead));
            ++i;
            ++units;
            continue;
        }
        std::size_t len;
        char32_t cp;
        if (lead < 0xC2) return fail(); // a stray continuation byte, or an overlong 2-byte form
        if (lead < 0xE0) {
            len = 2;
            cp = lead & 0x1F;
        } else if (lead < 0xF0) {
            len = 3;
            cp = lead & 0x0F;
        } else if (lead < 0xF5) {
            len = 4;
            cp = lead & 0x07;
        } else {
            return fail();
        }
        if (n - i < len) return fail();
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char c = (unsigned char)utf8[i + k];
            if ((c & 0xC0) != 0x80) return fail();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return fail();
        if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return fail();
        const int byte = toByte(cp);
        if (byte < 0) return fail();
        if (out) out->push_back(char(byte));
        i += len;
        units += len == 4 ? 2 : 1;
    }
    return true;
}

} // namespace

std::string cp874ToUtf8(std::string_view bytes) {
    std::size_t size = 0;
    for (unsigned char b : bytes) size += kUtf8Forms[b].size;
    std::string out;
    out.reserve(size);
    for (unsigned char b : bytes) out.append(kUtf8Forms[b].bytes, kUtf8Forms[b].size);
    return out;
}

std::optional<std::string> utf8ToCp874(std::string_view utf8, std::size_t* badIndex) {
    std::string out;
    out.reserve(utf8.size()); // never more bytes than the UTF-8 had
    if (!encode(utf8, &out, badIndex)) return std::nullopt;
    return out;
}

bool fitsCp874(std::string_view utf8) { return encode(utf8, nullptr, nullptr); }

} // namespace tavorin
