// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>
#include <vector>

class QWidget;

namespace tolvar::ui {

// The layout is given in twips; this is how many of them make one logical pixel. The classic
// screen has 15; a larger default font needs fewer so that every text still fits its box.
inline constexpr double MAX_TWIPS_PER_PIXEL = 15.0;
inline constexpr double TWIPS_PER_PIXEL_STEP = 0.25;
inline constexpr double MIN_TWIPS_PER_PIXEL = 1.0;

int TwipsToPixels(int twips, double twipsPerPixel);

// A control's box in pixels, from its box in twips inside a parent the given number of twips
// wide. Where the window reads from right to left, the box is mirrored inside its parent: the
// layout table is written once, from left to right, and nothing else knows the direction.
QRect TwipsToPixels(QRect box, int parentWidth, double twipsPerPixel,
                    Qt::LayoutDirection direction);

// A control, its box in twips and every text it may show there.
struct FitItem {
    const QWidget* widget;
    QSize twips;
    QStringList texts;
};

// The largest twips-per-pixel on the step grid, at most 15, at which every text of every item
// fits its box.
double ComputeTwipsPerPixel(const std::vector<FitItem>& items);

}  // namespace tolvar::ui
