#include "interchange/map_import.h"

#include <memory>
#include <span>

#include "model/database.h"
#include "model/terrain_colours.h"
#include "platform/ascii_case.h"
#include "platform/error.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"
#include "platform/text_fields.h"
#include "platform/whole_file.h"

namespace hexwarden {

namespace {

constexpr std::string_view kHeaderLine = "[VELDORIA DATA]";
constexpr std::string_view kNothingImported = " Nothing was imported.";

// The lines the export writes in every section of a kind, whatever its options: a section without
// one of them was cut short. "Wages" and "Max Wages" are written as a pair.
struct SectionKind {
    std::string_view Prefix;
    std::span<const std::string_view> Required;
};
constexpr std::string_view kHeaderKeys[] = {"Turn", "Source"};
constexpr std::string_view kStructureKeys[] = {"Turn", "Name", "Kind", "Needs"};
constexpr std::string_view kUnitKeys[] = {"Turn", "ID", "Name"};
constexpr std::string_view kHexKeys[] = {"Turn", "Terrain", "Confirmed"};
constexpr SectionKind kHeaderKind{"VELDORIA DATA", kHeaderKeys};
constexpr SectionKind kStructureKind{"Structure", kStructureKeys};
constexpr SectionKind kUnitKind{"Unit", kUnitKeys};
constexpr SectionKind kHexKind{"Hex", kHexKeys};

// The kind a section name opens, checked in this order ("Hex" never starts the others); null for
// a section the file format does not have, which is ignored.
const SectionKind* KindOf(std::string_view name) {
    for (const SectionKind* kind : {&kHeaderKind, &kStructureKind, &kUnitKind, &kHexKind}) {
        if (kind == &kHeaderKind ? EqualsIgnoringCase(name, kind->Prefix) : StartsWithIgnoringCase(name, kind->Prefix)) return kind;
    }
    return nullptr;
}

[[noreturn]] void Refuse(const std::string& why) {
    throw Error(why + std::string(kNothingImported));
}

std::string SectionText(std::string_view name) {
    std::string text(1, '[');
    text += TextPreview(name);
    return text + ']';
}

void CheckIsMapData(std::string_view bytes) {
    if (bytes.empty()) Refuse("The file is empty: it holds no map data.");
    const std::string_view first = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (!EqualsIgnoringCase(TrimSpacesAndTabs(first), kHeaderLine)) {
        Refuse("This is not a map-data file: its first line is not " + std::string(kHeaderLine) + ".");
    }
}

// A file cut in the middle of a line would hand over the part of a value before the cut. Old Mac
// files end their lines with a carriage return alone; a file with line feeds must end with one.
void CheckLastLineEnded(std::string_view bytes, const ProfileFile& file) {
    const bool line_feeds = bytes.find('\n') != std::string_view::npos;
    if (bytes.back() == '\n' || (bytes.back() == '\r' && !line_feeds)) return;
    // The number of the last line: one more than the line ends with something after them.
    size_t line = 1;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n')) ++line;
    }
    const std::vector<std::string> names = file.SectionNames();
    Refuse("The file ends inside line " + IntToStr(static_cast<int64_t>(line)) + ", in section " + SectionText(names.back()) +
           ": it was cut short.");
}

bool HasKey(const std::vector<ProfileEntry>& entries, std::string_view key) {
    for (const ProfileEntry& entry : entries) {
        if (EqualsIgnoringCase(entry.Key, key)) return true;
    }
    return false;
}

// One section of the file with its entries, for the messages that name where a fault is.
class SectionReader {
public:
    SectionReader(std::string_view name, size_t line, std::vector<ProfileEntry> entries)
        : name_(name), line_(line), entries_(std::move(entries)) {}

    void CheckComplete(const SectionKind& kind) const {
        for (std::string_view key : kind.Required) RequireKey(key);
        if (HasKey(entries_, "Wages") != HasKey(entries_, "Max Wages")) RequireKey(HasKey(entries_, "Wages") ? "Max Wages" : "Wages");
    }

    // Empty when the key is absent or has no value.
    std::string Value(std::string_view key) const { return FindProfileValue(entries_, key); }

    std::optional<int32_t> Number(std::string_view key) const {
        const ProfileEntry* entry = Find(key);
        if (!entry) return std::nullopt;
        return Converted(*entry, [&] { return StrToInt(entry->Value); });
    }

    std::optional<std::vector<ItemListEntry>> ItemList(std::string_view key) const {
        const ProfileEntry* entry = Find(key);
        if (!entry) return std::nullopt;
        return Converted(*entry, [&] { return ParseItemList(entry->Value); });
    }

