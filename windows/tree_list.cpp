#include "windows/tree_list.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <unordered_map>

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
    ApplyFilter(false);
    endResetModel();
}

const ListRow* TListModel::RowAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return nullptr;
    const int row = index.row();
    const int shown = rowCount();
    if (index.internalId() == kTopLevel) return row < shown ? &rows_[SourceRow(row)] : nullptr;
    const auto parent_row = static_cast<int>(index.internalId() - 1);
    if (parent_row >= shown) return nullptr;
    const std::vector<ListRow>& children = rows_[SourceRow(parent_row)].Children;
    return static_cast<size_t>(row) < children.size() ? &children[static_cast<size_t>(row)] : nullptr;
}

QModelIndex TListModel::IndexOf(const RowKey& key) const {
    if (std::holds_alternative<std::monostate>(key)) return {};
    for (size_t source = 0; source < rows_.size(); ++source) {
        if (rows_[source].Key != key) continue;
        const int shown = ShownRow(source);
        if (shown >= 0) return index(shown, 0);
    }
    return {};
}

int TListModel::ShownRow(size_t source) const {
    if (!filtered_) return source < rows_.size() ? static_cast<int>(source) : -1;
    const auto found = std::lower_bound(shown_.begin(), shown_.end(), source);
    return found != shown_.end() && *found == source ? static_cast<int>(found - shown_.begin()) : -1;
}

void TListModel::SetFilterColumns(std::vector<int> columns) {
    beginResetModel();
    filter_columns_ = std::move(columns);
    ApplyFilter(false);
    endResetModel();
}

namespace {

char16_t Folded(QChar c) {
    const char16_t unit = c.unicode();
    if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    return c.toCaseFolded().unicode();
}

// Whether the text holds the case-folded needle, ignoring letter case: a plain scan, since cell
// texts are short and QString's own search prepares itself anew on every call.
bool HoldsFolded(const QString& text, const std::u16string& needle) {
    const qsizetype last = text.size() - static_cast<qsizetype>(needle.size());
    for (qsizetype start = 0; start <= last; ++start) {
        size_t matched = 0;
        while (matched < needle.size() && Folded(text[start + static_cast<qsizetype>(matched)]) == needle[matched]) {
            ++matched;
        }
        if (matched == needle.size()) return true;
    }
    return false;
}

}  // namespace

bool TListModel::Matches(const ListRow& row, const std::u16string& needle) const {
    const auto holds = [&row, &needle](size_t column) {
        if (column >= row.Cells.size()) return false;
        const ListCell& cell = row.Cells[column];
        return HoldsFolded(cell.Text, needle) || (cell.Hint && HoldsFolded(*cell.Hint, needle));
    };
    if (filter_columns_.empty()) {
        for (size_t column = 0; column < columns_.size(); ++column) {
            if (holds(column)) return true;
        }
        return false;
    }
    return std::any_of(filter_columns_.begin(), filter_columns_.end(),
                       [&holds](int column) { return column >= 0 && holds(static_cast<size_t>(column)); });
}

void TListModel::ApplyFilter(bool narrowing) {
    if (filter_.isEmpty()) {
        filtered_ = false;
        shown_ = {};
        return;
    }
    std::u16string needle;
    for (const QChar c : filter_) needle.push_back(Folded(c));
    std::vector<size_t> shown;
    const auto try_row = [&](size_t source) {
        // Sorted rows lie in memory in another order than their cells: ask for those ahead.
        if (source + 8 < rows_.size()) __builtin_prefetch(rows_[source + 8].Cells.data());
        if (Matches(rows_[source], needle)) shown.push_back(source);
    };
    if (narrowing && filtered_) {
        for (size_t source : shown_) try_row(source);
    } else {
        for (size_t source = 0; source < rows_.size(); ++source) try_row(source);
    }
    shown_ = std::move(shown);
    filtered_ = true;
}

void TListModel::SetFilter(const QString& text) {
    if (text == filter_) return;
    emit layoutAboutToBeChanged();
    const std::vector<PersistentPlace> places = PersistentPlaces();
    // A longer text that holds the old one can only hide more rows: try the shown ones alone.
    const bool narrowing = !filter_.isEmpty() && text.contains(filter_, Qt::CaseInsensitive);
    filter_ = text;
    ApplyFilter(narrowing);
    MovePersistent(places, [](size_t source) { return source; }, [](size_t, int child) { return child; });
    emit layoutChanged();
}

