#include "engine/Cp874.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

using namespace tavorin;

namespace {

std::string utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xF0 | (cp >> 18));
        s += char(0x80 | ((cp >> 12) & 0x3F));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
    return s;
}

// The reference mapping, taken once from iconv by data/make-cp874.sh; nullopt for refused bytes.
std::array<std::optional<char32_t>, 256> loadGoldenTable() {
    std::array<std::optional<char32_t>, 256> table;
    std::array<bool, 256> seen{};
    std::ifstream in(TAVORIN_TEST_DATA "/cp874.txt");
    EXPECT_TRUE(in.is_open()) << "missing " TAVORIN_TEST_DATA "/cp874.txt";
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string byteText, cpText;
        fields >> byteText >> cpText;
        const unsigned long byte = std::stoul(byteText, nullptr, 16);
        EXPECT_LT(byte, 256u) << line;
        if (byte >= 256) continue;
        EXPECT_FALSE(seen[byte]) << "byte listed twice: " << line;
        seen[byte] = true;
        if (cpText != "-") table[byte] = char32_t(std::stoul(cpText, nullptr, 16));
        ++lines;
    }
    EXPECT_EQ(lines, 256);
    return table;
}

} // namespace

TEST(Cp874, EveryByteDecodesAsIconvDoesAndDefinedOnesEncodeBack) {
    const auto golden = loadGoldenTable();
    std::string allBytes, allExpected;
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::string byte(1, char(b));
        const std::string expected = utf8Of(golden[b].value_or(0xFFFD));
        EXPECT_EQ(cp874ToUtf8(byte), expected);
        if (golden[b]) {
            EXPECT_EQ(utf8ToCp874(expected), byte);
        }
        allBytes += byte;
        allExpected += expected;
    }
    // A whole mixed run, so one-, two- and three-byte forms are sized and appended together.
    EXPECT_EQ(cp874ToUtf8(allBytes), allExpected);
}

TEST(Cp874, EncodesExactlyTheCharactersOfTheTable) {
    const auto golden = loadGoldenTable();
    std::array<bool, 0x10000> held{};
    for (const auto& cp : golden) {
        if (cp) held[*cp] = true;
    }
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue; // not characters; malformed cases cover them
        const bool expected = cp < 0x10000 && held[cp];
        if (fitsCp874(utf8Of(cp)) != expected)
            ADD_FAILURE() << "U+" << std::hex << std::uppercase << unsigned(cp);
    }
}

TEST(Cp874, NamesRoundTrip) {
    const struct {
        const char* utf8;
        const char* cp874;
    } cases[] = {
        {"", ""},
        {"Player1", "Player1"},
        {"บางปะอิน", "\xBA\xD2\xA7\xBB\xD0\xCD\xD4\xB9"},
        {"เกาะสมุย", "\xE0\xA1\xD2\xD0\xCA\xC1\xD8\xC2"},
        {"ข.ศรีนครินทร์", "\xA2.\xC8\xC3\xD5\xB9\xA4\xC3\xD4\xB9\xB7\xC3\xEC"},
        {"฿1,000 “ผู้ชนะ” – ๑๒๓…", "\xDF"
                                 "1,000 \x93\xBC\xD9\xE9\xAA\xB9\xD0\x94 \x96 \xF1\xF2\xF3\x85"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_TRUE(fitsCp874(c.utf8));
        EXPECT_EQ(utf8ToCp874(c.utf8), std::string(c.cp874));
        EXPECT_EQ(cp874ToUtf8(c.cp874), c.utf8);
    }
}

TEST(Cp874, RefusesWhatItCannotHoldOrRead) {
    const struct {
        const char* name;
        std::string utf8;
        std::size_t badIndex;
    } cases[] = {
        // Characters outside the code page.
        {"emoji", "😀", 0},
        {"emoji after a name", "Player😀", 6},
        {"accented Latin", "é", 0},
        {"accent after Thai", "บางé", 3},
        {"Chinese", "中文", 0},
        {"Thai block gap", "ก\u0E3B", 1},
        {"replacement character", "ab\uFFFD", 2},
        // Malformed UTF-8.
        {"stray continuation", "\x80", 0},
        {"stray continuation after text", "ab\xBF", 2},
        {"overlong two-byte", "\xC0\xAF", 0},
        {"overlong two-byte C1", "\xC1\xBF", 0},
        {"overlong three-byte slash", "\xE0\x80\xAF", 0},
        {"overlong four-byte slash", "\xF0\x80\x80\xAF", 0},
        {"truncated at the end", "บาง\xE0\xB8", 3},
        {"truncated before ASCII",
         "\xE0\xB8"
         "A",
         0},
        {"surrogate", "\xED\xA0\x80", 0},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0},
        {"lead byte F5", "\xF5\x80\x80\x80", 0},
        {"byte FF", "ก\xFF", 1},
        {"raw code page byte", "\xA1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t bad = 999;
        EXPECT_EQ(utf8ToCp874(c.utf8, &bad), std::nullopt);
        EXPECT_EQ(bad, c.badIndex);
        EXPECT_FALSE(fitsCp874(c.utf8));
        EXPECT_EQ(utf8ToCp874(c.utf8), std::nullopt); // without an index to report
    }

    // A view cut inside a character, over a buffer that goes on: the bytes past its end are not read.
    const std::string_view cut = std::string_view("\xE0\xB8\xB2").substr(0, 2);
    std::size_t bad = 999;
    EXPECT_EQ(utf8ToCp874(cut, &bad), std::nullopt);
    EXPECT_EQ(bad, 0u);
    EXPECT_FALSE(fitsCp874(cut));
}

TEST(Cp874, BadIndexIsLeftAloneOnSuccess) {
    std::size_t bad = 42;
    EXPECT_EQ(utf8ToCp874("ก", &bad), std::string("\xA1"));
    EXPECT_EQ(bad, 42u);
}

TEST(Cp874, DamagedBytesShowOnLoadAndCannotBeSavedBack) {
    const std::string damaged = "\xA1\xDB\xA2";
    const std::string text = cp874ToUtf8(damaged);
    EXPECT_EQ(text, "ก\uFFFDข");
    std::size_t bad = 0;
    EXPECT_EQ(utf8ToCp874(text, &bad), std::nullopt);
    EXPECT_EQ(bad, 1u);
}
