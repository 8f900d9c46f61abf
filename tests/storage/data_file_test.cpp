#include "storage/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <random>
#include <tuple>

#include "model/database.h"
#include "platform/error.h"
#include "model/level_codes.h"
#include "platform/file_stream.h"
#include "platform/message_sink.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::DatabaseBytes;
using testing::MakeHex;
using testing::MakeUnit;
using testing::PlaceInHex;
using testing::ReadFileBytes;
using testing::ScratchDir;

class CollectedMessages : public MessageSink {
public:
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    std::vector<std::string> Errors;
};

template <typename Part>
std::size_t SavedSize(const Part& part) {
    TVelFileStream stream;
    part.SaveToStream(stream);
    return stream.Size();
}

// Loads bytes into a cleared database as opening a file does.
void Load(TVelMain& db, std::string bytes) {
    TVelFileStream stream(std::move(bytes));
    db.Clear();
    db.LoadFromStream(stream);
}

std::string Int32Bytes(int32_t value) {
    TVelFileStream stream;
    stream.WriteInt32(value);
    return stream.Bytes();
}

// The alliance "North Pact" of factions 7 and 12, a marker at (6, 2) and the second wedge showing the alliance.
void AddAllianceMarkerAndWedge(TVelMain& db) {
    auto pact = std::make_unique<TVelAlliance>();
    pact->Reserved1 = "r1";
    pact->Name = "North Pact";
    pact->Members = {7, 12};
    pact->Reserved2 = "r2";
    pact->Colour = 0x00FF00;
    db.Alliances.Add(std::move(pact));
    db.Markers.Add(std::make_unique<TVelMapMarker>("camp", Place{6, 2, Level::Surface}));
    TMapWedge& wedge = *db.Wedges.Get(1);
    wedge.Kind = WedgeKind::Alliance;
    wedge.Key = "North Pact";
    wedge.UseCustomColour = true;
    wedge.Colour = 0xABCDEF;
}

// A small database touching every record kind and every kind of reference.
void Populate(TVelMain& db) {
    db.Clear();
    db.FactionNumber = 7;
    db.FactionName = "Wardens";
    db.War = {2, 1, 3};
    db.Magic = {1, 0, 2};
    db.Turn = 14;
    db.DefaultAttitude = 2;
    db.UnclaimedSilver = 1200;
    db.Provinces.AddOrUpdate("olde", "", 0, "olde");
    db.SkillTypes.AddOrUpdate("force", "FORC reports", 0, "FORC");
    db.ItemTypes.AddOrUpdate("horse", "horses", 0x804020, "HORS");

    TVelUnit* leader = db.Units.AddOrReplace(MakeUnit(db, 100, 7, 2, 2, 13));
    leader = db.Units.AddOrReplace(MakeUnit(db, 100, 7, 4, 2, 14));
    leader->Name = "Warden's own";
    leader->Notes = "keep north";
    leader->Orders = "move N\r\nstudy FORC";
    leader->Events = "Rested.";
    leader->SetFlag(UnitFlag::Behind, true);
    leader->Troops.AddTroops("LEAD", 1);
    leader->Items.AddNew("SILV", 0, 350);
    leader->Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 2, 150));
    leader->CanStudy.AddOrReplace(std::make_unique<TVelSkill>("SPIR", 0, 0));
    leader->CombatSpell = "FORC";
    TVelUnit* builder = db.Units.AddOrReplace(MakeUnit(db, 101, 7, 4, 2, 14));
    builder->Inside = 3;
    TVelUnit* stranger = db.Units.AddOrReplace(MakeUnit(db, 102, 12, 1, 1, 14, Level::Underworld));
    db.OwnUnits.AddUnique(leader);
    db.OwnUnits.AddUnique(builder);

    TVelHex& town = *db.OverworldHexes.AddOrMerge(MakeHex(db, 4, 2, true, 14));
    town.Terrain = 5;
    town.Province = 0;
    town.Peasants.AddNew("NOMA", 0, 1500);
    town.TaxBase = 600;
    town.Wages = 13;
    town.MaxWages = 4000;
    town.SettlementSize = 2;
    town.SettlementName = "Fenwick";
    town.Wanted.AddNew("HORS", 60, 5);
    town.ForSale.AddNew("HORS", 50, -1);
    town.Products.AddNew("HORS", 0, 12);
    town.Entertainment = 30;
    town.Gate = 4;
    town.Notes = "home";
    town.Units.AddUnique(leader);
    auto tower = std::make_unique<TVelBuilding>(db);
    tower->Turn = 14;
    tower->Kind = "Tower";
    tower->Name = "Watch";
    tower->Number = 3;
    tower->Needs = 10;
    tower->Units.AddUnique(builder);
    town.Structures.AddOrReplace(std::move(tower));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 6, 2, false, 14));
    PlaceInHex(db, *stranger);

    db.LostUnits.AddOrReplace(MakeUnit(db, 103, 7, 2, 2, 13));
    db.Factions.AddOrRename("Wardens", 7);
    db.Factions.AddOrRename("Iron Hand", 12)->Colour = 0x0000FF;
    db.Factions.Get(1)->Reserved = "kept";
    AddAllianceMarkerAndWedge(db);
}

