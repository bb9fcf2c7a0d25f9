// What the dealing windows on screen share: each is a top-level window named after its game name,
// forwards its events to the Dealings object through a hub, and copies its model onto its controls
// in one bind() after every event. Closing a window is an event too: the model decides whether it
// really closes (a window locked by one it opened stays).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QWidget>

#include "dealings/Dealings.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tavorin {

// What every dealing window reaches.
class DealingsHub {
public:
    virtual ~DealingsHub() = default;
    virtual Dealings& dealings() = 0;
    // Runs one event of the dealings, then binds every dealing window anew.
    virtual void act(const std::function<void(Dealings&)>& event) = 0;
    // Opens the deed card of deed 1..29; 0 opens nothing.
    virtual void openDeed(int deed) = 0;
    // `window` is about to come up: it is put over the window it was opened from.
    virtual void placing(QWidget& window) { (void)window; }
};

class DealingWindow : public QWidget {
    Q_OBJECT
public:
    // Copies the model onto the window and its controls.
    virtual void bind() = 0;

protected:
    DealingWindow(DealingsHub& hub, const char* objectName, std::function<void(Dealings&)> unload);

    void closeEvent(QCloseEvent* e) override;

    // Caption, enabled state and visibility; a window that comes up is brought to the front.
    void bindWindow(const WindowModel& model);
    // The click on `button` runs `event`.
    void onClick(QAbstractButton* button, std::function<void(Dealings&)> event);
    // A line chosen in `list` (or the choice cleared, -1) runs `select` with its row. Only a
    // selection counts: the list making a line current when it merely takes the focus chooses
    // nothing.
    void onSelect(QListWidget* list, std::function<void(Dealings&, int)> select);

    template <class W, class... Args> W* named(const char* objectName, Args&&... args) {
        auto* w = new W(std::forward<Args>(args)..., this);
        w->setObjectName(QString::fromLatin1(objectName));
        return w;
    }
    // A label with a fixed caption.
    QLabel* caption(const char* utf8);
    // A read-only text box for an amount, right-aligned.
    QLineEdit* amountBox(const char* objectName);

    Dealings& model() { return hub_.dealings(); }
    DealingsHub& hub_;

private:
    std::function<void(Dealings&)> unload_;
};

// Binding helpers: each writes only what changed, with the control's signals blocked, so that a
// bind never looks like a person's action.
void bindText(QLabel* label, const std::string& text);
void bindText(QLineEdit* box, const std::string& text);
void bindAmount(QLineEdit* box, std::int64_t amount);
// Replaces the lines when they differ and shows `selected` (-1: no line) as the current line;
// kKeepSelection leaves a list whose model keeps no selection as the person left it.
inline constexpr int kKeepSelection = -2;
// Deed lines are drawn in columns.
void bindLines(QListWidget* list, const std::vector<DeedLine>& lines, int selected);
void bindLines(QListWidget* list, const std::vector<std::string>& lines, int selected);

} // namespace tavorin
