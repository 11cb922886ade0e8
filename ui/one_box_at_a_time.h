// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace tolvar::ui {

// The window's boxes and dialogs come one at a time. A box runs its own event loop, and in it
// the rest of a click on a menu entry (a second button, a double click) or the same key again
// may ask for the entry once more; a user who closes a box and finds a second behind it thinks
// the program is stuck. Every entry point that opens a box goes through Open.
class OneBoxAtATime {
  public:
    // Runs `open` unless a box opened through this is still open; true when it ran.
    bool Open(const std::function<void()>& open);

    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

}  // namespace tolvar::ui