// The data file's bytes written out by hand, field by field, independent of the stream code.
class Bytes {
public:
    Bytes& I32(int64_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes_ += static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xFF);
        return *this;
    }
    Bytes& U16(uint16_t value) { return U8(value & 0xFF).U8(value >> 8); }
    Bytes& U8(uint8_t value) {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    Bytes& Str(std::string_view text) {
        I32(static_cast<int64_t>(text.size()));
        bytes_ += text;
        return *this;
    }
    Bytes& Loc(int32_t x, int32_t y, bool overworld) { return I32(x).I32(y).U8(overworld).U8(0).U8(0).U8(0); }
    Bytes& Raw(std::string_view raw) {
        bytes_ += raw;
        return *this;
    }
    const std::string& str() const { return bytes_; }

private:
    std::string bytes_;
};

// One of each record, every field holding a value no other field of its record holds.
void PopulateOneOfEach(TVelMain& db) {
    db.Clear();
    db.FactionNumber = 7;
    db.FactionName = "Wardens";
    db.War = {2, 1, 3};
    db.Trade = {4, 5, 6};
    db.Magic = {1, 0, 9};
    db.Turn = 14;
    db.DefaultAttitude = 3;
    db.UnclaimedSilver = 1200;
    for (TVelIndexList* table : {&db.Terrains, &db.Races, &db.ItemTypes, &db.SkillTypes, &db.Provinces}) table->Clear();
    db.Terrains.AddOrUpdate("plain", "plains", 0x3333, "plain");
    db.Races.AddOrUpdate("leader", "leaders", 0x11, "LEAD");
    db.ItemTypes.AddOrUpdate("horse", "horses", 0x22, "HORS");
    db.SkillTypes.AddOrUpdate("force", "", 0, "FORC");
    db.Provinces.AddOrUpdate("olde", "", 0, "olde");

    auto scout = std::make_unique<TVelUnit>(db);
    scout->Turn = 14;
    scout->Faction = 7;
    scout->FactionConfirmed = true;
    scout->Name = "Scout";
    scout->Description = "quick";
    scout->Number = 100;
    scout->X = 4;
    scout->Y = 2;
    scout->LastX = 3;
    scout->LastY = 1;
    scout->LastWhere = Level::Underworld;
    scout->Flags = 18;
    scout->CombatSpell = "FORC";
    scout->Inside = 8;
    scout->Notes = "note";
    scout->Orders = "move N";
    scout->Events = "Rested.";
    scout->Troops.AddTroops("LEAD", 1);
    scout->Items.AddNew("HORS", 0, 2);
    scout->Items.Add(std::make_unique<TVelItem>("WOLF", 0, 5, true));
    scout->Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 2, 150));
    scout->CanStudy.AddOrReplace(std::make_unique<TVelSkill>("SPIR", 0, 30));
    scout->PositionHistory.AddPosition({3, 1, Level::Underworld}, 13);
    scout->PositionHistory.AddPosition({4, 2, Level::Surface}, 14);
    TVelUnit* unit = db.Units.AddOrReplace(std::move(scout));
    db.OwnUnits.Turn = 14;
    db.OwnUnits.AddUnique(unit);
    db.NewUnits.Turn = 15;
    db.NewUnits.AddUnique(unit);

    db.Factions.AddOrRename("Wardens", 7);
    TVelFaction& faction = *db.Factions.Get(0);
    faction.Attitude = 5;
    faction.Email = "w@example.org";
    faction.Reserved = "kept";
    faction.Colour = 0x123456;

    auto town = MakeHex(db, 4, 2, true, 14);
    town->Terrain = 0;
    town->Province = 0;
    town->TaxBase = 600;
    town->Wages = 13;
    town->MaxWages = 4000;
    town->SettlementSize = 2;
    town->SettlementName = "Fenwick";
    town->Entertainment = 30;
    town->Gate = 4;
    town->Notes = "home";
    town->Peasants.AddNew("LEAD", 0, 1500);
    town->Wanted.AddNew("HORS", 60, 5);
    town->ForSale.AddNew("HORS", 50, -1);
    town->Products.AddNew("HORS", 0, 12);
    town->Structures.Turn = 16;
    town->Units.Turn = 17;
    auto tower = std::make_unique<TVelBuilding>(db);
    tower->Turn = 18;
    tower->Kind = "Tower";
    tower->Name = "Watch";
    tower->Description = "tall";
    tower->Number = 8;
    tower->Needs = 10;
    tower->Units.Turn = 19;
    tower->Units.AddUnique(unit);
    town->Structures.AddOrReplace(std::move(tower));
    db.OverworldHexes.AddOrMerge(std::move(town));
    AddAllianceMarkerAndWedge(db);
}

