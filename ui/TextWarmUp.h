// Any program that shows Thai pays for two slow first uses of text: fontconfig reads its
// configuration and font caches, and the Thai line breaker reads its word dictionary. Started at
// the top of main, both run on worker threads while the application and its first window are built;
// the window thread waits for each only where it first needs it.
#pragma once

#include <thread>

namespace tavorin::ui {

class TextWarmUp {
public:
    TextWarmUp();
    ~TextWarmUp();
    TextWarmUp(const TextWarmUp&) = delete;
    TextWarmUp& operator=(const TextWarmUp&) = delete;

    // Before the first font is looked up: fontconfig has a single configuration, and a second
    // thread asking for it while it loads would load it again.
    void waitForFonts();
    // Before the first Thai line is laid out: the line breaker's dictionary is shared, and is loaded
    // without a lock.
    void waitForThaiBreaks();

private:
    std::thread fonts_;
    std::thread thai_;
};

} // namespace tavorin::ui
