#pragma once

#include <QAbstractItemModel>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "windows/list_rows.h"

namespace hexwarden {

// Rows of shown values and record keys, one level of children under each row. Filled whole; the
// rows are copies, so nothing here reads the database. A filter may hide rows: Rows() holds them
// all in sorted order, the model's rows are the ones shown.
class TListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TListModel(std::vector<ListColumn> columns, QObject* parent = nullptr);

    void SetRows(std::vector<ListRow> rows);
    const std::vector<ListRow>& Rows() const { return rows_; }
    const std::vector<ListColumn>& Columns() const { return columns_; }
    // The row an index points at (a child row for an index under a row), or null.
    const ListRow* RowAt(const QModelIndex& index) const;
    // The shown top-level row of that key, or an invalid index.
    QModelIndex IndexOf(const RowKey& key) const;

    // Shows only the rows with a cell of the filter columns holding the text, ignoring letter
    // case, in its shown text or its hint; an empty text shows every row. Refills keep it.
    void SetFilter(const QString& text);
    const QString& Filter() const { return filter_; }
    // Every column when not set.
    void SetFilterColumns(std::vector<int> columns);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    // Position in rows_ of a shown row, and back (-1 when that row is hidden).
    size_t SourceRow(int shown) const {
        return filtered_ ? shown_[static_cast<size_t>(shown)] : static_cast<size_t>(shown);
    }
    int ShownRow(size_t source) const;
    bool Matches(const ListRow& row, const std::u16string& folded_text) const;
    // Recomputes shown_; with `narrowing` only the rows shown now are tried.
    void ApplyFilter(bool narrowing);
    // Moves the persistent indexes (selection, current row) after rows_ or shown_ changed: where a
    // row that was at a source position went, and where a row's children went, by new position.
    struct PersistentPlace {
        size_t Source;
        int Child;  // -1 for the row itself
        int Column;
    };
    std::vector<PersistentPlace> PersistentPlaces() const;
    void MovePersistent(const std::vector<PersistentPlace>& places, const std::function<size_t(size_t)>& row_moved,
                        const std::function<int(size_t, int)>& child_moved);

    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
    // While a filter is set, the positions in rows_ of the rows shown, ascending.
    std::vector<size_t> shown_;
    bool filtered_ = false;
    QString filter_;
    std::vector<int> filter_columns_;
    int sort_column_ = -1;
    Qt::SortOrder sort_order_ = Qt::AscendingOrder;
};

// The program's multi-column list: pale green rows, the selected row white on green, bold headings,
// and a heading click sorting on that column (a second click turns the order round).
class TTreeList : public QTreeView {
    Q_OBJECT
public:
    TTreeList(std::vector<ListColumn> columns, QWidget* parent = nullptr);

    TListModel& Model() const { return *model_; }
    // Replaces the rows. The first fill sorts them on the column, ascending; later ones keep the
    // order the user chose, and the selected record stays selected.
    void Fill(std::vector<ListRow> rows, int sort_column);
    // The tree lines and expand buttons go in this column.
    void SetTreeColumn(int column);
    // The columns fill the list's width and no more: `elastic` takes what the others leave and cuts
    // its texts with an ellipsis (their hints show them whole), so the list never scrolls sideways.
    void FitColumnsToWidth(int elastic);
    // The height that shows that many rows under the headings without scrolling.
    int HeightForRows(int rows) const;

    // The current row when it is selected: the one row that commands on a single record act on.
    const ListRow* CurrentRow() const;
    bool HasSelection() const;
    // The selected rows as tab-separated text under the headings, in the order shown (Ctrl+C).
    QString SelectedRowsText() const;
    // A copied child row takes its parent's text in these columns where its own is empty, so each
    // copied line says whose it is.
    void SetCopiedParentColumns(std::vector<int> columns) { copied_parent_columns_ = std::move(columns); }
    // The key of the current row when it is of that kind, else its parent row's.
    template <typename Key>
    std::optional<Key> SelectedKey() const {
        return CurrentRow() != nullptr ? KeyOf<Key>(currentIndex()) : std::nullopt;
    }
    // The keys of every selected row (a child row standing for its parent's), each once, in the
    // order shown.
    template <typename Key>
    std::vector<Key> SelectedKeys() const {
        std::vector<Key> keys;
        for (const QModelIndex& index : SelectedRowsInOrder()) {
            const std::optional<Key> key = KeyOf<Key>(index);
            if (key && std::find(keys.begin(), keys.end(), *key) == keys.end()) keys.push_back(*key);
        }
        return keys;
    }
    // A child row is the current, selected row.
    bool ChildSelected() const { return CurrentRow() != nullptr && currentIndex().parent().isValid(); }

signals:
    // A row was double-clicked or Enter pressed on it.
    void RowChosen();
    // Rows were selected or let go; `any` tells whether one is selected now.
    void SelectionChanged(bool any);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    template <typename Key>
    std::optional<Key> KeyOf(QModelIndex index) const {
        for (; index.isValid(); index = index.parent()) {
            const ListRow* row = model_->RowAt(index);
            if (row != nullptr && std::holds_alternative<Key>(row->Key)) return std::get<Key>(row->Key);
        }
        return std::nullopt;
    }
    // Column-0 indexes of the selected rows, in the order shown (children after their parent).
    QModelIndexList SelectedRowsInOrder() const;
    // Short lists never cut a cell: a column widens to its widest text.
    void WidenToContents();

    TListModel* model_;
    bool filled_ = false;
    std::vector<int> copied_parent_columns_;
};

}  // namespace hexwarden