TEST(DataFile, EveryRecordIsWrittenAndReadInItsFieldOrder) {
    Bytes expected;
    expected.Raw("\xAE\x47\xE1\x7A\x14\xAE\x47\x81\xFF\x3F").I32(7).Str("Wardens");
    expected.U8(2).U8(1).U8(3).U8(4).U8(5).U8(6).U8(1).U8(0).U8(9).I32(14).U8(3).I32(1200);
    expected.I32(1).Str("Plain").Str("Plains").Str("plain").I32(0x3333);   // terrains
    expected.I32(1).Str("Leader").Str("Leaders").Str("LEAD").I32(0x11);    // races
    expected.I32(1).Str("Horse").Str("Horses").Str("HORS").I32(0x22);      // item types
    expected.I32(1).Str("Force").Str("").Str("FORC").I32(0);               // skill types
    expected.I32(1).Str("Olde").Str("").Str("olde").I32(0);                // provinces
    expected.I32(1)                                                        // units
        .I32(14).I32(7).U8(1).Str("Scout").Str("quick").I32(100)
        .Loc(4, 2, true).Loc(3, 1, false).U16(18).Str("FORC").I32(8)
        .Str("note").Str("move N").Str("Rested.")
        .I32(1).Str("LEAD").I32(1)                                         // troops
        .I32(2).Str("HORS").I32(0).I32(2).U8(0).Str("WOLF").I32(0).I32(5).U8(1)  // items
        .I32(1).Str("FORC").I32(2).I32(150)                                // skills
        .I32(1).Str("SPIR").I32(0).I32(30)                                 // can study
        .I32(2).Loc(3, 1, false).I32(13).Loc(4, 2, true).I32(14);          // position history
    expected.I32(14).I32(1).I32(100);                                      // own units
    expected.I32(1).I32(7).Str("Wardens").U8(5).Str("w@example.org").Str("kept").I32(0x123456);
    expected.I32(1).Str("r1").Str("North Pact").I32(2).I32(7).I32(12).Str("r2").I32(0x00FF00);
    expected.I32(1)                                                        // overworld hexes
        .U8(1).Loc(4, 2, true).I32(14).U8(0).I32(0).I32(600).I32(13).I32(4000).U8(2).Str("Fenwick")
        .I32(30).I32(4).Str("home")
        .I32(1).Str("LEAD").I32(0).I32(1500).U8(0)                         // peasants
        .I32(1).Str("HORS").I32(60).I32(5).U8(0)                           // wanted
        .I32(1).Str("HORS").I32(50).I32(-1).U8(0)                          // for sale
        .I32(1).Str("HORS").I32(0).I32(12).U8(0)                           // products
        .I32(16).I32(1).I32(18).Str("Tower").Str("Watch").Str("tall").I32(8).I32(10).I32(19).I32(1).I32(100)
        .I32(17).I32(0);                                                   // units in the open
    expected.I32(0);                                                       // underworld hexes
    expected.I32(15).I32(1).I32(100);                                      // new units
    expected.I32(0);                                                       // lost units
    expected.I32(1).Str("camp").I32(6).I32(2).U8(1);                       // markers
    expected.I32(6);                                                       // wedges
    for (int32_t position = 0; position < 6; ++position) {
        if (position == 1) {
            expected.I32(2).Str("North Pact").U8(1).I32(0xABCDEF).I32(1);
        } else {
            expected.I32(0).Str("").U8(0).I32(0).I32(position);
        }
    }

    TVelMain db;
    PopulateOneOfEach(db);
    EXPECT_EQ(DatabaseBytes(db), expected.str());

    // The writer is held to the hand-written bytes, so reading them back to the same bytes puts
    // every value into its own field and re-links the unit references.
    TVelMain reopened;
    Load(reopened, expected.str());
    EXPECT_EQ(DatabaseBytes(reopened), expected.str());
}

