// The wealth chart: each player's worth after every turn as a line in his token's colour, a line
// ending (with a cross) at the turn its player went bankrupt, and a legend of the players' names.
// Painted with QPainter: a few lines and two axes need no charting library.
#pragma once

#include <vector>

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

#include "engine/State.h"
#include "engine/WealthHistory.h"

namespace tavorin::ui {

struct WealthLine {
    int player = 0;
    QString name;
    QColor colour;
    QVector<QPointF> points; // x: the turn, y: the worth in baht
    bool wentBankrupt = false;
};

// Players 1..NumOfPlayer of `s`, each with his points up to and including the first at which he is
// bankrupt.
std::vector<WealthLine> wealthLines(const std::vector<WealthPoint>& points, const GameState& s);

class WealthChart : public QWidget {
public:
    explicit WealthChart(QWidget* parent = nullptr);
    void setHistory(const std::vector<WealthPoint>& points, const GameState& s);
    const std::vector<WealthLine>& lines() const { return lines_; }

    QSize sizeHint() const override { return {600, 360}; }
    QSize minimumSizeHint() const override { return {420, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<WealthLine> lines_;
};

// The chart in a window of its own, opened from the main window's menu while a game goes on.
class WealthChartWindow : public QWidget {
public:
    explicit WealthChartWindow(QWidget* parent = nullptr);
    WealthChart& chart() { return *chart_; }

private:
    WealthChart* chart_;
};

} // namespace tavorin::ui
