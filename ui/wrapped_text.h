// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextLayout>

class QPainter;
class QPointF;

namespace tolvar::ui {

// A paragraph for a page or a chart: broken into lines no wider than the width, in the painter's
// font and layout direction, each line standing at the leading edge (the right from right to
// left). Words break where the language allows (between Chinese characters too); a word longer
// than a line breaks where it must, so nothing is cut off.
class WrappedText {
  public:
    WrappedText(const QString& text, const QPainter& painter, qreal width);

    qreal Height() const { return height_; }

    // Draws the lines in the box of the width whose top left corner is `topLeft`, in the
    // painter's pen.
    void Draw(QPainter& painter, const QPointF& topLeft) const;

  private:
    QTextLayout layout_;
    qreal height_ = 0;
};

}  // namespace tolvar::ui
