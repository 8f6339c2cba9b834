#include "ui/application_identity.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velomar::applyApplicationIdentity();

    velomar::Form1 window;
    window.show();
    return QApplication::exec();
}