    // A number in the section's own name (its location), faults named by the header line.
    int32_t NameNumber(std::string_view text) const {
        try {
            return StrToInt(text);
        } catch (const ConversionError& error) {
            Refuse("Line " + IntToStr(static_cast<int64_t>(line_)) + ", section " + SectionText(name_) + ": " + error.what() + ".");
        }
    }

private:
    // The first entry of the key with a value: an empty value reads as an absent key.
    const ProfileEntry* Find(std::string_view key) const {
        for (const ProfileEntry& entry : entries_) {
            if (EqualsIgnoringCase(entry.Key, key)) return entry.Value.empty() ? nullptr : &entry;
        }
        return nullptr;
    }

    void RequireKey(std::string_view key) const {
        if (HasKey(entries_, key)) return;
        Refuse("Section " + SectionText(name_) + " on line " + IntToStr(static_cast<int64_t>(line_)) + " has no " + std::string(key) +
               " line: it was cut short.");
    }

    template <typename Convert>
    auto Converted(const ProfileEntry& entry, Convert&& convert) const -> decltype(convert()) {
        try {
            return convert();
        } catch (const ConversionError& error) {
            Refuse("Line " + IntToStr(static_cast<int64_t>(entry.Line)) + ", section " + SectionText(name_) + ", " +
                   TextPreview(entry.Key + "=" + entry.Value) + ": " + error.what() + ".");
        }
    }

    std::string_view name_;
    size_t line_;
    std::vector<ProfileEntry> entries_;
};

// The level part of a section name: the seed's "Overworld" and "Underworld", or a level's label
// ("nexus", "deep underworld", ...). Other words go to the underworld, as they always have.
Level LevelOfWord(std::string_view word) {
    if (EqualsIgnoringCase(word, "Overworld")) return Level::Surface;
    const std::optional<Level> level = word.empty() ? std::nullopt : Level::FromLabel(word);
    return level.value_or(Level::Underworld);
}

// "Hex x,y,level": nothing unless the part after "Hex " has exactly three comma-separated parts.
// A malformed x or y is refused. Places that cannot hold a hex (negative, or x + y odd, which the
// game's grid does not have) give nothing too.
std::optional<MapDataHex> LocatedHex(std::string_view section_name, const SectionReader& section) {
    std::string_view location = section_name.size() > 4 ? section_name.substr(4) : std::string_view();
    std::vector<std::string_view> parts = SplitAt(location, ',');
    if (parts.size() != 3) return std::nullopt;

    MapDataHex hex;
    hex.X = section.NameNumber(parts[0]);
    hex.Y = section.NameNumber(parts[1]);
    hex.Where = LevelOfWord(TrimSpacesAndTabs(parts[2]));
    if (hex.X < 0 || hex.Y < 0 || (int64_t{hex.X} + hex.Y) % 2 != 0) return std::nullopt;
    return hex;
}

void ReadHexValues(MapDataHex& hex, const SectionReader& section) {
    // An empty turn reads as 0, never newer than a known hex; a malformed one is refused like
    // every other number, rather than read as 0 and reported as a hex kept.
    hex.Turn = section.Number("Turn").value_or(0);
    hex.Confirmed = EqualsIgnoringCase(section.Value("Confirmed"), "True");
    hex.Terrain = section.Value("Terrain");
    hex.Province = section.Value("Province");
    static constexpr std::pair<std::string_view, uint8_t> kSizes[] = {{"City", 3}, {"Town", 2}, {"Village", 1}};
    for (const auto& [key, size] : kSizes) {
        if (std::string name = section.Value(key); !name.empty()) {
            hex.SettlementSize = size;
            hex.SettlementName = std::move(name);
            break;
        }
    }
    hex.Peasants = section.ItemList("Peasants");
    hex.TaxBase = section.Number("Tax Base");
    hex.Wages = section.Number("Wages");
    hex.MaxWages = section.Number("Max Wages");
    hex.Entertainment = section.Number("Entertainment");
    hex.ForSale = section.ItemList("For Sale");
    hex.Wanted = section.ItemList("Wanted");
    hex.Products = section.ItemList("Products");
    hex.Gate = section.Number("Gate");
}

class HexMerge {
public:
    explicit HexMerge(TVelMain& main) : main_(main) {}