TEST(DataFile, RepeatedItemsAndHexesMergeOnReading) {
    TVelMain db;
    db.Clear();
    // Items of one code and price add up, whatever their illusion flag; another price stays apart.
    TVelFileStream items;
    items.WriteInt32(3);
    for (const TVelItem& item : {TVelItem("HORS", 50, 3), TVelItem("HORS", 50, 4, true), TVelItem("HORS", 60, 1)})
        item.SaveToStream(items);
    TVelItemList list(db.ItemTypes);
    TVelFileStream items_in(items.Bytes());
    list.LoadFromStream(items_in);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(std::tuple(list.Get(0)->Price, list.Get(0)->Count, list.Get(0)->Illusion), std::tuple(50, 7, false));
    EXPECT_EQ(std::tuple(list.Get(1)->Price, list.Get(1)->Count), std::tuple(60, 1));

    // A confirmed hex is not replaced by a later unconfirmed one; a confirmed one replaces an
    // unconfirmed one even from an older turn, taking its notes.
    TVelFileStream hexes;
    hexes.WriteInt32(4);
    auto write_hex = [&](int32_t x, int32_t y, bool confirmed, int32_t turn, std::string notes) {
        auto hex = MakeHex(db, x, y, confirmed, turn);
        hex->Notes = std::move(notes);
        hex->Wages = turn;
        hex->SaveToStream(hexes);
    };
    write_hex(1, 1, true, 5, "kept");
    write_hex(1, 1, false, 6, "");
    write_hex(2, 0, false, 5, "seen");
    write_hex(2, 0, true, 4, "");
    TVelFileStream hexes_in(hexes.Bytes());
    db.OverworldHexes.LoadFromStream(hexes_in);
    EXPECT_EQ(db.OverworldHexes.HexCount(), 2);
    const TVelHex& first = *db.FindHex({1, 1, Level::Surface});
    EXPECT_EQ(std::tuple(first.Confirmed, first.Turn, first.Wages, first.Notes), std::tuple(true, 5, 5, "kept"));
    const TVelHex& second = *db.FindHex({2, 0, Level::Surface});
    EXPECT_EQ(std::tuple(second.Confirmed, second.Turn, second.Wages, second.Notes), std::tuple(true, 4, 4, "seen"));
}

