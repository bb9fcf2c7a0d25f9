// The deed card window "Deed1": shows one title deed and changes nothing. There is one card; opening
// it for another deed overwrites it.
#pragma once

#include <QWidget>

#include "engine/State.h"

class QLabel;
class QGroupBox;
class QKeyEvent;

namespace tavorin {

class DeedCardWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeedCardWindow(QWidget* parent = nullptr);
    // Shows the card of deed 1..29 (not modal); any other number does nothing. A card not yet on
    // screen comes up over `over`.
    void showDeed(const GameState& s, int deed, const QWidget* over = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* label(const char* name) const;
    QGroupBox* single_;
    QGroupBox* couple_;
    QGroupBox* multi_;
};

} // namespace tavorin
