#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/level.h"

#include "interchange/item_list_text.h"

namespace hexwarden {

class TVelMain;

// One hex section of a map-data file, every value already converted, so that merging it cannot
// fail half-way.
struct MapDataHex {
    int32_t X = 0;
    int32_t Y = 0;
    Level Where = Level::Surface;
    int32_t Turn = 0;
    bool Confirmed = false;
    std::string Terrain;
    std::string Province;
    uint8_t SettlementSize = 0;  // 0: the section names no settlement
    std::string SettlementName;
    // Each present only when the section gives its key.
    std::optional<std::vector<ItemListEntry>> Peasants;
    std::optional<int32_t> TaxBase;
    std::optional<int32_t> Wages;
    std::optional<int32_t> MaxWages;
    std::optional<int32_t> Entertainment;
    std::optional<std::vector<ItemListEntry>> ForSale;
    std::optional<std::vector<ItemListEntry>> Wanted;
    std::optional<std::vector<ItemListEntry>> Products;
    std::optional<int32_t> Gate;
};

// A whole map-data file as read: its hex sections in file order, and how many sections named a
// hex that no map can hold.
struct MapData {
    std::vector<MapDataHex> Hexes;
    int32_t SkippedSections = 0;
};

// What a merge did with each hex section.
struct MapImportCounts {
    int32_t Added = 0;
    int32_t Replaced = 0;
    int32_t KeptNotOlder = 0;     // the database's hex is of the same turn or newer
    int32_t KeptConfirmed = 0;    // the database's hex is confirmed, the section is not
    int32_t SkippedSections = 0;  // copied from the file as read
};

// Reads a map-data file whole without touching any database. Throws Error with the message for
// the user when the file is not map data (its first line is not the header), was cut short (its
// last line has no line end, or a section lacks a line the export always writes), or holds a
// malformed number; the message names the line, the section and the key.
MapData ReadMapData(std::string_view bytes);

// Merges what was read: a hex the database lacks is created, a known one is refreshed only by a
// newer turn, and a confirmed one never by an unconfirmed section. Nothing here can fail, so a
// file is merged whole or, when reading it failed, not at all.
MapImportCounts MergeMapData(TVelMain& main, const MapData& data);

// "Import completed. Hexes added: 2; replaced: 1; kept because they were not older: 0." with the
// confirmed and skipped counts added when there are any.
std::string MapImportMessage(const MapImportCounts& counts);

// Reads, then merges; returns the message for the user.
std::string ImportMapData(TVelMain& main, const std::filesystem::path& path);
std::string ImportMapDataFromBytes(TVelMain& main, std::string_view bytes);

}  // namespace hexwarden
