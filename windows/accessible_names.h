#pragma once

#include <QString>

class QWidget;

namespace hexwarden {

// Screen readers, and scripts that drive the program, know a control that shows or takes a value
// by the text of its label; the access-key "&" is dropped.
void NameAfterCaption(QWidget* control, const QString& caption);

}  // namespace hexwarden
