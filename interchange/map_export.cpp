#include "interchange/map_export.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "interchange/item_list_text.h"
#include "model/database.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"

namespace hexwarden {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Unit flags in the order their words are written.
constexpr std::pair<UnitFlag, std::string_view> kFlagWords[] = {
    {UnitFlag::OnGuard, "OnGuard"}, {UnitFlag::NoAid, "NoAid"},
    {UnitFlag::Avoiding, "Avoiding"}, {UnitFlag::Behind, "Behind"},
    {UnitFlag::RevealFaction, "RevealFaction"}, {UnitFlag::Holding, "Holding"},
    {UnitFlag::Autotax, "Autotax"},
};

std::string FlagWords(const TVelUnit& unit) {
    std::string words;
    for (const auto& [flag, word] : kFlagWords) {
        if (!unit.HasFlag(flag)) continue;
        if (!words.empty()) words += ',';
        words += word;
    }
    return words;
}

std::string TroopText(const TVelTroopList& troops) {
    std::string text;
    for (const auto& section : troops) {
        if (!section) continue;
        if (!text.empty()) text += ';';
        text += section->Code + "," + IntToStr(section->Count);
    }
    return text;
}

std::string SkillText(const TVelSkillList& skills) {
    std::string text;
    for (const auto& skill : skills) {
        if (!skill) continue;
        if (!text.empty()) text += ';';
        text += skill->Code + "," + IntToStr(skill->Days) + ",*";
    }
    return text;
}

std::string UnitNumbers(const TVelUnitList& units) {
    std::string text;
    for (const TVelUnit* unit : units) {
        if (!text.empty()) text += ';';
        text += IntToStr(unit->Number);
    }
    return text;
}

class MapDataWriter {
public:
    MapDataWriter(const MapExportOptions& options, std::string level_word)
        : options_(options), level_word_(std::move(level_word)) {}

    void Header(const TVelMain& main) {
        Raw("[VELDORIA DATA]");
        Line("Turn", IntToStr(main.Turn));
        Line("Source", main.FactionName + " (" + IntToStr(main.FactionNumber) + ")");
        Raw("");
    }

    void Hex(const TVelHex& hex) {
        Raw("");
        Raw("[Hex " + Location(hex) + "]");
        Line("Turn", IntToStr(hex.Turn));
        Line("Terrain", hex.TerrainName());
        Raw(hex.Confirmed ? "Confirmed=True" : "Confirmed=False");
        if (options_.ExportProvince) Line("Province", hex.ProvinceName());
        if (options_.ExportPeasants && hex.Peasants.Count() > 0) Line("Peasants", FormatItemList(hex.Peasants, false));
        if (options_.ExportCities && hex.SettlementSize >= 1 && hex.SettlementSize <= 3) {
            Line(SettlementSizeName(hex.SettlementSize), hex.SettlementName);
        }
        if (options_.ExportTax) Line("Tax Base", IntToStr(hex.TaxBase));
        if (options_.ExportWages) {
            Line("Wages", IntToStr(hex.Wages));
            Line("Max Wages", IntToStr(hex.MaxWages));
        }
        if (options_.ExportEntertainment) Line("Entertainment", IntToStr(hex.Entertainment));
        if (options_.ExportForSale && hex.ForSale.Count() > 0) Line("For Sale", FormatItemList(hex.ForSale, true));
        if (options_.ExportWanted && hex.Wanted.Count() > 0) Line("Wanted", FormatItemList(hex.Wanted, true));
        if (options_.ExportProducts && hex.Products.Count() > 0) Line("Products", FormatItemList(hex.Products, false));
        if (options_.ExportGates && hex.Gate > 0) Line("Gate", IntToStr(hex.Gate));

        if (options_.ExportStructures) {
            for (const auto& building : hex.Structures) {
                if (building) Structure(hex, *building);
            }
        }
        if (options_.ExportUnits) Units(hex, hex.Units);
    }

