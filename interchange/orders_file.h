#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hexwarden {

class TVelUnit;
class TVelUnitList;

inline constexpr std::string_view kOrdersGeneratedMessage = "The order file has been generated.";

// A unit has orders when its orders text holds more than blanks, control characters and line ends.
bool HasOrders(const TVelUnit& unit);

// The units of the list without orders, in list order.
std::vector<const TVelUnit*> UnitsWithoutOrders(const TVelUnitList& units);

// The orders file mailed to the game server: the "#veldoria" header with the faction number and
// the password as given, a block per unit in list order with its orders indented by four blanks,
// and "#end". Every line ends with LF alone, whatever line ends the stored orders have.
std::string WriteOrders(int32_t faction_number, std::string_view password, const TVelUnitList& units);

}  // namespace hexwarden
