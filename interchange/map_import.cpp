#include "interchange/map_import.h"

#include <memory>
#include <optional>
#include <vector>

#include "interchange/item_list_text.h"
#include "model/database.h"
#include "model/terrain_colours.h"
#include "platform/ascii_case.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"
#include "platform/text_fields.h"
#include "platform/whole_file.h"

namespace hexwarden {

namespace {

// The level part of a section name: the seed's "Overworld" and "Underworld", or a level's label
// ("nexus", "deep underworld", ...). Other words go to the underworld, as they always have.
Level LevelOfWord(std::string_view word) {
    if (EqualsIgnoringCase(word, "Overworld")) return Level::Surface;
    const std::optional<Level> level = word.empty() ? std::nullopt : Level::FromLabel(word);
    return level.value_or(Level::Underworld);
}

// "Hex x,y,level": nothing unless the part after "Hex " has exactly three comma-separated parts.
// A malformed x or y throws. Places that cannot hold a hex (negative, or x + y odd, which the game's
// grid does not have) give nothing too.
std::optional<Place> LocationOf(std::string_view section_name) {
    std::string_view location = section_name.size() > 4 ? section_name.substr(4) : std::string_view();
    std::vector<std::string_view> parts = SplitAt(location, ',');
    if (parts.size() != 3) return std::nullopt;

    const Place result{StrToInt(parts[0]), StrToInt(parts[1]), LevelOfWord(TrimSpacesAndTabs(parts[2]))};
    if (result.X < 0 || result.Y < 0 || (int64_t{result.X} + result.Y) % 2 != 0) return std::nullopt;
    return result;
}

class HexSectionImport {
public:
    HexSectionImport(TVelMain& main, const std::vector<ProfileEntry>& entries) : main_(main), entries_(entries) {}

    void Run(const Place& location) {
        const int32_t turn = StrToIntDef(Value("Turn"), 0);
        const bool confirmed = EqualsIgnoringCase(Value("Confirmed"), "True");

        TVelHex* hex = main_.FindHex(location);
        if (hex) {
            if (hex->Turn >= turn) return;
            if (hex->Confirmed && !confirmed) return;
        } else {
            hex = AddHex(location);
        }
        hex->Turn = turn;
        hex->Confirmed = confirmed;
        ReadTerrain(*hex);
        if (std::string province = Value("Province"); !province.empty()) {
            hex->Province = main_.Provinces.AddOrUpdate(province, "", 0, province);
        }
        ReadSettlement(*hex);
        ReadList("Peasants", hex->Peasants, main_.Races);
        ReadNumber("Tax Base", hex->TaxBase);
        ReadNumber("Wages", hex->Wages);
        ReadNumber("Max Wages", hex->MaxWages);
        ReadNumber("Entertainment", hex->Entertainment);
        ReadList("For Sale", hex->ForSale, main_.ItemTypes);
        ReadList("Wanted", hex->Wanted, main_.ItemTypes);
        ReadList("Products", hex->Products, main_.ItemTypes);
        ReadNumber("Gate", hex->Gate);
    }

private:
    std::string Value(std::string_view key) const { return FindProfileValue(entries_, key); }

    TVelHex* AddHex(const Place& location) {
        auto hex = std::make_unique<TVelHex>(main_);
        hex->X = location.X;
        hex->Y = location.Y;
        // A fresh hex would otherwise name the first province of the table when the section has none.
        hex->Province = -1;
        return main_.HexesOf(location.Where).AddOrMerge(std::move(hex));
    }

    // A terrain this database has not seen yet is registered as a report would have done (code:
    // the word in lower case), so that exchanged maps keep their lakes and caverns. The hex holds
    // the position in a byte, so a table that is full takes no more.
    void ReadTerrain(TVelHex& hex) const {
        constexpr int32_t kNoTerrain = 255;
        std::string name = Value("Terrain");
        int32_t position = main_.Terrains.IndexOfName(name);
        if (position < 0 && !name.empty()) {
            std::string code = LowerCaseAscii(name);
            position = main_.Terrains.IndexOfCode(code);
            if (position < 0 && main_.Terrains.Count() < kNoTerrain) position = main_.Terrains.AddOrUpdate(name, "", static_cast<int32_t>(TerrainColour(name)), code);
        }
        hex.Terrain = static_cast<uint8_t>(position >= 0 && position < kNoTerrain ? position : kNoTerrain);
    }

    void ReadSettlement(TVelHex& hex) const {
        static constexpr std::pair<std::string_view, uint8_t> kSizes[] = {{"City", 3}, {"Town", 2}, {"Village", 1}};
        for (const auto& [key, size] : kSizes) {
            if (std::string name = Value(key); !name.empty()) {
                hex.SettlementSize = size;
                hex.SettlementName = std::move(name);
                return;
            }
        }
    }

    // Codes are registered in the table that names the list: races for the population, item
    // types for goods.
    void ReadList(std::string_view key, TVelItemList& list, TVelIndexList& names) const {
        std::string value = Value(key);
        if (value.empty()) return;
        std::vector<ItemListEntry> entries = ParseItemList(value);
        list.Clear();
        for (ItemListEntry& entry : entries) {
            names.AddOrUpdate("", "", 0, entry.Code);
            list.Add(std::make_unique<TVelItem>(std::move(entry.Code), entry.Price, entry.Count, entry.Illusion));
        }
    }

    void ReadNumber(std::string_view key, int32_t& target) const {
        if (std::string value = Value(key); !value.empty()) target = StrToInt(value);
    }

    TVelMain& main_;
    const std::vector<ProfileEntry>& entries_;
};

}  // namespace

std::string ImportMapData(TVelMain& main, const std::filesystem::path& path) {
    return ImportMapDataFromBytes(main, ReadWholeFile(path));
}

std::string ImportMapDataFromBytes(TVelMain& main, std::string_view bytes) {
    ProfileFile file = ProfileFile::Parse(bytes);
    std::vector<std::string> names = file.SectionNames();
    for (size_t i = 0; i < names.size(); ++i) {
        // Only hex sections carry data; "Structure", "Unit" and the header never start with "Hex".
        if (!StartsWithIgnoringCase(names[i], "Hex")) continue;
        if (std::optional<Place> location = LocationOf(names[i])) {
            HexSectionImport(main, file.SectionEntriesAt(i)).Run(*location);
        }
    }
    return std::string(kImportCompletedMessage);
}

}  // namespace hexwarden
