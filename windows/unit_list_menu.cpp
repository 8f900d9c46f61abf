#include "windows/unit_list_menu.h"

#include <QAction>
#include <QMenu>

#include "windows/information_windows.h"
#include "windows/tree_list.h"

namespace hexwarden {

QMenu* AddUnitListMenu(TTreeList& list, InformationWindows& windows, QWidget* window) {
    auto* menu = new QMenu(window);
    QAction* view = menu->addAction(QStringLiteral("&View Unit"));
    view->setObjectName(QStringLiteral("mnuViewUnit"));
    view->setEnabled(false);
    const auto update = [&list, view] { view->setEnabled(list.currentIndex().isValid()); };
    const auto open = [&list, &windows, window] {
        if (const auto key = list.SelectedKey<UnitKey>()) windows.ShowUnit(*key, window);
    };
    QObject::connect(view, &QAction::triggered, window, open);
    QObject::connect(&list, &TTreeList::RowChosen, window, open);
    QObject::connect(list.selectionModel(), &QItemSelectionModel::currentChanged, window, update);
    QObject::connect(&list.Model(), &QAbstractItemModel::modelReset, window, update);
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&list, &QWidget::customContextMenuRequested, window, [&list, menu, update](const QPoint& at) {
        update();
        menu->popup(list.viewport()->mapToGlobal(at));
    });
    return menu;
}

}  // namespace hexwarden
