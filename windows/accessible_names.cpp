#include "windows/accessible_names.h"

#include <QWidget>

namespace hexwarden {

void NameAfterCaption(QWidget* control, const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name);
}

}  // namespace hexwarden
