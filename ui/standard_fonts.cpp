#include "ui/standard_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velomar {

QFont standardFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    return font;
}

QFont titleFont()
{
    // The title asks for MS Sans Serif where it is installed. A family that is not installed
    // would send Qt through fontconfig's fallback search at start-up, so the list is checked
    // against the installed families first.
    QString family = QStringLiteral("Liberation Sans");
    const QStringList installed = QFontDatabase::families();
    for (const auto& wanted :
         {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}) {
        if (installed.contains(wanted)) {
            family = wanted;
            break;
        }
    }
    QFont font;
    font.setFamilies({family, QStringLiteral("Arial")});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

} // namespace velomar
