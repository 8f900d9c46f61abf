#include "windows/plain_unit_list.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/unit.h"
#include "windows/centre_form.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

// The one list window of both uses; choosing adds OK and Cancel, and a double-click picks a row.
int32_t RunUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units, bool choose) {
    QDialog dialog(owner);
    dialog.setWindowTitle(caption);
    auto* list = new QTreeWidget(&dialog);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Number")});
    for (const TVelUnit* unit : units) {
        new QTreeWidgetItem(list, {ToQString(unit->Name), QString::number(unit->Number)});
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(
        choose ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (choose) {
        list->setCurrentItem(list->topLevelItem(0));
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    }
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(360, 300);
    CentreForm(&dialog, owner);
    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) return 0;
    return list->currentItem()->text(1).toInt();
}

}  // namespace

void ShowUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units) {
    RunUnitList(owner, caption, units, false);
}

int32_t ChooseUnit(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units) {
    return RunUnitList(owner, caption, units, true);
}

}  // namespace hexwarden
