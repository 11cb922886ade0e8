// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrapped_text.h"

#include <QPainter>
#include <QTextOption>

namespace tolvar::ui {

// QPainter::drawText aligns a wrapped paragraph's lines as one block, so the last line of a
// right-to-left paragraph would stand at the left; a text layout aligns each line.
WrappedText::WrappedText(const QString& text, const QPainter& painter, qreal width)
    : layout_(text, painter.font(), painter.device()) {
    const Qt::LayoutDirection direction = painter.layoutDirection();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignAbsolute |
                        (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    layout_.setTextOption(option);
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height_));
        height_ += line.height();
    }
    layout_.endLayout();
}

void WrappedText::Draw(QPainter& painter, const QPointF& topLeft) const {
    layout_.draw(&painter, topLeft);
}

}  // namespace tolvar::ui
