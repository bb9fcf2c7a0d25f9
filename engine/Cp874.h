// Windows-874, the Thai code page (TIS-620 plus a few Windows punctuation marks), in which the saved
// games and the hall of fame keep their texts. The program works in UTF-8; these convert at the file
// boundary. The mapping is the one glibc's iconv uses for CP874.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavorin {

// Every byte decodes to something, so a damaged file still loads: the 31 bytes the code page leaves
// undefined (0x81-0x84, 0x86-0x90, 0x98-0x9F, 0xDB-0xDE, 0xFC-0xFF) become U+FFFD, which shows the
// damage instead of hiding it. U+FFFD does not encode back, so such a text cannot be saved unnoticed.
std::string cp874ToUtf8(std::string_view bytes);

// nullopt when a character has no place in the code page (emoji, accented Latin, Chinese, U+FFFD...)
// or the UTF-8 is malformed (stray or missing continuation bytes, overlong forms, surrogates, values
// past U+10FFFF): nothing is ever dropped or replaced. On failure only, *badIndex (when given)
// receives the position of the first offending character, counted in UTF-16 code units from 0 as
// the game counts text lengths.
std::optional<std::string> utf8ToCp874(std::string_view utf8, std::size_t* badIndex = nullptr);

// Whether utf8ToCp874 would succeed; allocates nothing.
bool fitsCp874(std::string_view utf8);

} // namespace tavorin
