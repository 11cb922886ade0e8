// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "icons/tolvar-16.xpm"

namespace tolvar::ui {
namespace {

const QString APP_ID = QStringLiteral("org.tolvar.Tolvar");

// The design scaled only by whole pixels, so that no one ever scales the small image up smoothly.
QIcon DrawnIcon() {
    const QPixmap small(tolvar_16_xpm);
    QIcon icon(small);
    icon.addPixmap(small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

QIcon FullIcon() {
    QIcon drawn = DrawnIcon();
    for (const int size : {48, 64, 128}) {
        drawn.addFile(QStringLiteral(":/icons/tolvar-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(APP_ID, drawn);
}

}  // namespace

void SetProgramIcon(QWidget* window) {
    window->setWindowIcon(DrawnIcon());
    QTimer::singleShot(0, window, [window] { window->setWindowIcon(FullIcon()); });
}

}  // namespace tolvar::ui
