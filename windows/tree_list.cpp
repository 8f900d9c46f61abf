#include "windows/tree_list.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "qt_surface/qt_drawing_surface.h"

namespace hexwarden {
namespace {

// Children's internal ids are their parent's row plus one; top-level rows have 0.
constexpr quintptr kTopLevel = 0;
constexpr int kSwatchRole = Qt::UserRole + 1;
constexpr int kHeadingHeight = 20;
constexpr int kChildRowHeight = 12;

const QColor kRowColour(172, 240, 198);
const QColor kSelectedColour(0, 128, 0);

// Colour cells are a swatch outlined in black, clipped to the cell.
class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant swatch = index.data(kSwatchRole);
        if (!swatch.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(ToQColor(swatch.toUInt()));
        painter->drawRect(option.rect.adjusted(2, 2, -3, -3));
        painter->restore();
    }
};

}  // namespace

TListModel::TListModel(std::vector<ListColumn> columns, QObject* parent)
    : QAbstractItemModel(parent), columns_(std::move(columns)) {}

void TListModel::SetRows(std::vector<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    if (sort_column_ >= 0) {
        SortRows(rows_, sort_column_, columns_[static_cast<size_t>(sort_column_)].Sort,
                 sort_order_ == Qt::DescendingOrder);
    }
    endResetModel();
}

const ListRow* TListModel::RowAt(const QModelIndex& index) const {
    if (!index.isValid()) return nullptr;
    const auto row = static_cast<size_t>(index.row());
    if (index.internalId() == kTopLevel) return row < rows_.size() ? &rows_[row] : nullptr;
    const auto parent_row = static_cast<size_t>(index.internalId() - 1);
    if (parent_row >= rows_.size()) return nullptr;
    const std::vector<ListRow>& children = rows_[parent_row].Children;
    return row < children.size() ? &children[row] : nullptr;
}

QModelIndex TListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount()) return {};
    if (!parent.isValid()) {
        return static_cast<size_t>(row) < rows_.size() ? createIndex(row, column, kTopLevel) : QModelIndex();
    }
    if (parent.internalId() != kTopLevel) return {};
    const ListRow* parent_row = RowAt(parent);
    if (parent_row == nullptr || static_cast<size_t>(row) >= parent_row->Children.size()) return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex TListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int TListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(rows_.size());
    if (parent.internalId() != kTopLevel || parent.column() != 0) return 0;
    const ListRow* row = RowAt(parent);
    return row != nullptr ? static_cast<int>(row->Children.size()) : 0;
}

int TListModel::columnCount(const QModelIndex&) const { return static_cast<int>(columns_.size()); }

QVariant TListModel::data(const QModelIndex& index, int role) const {
    const ListRow* row = RowAt(index);
    if (row == nullptr) return {};
    const auto column = static_cast<size_t>(index.column());
    const bool child = index.internalId() != kTopLevel;
    if (child && role == Qt::FontRole) return QFont(QStringLiteral("Arial"), 7);
    if (child && role == Qt::SizeHintRole) return QSize(-1, kChildRowHeight);
    if (column >= row->Cells.size()) return {};
    const ListCell& cell = row->Cells[column];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return cell.Text;
        case Qt::ToolTipRole:
            if (cell.Hint) return cell.Hint->isEmpty() ? QVariant() : QVariant(*cell.Hint);
            return cell.Text.isEmpty() ? QVariant() : QVariant(cell.Text);
        case kSwatchRole:
            return cell.Swatch ? QVariant(*cell.Swatch) : QVariant();
        default:
            return {};
    }
}

QVariant TListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return columns_[static_cast<size_t>(section)].Heading;
    // A new column sorts ascending first.
    if (role == Qt::InitialSortOrderRole) return static_cast<int>(Qt::AscendingOrder);
    return {};
}

void TListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    emit layoutAboutToBeChanged();
    sort_column_ = column;
    sort_order_ = order;
    const SortKind kind = columns_[static_cast<size_t>(column)].Sort;
    const bool descending = order == Qt::DescendingOrder;
    // New positions of the rows and of each row's children, by their old positions, so that
    // persistent indexes (the selection) follow their rows.
    const std::vector<size_t> top_moves = SortRowsTracked(rows_, column, kind, descending);
    std::vector<std::vector<size_t>> child_moves(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i) {
        child_moves[i] = SortRowsTracked(rows_[i].Children, column, kind, descending);
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        if (index.internalId() == kTopLevel) {
            after.push_back(createIndex(static_cast<int>(top_moves[static_cast<size_t>(index.row())]), index.column(),
                                        kTopLevel));
            continue;
        }
        const size_t new_parent = top_moves[static_cast<size_t>(index.internalId() - 1)];
        const size_t new_row = child_moves[new_parent][static_cast<size_t>(index.row())];
        after.push_back(createIndex(static_cast<int>(new_row), index.column(), static_cast<quintptr>(new_parent) + 1));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

TTreeList::TTreeList(std::vector<ListColumn> columns, QWidget* parent)
    : QTreeView(parent), model_(new TListModel(std::move(columns), this)) {
    setModel(model_);
    setItemDelegate(new SwatchDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setExpandsOnDoubleClick(false);
    setAllColumnsShowFocus(true);
    setSortingEnabled(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kRowColour);
    colours.setColor(QPalette::AlternateBase, kRowColour);
    colours.setColor(QPalette::Highlight, kSelectedColour);
    colours.setColor(QPalette::HighlightedText, Qt::white);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, kSelectedColour);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    setPalette(colours);
    QHeaderView* headings = header();
    QFont bold = headings->font();
    bold.setBold(true);
    headings->setFont(bold);
    headings->setFixedHeight(kHeadingHeight);
    headings->setSectionsMovable(false);
    headings->setStretchLastSection(false);
    headings->setSortIndicatorShown(true);
    for (int i = 0; i < model_->columnCount(); ++i) {
        setColumnWidth(i, model_->Columns()[static_cast<size_t>(i)].Width);
    }
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit RowChosen();
    });
}

void TTreeList::Fill(std::vector<ListRow> rows, int sort_column) {
    const ListRow* current = CurrentRow();
    const RowKey selected = current != nullptr ? current->Key : RowKey();
    bool has_children = false;
    for (const ListRow& row : rows) has_children = has_children || !row.Children.empty();
    setRootIsDecorated(has_children);
    model_->SetRows(std::move(rows));
    if (!filled_) sortByColumn(sort_column, Qt::AscendingOrder);
    filled_ = true;
    // A refill keeps the selected record selected, where it still is.
    setCurrentIndex({});
    if (std::holds_alternative<std::monostate>(selected)) return;
    const std::vector<ListRow>& shown = model_->Rows();
    for (size_t row = 0; row < shown.size(); ++row) {
        if (shown[row].Key == selected) {
            setCurrentIndex(model_->index(static_cast<int>(row), 0));
            return;
        }
    }
}

void TTreeList::SetTreeColumn(int column) { setTreePosition(column); }

const ListRow* TTreeList::CurrentRow() const { return model_->RowAt(currentIndex()); }

QString TTreeList::SelectedRowsText() const {
    QStringList lines;
    QStringList headings;
    for (const ListColumn& column : model_->Columns()) headings << column.Heading;
    lines << headings.join(QLatin1Char('\t'));
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [this](const QModelIndex& a, const QModelIndex& b) {
        return visualRect(a).top() < visualRect(b).top();
    });
    for (const QModelIndex& index : rows) {
        const ListRow* row = model_->RowAt(index);
        if (row == nullptr) continue;
        QStringList cells;
        for (const ListCell& cell : row->Cells) cells << cell.Text;
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TTreeList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(SelectedRowsText());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit RowChosen();
        return;
    }
    QTreeView::keyPressEvent(event);
}

}  // namespace hexwarden
