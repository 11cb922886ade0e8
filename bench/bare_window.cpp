// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up is measured against: the smallest Qt Widgets program with a window the size of
// Tolvar's, titled "Tolvar", showing one line of text, so that it pays as every window with text
// does for loading the font system. The text sits where Tolvar's first text does, which leaves
// the window's top-left corner, where the benchmark looks for the first paint, to the background.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvar"));
    window.resize(594, 428);
    auto* label = new QLabel(QStringLiteral("Select one of the following"), &window);
    label->move(64, 8);
    label->adjustSize();
    window.show();
    return QApplication::exec();
}