TEST(DataFile, EmptyDatabaseIsExactly1091BytesStartingWithVersion101) {
    TVelMain db;
    db.Clear();
    const std::string bytes = DatabaseBytes(db);
    ASSERT_EQ(bytes.size(), 1091u);
    EXPECT_EQ(bytes.substr(0, 10), std::string("\xAE\x47\xE1\x7A\x14\xAE\x47\x81\xFF\x3F", 10));
    EXPECT_EQ(SavedSize(db.Terrains), 226u);
    EXPECT_EQ(SavedSize(db.Races), 635u);
    EXPECT_EQ(SavedSize(db.ItemTypes), 36u);
    EXPECT_EQ(SavedSize(db.Wedges), 106u);
    EXPECT_EQ(bytes.substr(10, 4), Int32Bytes(0));  // faction number
    EXPECT_EQ(bytes.substr(36, 4), Int32Bytes(8));  // the terrain count follows the 36-byte header

    ScratchDir dir;
    CollectedMessages messages;
    ASSERT_TRUE(SaveToFile(db, dir / "empty.hwd", messages));
    EXPECT_EQ(ReadFileBytes(dir / "empty.hwd"), bytes);
}

TEST(DataFile, SaveOpenSaveGivesTheSameBytesAndRelinksEveryReference) {
    TVelMain db;
    Populate(db);
    ScratchDir dir;
    CollectedMessages messages;
    ASSERT_TRUE(SaveToFile(db, dir / "game.hwd", messages));

    TVelMain reopened;
    reopened.Turn = 99;
    ASSERT_TRUE(LoadFromFile(reopened, dir / "game.hwd", messages));
    EXPECT_TRUE(messages.Errors.empty());
    EXPECT_EQ(DatabaseBytes(reopened), DatabaseBytes(db));
    EXPECT_EQ(reopened.FileVersion, kFileVersion101);

    TVelUnit* leader = reopened.Units.FindByNumber(100);
    TVelUnit* builder = reopened.Units.FindByNumber(101);
    ASSERT_NE(leader, nullptr);
    ASSERT_NE(builder, nullptr);
    EXPECT_EQ(leader->Notes, "keep north");
    EXPECT_EQ(leader->Orders, "move N\r\nstudy FORC");
    EXPECT_EQ(leader->LastX, 2);
    EXPECT_EQ(leader->PositionHistory.Count(), 2);
    EXPECT_EQ(leader->PositionHistory.Owner, leader);
    EXPECT_EQ(reopened.OwnUnits.Get(0), leader);
    EXPECT_EQ(reopened.OwnUnits.Get(1), builder);
    ASSERT_EQ(reopened.NewUnits.Count(), 2);
    EXPECT_EQ(reopened.NewUnits.Get(0), leader);
    const TVelHex* town = reopened.FindHex({4, 2, Level::Surface});
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->Units.Get(0), leader);
    EXPECT_EQ(town->Structures.Get(0)->Units.Get(0), builder);
    EXPECT_EQ(town->TerrainName(), "Forest");
    EXPECT_EQ(town->ProvinceName(), "Olde");
    EXPECT_EQ(town->ForSale.Get(0)->Owner, &town->ForSale);
    EXPECT_EQ(reopened.FindHex({1, 1, Level::Underworld})->Units.Get(0), reopened.Units.FindByNumber(102));
    EXPECT_EQ(reopened.LostUnits.Get(0)->Number, 103);
    EXPECT_EQ(reopened.Alliances.Get(0)->Members, (std::vector<int32_t>{7, 12}));
    EXPECT_TRUE(reopened.Wedges.WedgeApplies(*reopened.Wedges.Get(1), *town));

    // Replacing a unit of the reopened database must still update the re-linked lists.
    TVelUnit* replaced = reopened.Units.AddOrReplace(MakeUnit(reopened, 101, 7, 4, 2, 15));
    EXPECT_EQ(reopened.OwnUnits.Get(1), replaced);
}

// Populate's database with hexes on three more levels, a unit that walked from the nexus down
// to the abyss, and a marker on a level no hex of which is known.
void PopulateManyLevels(TVelMain& db) {
    Populate(db);
    const Level abyss = *Level::FromLabel("abyss");
    const Level numbered = *Level::FromLabel("2 <underworld>");
    db.HexesOf(abyss).AddOrMerge(MakeHex(db, 1, 1, true, 14, abyss));
    db.HexesOf(numbered).AddOrMerge(MakeHex(db, 3, 5, false, 14, numbered));
    db.HexesOf(Level::Nexus).AddOrMerge(MakeHex(db, 0, 0, true, 13, Level::Nexus));
    TVelUnit* walker = db.Units.AddOrReplace(MakeUnit(db, 110, 7, 0, 0, 13, Level::Nexus));
    walker->Where = abyss;
    walker->X = walker->Y = 1;
    walker->LastX = walker->LastY = 0;
    walker->LastWhere = Level::Nexus;
    walker->PositionHistory.AddPosition({1, 1, abyss}, 14);
    PlaceInHex(db, *walker);
    db.Markers.Add(std::make_unique<TVelMapMarker>("deep", Place{2, 2, *Level::FromLabel("deep underworld")}));
}

