#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/level.h"

namespace hexwarden {

class TFileParser;
class TVeldoriaParser;
class TVelHex;
class TVelItemList;

// A region entry of a report: header, economy, exits, gate, units in the open and structures.

// A new hex read from the region entry that starts here, stamped with the database's turn. Nothing
// (and nothing read) when no entry starts here; nothing either, with the entry's header read and
// logged, when its coordinates cannot be read.
std::unique_ptr<TVelHex> ParseRegion(TVeldoriaParser& parser);
// The whole entry into hex; false when the coordinates cannot be placed.
bool ParseDetails(TVelHex& hex, TVeldoriaParser& parser, int32_t turn);
// Terrain, coordinates, province and settlement, as region headers and exit lines write them.
// False, with the rest unread, when the coordinates cannot be placed.
bool ParseBasicInfo(TVelHex& hex, TVeldoriaParser& parser);

// "(x,y)" on the surface or "(x,y,level)" with the level's words ("nexus", "deep underworld",
// "2 <underworld>", ...), from the "(" on (or from behind it when it is the current word). Nothing,
// and nothing read, for a group of another shape, words that name no level, or coordinates that are
// not whole numbers of 0 or more.
std::optional<Place> ParseCoordinates(TVeldoriaParser& parser);

// The entries of a market or products line, read from behind its colon.
void ParseMarketList(TVelItemList& list, TVeldoriaParser& parser);
// The exits of the region: each neighbour not yet described in full is added as an unconfirmed hex.
void ParseExits(TVelHex& hex, TVeldoriaParser& parser, std::size_t limit);

// A free text read from behind its ";": the rest of the line and the lines after it, up to an empty
// line or a line opening a unit or structure.
std::string ReadDescription(TVeldoriaParser& parser);

// Whether the line starting at line_start opens a region entry: an unindented word, then "(",
// a number, ",", a number and ")" or ",".
bool StartsRegionEntry(const TFileParser& reader, std::size_t line_start);
// Start of the first line after the one holding from that opens a region entry or the orders
// template, or the end of the text.
std::size_t NextRegionBoundary(const TFileParser& reader, std::size_t from);

}  // namespace hexwarden
