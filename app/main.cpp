#include <QApplication>

#include "frmForm001.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tolvar::ui::frmForm001 window;
    window.show();
    return QApplication::exec();
}
