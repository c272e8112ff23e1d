// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/page/PrintPage.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QRectF>
#include <QString>

#include <utility>

namespace orbeta::print {

struct ChartBar {
    QString label;
    double value = 0;
    QString valueText; // printed at the bar's end
    QColor fill;
};

struct ChartPoint {
    QDate date;
    double value = 0;
};

// The value axis of a line chart: `low` at the bottom, `high` at the top
// (a mark chart puts 5 below 1, so that better is higher), with its ticks.
struct ChartAxis {
    double low = 0;
    double high = 1;
    QList<std::pair<double, QString>> ticks;
};

// The charts of the class report on a page, in millimetres: black axes,
// lines and texts, a light grey grid, bars outlined and labelled, so that
// a page printed in black and white reads as well as in colour.
class ReportCharts {
public:
    // Upright bars from 0 to `maximum`, labelled below, their values above;
    // `title` above the chart.
    static void bars(PrintPage& out, const QRectF& areaMm, const QString& title, const QList<ChartBar>& bars,
                     double maximum);
    // Lying bars of shares from 0 to 100 %, labelled left, the value right,
    // a dashed line at half.
    static void shareBars(PrintPage& out, const QRectF& areaMm, const QString& title, const QList<ChartBar>& bars);
    // Points on a time axis from `first` to `last`, each marked by a dot,
    // joined by a line where they lie at most `joinDays` apart (0: all), so
    // that a time without practice is a gap.
    static void dateLine(PrintPage& out, const QRectF& areaMm, const QString& title, const QList<ChartPoint>& points,
                         const ChartAxis& axis, const QDate& first, const QDate& last, int joinDays = 0);
    // Dates worth a label between `first` and `last`: days, Mondays or the
    // first days of months, at most `most` of them.
    static QList<QDate> dateTicks(const QDate& first, const QDate& last, int most);
};

} // namespace orbeta::print