std::vector<TListModel::PersistentPlace> TListModel::PersistentPlaces() const {
    std::vector<PersistentPlace> places;
    for (const QModelIndex& index : persistentIndexList()) {
        if (index.internalId() == kTopLevel) {
            places.push_back({SourceRow(index.row()), -1, index.column()});
        } else {
            places.push_back({SourceRow(static_cast<int>(index.internalId() - 1)), index.row(), index.column()});
        }
    }
    return places;
}

void TListModel::MovePersistent(const std::vector<PersistentPlace>& places,
                                const std::function<size_t(size_t)>& row_moved,
                                const std::function<int(size_t, int)>& child_moved) {
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const PersistentPlace& place : places) {
        const size_t source = row_moved(place.Source);
        const int shown = ShownRow(source);
        if (shown < 0) {
            after.push_back({});
        } else if (place.Child < 0) {
            after.push_back(createIndex(shown, place.Column, kTopLevel));
        } else {
            const int child = child_moved(source, place.Child);
            after.push_back(createIndex(child, place.Column, static_cast<quintptr>(shown) + 1));
        }
    }
    changePersistentIndexList(before, after);
}

QModelIndex TListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount()) return {};
    if (!parent.isValid()) return row < rowCount() ? createIndex(row, column, kTopLevel) : QModelIndex();
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
    if (!parent.isValid()) return static_cast<int>(filtered_ ? shown_.size() : rows_.size());
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
    if (role == Qt::TextAlignmentRole && column < columns_.size() && columns_[column].Centred) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
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
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<PersistentPlace> places = PersistentPlaces();
    sort_column_ = column;
    sort_order_ = order;
    const SortKind kind = columns_[static_cast<size_t>(column)].Sort;
    const bool descending = order == Qt::DescendingOrder;
    const std::vector<size_t> row_moves = SortRowsTracked(rows_, column, kind, descending);
    // Where the children went matters only under rows that a persistent index points into.
    std::unordered_map<size_t, std::vector<size_t>> child_moves;
    for (const PersistentPlace& place : places) {
        if (place.Child >= 0) child_moves.try_emplace(row_moves[place.Source]);
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        std::vector<ListRow>& children = rows_[i].Children;
        if (children.size() < 2) continue;
        if (const auto tracked = child_moves.find(i); tracked != child_moves.end()) {
            tracked->second = SortRowsTracked(children, column, kind, descending);
        } else {
            SortRows(children, column, kind, descending);
        }
    }
    if (filtered_) {
        for (size_t& source : shown_) source = row_moves[source];
        std::sort(shown_.begin(), shown_.end());
    }
    MovePersistent(
        places, [&row_moves](size_t source) { return row_moves[source]; },
        [&child_moves](size_t source, int child) {
            const std::vector<size_t>& moves = child_moves[source];
            return moves.empty() ? child : static_cast<int>(moves[static_cast<size_t>(child)]);
        });
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

TTreeList::TTreeList(std::vector<ListColumn> columns, QWidget* parent)
    : QTreeView(parent), model_(new TListModel(std::move(columns), this)) {
    setModel(model_);
    setItemDelegate(new SwatchDelegate(this));
    // Shift, Ctrl and Ctrl+A pick several rows, so that Ctrl+C copies a filtered list or all of it.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    // A column narrower than its bold heading with the sort arrow beside it would cut the heading
    // once sorted on ("Factio" and the arrow): such a column gets the width of both.
    for (int i = 0; i < model_->columnCount(); ++i) {
        setColumnWidth(i, std::max(model_->Columns()[static_cast<size_t>(i)].Width, headings->sectionSizeHint(i)));
    }
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit RowChosen();
    });
    // A refill or a filter may drop selected rows without a selection signal of its own.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { emit SelectionChanged(HasSelection()); });
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { emit SelectionChanged(HasSelection()); });
}

