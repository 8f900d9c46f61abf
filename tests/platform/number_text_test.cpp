#include "platform/number_text.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace hexwarden {
namespace {

TEST(NumberText, AcceptsSignsBlanksAndHexadecimal) {
    EXPECT_EQ(ParseInt(" 42 "), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("0x1F"), 31);
    EXPECT_EQ(ParseInt("$ff"), 255);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
}

TEST(NumberText, RejectsWhatIsNotAWholeNumber) {
    for (const char* text : {"", " ", "-", "12a", "1.5", "2147483648", "-2147483649", "0x", "99999999999999999999"}) {
        EXPECT_FALSE(ParseInt(text).has_value()) << text;
    }
    // What a person types is decimal only.
    EXPECT_FALSE(ParseDecimalInt("$1F").has_value());
    EXPECT_FALSE(ParseDecimalInt("0x1F").has_value());
    EXPECT_EQ(ParseDecimalInt(" -17 "), -17);
}

TEST(NumberText, StrictConversionNamesTheOffendingText) {
    try {
        StrToInt("abc");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("abc"), 0);
    EXPECT_EQ(StrToIntDef("abc", -1), -1);
}

}  // namespace
}  // namespace hexwarden
