#pragma once

#include <QWidget>
#include <cstddef>
#include <vector>

#include "windows/tree_list.h"

namespace hexwarden {

// Whether to open that many windows at once; many are asked about first.
bool AgreeToOpenWindows(QWidget* parent, size_t count);

// Opens the window of every record selected in the list (a child row stands for its parent's).
// A double-click selects the one row it is on, so it opens that row alone.
template <typename Key, typename Open>
void OpenSelectedRecords(const TTreeList& list, QWidget* parent, Open open) {
    const std::vector<Key> keys = list.SelectedKeys<Key>();
    if (!AgreeToOpenWindows(parent, keys.size())) return;
    for (const Key& key : keys) open(key);
}

// Keeps a button or menu entry that acts on selected rows enabled exactly while one is selected.
template <typename Control>
void EnableWhileSelected(TTreeList& list, Control* control) {
    control->setEnabled(list.HasSelection());
    QObject::connect(&list, &TTreeList::SelectionChanged, control, &Control::setEnabled);
}

}  // namespace hexwarden
