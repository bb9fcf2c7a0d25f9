// Windows-874 both ways: any bytes decode; any text either encodes or is refused, never mangled.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/Cp874.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = tavorin::cp874ToUtf8(bytes);
    if (const auto back = tavorin::utf8ToCp874(text)) {
        if (tavorin::cp874ToUtf8(*back) != text) std::abort();
    }
    std::size_t bad = 0;
    const auto encoded = tavorin::utf8ToCp874(bytes, &bad);
    if (encoded.has_value() != tavorin::fitsCp874(bytes)) std::abort();
    if (encoded && tavorin::cp874ToUtf8(*encoded) != bytes) std::abort();
    return 0;
}
