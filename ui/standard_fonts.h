#pragma once

#include <QFont>

namespace velomar {

// The font of every control and message box: Liberation Sans 8 pt, which the set-up and the
// package install, so the layout does not depend on whichever sans-serif a machine has.
QFont standardFont();

// The title's font: MS Sans Serif 12 pt bold where it is installed, Liberation Sans otherwise.
QFont titleFont();

} // namespace velomar
