#pragma once

#include <QAbstractItemModel>
#include <QTreeView>
#include <optional>
#include <variant>
#include <vector>

#include "windows/list_rows.h"

namespace hexwarden {

// Rows of shown values and record keys, one level of children under each row. Filled whole; the
// rows are copies, so nothing here reads the database.
class TListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TListModel(std::vector<ListColumn> columns, QObject* parent = nullptr);

    void SetRows(std::vector<ListRow> rows);
    const std::vector<ListRow>& Rows() const { return rows_; }
    const std::vector<ListColumn>& Columns() const { return columns_; }
    // The row an index points at (a child row for an index under a row), or null.
    const ListRow* RowAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
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

    const ListRow* CurrentRow() const;
    // The selected rows as tab-separated text under the headings, in the order shown (Ctrl+C).
    QString SelectedRowsText() const;
    // The key of the selected row when it is of that kind, else its parent row's.
    template <typename Key>
    std::optional<Key> SelectedKey() const {
        const QModelIndex current = currentIndex();
        for (QModelIndex index = current; index.isValid(); index = index.parent()) {
            const ListRow* row = model_->RowAt(index);
            if (row != nullptr && std::holds_alternative<Key>(row->Key)) return std::get<Key>(row->Key);
        }
        return std::nullopt;
    }
    // A child row is selected.
    bool ChildSelected() const { return currentIndex().isValid() && currentIndex().parent().isValid(); }

signals:
    // A row was double-clicked or Enter pressed on it.
    void RowChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TListModel* model_;
    bool filled_ = false;
};

}  // namespace hexwarden
