// Helpers for the lines the game aligns with spaces. Lengths count UTF-16 code units, as the game
// stores its texts: every Thai letter, vowel or tone mark counts as one.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavorin {

inline int textLength(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) n += (c >= 0xF0) ? 2 : 1; // a 4-byte sequence is a surrogate pair
    }
    return n;
}

inline void appendSpaces(std::string& out, int count) {
    if (count > 0) out.append(std::size_t(count), ' ');
}

inline void appendNumber(std::string& out, std::int64_t v) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    out.append(buf, end);
}

inline std::string numberText(std::int64_t v) {
    std::string s;
    appendNumber(s, v);
    return s;
}

// Parses plain decimal digits; false for anything else (empty, signs, spaces, other digits).
inline bool parseDigits(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

// Calls `take` with each line of `text`, without its "\n" or "\r\n", until it returns false; false
// when it did.
template <class Take> bool eachLine(std::string_view text, Take&& take) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!take(line)) return false;
    }
    return true;
}

} // namespace tavorin
