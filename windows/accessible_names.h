#pragma once

#include <QString>

class QWidget;

namespace hexwarden {

// Screen readers, and scripts that drive the program, know a control that shows or takes a value
// by the text of its label; the access-key "&" is dropped.
void NameAfterCaption(QWidget* control, const QString& caption);

// Shows a value in a label or button named after its caption. Screen readers read such a control
// by its name alone, so the name carries both: "Peasants: 27745 Nomads"; without a value, the
// caption alone.
void ShowValue(QWidget* control, const QString& value);

}  // namespace hexwarden
