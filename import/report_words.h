#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hexwarden {

// Small word tests shared by the section parsers.

// The amount a word stands for when it reads as a number (converted leniently), else nothing.
std::optional<int32_t> AmountOf(std::string_view word);

// "-" and "*" open a unit entry, "+" a structure.
bool IsUnitMark(std::string_view word);
bool IsEntryMark(std::string_view word);

}  // namespace hexwarden
