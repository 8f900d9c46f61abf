#include "windows/unit_list_menu.h"

#include <QAction>
#include <QMenu>

#include "windows/information_windows.h"
#include "windows/selected_records.h"
#include "windows/tree_list.h"

namespace hexwarden {

QMenu* AddUnitListMenu(TTreeList& list, InformationWindows& windows, QWidget* window) {
    auto* menu = new QMenu(window);
    QAction* view = menu->addAction(QStringLiteral("&View Unit"));
    view->setObjectName(QStringLiteral("mnuViewUnit"));
    EnableWhileSelected(list, view);
    const auto open = [&list, &windows, window] {
        OpenSelectedRecords<UnitKey>(list, window, [&windows, window](const UnitKey& key) { windows.ShowUnit(key, window); });
    };
    QObject::connect(view, &QAction::triggered, window, open);
    QObject::connect(&list, &TTreeList::RowChosen, window, open);
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&list, &QWidget::customContextMenuRequested, window, [&list, menu](const QPoint& at) {
        menu->popup(list.viewport()->mapToGlobal(at));
    });
    return menu;
}

}  // namespace hexwarden
