#include "ui/MessageBoxes.h"

#include <utility>

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/Text.h"
#include "ui/TextScale.h"

namespace tavorin::ui {

namespace {
MessageAnswerer& answererSlot() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MsgResult runDialog(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(toQt(request.icon), request.title, request.text, toQt(request.buttons), parent);
    // The buttons read as they would on a Thai desktop; their roles, and so their order, stay. Yes
    // and No are only asked whether to save, and say so: a bare yes or no would leave the player
    // to work out which answer saves.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {{QMessageBox::Ok, "ตกลง"},
                                                                            {QMessageBox::Cancel, "ยกเลิก"},
                                                                            {QMessageBox::Retry, "ลองใหม่"},
                                                                            {QMessageBox::Yes, "บันทึก"},
                                                                            {QMessageBox::No, "ไม่บันทึก"}};
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* b = box.button(which)) b->setText(QString::fromUtf8(caption));
    if (request.buttons == MsgButtons::YesNoCancel) box.setDefaultButton(QMessageBox::Yes);
    followTextScale(box);
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default:
        // Closing the box with Escape or the title bar counts as Cancel when there is one.
        return request.buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
}
} // namespace

MsgResult showMessage(QWidget* parent, std::string_view title, std::string_view text, MsgButtons buttons,
                      MsgIcon icon) {
    MessageRequest request{qs(title.empty() ? kAppTitle : title), qs(text), buttons, icon};
    if (answererSlot()) return answererSlot()(request);
    return runDialog(parent, request);
}

MessageAnswerer setMessageAnswerer(MessageAnswerer answerer) {
    MessageAnswerer previous = std::move(answererSlot());
    answererSlot() = std::move(answerer);
    return previous;
}

} // namespace tavorin::ui
