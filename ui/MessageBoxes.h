// Every message box of the game goes through showMessage(), so that a test can answer them
// without a dialog ever appearing.
#pragma once

#include <functional>
#include <string_view>

#include <QString>

#include "engine/View.h"

class QWidget;

namespace tavorin::ui {

struct MessageRequest {
    QString title; // already defaulted to the application's title
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

using MessageAnswerer = std::function<MsgResult(const MessageRequest&)>;

// A modal message box; an empty title shows the application's title, "Tavorin".
MsgResult showMessage(QWidget* parent, std::string_view title, std::string_view text,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// Replaces the dialogs by `answerer` (an empty function restores them); returns the previous one.
MessageAnswerer setMessageAnswerer(MessageAnswerer answerer);

} // namespace tavorin::ui
