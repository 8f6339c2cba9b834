#pragma once

#include <QString>

class QWidget;

namespace velomar {

// Shows `text` as plain text in a modal box owned by `owner`, captioned `caption`, with one
// OK button and no icon, and returns when the user dismisses it. A carriage return in the text
// shows as a line break.
void showMessage(QWidget* owner, const QString& text, const QString& caption);

} // namespace velomar
