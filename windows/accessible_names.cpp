#include "windows/accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>

namespace hexwarden {
namespace {

constexpr char kCaptionProperty[] = "hexwardenCaption";

}  // namespace

void NameAfterCaption(QWidget* control, const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    control->setProperty(kCaptionProperty, name);
    control->setAccessibleName(name);
}

void ShowValue(QWidget* control, const QString& value) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(value);
    }
    const QString caption = control->property(kCaptionProperty).toString();
    if (caption.isEmpty() || value.isEmpty()) {
        control->setAccessibleName(caption.isEmpty() ? value : caption);
    } else {
        control->setAccessibleName(caption + QStringLiteral(": ") + value);
    }
}

}  // namespace hexwarden
