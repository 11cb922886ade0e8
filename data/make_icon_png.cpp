// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as a PNG of the given size, every pixel of the 16-pixel design
// repeated, for the desktop's icon theme.
//   make_icon_png SIZE OUTPUT.png
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "tolvar-16.xpm"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: make_icon_png SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    const int size = std::atoi(argv[1]);
    const QImage design(tolvar_16_xpm);
    if (size < design.width() || size % design.width() != 0) {
        std::fputs("SIZE must be a multiple of 16\n", stderr);
        return 2;
    }
    const QImage icon = design.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return icon.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
