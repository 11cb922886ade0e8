// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrapping_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace tolvar::ui {
namespace {

// A caption's leading spaces set its words off from the marker; wrapped lines keep that indent.
qsizetype LeadingSpaces(const QString& caption) {
    qsizetype count = 0;
    while (count < caption.size() && caption.at(count).isSpace()) {
        ++count;
    }
    return count;
}

}  // namespace

bool WrappingOption::Wraps() const {
    return sizeHint().width() > width();
}

// Where the style puts the caption's words in a button this wide, one line high, after the
// caption's leading spaces.
QRect WrappingOption::CaptionRect(int width) const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, width, sizeHint().height());
    const QRect room = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const int indent = fontMetrics().horizontalAdvance(text().left(LeadingSpaces(text())));
    return QStyle::visualRect(
        layoutDirection(), option.rect,
        QStyle::visualRect(layoutDirection(), option.rect, room).adjusted(indent, 0, 0, 0));
}

QString WrappingOption::Words() const {
    return text().mid(LeadingSpaces(text()));
}

int WrappingOption::CaptionFlags() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) != 0;
    return int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft)) | Qt::AlignTop |
           Qt::TextWordWrap | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

int WrappingOption::heightForWidth(int width) const {
    const QSize oneLine = sizeHint();
    if (width >= oneLine.width()) {
        return oneLine.height();
    }
    const QRect room = CaptionRect(width);
    const QRect wrapped =
        fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20), CaptionFlags(), Words());
    return std::max(oneLine.height(), wrapped.height() + oneLine.height() - fontMetrics().height());
}

void WrappingOption::paintEvent(QPaintEvent* event) {
    if (!Wraps()) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = Words();
    // The marker as for a one-line caption, beside the first line; the focus frame goes around
    // the wrapped words.
    const bool focused = (option.state & QStyle::State_HasFocus) != 0;
    option.state &= ~QStyle::State_HasFocus;
    option.rect.setHeight(sizeHint().height());
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
    // The first line where a one-line caption stands, centred beside the marker.
    QRect room = CaptionRect(width());
    room.setTop(room.top() + (sizeHint().height() - fontMetrics().height()) / 2);
    room.setBottom(height() - 1);
    style()->drawItemText(&painter, room, CaptionFlags(), option.palette, isEnabled(), caption,
                          foregroundRole());
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(room, CaptionFlags(), caption).adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// The whole button takes a click where the caption wraps, as its one-line box would.
bool WrappingOption::hitButton(const QPoint& pos) const {
    return Wraps() ? rect().contains(pos) : QRadioButton::hitButton(pos);
}

}  // namespace tolvar::ui
