#include "engine/Screen.h"

namespace tavorin {

std::string_view controlName(Ctl c) {
    static constexpr std::string_view names[] = {
#define TAVORIN_NAME(name) #name,
        TAVORIN_MAIN_CONTROLS(TAVORIN_NAME)
#undef TAVORIN_NAME
    };
    return c < Ctl::Count ? names[std::size_t(c)] : std::string_view{};
}

} // namespace tavorin
