// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tolvar::ui {

// Gives the window the program's icon: at once the drawn 16-pixel design (and the same with every
// pixel doubled), enough for a title bar; once the window has been painted for the first time,
// the icon the desktop's theme has for the program where it is installed, else the design with
// the larger sizes drawn from the scalable icon, for task switchers and docks. Looking up the
// theme and reading the larger pictures would otherwise delay the window's first appearance.
void SetProgramIcon(QWidget* window);

}  // namespace tolvar::ui