    std::string Text() && { return std::move(text_); }

private:
    void Structure(const TVelHex& hex, const TVelBuilding& building) {
        Raw("");
        Raw("[Structure " + IntToStr(building.Number) + ": " + Location(hex) + "]");
        Line("Turn", IntToStr(hex.Turn));
        Line("Name", building.Name);
        if (!building.Description.empty()) Line("Description", building.Description);
        Line("Kind", building.Kind);
        Line("Needs", IntToStr(building.Needs));
        if (options_.ExportUnits && building.Units.Count() > 0) Line("Units", UnitNumbers(building.Units));
        if (options_.ExportUnits) Units(hex, building.Units);
    }

    void Units(const TVelHex& hex, const TVelUnitList& units) {
        for (const TVelUnit* unit : units) Unit(hex, *unit);
    }

    void Unit(const TVelHex& hex, const TVelUnit& unit) {
        Raw("");
        Raw("[Unit " + IntToStr(unit.Number) + ": " + Location(hex) + "]");
        Line("Turn", IntToStr(unit.Turn));
        Line("ID", IntToStr(unit.Number));
        Line("Name", unit.Name);
        if (!unit.Description.empty()) Line("Description", unit.Description);
        if (unit.Inside > 0) Line("Inside", IntToStr(unit.Inside));
        if (options_.ExpUnitFaction && unit.Faction > 0) {
            Line("Faction", IntToStr(unit.Faction));
            if (!unit.FactionConfirmed) Raw("Faction Confirmed=False");
        }
        if (options_.ExpUnitTroops) Line("Troops", TroopText(unit.Troops));
        if (options_.ExpUnitItems && unit.Items.Count() > 0) Line("Items", FormatItemList(unit.Items, false));
        if (options_.ExpUnitSkills && unit.Skills.Count() > 0) Line("Skills", SkillText(unit.Skills));
        if (options_.ExpUnitFlags) {
            // Only flags that have a word: a unit with nothing but RevealUnit writes no line.
            std::string words = FlagWords(unit);
            if (!words.empty()) Line("Flags", words);
        }
    }

    std::string Location(const TVelHex& hex) const {
        return IntToStr(hex.X) + "," + IntToStr(hex.Y) + "," + level_word_;
    }

    void Line(std::string_view key, std::string_view value) {
        text_ += key;
        text_ += '=';
        text_ += ProfileOneLine(value);
        text_ += kLineEnd;
    }

    void Raw(std::string_view line) {
        text_ += line;
        text_ += kLineEnd;
    }

    const MapExportOptions& options_;
    std::string level_word_;
    std::string text_;
};

// The level's hexes within the rectangle in export order: x ascending, then y. Taken from the
// stored hexes rather than by walking the rectangle, whose corners may lie far apart.
std::vector<const TVelHex*> HexesInRectangle(const TVelHexList& hexes, const MapExportOptions& options) {
    const auto [low_x, high_x] = std::minmax(options.StartX, options.EndX);
    const auto [low_y, high_y] = std::minmax(options.StartY, options.EndY);
    std::vector<const TVelHex*> selected;
    for (const TVelHex* hex : hexes.HexesByRow()) {
        if (hex->X < low_x || hex->X > high_x || hex->Y < low_y || hex->Y > high_y) continue;
        if (options.ConfirmedOnly && !hex->Confirmed) continue;
        selected.push_back(hex);
    }
    std::sort(selected.begin(), selected.end(),
              [](const TVelHex* a, const TVelHex* b) { return std::pair(a->X, a->Y) < std::pair(b->X, b->Y); });
    return selected;
}

// The seed's words for its two levels; every other level writes its label.
std::string LevelWord(Level level) {
    if (level == Level::Surface) return "Overworld";
    if (level == Level::Underworld) return "Underworld";
    return level.Label();
}

}  // namespace

std::string ExportMapData(const TVelMain& main, const MapExportOptions& options) {
    MapDataWriter writer(options, LevelWord(options.Where));
    writer.Header(main);
    for (const TVelHex* hex : HexesInRectangle(main.HexesOf(options.Where), options)) writer.Hex(*hex);
    return std::move(writer).Text();
}

}  // namespace hexwarden
