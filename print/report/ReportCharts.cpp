// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/report/ReportCharts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace orbeta::print {
namespace {

constexpr double kTitleMm = 6;    // the title's line above a chart
constexpr double kLabelMm = 5;    // a line of labels below the axis
constexpr double kLineMm = 0.3;   // axes and data lines
constexpr double kHairMm = 0.15;  // grid and outlines
constexpr qsizetype kMostDots = 60;
const QColor kGrid(200, 200, 200);
const QColor kBar(150, 180, 225);

// Draws with the painter in millimetres; texts go through PrintPage.
template <class Draw>
void inMm(PrintPage& out, Draw draw)
{
    QPainter& painter = out.painter();
    painter.save();
    painter.setTransform(out.mmTransform());
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.restore();
}

void title(PrintPage& out, const QRectF& area, const QString& text)
{
    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 10, true);
    out.printText(area.left(), area.top(), text, area.right());
}

void centred(PrintPage& out, double x, double y, const QString& text)
{
    out.printText(x - out.textWidthMm(text) / 2, y, text);
}

} // namespace

void ReportCharts::bars(PrintPage& out, const QRectF& areaMm, const QString& chartTitle, const QList<ChartBar>& bars,
                        double maximum)
{
    title(out, areaMm, chartTitle);
    const QRectF plot(areaMm.left() + 2, areaMm.top() + kTitleMm + 4, areaMm.width() - 4,
                      areaMm.height() - kTitleMm - 4 - kLabelMm);
    if (bars.isEmpty() || maximum <= 0)
        return;
    const double slot = plot.width() / double(bars.size());
    inMm(out, [&](QPainter& p) {
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const double height = plot.height() * std::clamp(bars[i].value / maximum, 0.0, 1.0);
            const QRectF bar(plot.left() + slot * double(i) + slot * 0.2, plot.bottom() - height, slot * 0.6, height);
            p.setPen(QPen(Qt::black, kHairMm));
            p.setBrush(bars[i].fill.isValid() ? bars[i].fill : kBar);
            if (height > 0)
                p.drawRect(bar);
        }
        p.setPen(QPen(Qt::black, kLineMm));
        p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    });
    out.setFont(PrintFace::Sans, 9);
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const double x = plot.left() + slot * (double(i) + 0.5);
        const double height = plot.height() * std::clamp(bars[i].value / maximum, 0.0, 1.0);
        centred(out, x, plot.bottom() + 0.8, bars[i].label);
        centred(out, x, plot.bottom() - height - out.lineHeightMm(), bars[i].valueText);
    }
}

void ReportCharts::shareBars(PrintPage& out, const QRectF& areaMm, const QString& chartTitle,
                             const QList<ChartBar>& bars)
{
    title(out, areaMm, chartTitle);
    if (bars.isEmpty())
        return;
    // The same proportions in every chart, so that the halves line up down the page.
    out.setFont(PrintFace::Sans, 9);
    const double labelWidth = areaMm.width() * 0.25;
    const double valueWidth = out.textWidthMm(QStringLiteral("100 % (999 z 999)")) + 1;
    const double top = areaMm.top() + kTitleMm;
    const double row = std::min(6.0, (areaMm.bottom() - top) / double(bars.size()));
    const QRectF plot(areaMm.left() + labelWidth, top, areaMm.width() - labelWidth - valueWidth, row * double(bars.size()));
    inMm(out, [&](QPainter& p) {
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const double width = plot.width() * std::clamp(bars[i].value / 100, 0.0, 1.0);
            p.setPen(QPen(Qt::black, kHairMm));
            p.setBrush(bars[i].fill.isValid() ? bars[i].fill : kBar);
            p.drawRect(QRectF(plot.left(), top + row * double(i) + row * 0.2, width, row * 0.6));
        }
        p.setPen(QPen(Qt::black, kLineMm));
        p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
        QPen half(Qt::black, kHairMm, Qt::DashLine);
        p.setPen(half);
        p.drawLine(QPointF(plot.center().x(), plot.top()), QPointF(plot.center().x(), plot.bottom()));
    });
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const double y = top + row * double(i) + (row - out.lineHeightMm()) / 2;
        out.printText(areaMm.left(), y, bars[i].label, plot.left() - 1);
        out.printText(plot.right() + 1, y, bars[i].valueText, areaMm.right());
    }
}

