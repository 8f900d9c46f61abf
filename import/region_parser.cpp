#include "import/region_parser.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "import/report_words.h"
#include "import/index_names.h"
#include "import/structure_parser.h"
#include "import/text_utils.h"
#include "import/unit_parser.h"
#include "import/veldoria_parser.h"
#include "model/database.h"
#include "model/terrain_colours.h"
#include "model/text_rules.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

constexpr int32_t kNoTerrain = 255;

bool IsSingleDelimiter(std::string_view word) {
    return word.size() == 1 && TFileParser::IsWordDelimiter(word[0]);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An amount written after "$" that ends at the sentence's full stop: reading on past the full
// stop would take the amount of a later line.
bool AmountBeforeFullStop(const TFileParser& reader) {
    const std::size_t found = reader.FindFirstOf("$.", reader.Position());
    return found < reader.Size() && reader.Text()[found] == '$';
}

int32_t ReadAmount(TVeldoriaParser& parser) {
    parser.ReadUntil("$");
    return StrToIntDef(parser.ReadWord(), 0);
}

uint8_t SettlementSizeOf(std::string_view word) {
    if (word == "city") return 3;
    if (word == "town") return 2;
    if (word == "village") return 1;
    return 0;
}

// The position of a table entry whose code and name are both the word, added with the value when new.
int32_t RegisterCode(TVelIndexList& table, const std::string& word, int32_t value) {
    const int32_t known = table.IndexOfCode(word);
    return known >= 0 ? known : table.AddOrUpdate(word, "", value, word);
}

void SetTerrain(TVelHex& hex, TVeldoriaParser& parser, const std::string& word) {
    const int32_t position = RegisterCode(parser.Database.Terrains, word, static_cast<int32_t>(TerrainColour(word)));
    if (position >= kNoTerrain) {
        // The hex keeps a terrain as a byte; a table this long only comes from a damaged report.
        parser.Log("  Too many terrain types, terrain of hex " + JoinLocation(hex.At()) + " left unknown");
        hex.Terrain = kNoTerrain;
        return;
    }
    hex.Terrain = static_cast<uint8_t>(position);
}

// Reports write race names in lower case while the tables keep them with a capital first letter.
const TVelIndexRecord* FindByReportName(const TVelIndexList& table, const std::string& name) {
    if (name.empty()) return nullptr;
    if (const TVelIndexRecord* record = table.FindByName(name)) return record;
    return table.FindByName(Capitalise(name));
}

struct PeasantsSeen {
    std::string race_name;
    int32_t count = 0;
};

PeasantsSeen ReadPopulation(TVelHex& hex, TVeldoriaParser& parser) {
    parser.Log("  Getting hex population");
    PeasantsSeen seen;
    seen.count = StrToIntDef(parser.ReadWord(), 0);
    parser.GetWord(2);
    seen.race_name = parser.ReadUntil(")");
    parser.Log("  Getting Tax Base");
    if (AmountBeforeFullStop(parser)) hex.TaxBase = ReadAmount(parser);
    parser.SkipLine();
    parser.SkipLine();
    return seen;
}

// The peasants' race is a race by definition. Its code comes from the race table, or else from a
// market or item report that named it (this region's own market included, hence after the
// economy): such a code becomes a race. False when no table knows the name.
bool PlacePeasants(TVelHex& hex, TVeldoriaParser& parser, const PeasantsSeen& seen) {
    TVelMain& database = parser.Database;
    std::string code;
    if (const TVelIndexRecord* race = FindByReportName(database.Races, seen.race_name)) {
        code = race->Code;
    } else if (const TVelIndexRecord* item = FindByReportName(database.ItemTypes, seen.race_name)) {
        code = item->Code;
        parser.Log({"  ", seen.race_name, " [", code, "] are peasants: a race"});
        RegisterAsRace(database, code);
    } else {
        return false;
    }
    RegisterName(database.Races, seen.race_name, seen.count, code);
    hex.Peasants.AddNew(code, 0, seen.count);
    return true;
}

void ReadWages(TVelHex& hex, TVeldoriaParser& parser) {
    parser.Log("  Getting Wages");
    if (!AmountBeforeFullStop(parser)) return;
    hex.Wages = ReadAmount(parser);
    // Wages come with a decimal part ("$16.2"); the whole silver is kept, and the full stop of the
    // decimal must not be taken for the end of the sentence.
    if (parser.PeekChar(0) == '.' && IsDigit(parser.PeekChar(1))) parser.GetWord(2);
    if (parser.PeekWord(1) != "." && AmountBeforeFullStop(parser)) hex.MaxWages = ReadAmount(parser);
}

bool FindForSale(TVeldoriaParser& parser, std::size_t limit) {
    while (parser.FindWordBefore("For", limit)) {
        if (parser.PeekWord(1) == "Sale") {
            parser.ReadWord();
            return true;
        }
    }
    return false;
}

// Wages, market lines, entertainment and products, each searched within the region's own text so
// that a missing line cannot make the search take a later region's.
void ReadEconomy(TVelHex& hex, TVeldoriaParser& parser, std::size_t limit) {
    if (parser.FindWordBefore("Wages", limit)) ReadWages(hex, parser);
    if (parser.FindWordBefore("Wanted", limit)) {
        parser.Log("Parsing items wanted");
        parser.ReadWord();
        ParseMarketList(hex.Wanted, parser);
    }
    if (FindForSale(parser, limit)) {
        parser.Log("Parsing items for sale");
        parser.ReadWord();
        ParseMarketList(hex.ForSale, parser);
    }
    // A list with entries leaves its full stop unread, "none" does not.
    if (parser.PeekWord(1) == "Entertainment" || (parser.PeekWord(1) == "." && parser.PeekWord(2) == "Entertainment")) {
        parser.FindWord("Entertainment");
        if (AmountBeforeFullStop(parser)) hex.Entertainment = ReadAmount(parser);
    }
    if (parser.FindWordBefore("Products", limit)) {
        parser.Log("Parsing products");
        parser.ReadWord();
        ParseMarketList(hex.Products, parser);
    }
}

void ReadGate(TVelHex& hex, TVeldoriaParser& parser) {
    if (parser.PeekWords<4>() == std::array<std::string_view, 4>{"There", "is", "a", "Gate"}) {
        hex.Gate = StrToIntDef(parser.GetWord(8), 0);
        parser.SkipLine();
    } else {
        hex.Gate = -1;
    }
}

// Units and structures follow the exits and the gate. Lines of another kind standing before them
// are passed (and logged), so that the entries behind them still count for this region.
void PassToEntries(TVeldoriaParser& parser, std::size_t limit) {
    if (IsEntryMark(parser.PeekWord(1))) return;
    for (std::size_t line = parser.NextLineStart(parser.Position()); line < limit; line = parser.NextLineStart(line)) {
        if (IsEntryMark(parser.FirstWordOfLine(line))) {
            parser.PassTextTo(line);
            return;
        }
    }
}

bool StartsOrdersTemplate(const TFileParser& reader, std::size_t line_start) {
    return line_start < reader.Size() && reader.Text()[line_start] > ' ' && reader.FirstWordOfLine(line_start) == "Orders";
}

// The words of a level up to the closing ")", which may wrap onto the next line: the level they
// name and how many words they are, the ")" included. Nothing for words that name no level.
std::optional<std::pair<Level, int>> ReadLevelWords(const TVeldoriaParser& parser, std::size_t cursor) {
    constexpr int kMostWords = 12;  // "very very ... deep underdeep" of any sensible depth and more
    const std::size_t start = cursor;
    for (int count = 1; count <= kMostWords; ++count) {
        const std::size_t before = cursor;
        const std::string_view word = parser.ScanWordFrom(cursor);
        if (word.empty() || word == "(") return std::nullopt;
        if (word != ")") continue;
        std::string words(parser.Text().substr(start, before - start));
        std::replace_if(words.begin(), words.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        const std::optional<Level> level = Level::FromLabel(TrimAndCollapse(words));
        if (!level) return std::nullopt;
        return std::pair{*level, count};
    }
    return std::nullopt;
}

// A direction, or "In" / "Out" for the way down or up a shaft into another level.
bool IsExitWord(std::string_view word) {
    return DirectionIndex(word) > 0 || word == "In" || word == "Out";
}

// What the log adds to a hex's coordinates: nothing on the surface, "(Underworld)" as ever, the
// label on another level.
std::string LevelNote(Level level) {
    if (level.IsSurface()) return {};
    if (level == Level::Underworld) return "(Underworld)";
    return "(" + level.Label() + ")";
}

}  // namespace

std::unique_ptr<TVelHex> ParseRegion(TVeldoriaParser& parser) {
    if (parser.PeekWord(2) != "(") return nullptr;
    const std::size_t start = parser.Position();
    auto hex = std::make_unique<TVelHex>(parser.Database);
    if (!ParseDetails(*hex, parser, parser.Database.Turn)) {
        parser.Log("Cannot place region: " + TextPreview(parser.Text().substr(start)));
        return nullptr;
    }
    return hex;
}

bool ParseDetails(TVelHex& hex, TVeldoriaParser& parser, int32_t turn) {
    hex.Confirmed = true;
    hex.Turn = turn;
    if (!ParseBasicInfo(hex, parser)) return false;
    parser.Log({"** Parsing details for hex ", IntToStr(hex.X), ", ", IntToStr(hex.Y), LevelNote(hex.Where)});
    const std::size_t limit = NextRegionBoundary(parser, parser.Position());
    std::optional<PeasantsSeen> peasants;
    if (parser.PrevChar() != '.') peasants = ReadPopulation(hex, parser);
    ReadEconomy(hex, parser, limit);
    // Placed before the units, so that they count these men as men; else the units' own lists may
    // still name the race.
    if (peasants && PlacePeasants(hex, parser, *peasants)) peasants.reset();
    ParseExits(hex, parser, limit);
    ReadGate(hex, parser);
    PassToEntries(parser, limit);
    ParseUnits(hex.Units, parser, turn, hex.At(), 0);
    ParseStructures(hex.Structures, parser, turn, hex.At());
    if (peasants && !PlacePeasants(hex, parser, *peasants)) {
        parser.Warn("Peasants of unknown race left out: " + IntToStr(peasants->count) + " " + peasants->race_name + " in " +
                    JoinLocation(hex.At()));
    }
    return true;
}

bool ParseBasicInfo(TVelHex& hex, TVeldoriaParser& parser) {
    parser.Log("Parsing basic hex info");
    const std::string terrain = parser.ReadWord();
    const std::optional<Place> coordinates = ParseCoordinates(parser);
    if (!coordinates) return false;
    hex.X = coordinates->X;
    hex.Y = coordinates->Y;
    hex.Where = coordinates->Where;
    SetTerrain(hex, parser, terrain);

    parser.ReadWord();
    const std::string province = parser.ReadUntil(",.;");
    hex.Province = RegisterCode(parser.Database.Provinces, province, 0);
    if (parser.PrevChar() != '.') {
        hex.SettlementSize = 0;
        if (parser.PeekWord(1) == "contains") {
            parser.ReadWord();
            hex.SettlementName = parser.ReadUntil("[");
            hex.SettlementSize = SettlementSizeOf(parser.ReadWord());
            parser.GetWord(2);
        }
    }
    return true;
}

std::optional<Place> ParseCoordinates(TVeldoriaParser& parser) {
    std::size_t cursor = parser.Position();
    int consumed = 0;
    if (parser.CurrentWord() != "(") {
        if (parser.ScanWordFrom(cursor) != "(") return std::nullopt;
        consumed = 1;
    }
    std::array<std::string_view, 4> words;  // x "," y, then ")" or "," and the level's words
    for (std::string_view& word : words) word = parser.ScanWordFrom(cursor);
    if (words[1] != ",") return std::nullopt;
    consumed += 4;
    Place result;
    if (words[3] == ",") {
        const std::optional<std::pair<Level, int>> level = ReadLevelWords(parser, cursor);
        if (!level) return std::nullopt;
        result.Where = level->first;
        consumed += level->second;
    } else if (words[3] != ")") {
        return std::nullopt;
    }
    const std::optional<int32_t> x = ParseInt(words[0]);
    const std::optional<int32_t> y = ParseInt(words[2]);
    if (!x || !y || *x < 0 || *y < 0) return std::nullopt;
    result.X = *x;
    result.Y = *y;
    parser.GetWord(consumed);
    return result;
}

void ParseMarketList(TVelItemList& list, TVeldoriaParser& parser) {
    list.Clear();
    if (parser.CurrentWord() == "." || parser.CurrentWord() == ";") return;
    if (parser.PeekWord(1) == "none") {
        parser.GetWord(2);
        return;
    }
    for (;;) {
        if (parser.PeekWord(1) == ",") parser.ReadWord();
        int32_t count = 1;
        const std::string_view first = parser.PeekWord(1);
        if (first == "unlimited") {
            count = -1;
            parser.ReadWord();
        } else if (const std::optional<int32_t> amount = AmountOf(first)) {
            count = *amount;
            parser.ReadWord();
        }
        // A market entry always ends in its code; without one the line is not understood.
        const std::size_t bracket = parser.FindFirstOf("[.;", parser.Position());
        if (bracket >= parser.Size() || parser.Text()[bracket] != '[') {
            parser.Log("  Market entry without a code: " + TextPreview(parser.Text().substr(parser.Position(), bracket - parser.Position())));
            parser.SetPosition(std::min(bracket + 1, parser.Size()));
            return;
        }
        // The name as written: joining words would split "dragon's" at its apostrophe.
        const std::string name = parser.ReadUntil("[");
        const std::string code = parser.ReadUntil("]");
        int32_t price = 0;
        if (parser.PeekWord(1) == "at") price = ReadAmount(parser);
        RegisterName(parser.Database.ItemTypes, name, count, code);
        list.AddNew(code, price, count);
        if (parser.PeekWord(1) != ",") return;
    }
}

void ParseExits(TVelHex& hex, TVeldoriaParser& parser, std::size_t limit) {
    parser.Log("Parsing exits");
    if (!parser.FindWordBefore("Exits", limit)) return;
    parser.SkipLine();
    while (IsExitWord(parser.PeekWord(1))) {
        const std::size_t start = parser.Position();
        auto neighbour = std::make_unique<TVelHex>(parser.Database);
        parser.GetWord(2);
        if (!ParseBasicInfo(*neighbour, parser)) {
            parser.Log("Cannot place exit: " + TextPreview(parser.Text().substr(start)));
            parser.ReadUntil(".");
            continue;
        }
        neighbour->Turn = hex.Turn;
        parser.Database.HexesOf(neighbour->Where).AddOrMerge(std::move(neighbour));
    }
}

std::string ReadDescription(TVeldoriaParser& parser) {
    std::string text = parser.ReadLine();
    for (;;) {
        const std::string_view next = parser.PeekWord(1);
        if (IsEntryMark(next) || parser.IsBlankLine()) break;
        text += ' ';
        text += parser.ReadLine();
    }
    return TrimAndCollapse(text);
}

bool StartsRegionEntry(const TFileParser& reader, std::size_t line_start) {
    if (line_start >= reader.Size() || static_cast<unsigned char>(reader.Text()[line_start]) <= ' ') return false;
    std::size_t cursor = line_start;
    const std::string_view terrain = reader.ScanWordFrom(cursor);
    if (terrain.empty() || IsSingleDelimiter(terrain) || reader.ScanWordFrom(cursor) != "(") return false;
    if (!ParseInt(reader.ScanWordFrom(cursor)) || reader.ScanWordFrom(cursor) != ",") return false;
    if (!ParseInt(reader.ScanWordFrom(cursor))) return false;
    const std::string_view closing = reader.ScanWordFrom(cursor);
    return closing == ")" || closing == ",";
}

std::size_t NextRegionBoundary(const TFileParser& reader, std::size_t from) {
    std::size_t line = reader.NextLineStart(from);
    while (line < reader.Size() && !StartsRegionEntry(reader, line) && !StartsOrdersTemplate(reader, line)) {
        line = reader.NextLineStart(line);
    }
    return line;
}

}  // namespace hexwarden
