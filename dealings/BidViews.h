// The bid window BID and its confirmation CONFIRMBID on screen.
#pragma once

#include <array>

#include "dealings/DealingWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tavorin {

class BidView : public DealingWindow {
    Q_OBJECT
public:
    explicit BidView(DealingsHub& hub);
    void bind() override;

private:
    QListWidget* deeds_;
    std::array<QRadioButton*, kMaxPlayers + 1> buyers_{}; // 1..6
    QLineEdit* amount_;
};

class ConfirmBidView : public DealingWindow {
    Q_OBJECT
public:
    explicit ConfirmBidView(DealingsHub& hub);
    void bind() override;

private:
    QLabel* buyer_;
    QLabel* deed_;
    QLabel* houses_;
    QLabel* towers_;
    QLabel* price_;
    QLabel* vat_;
    QLabel* net_;
};

} // namespace tavorin
