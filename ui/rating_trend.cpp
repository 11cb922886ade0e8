// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rating_trend.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRectF>
#include <algorithm>

#include "catalogue.h"

namespace tolvar::ui {
namespace {

constexpr int HIGHEST_RATING = MOTIVATOR_COUNT - 1;

// A point's radius, from the height the trend has: the same share of it on screen and on paper.
qreal PointRadius(const QRectF& area) {
    return std::max(area.height() / 12, 2.0);
}

}  // namespace

TrendColours TrendColoursOf(const QPalette& palette) {
    QColor scale = palette.color(QPalette::Text);
    scale.setAlphaF(0.25F);
    return {palette.color(QPalette::Text), palette.color(QPalette::Highlight), scale};
}

TrendColours PrintedTrendColours() {
    return {Qt::black, QColor(0x1f, 0x4e, 0x9a), QColor(0xd0, 0xd0, 0xd0)};
}

void PaintRatingTrend(QPainter& painter, const QRectF& area, const std::vector<int>& ratings,
                      const TrendColours& colours, Qt::LayoutDirection direction) {
    if (ratings.empty() || area.width() <= 0 || area.height() <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = PointRadius(area);
    const qreal todayRadius = radius * 1.6;
    // Room for the largest point at every edge, so no point is cut.
    const QRectF inner =
        area.adjusted(todayRadius + 1, todayRadius + 1, -todayRadius - 1, -todayRadius - 1);
    const auto count = static_cast<qsizetype>(ratings.size());
    const auto at = [&](qsizetype index) {
        const qreal share = count > 1 ? qreal(index) / qreal(count - 1) : 0.5;
        const qreal x = direction == Qt::RightToLeft ? inner.right() - share * inner.width()
                                                     : inner.left() + share * inner.width();
        const int rating = std::clamp(ratings[static_cast<std::size_t>(index)], 0, HIGHEST_RATING);
        return QPointF(x, inner.bottom() - inner.height() * rating / HIGHEST_RATING);
    };

    painter.setPen(QPen(colours.scale, 1));
    painter.drawLine(QPointF(area.left(), inner.bottom()), QPointF(area.right(), inner.bottom()));
    painter.drawLine(QPointF(area.left(), inner.top()), QPointF(area.right(), inner.top()));

    QPainterPath line(at(0));
    for (qsizetype index = 1; index < count; ++index) {
        line.lineTo(at(index));
    }
    painter.setPen(
        QPen(colours.line, std::max(1.5, radius / 2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);

    painter.setBrush(colours.line);
    painter.setPen(Qt::NoPen);
    for (qsizetype index = 0; index + 1 < count; ++index) {
        painter.drawEllipse(at(index), radius, radius);
    }
    painter.setBrush(colours.today);
    painter.setPen(QPen(colours.line, std::max(1.0, radius / 3)));
    painter.drawEllipse(at(count - 1), todayRadius, todayRadius);
    painter.restore();
}

}  // namespace tolvar::ui
