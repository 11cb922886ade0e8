// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>
#include <utility>
#include <vector>

#include "twips.h"

class QWidget;

namespace tolvar::ui {

class ScreenPlacement;
class ScrollingContent;

// The window's parts as the reflowed arrangement stacks them, top to bottom, in the order the
// focus visits them.
struct ReflowParts {
    QWidget* instruction = nullptr;         // wraps at the window's width
    std::vector<QWidget*> windowButtons;    // a row, wrapping onto more rows, above the motivators
    QWidget* motivators = nullptr;          // the panel, as wide as the window
    std::vector<QWidget*> options;          // one to a line, their captions wrapping
    std::vector<QWidget*> ratings;          // a column: the heading, then one beside each option
    QWidget* questions = nullptr;           // the panel, as wide as the window
    std::vector<QWidget*> questionButtons;  // a row at the top of the panel
    std::vector<QWidget*> questionNumber;   // side by side on one line
    QWidget* question = nullptr;            // wraps at the panel's width
    QWidget* selector = nullptr;            // on a line of its own
    std::vector<std::pair<QWidget*, QWidget*>> sides;  // a mark and its wrapping text, per line
};

// Where the window's controls stand. The layout table gives each control its box in twips,
// turned into pixels at one scale for the whole window; that is the defined form. Where the
// defined form at the user's text size is wider than the room the screen leaves, the same
// controls are reflowed instead: stacked at the room's width, long texts wrapped, so that only
// vertical scrolling remains. One rule chooses, here; the handlers never know which is showing.
class WindowLayout {
  public:
    // The window's client area is `clientTwips` large in the defined form.
    WindowLayout(QWidget* window, QSize clientTwips, ScrollingContent& scrolling,
                 ScreenPlacement& placement);

    // The control's box in twips, inside its parent, and the texts it shows there later besides
    // its caption; every text fits its box whole at the scale chosen.
    void Place(QWidget* control, QRect twips, const QStringList& laterTexts = {});
    void AddLaterTexts(const QWidget* control, const QStringList& texts);

    // The parts the reflowed arrangement needs, once every control is placed.
    void SetReflowParts(ReflowParts parts);

    // Lays the window out for its fonts, direction and screen as they are now.
    void Apply();

    // How many twips make one logical pixel in the current layout.
    double TwipsPerPixel() const { return twipsPerPixel_; }

  private:
    struct Placement {
        QWidget* control;
        QRect twips;
        QStringList laterTexts;
    };
    using Boxes = std::vector<std::pair<QWidget*, QRect>>;

    void ApplyOnce();
    const Placement& Of(const QWidget* control) const;
    QSize DefinedSize(const QWidget* control) const;
    int HeightAt(const QWidget* control, int width) const;
    void ApplyDefinedForm();
    QSize Reflow(QSize room);
    int Arrange(int width, Boxes& boxes) const;
    int RatingWidth() const;
    int ArrangeRow(const std::vector<QWidget*>& row, QPoint at, int width, int spacing,
                   Boxes& boxes) const;
    void SetBoxes(const Boxes& boxes, int contentWidth) const;

    QWidget* window_;
    QSize clientTwips_;
    ScrollingContent& scrolling_;
    ScreenPlacement& placement_;
    std::vector<Placement> placements_;
    ReflowParts parts_;
    double twipsPerPixel_ = MAX_TWIPS_PER_PIXEL;
    bool applying_ = false;
    bool again_ = false;
};

}  // namespace tolvar::ui
