// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

#include "twips.h"

class QScreen;
class QWidget;

namespace tolvar::ui {

// The largest twips-per-pixel on the step grid at which the client area, framed, fits the room
// less the frame; at least MAX_TWIPS_PER_PIXEL when even that fits.
double TwipsPerPixelForRoom(QSize clientTwips, QSize room);

// Chooses the scale of a window with the given client area and lays nothing out: the largest
// twips-per-pixel at which every text fits, unless the window would then outgrow the room. Then
// the window takes the scale that fits the room and its font shrinks, half a point at a time,
// until every text fits again. It starts from the default font each time, so a larger room gives
// the font back.
double FitWindow(QWidget* window, const std::vector<FitItem>& items, QSize clientTwips, QSize room);

// Where the frame's top-left goes so that the frame is centred in the area, or, where it is
// larger, starts at the area's top-left.
QPoint CentredFramePosition(QRect area, QSize frame);

// The frame's top-left moved the least so that the frame lies inside the area where it fits.
QPoint FramePositionInside(QRect area, QRect frame);

// Keeps a fixed-size window on its screen: tells the room the client area has, centres the
// framed window when it is first shown, and has the window laid out again, and kept inside the
// available area, whenever its screen, that screen's available area or its scale changes. On
// Wayland the compositor places windows, so only the size follows the screen there.
class ScreenPlacement : public QObject {
    Q_OBJECT

  public:
    ScreenPlacement(QWidget* window, std::function<void()> relayout);

    // The available area of the window's screen, less the frame the desktop draws around it.
    QSize ClientRoom() const;

    // Call from the first show event, before the window is mapped.
    void PlaceAtFirstShow();

    // Moves the framed window, once placed, the least so that it lies inside the available area.
    void KeepInside();

  private:
    QMargins Frame() const;
    void MoveFrameTo(QPoint topLeft);
    void Follow(QScreen* screen);

    QWidget* window_;
    std::function<void()> relayout_;
    bool placed_ = false;
    QMargins announcedFrame_;  // the frame the window manager said it will draw, before the map
    std::vector<QMetaObject::Connection> screenConnections_;
};

}  // namespace tolvar::ui
