#include "ui/TextWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QString>
#include <QTextBoundaryFinder>
#include <QThread>

namespace tavorin::ui {

namespace {
void join(std::thread& t) {
    if (t.joinable()) t.join();
}
} // namespace

TextWarmUp::TextWarmUp() {
    // Qt takes the first thread that asks for its thread data as the main thread: this one, then,
    // before the workers' first Qt call.
    QThread::currentThread();
    fonts_ = std::thread([] { FcInit(); });
    thai_ = std::thread([] {
        // A line break inside a Thai word makes the breaker load its dictionary.
        QTextBoundaryFinder lines(QTextBoundaryFinder::Line, QStringLiteral("เกมทาวอริน"));
        lines.toNextBoundary();
    });
}

TextWarmUp::~TextWarmUp() {
    join(fonts_);
    join(thai_);
}

void TextWarmUp::waitForFonts() { join(fonts_); }

void TextWarmUp::waitForThaiBreaks() { join(thai_); }

} // namespace tavorin::ui
