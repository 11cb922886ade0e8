// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "screen_fit.h"

namespace tolvar::ui {
namespace {

// The reflowed arrangement keeps the defined form's spacing, in twips: the window's margin and
// the space between two controls, and the inset of a panel's controls from its edges.
constexpr int MARGIN_TWIPS = 120;
constexpr int INSET_TWIPS = 240;

QStringList Captions(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return {button->text()};
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return {label->text()};
    }
    return {};
}

}  // namespace

WindowLayout::WindowLayout(QWidget* window, QSize clientTwips, ScrollingContent& scrolling,
                           ScreenPlacement& placement)
    : window_(window), clientTwips_(clientTwips), scrolling_(scrolling), placement_(placement) {}

void WindowLayout::Place(QWidget* control, QRect twips, const QStringList& laterTexts) {
    placements_.push_back({control, twips, laterTexts});
}

void WindowLayout::AddLaterTexts(const QWidget* control, const QStringList& texts) {
    for (Placement& placement : placements_) {
        if (placement.control == control) {
            placement.laterTexts << texts;
        }
    }
}

void WindowLayout::SetReflowParts(ReflowParts parts) {
    parts_ = std::move(parts);
}

const WindowLayout::Placement& WindowLayout::Of(const QWidget* control) const {
    return *std::find_if(
        placements_.begin(), placements_.end(),
        [control](const Placement& placement) { return placement.control == control; });
}

// One scale for the whole window: the largest twips-per-pixel at which every text fits its box,
// in the font the desktop gives. Then the defined form where its width fits the room the screen
// leaves, and the reflowed arrangement where it does not; either scrolls down where it is taller.
void WindowLayout::Apply() {
    // The language chosen as the window is made may turn it around before it has controls.
    if (placements_.empty()) {
        return;
    }
    // Laying out may itself change what the layout depends on (a label's alignment turns it
    // around, a new size moves the window to another screen); it is laid out again once more.
    if (applying_) {
        again_ = true;
        return;
    }
    applying_ = true;
    ApplyOnce();
    if (std::exchange(again_, false)) {
        ApplyOnce();
    }
    again_ = false;
    applying_ = false;
    placement_.KeepInside();
}

void WindowLayout::ApplyOnce() {
    std::vector<FitItem> items;
    for (const Placement& placement : placements_) {
        items.push_back({placement.control, placement.twips.size(),
                         placement.laterTexts + Captions(placement.control)});
    }
    twipsPerPixel_ = ComputeTwipsPerPixel(items);
    // A wrapped label sets its text in the text's own direction; its start follows the window's.
    const Qt::Alignment start =
        Qt::AlignAbsolute |
        (window_->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    for (const Placement& placement : placements_) {
        if (auto* label = qobject_cast<QLabel*>(placement.control)) {
            label->setAlignment(start | Qt::AlignTop);
        }
    }
    const QSize defined(TwipsToPixels(clientTwips_.width(), twipsPerPixel_),
                        TwipsToPixels(clientTwips_.height(), twipsPerPixel_));
    const QSize room = placement_.ClientRoom();
    const bool reflowed =
        !room.isEmpty() && parts_.motivators != nullptr &&
        ScrollBarsNeeded(defined, scrolling_.ViewRoom(room), scrolling_.ScrollBarExtent()).first;
    if (reflowed) {
        scrolling_.Resize(Reflow(room), room);
    } else {
        ApplyDefinedForm();
        scrolling_.Resize(defined, room);
    }
}

void WindowLayout::ApplyDefinedForm() {
    QHash<const QWidget*, int> parentWidths = {{scrolling_.Content(), clientTwips_.width()}};
    for (const Placement& placement : placements_) {
        if (qobject_cast<const QGroupBox*>(placement.control) != nullptr) {
            parentWidths.insert(placement.control, placement.twips.width());
        }
    }
    for (const Placement& placement : placements_) {
        placement.control->setGeometry(
            TwipsToPixels(placement.twips, parentWidths.value(placement.control->parentWidget()),
                          twipsPerPixel_, window_->layoutDirection()));
    }
}

QSize WindowLayout::DefinedSize(const QWidget* control) const {
    const QRect twips = Of(control).twips;
    return {TwipsToPixels(twips.width(), twipsPerPixel_),
            TwipsToPixels(twips.height(), twipsPerPixel_)};
}

// The height the control needs at the width for every text it shows there, at least its
// defined height.
int WindowLayout::HeightAt(const QWidget* control, int width) const {
    int height = DefinedSize(control).height();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QMargins margins = label->contentsMargins();
        const int room = width - margins.left() - margins.right();
        for (const QString& text : Of(control).laterTexts + Captions(control)) {
            const QRect wrapped = label->fontMetrics().boundingRect(
                QRect(0, 0, room, 1 << 20), Qt::AlignLeft | Qt::TextWordWrap, text);
            height = std::max(height, wrapped.height() + margins.top() + margins.bottom());
        }
    } else if (control->hasHeightForWidth()) {
        height = std::max(height, control->heightForWidth(width));
    }
    return height;
}

// The content as wide as the room below the menu bar, or, where it is then taller than that
// room, as wide as the room less the vertical scroll bar.
QSize WindowLayout::Reflow(QSize room) {
    const QSize view = scrolling_.ViewRoom(room);
    Boxes boxes;
    int width = view.width();
    int height = Arrange(width, boxes);
    if (height > view.height()) {
        width -= scrolling_.ScrollBarExtent();
        boxes.clear();
        height = Arrange(width, boxes);
    }
    SetBoxes(boxes, width);
    return {width, height};
}

