// The start and setup windows ask the same question before the program ends.
#pragma once

#include <QWidget>

#include "ui/MessageBoxes.h"

namespace tavorin::setupui {

inline bool confirmExitBeforeStart(QWidget* parent) {
    return ui::showMessage(parent, "Confirm exit", "ยังไม่ทันเริ่มก็จะออกจากเกมแล้วรึ", MsgButtons::OkCancel,
                           MsgIcon::Question) == MsgResult::Ok;
}

} // namespace tavorin::setupui
