#include "windows/frozen_columns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

namespace hexwarden {

TFrozenColumns::TFrozenColumns(QTreeView& list, int columns, QHeaderView* headings)
    : QTreeView(&list), list_(list), list_viewport_(list.viewport()), columns_(columns) {
    setObjectName(list.objectName() + QStringLiteral("Frozen"));
    setHeader(headings);
    setModel(list.model());
    setSelectionModel(list.selectionModel());
    setSelectionBehavior(list.selectionBehavior());
    setSelectionMode(list.selectionMode());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRootIsDecorated(false);
    setAllColumnsShowFocus(true);
    setPalette(list.palette());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list below keeps the keyboard; this view answers the mouse.
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(&list);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, list.verticalScrollBar(), &QScrollBar::setValue);
    connect(list.verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(headings, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column < columns_) list_.setColumnWidth(column, width);
    });
    connect(list.header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column >= columns_) return;
        setColumnWidth(column, width);
        PlaceOverList();
    });
    // A click on these headings sorts the list; the list's sort shows here.
    headings->setSectionsClickable(true);
    headings->setSortIndicatorShown(true);
    connect(headings, &QHeaderView::sortIndicatorChanged, list.header(), &QHeaderView::setSortIndicator);
    connect(list.header(), &QHeaderView::sortIndicatorChanged, this, [headings](int column, Qt::SortOrder order) {
        const QSignalBlocker quiet(headings);
        headings->setSortIndicator(column, order);
    });
    connect(this, &QTreeView::doubleClicked, &list, &QTreeView::doubleClicked);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        emit list_.customContextMenuRequested(list_.viewport()->mapFrom(viewport(), at));
    });
    connect(model(), &QAbstractItemModel::modelReset, this, &TFrozenColumns::FollowColumns);
    connect(model(), &QAbstractItemModel::layoutChanged, this, &TFrozenColumns::FollowColumns);
    list.installEventFilter(this);
    list_viewport_->installEventFilter(this);
    FollowColumns();
}

void TFrozenColumns::FollowColumns() {
    for (int column = 0; column < model()->columnCount(); ++column) {
        setColumnHidden(column, column >= columns_);
        if (column < columns_) setColumnWidth(column, list_.columnWidth(column));
    }
    setUniformRowHeights(list_.uniformRowHeights());
    header()->setFixedHeight(list_.header()->height());
    PlaceOverList();
}

void TFrozenColumns::PlaceOverList() {
    int width = 0;
    for (int column = 0; column < columns_; ++column) width += list_.columnWidth(column);
    const int frame = list_.frameWidth();
    setGeometry(frame, frame, width, list_.viewport()->height() + list_.header()->height());
    verticalScrollBar()->setValue(list_.verticalScrollBar()->value());
}

bool TFrozenColumns::eventFilter(QObject* watched, QEvent* event) {
    // The event type first: events reach this filter while the list is being destroyed, when it
    // may no longer be asked for its viewport.
    const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (moved && (watched == &list_ || watched == list_viewport_)) PlaceOverList();
    return QTreeView::eventFilter(watched, event);
}

}  // namespace hexwarden
