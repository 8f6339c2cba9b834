#include "ui/application_identity.h"

#include "ui/standard_fonts.h"

#include <QApplication>

namespace velomar {

void applyApplicationIdentity()
{
    QApplication::setApplicationName(ApplicationTitle.toString());
    QApplication::setApplicationVersion(kVersionText.toString());
    QApplication::setDesktopFileName(kDesktopFileName.toString());
    // The message boxes take the window's font too. Set before any widget exists, it also
    // spares the start-up the loading of a second font that no control would show.
    QApplication::setFont(standardFont());
}

} // namespace velomar
