#pragma once

#include <QTreeView>

class QHeaderView;

namespace hexwarden {

// Keeps the first columns of a list in view while it scrolls sideways: a second view of the same
// rows and selection, showing only those columns, lies over the list's left edge and follows its
// scrolling, column widths and sort order.
class TFrozenColumns : public QTreeView {
    Q_OBJECT
public:
    // `headings` becomes this view's header (it may paint more than the plain heading row).
    TFrozenColumns(QTreeView& list, int columns, QHeaderView* headings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowColumns();
    void PlaceOverList();

    QTreeView& list_;
    QWidget* list_viewport_;
    int columns_;
};

}  // namespace hexwarden