QList<QDate> ReportCharts::dateTicks(const QDate& first, const QDate& last, int most)
{
    QList<QDate> ticks;
    if (!first.isValid() || !last.isValid() || last < first || most < 1)
        return ticks;
    const qint64 days = first.daysTo(last);
    if (days < 14) {
        for (QDate d = first; d <= last; d = d.addDays(1))
            ticks.append(d);
    } else if (days < 100) {
        for (QDate d = first.addDays((8 - first.dayOfWeek()) % 7); d <= last; d = d.addDays(7))
            ticks.append(d);
    } else {
        for (QDate d = QDate(first.year(), first.month(), 1).addMonths(first.day() == 1 ? 0 : 1); d <= last;
             d = d.addMonths(1))
            ticks.append(d);
    }
    const qsizetype step = (ticks.size() + most - 1) / most;
    QList<QDate> kept;
    for (qsizetype i = 0; i < ticks.size(); i += std::max<qsizetype>(step, 1))
        kept.append(ticks[i]);
    return kept;
}

void ReportCharts::dateLine(PrintPage& out, const QRectF& areaMm, const QString& chartTitle,
                            const QList<ChartPoint>& points, const ChartAxis& axis, const QDate& first,
                            const QDate& last, int joinDays)
{
    title(out, areaMm, chartTitle);
    out.setFont(PrintFace::Sans, 9);
    double tickWidth = 0;
    for (const auto& [value, text] : axis.ticks)
        tickWidth = std::max(tickWidth, out.textWidthMm(text));
    const QRectF plot(areaMm.left() + tickWidth + 2, areaMm.top() + kTitleMm + 2, areaMm.width() - tickWidth - 6,
                      areaMm.height() - kTitleMm - 2 - kLabelMm);
    const double span = std::max<double>(1, double(first.daysTo(last)));
    const auto xOf = [&](const QDate& d) { return plot.left() + plot.width() * double(first.daysTo(d)) / span; };
    const auto yOf = [&](double v) { return plot.bottom() - plot.height() * (v - axis.low) / (axis.high - axis.low); };
    const QList<QDate> ticks = dateTicks(first, last, std::max(1, int(plot.width() / 16)));

    inMm(out, [&](QPainter& p) {
        p.setPen(QPen(kGrid, kHairMm));
        for (const auto& tick : axis.ticks)
            p.drawLine(QPointF(plot.left(), yOf(tick.first)), QPointF(plot.right(), yOf(tick.first)));
        p.setPen(QPen(Qt::black, kLineMm));
        p.drawLine(plot.bottomLeft(), plot.bottomRight());
        p.drawLine(plot.bottomLeft(), plot.topLeft());
        for (const QDate& d : ticks)
            p.drawLine(QPointF(xOf(d), plot.bottom()), QPointF(xOf(d), plot.bottom() + 1));
        if (points.isEmpty())
            return;
        QPainterPath line;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF at(xOf(points[i].date), yOf(points[i].value));
            if (i > 0 && (joinDays == 0 || points[i - 1].date.daysTo(points[i].date) <= joinDays))
                line.lineTo(at);
            else
                line.moveTo(at);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        // Dots while they stay apart (a year of daily series is a line), and
        // always where a point joins no other.
        const auto joined = [&](qsizetype a, qsizetype b) {
            return a >= 0 && b < points.size() && (joinDays == 0 || points[a].date.daysTo(points[b].date) <= joinDays);
        };
        p.setBrush(Qt::black);
        for (qsizetype i = 0; i < points.size(); ++i)
            if (points.size() <= kMostDots || (!joined(i - 1, i) && !joined(i, i + 1)))
                p.drawEllipse(QPointF(xOf(points[i].date), yOf(points[i].value)), 0.7, 0.7);
    });
    for (const auto& [value, text] : axis.ticks)
        out.printText(plot.left() - 1 - out.textWidthMm(text), yOf(value) - out.lineHeightMm() / 2, text);
    // A date at either end stays under the axis, clear of the values' labels.
    for (const QDate& d : ticks) {
        const QString text = d.toString(QStringLiteral("d.M."));
        const double width = out.textWidthMm(text);
        out.printText(std::clamp(xOf(d) - width / 2, plot.left(), plot.right() - width), plot.bottom() + 1.2, text);
    }
}

} // namespace orbeta::print