TEST(DataFile, OtherLevelsAreWrittenAsVersion102AndReadBackByteForByte) {
    TVelMain db;
    PopulateManyLevels(db);
    const std::string bytes = DatabaseBytes(db);
    EXPECT_EQ(bytes.substr(0, 10), std::string(kFileVersion102.begin(), kFileVersion102.end()));

    // The 1.01 layout up to the wedges, then the other levels in the order of depth, each with its hexes.
    TVelFileStream tail;
    tail.Levels = LevelCodes({Level::Nexus, *Level::FromLabel("deep underworld"), *Level::FromLabel("2 <underworld>"),
                              *Level::FromLabel("abyss")});
    tail.WriteInt32(4);
    for (const Level level : tail.Levels.Others()) {
        tail.WriteString(level.Label());
        db.HexesOf(level).SaveToStream(tail);
    }
    ASSERT_GT(bytes.size(), tail.Size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.Size()), tail.Bytes());
    // The marker's level byte: 2 + its index in that list.
    const std::string marker_tail = "deep" + Int32Bytes(2) + Int32Bytes(2) + std::string(1, '\x03');
    EXPECT_NE(bytes.find(marker_tail), std::string::npos);

    TVelMain reopened;
    Load(reopened, bytes);
    EXPECT_EQ(reopened.FileVersion, kFileVersion102);
    EXPECT_EQ(DatabaseBytes(reopened), bytes);
    const TVelUnit& walker = *reopened.Units.FindByNumber(110);
    EXPECT_EQ(walker.At(), (Place{1, 1, *Level::FromLabel("abyss")}));
    EXPECT_EQ(walker.LastAt(), (Place{0, 0, Level::Nexus}));
    EXPECT_EQ(walker.PositionHistory.Get(0)->Where, Level::Nexus);
    EXPECT_EQ(reopened.FindHex(walker.At())->Units.Get(0), &walker);
    EXPECT_EQ(reopened.Markers.Get(1)->Where, *Level::FromLabel("deep underworld"));
    EXPECT_EQ(reopened.Levels().size(), 5u);  // the marker's level holds no hex

    // Back on the two levels, the file is 1.01 again.
    reopened.Units.Extract(reopened.Units.FindByNumber(110)).reset();
    reopened.Markers.Clear();
    reopened.Clear();
    Populate(reopened);
    EXPECT_EQ(DatabaseBytes(reopened).substr(0, 10), std::string(kFileVersion101.begin(), kFileVersion101.end()));
}

TEST(DataFile, UnknownVersionsAndLevelsAreRefusedNotMisread) {
    TVelMain db;
    Populate(db);
    std::string bytes = DatabaseBytes(db);
    TVelMain target;
    target.Turn = 77;
    bytes[0] = '\x00';
    try {
        Load(target, bytes);
        FAIL() << "another version must not load";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "The data file has version 1.01, which this program cannot read.");
    }
    const FileVersionBytes version103 = {0x0A, 0xD7, 0xA3, 0x70, 0x3D, 0x0A, 0xD7, 0x83, 0xFF, 0x3F};
    EXPECT_EQ(FileVersionText(version103), "1.03");
    EXPECT_EQ(FileVersionText(FileVersionBytes{}), "unknown");

    // A 1.02 file whose level list names no level.
    PopulateManyLevels(db);
    const std::string many = DatabaseBytes(db);
    const std::string label = Int32Bytes(5) + "nexus";
    const std::size_t at = many.rfind(label);
    ASSERT_NE(at, std::string::npos);
    EXPECT_THROW(Load(target, many.substr(0, at) + Int32Bytes(5) + "lunar" + many.substr(at + label.size())), Error);
    EXPECT_THROW(Load(target, many.substr(0, at) + Int32Bytes(7) + "surface" + many.substr(at + label.size())), Error);
    // Cut inside the list, the units already read keep a level of the two rather than a stray code.
    EXPECT_THROW(Load(target, many.substr(0, at + 2)), StreamReadError);
    for (const auto& unit : target.Units) EXPECT_TRUE(unit->Where == Level::Surface || unit->Where == Level::Underworld);
}

