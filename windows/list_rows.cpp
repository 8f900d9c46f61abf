#include "windows/list_rows.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

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

const ListCell& CellOf(const ListRow& row, size_t column) {
    static const ListCell kEmpty;
    return column < row.Cells.size() ? row.Cells[column] : kEmpty;
}

// A text sort key: the case-folded text in one buffer shared by all rows, its first sixteen code
// units packed into four integers that order as the text does. Most comparisons end at the packed
// units without reading the buffer, which keeps a sort of many rows out of scattered memory.
struct TextKey {
    std::array<uint64_t, 4> Prefix{};
    uint32_t Offset = 0;
    uint32_t Length = 0;
    size_t Row = 0;
};

// Rows once sorted lie in memory in another order than their cells and texts: reading the keys
// asks for the cells some rows ahead, and for their texts a few rows ahead, before they are needed.
constexpr size_t kCellsAhead = 16;
constexpr size_t kTextAhead = 8;

void FetchAhead(const std::vector<ListRow>& rows, size_t i, size_t column, bool text) {
    if (i + kCellsAhead < rows.size()) __builtin_prefetch(rows[i + kCellsAhead].Cells.data());
    if (text && i + kTextAhead < rows.size()) __builtin_prefetch(CellOf(rows[i + kTextAhead], column).Text.constData());
}

std::vector<TextKey> FoldedKeys(const std::vector<ListRow>& rows, size_t column, std::u16string& folded) {
    std::vector<TextKey> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FetchAhead(rows, i, column, true);
        const QString& text = CellOf(rows[i], column).Text;
        TextKey& key = keys[i];
        key.Offset = static_cast<uint32_t>(folded.size());
        key.Length = static_cast<uint32_t>(text.size());
        key.Row = i;
        for (qsizetype at = 0; at < text.size(); ++at) {
            const char16_t raw = text[at].unicode();
            const char16_t unit = raw < 0x80 ? (raw >= u'A' && raw <= u'Z' ? raw + 32 : raw) : text[at].toCaseFolded().unicode();
            folded.push_back(unit);
            if (at < 16) key.Prefix[static_cast<size_t>(at / 4)] |= uint64_t{unit} << (16 * (3 - at % 4));
        }
    }
    return keys;
}

// The positions of the rows in sorted order. The keys are taken out of the rows first (texts case
// folded once rather than in every comparison) so that a sort of many rows compares in one flat
// array; ties go by position, which keeps the sort stable.
std::vector<size_t> SortedOrder(const std::vector<ListRow>& rows, size_t column, SortKind kind, bool descending) {
    std::vector<size_t> order(rows.size());
    if (kind == SortKind::Text) {
        std::u16string folded;
        std::vector<TextKey> keys = FoldedKeys(rows, column, folded);
        const auto compare = [&folded](const TextKey& a, const TextKey& b) {
            if (a.Prefix != b.Prefix) return a.Prefix < b.Prefix ? -1 : 1;
            const std::u16string_view x(folded.data() + a.Offset, a.Length);
            const std::u16string_view y(folded.data() + b.Offset, b.Length);
            const int compared = x.compare(y);
            return compared < 0 ? -1 : (compared > 0 ? 1 : 0);
        };
        std::sort(keys.begin(), keys.end(), [&compare, descending](const TextKey& a, const TextKey& b) {
            const int compared = compare(a, b);
            if (compared != 0) return descending ? compared > 0 : compared < 0;
            return a.Row < b.Row;
        });
        for (size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].Row;
        return order;
    }
    std::vector<std::pair<std::array<int64_t, 2>, size_t>> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FetchAhead(rows, i, column, false);
        keys[i] = {CellOf(rows[i], column).Order, i};
    }
    std::sort(keys.begin(), keys.end(), [descending](const auto& a, const auto& b) {
        if (a.first != b.first) return descending ? b.first < a.first : a.first < b.first;
        return a.second < b.second;
    });
    for (size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].second;
    return order;
}

bool CellLess(const ListCell& a, const ListCell& b, SortKind kind) {
    if (kind == SortKind::Text) return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    return a.Order < b.Order;
}

}  // namespace

namespace {

// Sorts the rows alone; moved_to, when given, receives each old position's new one.
void SortTopRows(std::vector<ListRow>& rows, int column, SortKind kind, bool descending,
                 std::vector<size_t>* moved_to) {
    if (moved_to != nullptr) {
        moved_to->resize(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) (*moved_to)[i] = i;
    }
    if (column < 0 || rows.size() < 2) return;
    const auto column_index = static_cast<size_t>(column);
    // Few rows (a unit's troops) are mostly in order already: one look, no keys taken out.
    if (rows.size() <= 8) {
        const auto before = [&](const ListRow& a, const ListRow& b) {
            const ListCell& x = CellOf(a, column_index);
            const ListCell& y = CellOf(b, column_index);
            return descending ? CellLess(y, x, kind) : CellLess(x, y, kind);
        };
        bool ordered = true;
        for (size_t i = 1; i < rows.size() && ordered; ++i) ordered = !before(rows[i], rows[i - 1]);
        if (ordered) return;
    }
    const std::vector<size_t> order = SortedOrder(rows, column_index, kind, descending);
    if (moved_to != nullptr) {
        for (size_t i = 0; i < order.size(); ++i) (*moved_to)[order[i]] = i;
    }
    // Each row is moved once, following the cycles of the permutation, rather than into a second
    // array as large as the list.
    std::vector<bool> placed(rows.size(), false);
    for (size_t start = 0; start < rows.size(); ++start) {
        if (placed[start] || order[start] == start) continue;
        ListRow held = std::move(rows[start]);
        size_t at = start;
        while (order[at] != start) {
            rows[at] = std::move(rows[order[at]]);
            placed[at] = true;
            at = order[at];
        }
        rows[at] = std::move(held);
        placed[at] = true;
    }
}

}  // namespace

std::vector<size_t> SortRowsTracked(std::vector<ListRow>& rows, int column, SortKind kind, bool descending) {
    std::vector<size_t> moved_to;
    SortTopRows(rows, column, kind, descending, &moved_to);
    return moved_to;
}

void SortRows(std::vector<ListRow>& rows, int column, SortKind kind, bool descending) {
    SortTopRows(rows, column, kind, descending, nullptr);
    for (ListRow& row : rows) {
        if (row.Children.size() > 1) SortTopRows(row.Children, column, kind, descending, nullptr);
    }
}

QString NumberedName(int32_t number, const std::string& name) {
    return QStringLiteral("(%1) ").arg(number) + ToQString(name);
}

int64_t LevelOrder(Level level) {
    return (int64_t{static_cast<uint8_t>(level.Kind())} << 12) + (int64_t{level.Depth()} << 1) + (level.Numbered() ? 1 : 0);
}

ListCell UnitPlaceCell(const TVelUnit& unit) {
    const int64_t level_and_grid = LevelOrder(unit.Where) * 2 + (unit.IsOnMap() ? 1 : 0);
    // x in the high half, y moved to unsigned in the low half: one value orders by x, then y.
    const int64_t place = (int64_t{unit.X} << 32) + (int64_t{unit.Y} + 0x80000000LL);
    return OrderedCell(ToQString(FormatLocation(unit.At())), level_and_grid, place);
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
