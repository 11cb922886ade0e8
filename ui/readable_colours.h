// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QWidget;

namespace tolvar::ui {

// Gives these widgets, while they are disabled, the text colours they have when enabled, taken
// from the window's present palette: a disabled panel then stops input but its captions stay as
// readable as the rest of the window. Call again whenever the window's palette or style changes.
void KeepTextReadableWhenDisabled(const QWidget* window, const std::vector<QWidget*>& widgets);

}  // namespace tolvar::ui
