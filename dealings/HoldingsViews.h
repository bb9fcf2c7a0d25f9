// The holdings window PLAYERFORM and the sale menu SELLFORM on screen.
#pragma once

#include "dealings/DealingWindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tavorin {

class PlayerFormView : public DealingWindow {
    Q_OBJECT
public:
    explicit PlayerFormView(DealingsHub& hub);
    void bind() override;

private:
    QLabel* name_;
    QLabel* money_;
    QListWidget* deeds_;
    QPushButton* sell_;
    QPushButton* redeem_;
};

class SellFormView : public DealingWindow {
    Q_OBJECT
public:
    explicit SellFormView(DealingsHub& hub);
    void bind() override;

private:
    QLabel* money_;
    QPushButton* sellBank_;
    QPushButton* mortgage_;
    QPushButton* bid_;
};

} // namespace tavorin
