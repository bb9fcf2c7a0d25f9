// The mortgage window MORTGAGE and the redemption window REDEEM on screen: candidates on the left,
// ">>" (or a double-click) moves the chosen line right, the totals follow, the button applies.
#pragma once

#include <string>
#include <vector>

#include "dealings/DealingWindow.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavorin {

class MortgageView : public DealingWindow {
    Q_OBJECT
public:
    explicit MortgageView(DealingsHub& hub);
    void bind() override;

private:
    QListWidget* candidates_;
    QListWidget* chosen_;
    QLineEdit* totalsell_;
    QLineEdit* money_;
    QLineEdit* totalmoney_;
};

class RedeemView : public DealingWindow {
    Q_OBJECT
public:
    explicit RedeemView(DealingsHub& hub);
    void bind() override;

private:
    QListWidget* candidates_;
    QListWidget* chosen_;
    QLineEdit* paid_;
    QLineEdit* charge_;
    QLineEdit* total_;
    QLineEdit* money_;
    QLineEdit* left_;
};

} // namespace tavorin
