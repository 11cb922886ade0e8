// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "one_box_at_a_time.h"

namespace tolvar::ui {

bool OneBoxAtATime::Open(const std::function<void()>& open) {
    if (open_) {
        return false;
    }
    open_ = true;
    struct Closed {
        bool& open;
        ~Closed() { open = false; }
    } closed{open_};
    open();
    return true;
}

}  // namespace tolvar::ui
