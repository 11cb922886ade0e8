// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tolvar::ui {

// Closes the window, as its close box does, when the program is asked to end by a signal
// (SIGTERM from a session that logs out, SIGHUP, SIGINT from a terminal), so that the program
// ends the one way it always does instead of being cut off.
void CloseOnTerminationSignals(QWidget* window);

}  // namespace tolvar::ui