TEST(DataFile, HexesAreWrittenRowByRow) {
    TVelMain db;
    for (auto [x, y] : {std::pair{2, 0}, {0, 2}, {1, 1}}) db.OverworldHexes.AddOrMerge(MakeHex(db, x, y));
    TVelFileStream stream;
    db.OverworldHexes.SaveToStream(stream);
    TVelFileStream in(stream.Bytes());
    ASSERT_EQ(in.ReadInt32(), 3);
    std::vector<GamePoint> order;
    for (int i = 0; i < 3; ++i) {
        TVelHex hex(db);
        hex.LoadFromStream(in);
        order.push_back(hex.GetCoords());
    }
    EXPECT_EQ(order, (std::vector<GamePoint>{{2, 0}, {1, 1}, {0, 2}}));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(DataFile, ReadingAppliesTheContainersOwnMergeRules) {
    TVelMain db;
    Populate(db);
    // A hex naming a unit that Units does not hold (a lost unit) loses it on reading.
    db.FindHex({4, 2, Level::Surface})->Units.AddUnique(db.LostUnits.Get(0));
    TVelMain reopened;
    Load(reopened, DatabaseBytes(db));
    EXPECT_EQ(reopened.FindHex({4, 2, Level::Surface})->Units.Count(), 1);
    EXPECT_EQ(reopened.LostUnits.Count(), 1);

    // Two records of one code read back as one, the later one filling in blanks only.
    TVelMain empty;
    empty.Clear();
    const std::string bytes = DatabaseBytes(empty);
    const std::size_t items_at = 36 + 226 + 635;
    TVelFileStream items;
    items.WriteInt32(2);
    TVelIndexRecord blank_name("", 0, "SILV", "silver");
    blank_name.SaveToStream(items);
    TVelIndexRecord full("coin", 9, "SILV", "coins");
    full.SaveToStream(items);
    Load(reopened, bytes.substr(0, items_at) + items.Bytes() + bytes.substr(items_at + 36));
    ASSERT_EQ(reopened.ItemTypes.Count(), 1);
    EXPECT_EQ(reopened.ItemTypes.Get(0)->Name, "Coin");
    EXPECT_EQ(reopened.ItemTypes.Get(0)->Plural, "Silver");
    EXPECT_EQ(reopened.ItemTypes.Get(0)->Value, 0);
}

TEST(DataFile, AFileCutShortKeepsWhatWasReadBeforeTheCut) {
    TVelMain db;
    Populate(db);
    const std::string bytes = DatabaseBytes(db);
    const std::size_t tail = SavedSize(db.UnderworldHexes) + SavedSize(db.NewUnits) + SavedSize(db.LostUnits) +
                             SavedSize(db.Markers) + SavedSize(db.Wedges);
    TVelMain cut;
    try {
        Load(cut, bytes.substr(0, bytes.size() - tail - 5));  // inside the last overworld hex
        FAIL() << "a short file must not load";
    } catch (const StreamReadError& error) {
        EXPECT_STREQ(error.what(), "Stream read error");
    }
    EXPECT_EQ(cut.FactionName, "Wardens");
    EXPECT_EQ(cut.Provinces.Count(), 1);
    EXPECT_EQ(cut.Units.Count(), 3);
    EXPECT_EQ(cut.OwnUnits.Count(), 2);
    EXPECT_EQ(cut.Factions.Count(), 2);
    EXPECT_EQ(cut.Alliances.Count(), 1);
    EXPECT_EQ(cut.OverworldHexes.HexCount(), 1);  // the one cut in half is dropped
    EXPECT_EQ(cut.UnderworldHexes.HexCount(), 0);
    EXPECT_EQ(cut.NewUnits.Count(), 0);
    EXPECT_EQ(cut.LostUnits.Count(), 0);
    EXPECT_EQ(cut.Markers.Count(), 0);
}

TEST(DataFile, EveryPrefixOfAFileLoadsFullyOrFailsWithAReadError) {
    TVelMain db;
    Populate(db);
    const std::string bytes = DatabaseBytes(db);
    TVelMain target;
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_THROW(Load(target, bytes.substr(0, length)), StreamReadError) << "length " << length;
    Load(target, bytes);
    EXPECT_EQ(DatabaseBytes(target), bytes);
}

TEST(DataFile, AbsurdCountsAndLengthsAreReadErrorsNotAllocations) {
    TVelMain db;
    db.Clear();
    const std::string bytes = DatabaseBytes(db);
    const auto with_int_at = [&bytes](std::size_t offset, int32_t value) {
        return bytes.substr(0, offset) + Int32Bytes(value) + bytes.substr(offset + 4);
    };
    TVelMain target;
    EXPECT_THROW(Load(target, with_int_at(14, INT32_MAX)), StreamReadError);  // faction name length
    EXPECT_THROW(Load(target, with_int_at(36, INT32_MAX)), StreamReadError);  // terrain count
    EXPECT_THROW(Load(target, with_int_at(36, -1)), StreamReadError);
    EXPECT_THROW(Load(target, with_int_at(36, 100)), StreamReadError);
    const std::size_t units_at = 36 + 226 + 635 + 36 + 4 + 4;
    EXPECT_THROW(Load(target, with_int_at(units_at, 20)), StreamReadError);
    EXPECT_EQ(target.Units.Count(), 0);
}

TEST(DataFile, ArbitraryBytesNeverCrash) {
    TVelMain db;
    Populate(db);
    const std::string valid = DatabaseBytes(db);
    std::mt19937 random(7);
    TVelMain target;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = valid;
        for (int flips = 0; flips < 4; ++flips) bytes[random() % bytes.size()] = static_cast<char>(random());
        try {
            Load(target, bytes);
        } catch (const Error&) {
            // A damaged file may fail, with one of our errors only.
        }
    }
}

