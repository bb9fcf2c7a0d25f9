// The bid amount a person types: refused or a whole baht amount from 0 to the 32-bit limit.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dealings/Bid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto amount = tavorin::parseBidAmount(std::string_view(reinterpret_cast<const char*>(data), size));
    if (amount && *amount < 0) std::abort();
    return 0;
}
