#include "windows/list_rows.h"

#include <algorithm>

#include "model/database.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {

ListCell TextCell(const QString& text) { return {text, {}, std::nullopt, std::nullopt}; }

ListCell NumberCell(int64_t value) { return {QString::number(value), {value, 0}, std::nullopt, std::nullopt}; }

ListCell NumberCell(const QString& text, int64_t order) { return {text, {order, 0}, std::nullopt, std::nullopt}; }

ListCell OrderedCell(const QString& text, int64_t first, int64_t second) {
    return {text, {first, second}, std::nullopt, std::nullopt};
}

ListCell SwatchCell(uint32_t colour) { return {QString(), {int64_t{colour}, 0}, QString(), colour}; }

namespace {

bool CellLess(const ListCell& a, const ListCell& b, SortKind kind) {
    if (kind == SortKind::Text) return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    return a.Order < b.Order;
}

}  // namespace

std::vector<size_t> SortRowsTracked(std::vector<ListRow>& rows, int column, SortKind kind, bool descending) {
    std::vector<size_t> moved_to(rows.size());
    if (column < 0) {
        for (size_t i = 0; i < rows.size(); ++i) moved_to[i] = i;
        return moved_to;
    }
    const auto column_index = static_cast<size_t>(column);
    static const ListCell kEmpty;
    const auto cell = [&rows, column_index](size_t i) -> const ListCell& {
        return column_index < rows[i].Cells.size() ? rows[i].Cells[column_index] : kEmpty;
    };
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return descending ? CellLess(cell(b), cell(a), kind) : CellLess(cell(a), cell(b), kind);
    });
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        moved_to[order[i]] = i;
        sorted.push_back(std::move(rows[order[i]]));
    }
    rows = std::move(sorted);
    return moved_to;
}

void SortRows(std::vector<ListRow>& rows, int column, SortKind kind, bool descending) {
    SortRowsTracked(rows, column, kind, descending);
    for (ListRow& row : rows) SortRowsTracked(row.Children, column, kind, descending);
}

ListCell UnitPlaceCell(const TVelUnit& unit) {
    const int64_t level_and_grid = (unit.Overworld ? 0 : 2) + (unit.IsOnMap() ? 1 : 0);
    // x in the high half, y moved to unsigned in the low half: one value orders by x, then y.
    const int64_t place = (int64_t{unit.X} << 32) + (int64_t{unit.Y} + 0x80000000LL);
    return OrderedCell(ToQString(FormatLocation(unit.X, unit.Y, unit.Overworld, true)), level_and_grid, place);
}

ListCell FactionNumberCell(const TVelMain& main, int32_t faction) {
    if (faction <= 0) {
        ListCell cell = NumberCell(QStringLiteral("???"), 0);
        cell.Hint = QString();
        return cell;
    }
    ListCell cell = NumberCell(faction);
    const TVelFaction* known = main.Factions.FindByNumber(faction);
    cell.Hint = known != nullptr ? ToQString(known->Name) : QString();
    return cell;
}

ListRow UnitRow(const TVelMain& main, const TVelUnit& unit, bool with_faction, bool with_troops) {
    ListRow row;
    row.Key = UnitKey::Of(unit);
    row.Cells.push_back(NumberCell(unit.Number));
    if (with_faction) row.Cells.push_back(FactionNumberCell(main, unit.Faction));
    row.Cells.push_back(TextCell(ToQString(unit.Name)));
    row.Cells.push_back(NumberCell(unit.Troops.Total()));
    if (!with_troops) return row;
    const int name_column = with_faction ? 2 : 1;
    for (const auto& troop : unit.Troops) {
        ListRow child;
        child.Cells.resize(row.Cells.size());
        child.Cells[static_cast<size_t>(name_column)] = TextCell(ToQString(unit.Troops.DisplayName(*troop)));
        child.Cells[static_cast<size_t>(name_column) + 1] = NumberCell(troop->Count);
        row.Children.push_back(std::move(child));
    }
    return row;
}

}  // namespace hexwarden
