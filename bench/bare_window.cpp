// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program with a window titled "Tolvar": what start-up is measured against.
// With --label the window also shows one line of text, so it pays, as every window with text
// does, for loading the font system before it is shown.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvar"));
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto* label = new QLabel(QStringLiteral("Select one of the following"), &window);
        label->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