TEST(DataFile, FilesThatCannotBeOpenedOrCreatedAreReportedAndChangeNothing) {
    ScratchDir dir;
    CollectedMessages messages;
    TVelMain db;
    Populate(db);
    const std::string before = DatabaseBytes(db);

    EXPECT_FALSE(LoadFromFile(db, dir / "missing.hwd", messages));
    std::filesystem::create_directory(dir / "folder");
    EXPECT_FALSE(LoadFromFile(db, dir / "folder", messages));
    EXPECT_EQ(DatabaseBytes(db), before);

    std::filesystem::create_directory(dir / "folder" / "inside");
    EXPECT_FALSE(SaveToFile(db, dir / "folder", messages));
    EXPECT_FALSE(SaveToFile(db, dir / "no such folder" / "game.hwd", messages));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder" / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    EXPECT_EQ(messages.Errors,
              (std::vector<std::string>{"Error while attempting to open data file.", "Error while attempting to open data file.",
                                        "Error while attempting to create file.", "Error while attempting to create file."}));
}

// Stops writes beyond a size for the life of the object, like a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_handler_);
    }

private:
    rlimit saved_{};
    void (*previous_handler_)(int) = nullptr;
};

TEST(DataFile, ASaveThatFailsPartWayLeavesTheLastGoodFile) {
    ScratchDir dir;
    CollectedMessages messages;
    TVelMain db;
    db.Clear();
    ASSERT_TRUE(SaveToFile(db, dir / "game.hwd", messages));
    const std::string good = ReadFileBytes(dir / "game.hwd");

    Populate(db);
    {
        FileSizeLimit full_disk(good.size() / 2);
        EXPECT_THROW(SaveToFile(db, dir / "game.hwd", messages), StreamWriteError);
    }
    EXPECT_EQ(ReadFileBytes(dir / "game.hwd"), good);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
    EXPECT_TRUE(messages.Errors.empty());
}

}  // namespace
}  // namespace hexwarden