    void Merge(const MapDataHex& section, MapImportCounts& counts) const {
        TVelHex* hex = main_.FindHex({section.X, section.Y, section.Where});
        if (hex && hex->Turn >= section.Turn) {
            ++counts.KeptNotOlder;
            return;
        }
        if (hex && hex->Confirmed && !section.Confirmed) {
            ++counts.KeptConfirmed;
            return;
        }
        ++(hex ? counts.Replaced : counts.Added);
        if (!hex) hex = AddHex(section);
        hex->Turn = section.Turn;
        hex->Confirmed = section.Confirmed;
        SetTerrain(*hex, section.Terrain);
        if (!section.Province.empty()) hex->Province = main_.Provinces.AddOrUpdate(section.Province, "", 0, section.Province);
        if (section.SettlementSize > 0) {
            hex->SettlementSize = section.SettlementSize;
            hex->SettlementName = section.SettlementName;
        }
        SetList(section.Peasants, hex->Peasants, main_.Races);
        SetNumber(section.TaxBase, hex->TaxBase);
        SetNumber(section.Wages, hex->Wages);
        SetNumber(section.MaxWages, hex->MaxWages);
        SetNumber(section.Entertainment, hex->Entertainment);
        SetList(section.ForSale, hex->ForSale, main_.ItemTypes);
        SetList(section.Wanted, hex->Wanted, main_.ItemTypes);
        SetList(section.Products, hex->Products, main_.ItemTypes);
        SetNumber(section.Gate, hex->Gate);
    }

private:
    TVelHex* AddHex(const MapDataHex& section) const {
        auto hex = std::make_unique<TVelHex>(main_);
        hex->X = section.X;
        hex->Y = section.Y;
        // A fresh hex would otherwise name the first province of the table when the section has none.
        hex->Province = -1;
        return main_.HexesOf(section.Where).AddOrMerge(std::move(hex));
    }

    // A terrain this database has not seen yet is registered as a report would have done (code:
    // the word in lower case), so that exchanged maps keep their lakes and caverns. The hex holds
    // the position in a byte, so a table that is full takes no more.
    void SetTerrain(TVelHex& hex, const std::string& name) const {
        constexpr int32_t kNoTerrain = 255;
        int32_t position = main_.Terrains.IndexOfName(name);
        if (position < 0 && !name.empty()) {
            std::string code = LowerCaseAscii(name);
            position = main_.Terrains.IndexOfCode(code);
            if (position < 0 && main_.Terrains.Count() < kNoTerrain) position = main_.Terrains.AddOrUpdate(name, "", static_cast<int32_t>(TerrainColour(name)), code);
        }
        hex.Terrain = static_cast<uint8_t>(position >= 0 && position < kNoTerrain ? position : kNoTerrain);
    }

    // Codes are registered in the table that names the list: races for the population, item
    // types for goods.
    static void SetList(const std::optional<std::vector<ItemListEntry>>& entries, TVelItemList& list, TVelIndexList& names) {
        if (!entries) return;
        list.Clear();
        for (const ItemListEntry& entry : *entries) {
            names.AddOrUpdate("", "", 0, entry.Code);
            list.Add(std::make_unique<TVelItem>(entry.Code, entry.Price, entry.Count, entry.Illusion));
        }
    }

    static void SetNumber(const std::optional<int32_t>& value, int32_t& target) {
        if (value) target = *value;
    }

    TVelMain& main_;
};

}  // namespace

MapData ReadMapData(std::string_view bytes) {
    CheckIsMapData(bytes);
    const ProfileFile file = ProfileFile::Parse(bytes);
    CheckLastLineEnded(bytes, file);
    MapData data;
    const std::vector<std::string> names = file.SectionNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const SectionKind* kind = KindOf(names[i]);
        if (!kind) continue;
        const SectionReader section(names[i], file.SectionLineAt(i), file.SectionEntriesAt(i));
        section.CheckComplete(*kind);
        // Only hex sections carry data into the database.
        if (kind != &kHexKind) continue;
        std::optional<MapDataHex> hex = LocatedHex(names[i], section);
        if (!hex) {
            ++data.SkippedSections;
            continue;
        }
        ReadHexValues(*hex, section);
        data.Hexes.push_back(std::move(*hex));
    }
    return data;
}

MapImportCounts MergeMapData(TVelMain& main, const MapData& data) {
    MapImportCounts counts;
    counts.SkippedSections = data.SkippedSections;
    const HexMerge merge(main);
    for (const MapDataHex& hex : data.Hexes) merge.Merge(hex, counts);
    return counts;
}

std::string MapImportMessage(const MapImportCounts& counts) {
    std::string message = "Import completed. Hexes added: " + IntToStr(counts.Added) + "; replaced: " + IntToStr(counts.Replaced) +
                          "; kept because they were not older: " + IntToStr(counts.KeptNotOlder);
    if (counts.KeptConfirmed > 0) {
        message += "; kept because they were confirmed and the file's were not: " + IntToStr(counts.KeptConfirmed);
    }
    if (counts.SkippedSections > 0) {
        message += ". Sections skipped because they name no place of the map: " + IntToStr(counts.SkippedSections);
    }
    return message + ".";
}

std::string ImportMapData(TVelMain& main, const std::filesystem::path& path) {
    return ImportMapDataFromBytes(main, ReadWholeFile(path));
}

std::string ImportMapDataFromBytes(TVelMain& main, std::string_view bytes) {
    return MapImportMessage(MergeMapData(main, ReadMapData(bytes)));
}

}  // namespace hexwarden
