#include "windows/plain_unit_list.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/unit.h"
#include "windows/centre_form.h"
#include "windows/qt_text.h"

namespace hexwarden {

void ShowUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units) {
    QDialog dialog(owner);
    dialog.setWindowTitle(caption);
    auto* list = new QTreeWidget(&dialog);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Number")});
    for (const TVelUnit* unit : units) {
        new QTreeWidgetItem(list, {ToQString(unit->Name), QString::number(unit->Number)});
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(360, 300);
    CentreForm(&dialog, owner);
    dialog.exec();
}

}  // namespace hexwarden