// Every control's box, from left to right inside its parent, in the reflowed arrangement at the
// width; returns the content's height.
int WindowLayout::Arrange(int width, Boxes& boxes) const {
    // At a scale for very large text the defined spacing would take the room the text needs; it
    // is kept no wider than the text's own line spacing.
    const int line = window_->fontMetrics().height();
    const int margin = std::min(TwipsToPixels(MARGIN_TWIPS, twipsPerPixel_), line / 2);
    const int inset = std::min(TwipsToPixels(INSET_TWIPS, twipsPerPixel_), line);
    const int inner = width - 2 * margin;
    const auto stack = [&boxes, this](QWidget* control, QPoint at, int across) {
        const int height = HeightAt(control, across);
        boxes.push_back({control, QRect(at, QSize(across, height))});
        return at.y() + height;
    };
    int y = stack(parts_.instruction, {margin, margin}, inner) + margin;
    y = ArrangeRow(parts_.windowButtons, {margin, y}, inner, margin, boxes) + margin;

    // The motivators with their ratings in a column at the panel's end.
    const int ratingWidth = RatingWidth();
    const int ratingLeft = inner - inset - ratingWidth;
    const int optionWidth = ratingLeft - margin - inset;
    int row = stack(parts_.ratings.front(), {ratingLeft, inset}, ratingWidth) + margin;
    for (std::size_t index = 0; index < parts_.options.size(); ++index) {
        const int option = stack(parts_.options[index], {inset, row}, optionWidth);
        const int rating = stack(parts_.ratings[index + 1], {ratingLeft, row}, ratingWidth);
        row = std::max(option, rating) + margin;
    }
    boxes.push_back({parts_.motivators, QRect(margin, y, inner, row + inset - margin)});
    y += row + inset;

    // The question panel: its buttons, the question's number, the question and its selector, and
    // the two sides.
    const int across = inner - 2 * inset;
    row = ArrangeRow(parts_.questionButtons, {inset, inset}, across, margin, boxes) + margin;
    int bottom = row;
    int left = inset;
    for (QWidget* part : parts_.questionNumber) {
        const QSize size = DefinedSize(part);
        boxes.push_back({part, QRect(QPoint(left, row), size)});
        left += size.width() + margin;
        bottom = std::max(bottom, row + size.height());
    }
    row = stack(parts_.question, {inset, bottom + margin}, across) + margin;
    const QSize selector = DefinedSize(parts_.selector);
    boxes.push_back(
        {parts_.selector,
         QRect(QPoint(inset, row), QSize(std::min(selector.width(), across), selector.height()))});
    row += selector.height() + margin;
    for (const auto& [mark, text] : parts_.sides) {
        const QSize markSize = DefinedSize(mark);
        boxes.push_back({mark, QRect(QPoint(inset, row), markSize)});
        const int textLeft = inset + markSize.width() + margin;
        row = std::max(row + markSize.height(),
                       stack(text, {textLeft, row}, inset + across - textLeft)) +
              margin;
    }
    boxes.push_back({parts_.questions, QRect(margin, y, inner, row + inset - margin)});
    return y + row + inset;
}

// The ratings' column as narrow as its widest text on one line, and no wider than defined: the
// motivators take the rest.
int WindowLayout::RatingWidth() const {
    int width = 0;
    for (const QWidget* rating : parts_.ratings) {
        const QMargins margins = qobject_cast<const QLabel*>(rating)->contentsMargins();
        for (const QString& text : Of(rating).laterTexts + Captions(rating)) {
            width = std::max(width, rating->fontMetrics().size(Qt::TextSingleLine, text).width() +
                                        margins.left() + margins.right());
        }
    }
    return std::min(width, DefinedSize(parts_.ratings.front()).width());
}

// Buttons side by side at their defined size, onto a new row where the next one would stand out
// of the width; returns the bottom of the last row.
int WindowLayout::ArrangeRow(const std::vector<QWidget*>& row, QPoint at, int width, int spacing,
                             Boxes& boxes) const {
    QPoint next = at;
    int bottom = at.y();
    for (QWidget* control : row) {
        const QSize size = DefinedSize(control).boundedTo({width, 1 << 20});
        if (next.x() > at.x() && next.x() + size.width() > at.x() + width) {
            next = {at.x(), bottom + spacing};
        }
        boxes.push_back({control, QRect(next, size)});
        bottom = std::max(bottom, next.y() + size.height());
        next.rx() += size.width() + spacing;
    }
    return bottom;
}

// Sets the boxes, mirrored inside their parents where the window reads from right to left.
void WindowLayout::SetBoxes(const Boxes& boxes, int contentWidth) const {
    QHash<const QWidget*, int> parentWidths = {{scrolling_.Content(), contentWidth}};
    for (const auto& [control, box] : boxes) {
        parentWidths.insert(control, box.width());
    }
    for (const auto& [control, box] : boxes) {
        const QRect parent(0, 0, parentWidths.value(control->parentWidget()), 1);
        control->setGeometry(QStyle::visualRect(window_->layoutDirection(), parent, box));
    }
}

}  // namespace tolvar::ui
