#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hexwarden {

// Reads a 32-bit whole number: blanks around it allowed, an optional sign, decimal digits, or
// hexadecimal after "$", "0x" or "0X". Anything else, or a value outside 32 bits, gives nothing.
std::optional<int32_t> ParseInt(std::string_view text);
// The same with decimal digits only, for numbers a person types ("$1F" and "0x1F" give nothing).
std::optional<int32_t> ParseDecimalInt(std::string_view text);

// Strict conversion: throws ConversionError naming the text when it is not a number.
int32_t StrToInt(std::string_view text);

// Lenient conversion: the fallback when the text is not a number.
int32_t StrToIntDef(std::string_view text, int32_t fallback = 0);

// The decimal text of a number.
std::string IntToStr(int64_t value);

}  // namespace hexwarden
