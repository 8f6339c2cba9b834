// The yardstick for Velomar's start-up: a bare Qt window with one label, one line edit and one
// button.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Label"), &window));
    layout->addWidget(new QLineEdit(QStringLiteral("15620"), &window));
    layout->addWidget(new QPushButton(QStringLiteral("Button"), &window));
    window.show();
    return QApplication::exec();
}
