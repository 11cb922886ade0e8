// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_colours.h"

#include <QPalette>
#include <QWidget>

namespace tolvar::ui {

void KeepTextReadableWhenDisabled(const QWidget* window, const std::vector<QWidget*>& widgets) {
    QPalette palette = window->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    for (QWidget* widget : widgets) {
        widget->setPalette(palette);
    }
}

}  // namespace tolvar::ui
