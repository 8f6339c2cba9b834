#include "ui/message_box.h"

#include <QMessageBox>

namespace velomar {

void showMessage(QWidget* owner, const QString& text, const QString& caption)
{
    // A lone carriage return separates lines in the message; Qt's labels break only at a
    // line feed, so the text is converted for display.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(QMessageBox::NoIcon, caption, shown, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace velomar
