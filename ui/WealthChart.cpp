#include "ui/WealthChart.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"

namespace tavorin::ui {

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about `parts` parts.
double niceStep(double range, int parts) {
    const double rough = std::max(range / parts, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10.0 * power;
}

QString number(double v) { return QString::number(std::llround(v)); }

} // namespace

std::vector<WealthLine> wealthLines(const std::vector<WealthPoint>& points, const GameState& s) {
    std::vector<WealthLine> lines;
    for (int k = 1; k <= s.NumOfPlayer && k <= kMaxPlayers; ++k) {
        WealthLine line;
        line.player = k;
        line.name = qs(s.player(k).Name);
        line.colour = tokenColour(k);
        for (const WealthPoint& p : points) {
            line.points.append(QPointF(p.turn, double(p.worth[std::size_t(k)])));
            if (p.bankrupt[std::size_t(k)]) {
                line.wentBankrupt = true;
                break;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

WealthChart::WealthChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("WealthChart"));
    setFont(thaiFont(10));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void WealthChart::setHistory(const std::vector<WealthPoint>& points, const GameState& s) {
    lines_ = wealthLines(points, s);
    update();
}

void WealthChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int line = fm.height();
    const int pad = 8;

    // The legend: a short stroke in the player's colour and his name, as many to a row as fit.
    int x = pad, y = pad;
    for (const WealthLine& l : lines_) {
        const int width = 24 + 6 + fm.horizontalAdvance(l.name) + 16;
        if (x > pad && x + width > this->width() - pad) {
            x = pad;
            y += line;
        }
        p.setPen(QPen(l.colour, 3));
        p.drawLine(x, y + line / 2, x + 24, y + line / 2);
        p.setPen(l.colour.darker(120));
        p.drawText(QRect(x + 30, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, l.name);
        x += width;
    }
    const int top = y + line + line / 2 + line; // the legend, a gap, the unit's caption

    double most = 0, least = 0, last = 1;
    for (const WealthLine& l : lines_)
        for (const QPointF& pt : l.points) {
            most = std::max(most, pt.y());
            least = std::min(least, pt.y());
            last = std::max(last, pt.x());
        }
    const double yStep = niceStep(std::max(most - least, 1000.0), 5);
    const double yLow = std::floor(least / yStep) * yStep;
    const double yHigh = std::max(std::ceil(most / yStep) * yStep, yLow + yStep);
    const double xStep = niceStep(last, 8);
    const double xHigh = std::max(std::ceil(last / xStep) * xStep, 1.0);

    int labelWidth = 0;
    for (double v = yLow; v <= yHigh + yStep / 2; v += yStep)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(number(v)));
    const QRect plot(pad + labelWidth + 6, top, width() - (pad + labelWidth + 6) - pad - 10,
                     height() - top - 2 * line - pad);
    if (plot.width() < 20 || plot.height() < 20) return;
    const auto at = [&](QPointF v) {
        return QPointF(plot.left() + v.x() / xHigh * plot.width(),
                       plot.bottom() - (v.y() - yLow) / (yHigh - yLow) * plot.height());
    };

    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(pad, top - line - 2, plot.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ทรัพย์สินสุทธิ (บาท)"));
    for (double v = yLow; v <= yHigh + yStep / 2; v += yStep) {
        const int py = int(std::lround(at({0, v}).y()));
        p.setPen(QColor(225, 225, 225));
        p.drawLine(plot.left(), py, plot.right(), py);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(pad, py - line / 2, labelWidth, line), Qt::AlignRight | Qt::AlignVCenter, number(v));
    }
    for (double t = 0; t <= xHigh + xStep / 2; t += xStep) {
        const int px = int(std::lround(at({t, yLow}).x()));
        p.setPen(QColor(225, 225, 225));
        p.drawLine(px, plot.top(), px, plot.bottom());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(px - 40, plot.bottom() + 2, 80, line), Qt::AlignHCenter | Qt::AlignTop, number(t));
    }
    p.drawText(QRect(plot.left(), plot.bottom() + line, plot.width(), line), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("ตาที่เล่น"));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(plot);

    p.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (const WealthLine& l : lines_) {
        if (l.points.isEmpty()) continue;
        QPainterPath path(at(l.points.front()));
        for (qsizetype i = 1; i < l.points.size(); ++i) path.lineTo(at(l.points[i]));
        p.setPen(QPen(l.colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (l.points.size() == 1)
            p.drawEllipse(at(l.points.front()), 2.5, 2.5);
        else
            p.drawPath(path);
        if (l.wentBankrupt) {
            const QPointF end = at(l.points.back());
            p.setPen(QPen(l.colour, 2.5));
            p.drawLine(end + QPointF(-5, -5), end + QPointF(5, 5));
            p.drawLine(end + QPointF(-5, 5), end + QPointF(5, -5));
        }
    }
}

WealthChartWindow::WealthChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("WealthChartWindow"));
    setWindowTitle(QStringLiteral("กราฟความมั่งคั่ง"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    chart_ = new WealthChart(this);
    column->addWidget(chart_);
    resize(720, 440);
    followTextScale(*this);
}

} // namespace tavorin::ui
