#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    velomar::Form1 window;
    window.show();
    return QApplication::exec();
}
