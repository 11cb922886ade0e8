// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rating_bars.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <memory>
#include <vector>

#include "result_text.h"
#include "wrapped_text.h"

namespace tolvar::ui {
namespace {

// Each motivator meets the seven others once, so a rating runs from 0 to 7.
constexpr int HIGHEST_RATING = MOTIVATOR_COUNT - 1;

// The share of the width the names take; the bars and their numbers have the rest.
constexpr qreal NAME_SHARE = 0.42;

// How much of the bar's colour the empty part of the scale shows, over the background.
constexpr qreal TRACK_SHARE = 0.22;

struct Row {
    Int16 motivator = 0;
    std::unique_ptr<WrappedText> name;
    qreal top = 0;
    qreal height = 0;
};

// Where each part stands, measured from the area's top and its leading edge (the left from left
// to right, the right from right to left).
struct Chart {
    std::vector<Row> rows;  // highest rating first
    qreal nameWidth = 0;
    qreal trackStart = 0;
    qreal trackWidth = 0;
    qreal numberGap = 0;
    qreal numberWidth = 0;
    qreal barHeight = 0;
    qreal stepWidth = 0;
    qreal height = 0;
};

Chart LayOut(const QPainter& painter, qreal width, const Ratings& ratings) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal lineHeight = metrics.height();
    const qreal gap = metrics.horizontalAdvance(QLatin1Char('M'));
    Chart chart;
    for (int rating = 0; rating <= HIGHEST_RATING; ++rating) {
        chart.numberWidth =
            std::max(chart.numberWidth, metrics.horizontalAdvance(QString::number(rating)));
    }
    chart.nameWidth = width * NAME_SHARE;
    chart.trackStart = chart.nameWidth + gap;
    chart.numberGap = gap / 2;
    chart.trackWidth =
        std::max(0.0, width - chart.trackStart - chart.numberGap - chart.numberWidth);
    chart.barHeight = lineHeight * 0.8;
    chart.stepWidth = std::max(1.0, gap / 12);
    const qreal spacing = lineHeight * 0.45;

    qreal top = 0;
    for (const Int16 motivator : RankedMotivators(ratings)) {
        Row row;
        row.motivator = motivator;
        row.name = std::make_unique<WrappedText>(MotivatorName(motivator).simplified(), painter,
                                                 chart.nameWidth);
        row.top = top;
        row.height = std::max(row.name->Height(), lineHeight);
        top += row.height + spacing;
        chart.rows.push_back(std::move(row));
    }
    chart.height = top - spacing;
    return chart;
}

QColor Mixed(const QColor& colour, const QColor& background, qreal share) {
    const auto mix = [share](float a, float b) {
        return static_cast<float>(a * share + b * (1.0 - share));
    };
    return QColor::fromRgbF(mix(colour.redF(), background.redF()),
                            mix(colour.greenF(), background.greenF()),
                            mix(colour.blueF(), background.blueF()));
}

}  // namespace

qreal PaintRatingBars(QPainter& painter, const QRectF& area, const Ratings& ratings,
                      const QPalette& palette) {
    const Chart chart = LayOut(painter, area.width(), ratings);
    const bool rightToLeft = painter.layoutDirection() == Qt::RightToLeft;
    // Laid out from the leading edge; from right to left every box is mirrored in the area.
    const auto placed = [&](qreal start, qreal top, qreal width, qreal height) {
        const qreal left = rightToLeft ? area.right() - start - width : area.left() + start;
        return QRectF(left, area.top() + top, width, height);
    };
    const QColor bar = palette.color(QPalette::Highlight);
    const QColor track = Mixed(bar, palette.color(QPalette::Base), TRACK_SHARE);
    const Qt::Alignment leading =
        Qt::AlignAbsolute | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft);

    painter.save();
    painter.setPen(palette.color(QPalette::Text));
    for (const Row& row : chart.rows) {
        row.name->Draw(painter, placed(0, row.top, chart.nameWidth, row.height).topLeft());
        const qreal barTop = row.top + (row.height - chart.barHeight) / 2;
        painter.fillRect(placed(chart.trackStart, barTop, chart.trackWidth, chart.barHeight),
                         track);
        const int rating = std::clamp<int>(ratings(row.motivator), 0, HIGHEST_RATING);
        const qreal length = chart.trackWidth * rating / HIGHEST_RATING;
        painter.fillRect(placed(chart.trackStart, barTop, length, chart.barHeight), bar);
        // The scale's steps, so that a bar reads as so many of the seven.
        for (int step = 1; step < HIGHEST_RATING; ++step) {
            const qreal at = chart.trackStart + chart.trackWidth * step / HIGHEST_RATING;
            painter.fillRect(
                placed(at - chart.stepWidth / 2, barTop, chart.stepWidth, chart.barHeight),
                palette.color(QPalette::Base));
        }
        painter.drawText(placed(chart.trackStart + length + chart.numberGap, row.top,
                                chart.numberWidth, row.height),
                         leading | Qt::AlignVCenter, QString::number(rating));
    }
    painter.restore();
    return chart.height;
}

qreal RatingBarsHeight(const QPainter& painter, qreal width, const Ratings& ratings) {
    return LayOut(painter, width, ratings).height;
}

}  // namespace tolvar::ui
