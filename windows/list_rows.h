#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/level.h"
#include "model/record_keys.h"

namespace hexwarden {

class TVelMain;
class TVelUnit;

// How a column sorts. One rule per kind, shared by every list.
enum class SortKind {
    Text,     // by the text, ignoring letter case
    Number,   // by the cell's number ("???" and "Unlimited" carry one too)
    Ordered,  // by the cell's two order values (hex places, skill levels with days)
};

struct ListColumn {
    QString Heading;
    int Width = 50;
    SortKind Sort = SortKind::Text;
    bool Centred = false;
};

// One cell as shown, with what it sorts by.
struct ListCell {
    QString Text;
    std::array<int64_t, 2> Order{};
    // Unset: the hint is the cell's text; empty: no hint.
    std::optional<QString> Hint;
    // A colour swatch (0x00BBGGRR) drawn in place of text.
    std::optional<uint32_t> Swatch;
};

ListCell TextCell(const QString& text);
ListCell NumberCell(int64_t value);
ListCell NumberCell(const QString& text, int64_t order);
ListCell OrderedCell(const QString& text, int64_t first, int64_t second);
ListCell SwatchCell(uint32_t colour);

// The record a row stands for; troop rows stand for none (their parent's record is meant).
using RowKey = std::variant<std::monostate, HexKey, UnitKey, FactionKey, StructureKey, MarkerKey>;

struct ListRow {
    RowKey Key;
    std::vector<ListCell> Cells;
    std::vector<ListRow> Children;
};

// Sorts rows, and the children of each, on one column by that column's rule. Stable, so rows that
// compare equal keep their order.
void SortRows(std::vector<ListRow>& rows, int column, SortKind kind, bool descending);
// Sorts the rows alone (not their children); the result gives each old position's new one.
std::vector<size_t> SortRowsTracked(std::vector<ListRow>& rows, int column, SortKind kind, bool descending);

// "(12) Scouts": how the Windows menu, the lists and the unit window name a unit or a structure.
QString NumberedName(int32_t number, const std::string& name);

// A small number that orders levels as they compare (the order of depth), for sort keys.
int64_t LevelOrder(Level level);

// The "Hex" column of unit lists: by level in the order of depth, off the level's grid before on
// it, then x, then y.
ListCell UnitPlaceCell(const TVelUnit& unit);

// A faction number as unit lists show it: "???" for 0 or less, with the faction's name as the hint
// (none when unknown or not 1 or more).
ListCell FactionNumberCell(const TVelMain& main, int32_t faction);

// The unit row shared by the hex, structure and faction windows and the unit lists: unit number,
// faction (with_faction), name and men, with one child row per troop entry when asked.
ListRow UnitRow(const TVelMain& main, const TVelUnit& unit, bool with_faction, bool with_troops);

}  // namespace hexwarden
