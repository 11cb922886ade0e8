// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include "result_report.h"

class QPainter;
class QPalette;
class QRectF;

namespace tolvar::ui {

// The eight ratings from the highest down as bars on the scale 0 to 7, each with its motivator's
// name and its number, drawn from the top of `area` across its width with the painter's font and
// in the painter's layout direction: from right to left, the names stand at the right and the
// bars grow to the left. Names wrap, never shortened; each row is as tall as its name needs.
// Text in the palette's Text colour, bars in its Highlight colour on a track between Highlight
// and Base. Returns the height drawn.
qreal PaintRatingBars(QPainter& painter, const QRectF& area, const Ratings& ratings,
                      const QPalette& palette);

// The height PaintRatingBars takes for the ratings at that width, with the painter's font.
qreal RatingBarsHeight(const QPainter& painter, qreal width, const Ratings& ratings);

}  // namespace tolvar::ui
