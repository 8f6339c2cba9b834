#include "ui/application_identity.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(velomar::ApplicationTitle.toString());
    QApplication::setApplicationVersion(velomar::kVersionText.toString());
    QApplication::setDesktopFileName(velomar::kDesktopFileName.toString());

    velomar::Form1 window;
    window.show();
    return QApplication::exec();
}