void TTreeList::Fill(std::vector<ListRow> rows, int sort_column) {
    const ListRow* current = CurrentRow();
    const RowKey current_key = current != nullptr ? current->Key : RowKey();
    std::vector<RowKey> selected;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (const ListRow* row = model_->RowAt(index); row != nullptr && !index.parent().isValid())
            selected.push_back(row->Key);
    }
    const bool has_children =
        std::any_of(rows.begin(), rows.end(), [](const ListRow& row) { return !row.Children.empty(); });
    setRootIsDecorated(has_children);
    // Rows of one height let the view lay out long lists without asking each row its size; troop
    // rows are lower than the rows above them, and wrapped lines higher.
    setUniformRowHeights(!has_children && !wordWrap());
    model_->SetRows(std::move(rows));
    if (!filled_) sortByColumn(sort_column, Qt::AscendingOrder);
    filled_ = true;
    // A refill keeps the selected records selected, where they are still shown.
    setCurrentIndex(model_->IndexOf(current_key));
    QItemSelection still_shown;
    for (const RowKey& key : selected) {
        const QModelIndex index = model_->IndexOf(key);
        if (index.isValid()) still_shown.select(index, index);
    }
    if (!still_shown.isEmpty()) {
        selectionModel()->select(still_shown, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    WidenToContents();
}

void TTreeList::WidenToContents() {
    // Measuring every cell of a long list would cost more than the cut text; those keep the widths
    // they were given, and each cell's hint shows its whole text.
    constexpr int kMostRowsMeasured = 500;
    if (model_->rowCount() > kMostRowsMeasured) return;
    const QFontMetrics metrics(font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (int column = 0; column < model_->columnCount(); ++column) {
        // The tree column holds the expand buttons too.
        const int indent = column == treePosition() && rootIsDecorated() ? indentation() : 0;
        int widest = 0;
        for (int row = 0; row < model_->rowCount(); ++row) {
            widest = std::max(widest, metrics.horizontalAdvance(model_->index(row, column).data().toString()));
        }
        if (widest + padding + indent > columnWidth(column)) setColumnWidth(column, widest + padding + indent);
    }
}

void TTreeList::SetTreeColumn(int column) { setTreePosition(column); }

void TTreeList::FitColumnsToWidth(int elastic) {
    header()->setSectionResizeMode(elastic, QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int TTreeList::HeightForRows(int rows) const {
    const int row_height = std::max(fontMetrics().height(), style()->pixelMetric(QStyle::PM_SmallIconSize)) + 2;
    return header()->height() + rows * row_height + 2 * frameWidth();
}

const ListRow* TTreeList::CurrentRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current)) return nullptr;
    return model_->RowAt(current);
}

bool TTreeList::HasSelection() const { return selectionModel()->hasSelection(); }

void TTreeList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    emit SelectionChanged(HasSelection());
}

QModelIndexList TTreeList::SelectedRowsInOrder() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    // The model holds the rows in the order shown: a parent's place, then the child's under it.
    const auto place = [](const QModelIndex& index) {
        return index.parent().isValid() ? std::pair(index.parent().row(), index.row()) : std::pair(index.row(), -1);
    };
    std::sort(rows.begin(), rows.end(),
              [&place](const QModelIndex& a, const QModelIndex& b) { return place(a) < place(b); });
    return rows;
}

QString TTreeList::SelectedRowsText() const {
    QStringList lines;
    QStringList headings;
    for (const ListColumn& column : model_->Columns()) headings << column.Heading;
    lines << headings.join(QLatin1Char('\t'));
    for (const QModelIndex& index : SelectedRowsInOrder()) {
        const ListRow* row = model_->RowAt(index);
        if (row == nullptr) continue;
        const ListRow* parent = model_->RowAt(index.parent());
        QStringList cells;
        for (size_t column = 0; column < row->Cells.size(); ++column) {
            QString text = row->Cells[column].Text;
            const bool from_parent = std::find(copied_parent_columns_.begin(), copied_parent_columns_.end(),
                                               static_cast<int>(column)) != copied_parent_columns_.end();
            if (text.isEmpty() && from_parent && parent != nullptr && column < parent->Cells.size())
                text = parent->Cells[column].Text;
            cells << text;
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TTreeList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(SelectedRowsText());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && HasSelection()) {
        emit RowChosen();
        return;
    }
    QTreeView::keyPressEvent(event);
}

}  // namespace hexwarden
