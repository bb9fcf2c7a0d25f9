// The bank-sale window SELLBANK on screen: the holdings on the left, one item sold per ">>", the
// chosen land and buildings with their sums and the tax on the right.
#pragma once

#include "dealings/DealingWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace tavorin {

class SellBankView : public DealingWindow {
    Q_OBJECT
public:
    explicit SellBankView(DealingsHub& hub);
    void bind() override;

private:
    QListWidget* holdings_;
    QListWidget* land_;
    QListWidget* buildings_;
    QLineEdit* moneyland_;
    QLineEdit* moneybuild_;
    QLabel* percent_;
    QLineEdit* vat_;
    QLineEdit* moneysell_;
    QLineEdit* money_;
    QLineEdit* totalmoney_;
};

} // namespace tavorin
