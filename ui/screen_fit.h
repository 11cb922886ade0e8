// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <utility>
#include <vector>

#include "twips.h"

class QScreen;
class QScrollArea;
class QWidget;

namespace tolvar::ui {

// The size of a window that shows content of the given size, scrolling it where the room is too
// small: the content's own size where it fits, else the room, with space for the scroll bars the
// content then needs.
QSize ScrollingWindowSize(QSize content, QSize room, int scrollBarExtent);

// The scroll bars content of the given size needs in the room: across, down.
std::pair<bool, bool> ScrollBarsNeeded(QSize content, QSize room, int scrollBarExtent);

// Where the frame's top-left goes so that the frame is centred in the area, or, where it is
// larger, starts at the area's top-left.
QPoint CentredFramePosition(QRect area, QSize frame);

// The frame's top-left moved the least so that the frame lies inside the area where it fits.
QPoint FramePositionInside(QRect area, QRect frame);

// The window's content. Where the window fits its screen it is exactly as large as its content
// and nothing scrolls; where it does not, it takes the room there is and its content scrolls, in
// a scroll area without a frame that fills the window below its menu bar, and whatever takes the
// focus (by Tab, an
// arrow key, a screen reader, the mouse or the program) is scrolled into view.
class ScrollingContent : public QObject {
    Q_OBJECT

  public:
    explicit ScrollingContent(QWidget* window);

    // Where the window's controls go.
    QWidget* Content() const;

    // The window's menu bar, across the top of the window above the content.
    void SetMenuBar(QWidget* menuBar);

    // Gives the content its size, and the window that size or the room, whichever is smaller,
    // with the menu bar's height above it.
    void Resize(QSize content, QSize room);

    // The room the content has below the menu bar, in a window that takes the given room.
    QSize ViewRoom(QSize room) const;

    // How wide a scroll bar is.
    int ScrollBarExtent() const;

  private:
    void ShowInView(QWidget* control);

    QWidget* window_;
    QWidget* content_;
    QScrollArea* area_ = nullptr;  // made when the content first has to scroll
    QWidget* menuBar_ = nullptr;
    bool firstFocus_ = true;
};

// Keeps a fixed-size window on its screen: tells the room the client area has, centres the
// framed window when it is first shown (again once, when the window manager tells its frame only
// after the window is mapped), and has the window laid out again, and kept inside the available
// area, whenever its screen, that screen's available area or its scale changes. On Wayland the
// compositor places windows, so only the size follows the screen there.
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
    bool Outgrows() const;
    void Centre();
    void MoveFrameTo(QPoint topLeft);
    void Follow(QScreen* screen);
    void CentreOnceFrameIsKnown();

    QWidget* window_;
    std::function<void()> relayout_;
    bool placed_ = false;
    QMargins announcedFrame_;  // the frame the window manager said it will draw, before the map
    std::vector<QMetaObject::Connection> screenConnections_;
};

}  // namespace tolvar::ui
