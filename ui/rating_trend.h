// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <Qt>
#include <vector>

class QPainter;
class QPalette;
class QRectF;

namespace tolvar::ui {

// The colours of a trend: its line and earlier points, today's point, and the faint lines of
// the scale (at 0 and 7).
struct TrendColours {
    QColor line;
    QColor today;
    QColor scale;
};

// A trend's colours from the palette it is shown in, so that a dark palette stays readable.
TrendColours TrendColoursOf(const QPalette& palette);

// A trend's colours on paper, which is white whatever the screen's palette.
TrendColours PrintedTrendColours();

// Draws one motivator's ratings in the rectangle, oldest first, as a line with a point at each
// rating on a scale from 0 (the bottom) to 7 (the top); the last, today's, is the larger point.
// Time runs from left to right, or from right to left where the direction is.
void PaintRatingTrend(QPainter& painter, const QRectF& area, const std::vector<int>& ratings,
                      const TrendColours& colours, Qt::LayoutDirection direction);

}  // namespace tolvar::ui
