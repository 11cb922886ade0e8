// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "close_on_signal.h"
#include "command_line.h"
#include "frmForm001.h"

int main(int argc, char* argv[]) {
    if (const auto answer = tolvar::app::AnswerCommandLine(argc, argv)) {
        std::fputs(answer->out.c_str(), stdout);
        std::fputs(answer->err.c_str(), stderr);
        return answer->status;
    }
    QApplication application(argc, argv);
    // The desktop matches the window to its entry by these: the app_id on Wayland, WM_CLASS on X11.
    QApplication::setDesktopFileName(QStringLiteral("org.tolvar.Tolvar"));
    QApplication::setApplicationName(QStringLiteral("org.tolvar.Tolvar"));
    tolvar::ui::frmForm001 window;
    tolvar::ui::CloseOnTerminationSignals(&window);
    window.show();
    return QApplication::exec();
}
