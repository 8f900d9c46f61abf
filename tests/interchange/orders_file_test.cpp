#include "interchange/orders_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/database.h"

namespace hexwarden {
namespace {

class OrdersFileTest : public ::testing::Test {
protected:
    TVelUnit& OwnUnit(int32_t number, const std::string& name, const std::string& orders) {
        auto unit = std::make_unique<TVelUnit>(main);
        unit->Number = number;
        unit->Name = name;
        unit->Orders = orders;
        TVelUnit* stored = main.Units.AddOrReplace(std::move(unit));
        main.OwnUnits.AddUnique(stored);
        return *stored;
    }

    std::string Orders(std::string_view password = "pw") { return WriteOrders(12, password, main.OwnUnits); }

    TVelMain main;
};

TEST_F(OrdersFileTest, WithoutUnitsTheFileIsHeaderEmptyLineAndEnd) {
    EXPECT_EQ(Orders(), "#veldoria 12 \"pw\"\r\n\r\n#end\r\n");
    EXPECT_TRUE(UnitsWithoutOrders(main.OwnUnits).empty());
}

TEST_F(OrdersFileTest, ThePasswordIsWrittenAsEnteredEvenWhenEmpty) {
    EXPECT_EQ(Orders(""), "#veldoria 12 \"\"\r\n\r\n#end\r\n");
    EXPECT_EQ(Orders("a \"b\\c"), "#veldoria 12 \"a \"b\\c\"\r\n\r\n#end\r\n");
    EXPECT_EQ(WriteOrders(-3, "x", main.OwnUnits), "#veldoria -3 \"x\"\r\n\r\n#end\r\n");
}

TEST_F(OrdersFileTest, BlocksFollowTheListOrderAndOnlyUnitsWithOrdersGetOrderLines) {
    OwnUnit(20, "Scouts", "move N\r\n\r\nstudy FORC\r\n");
    OwnUnit(5, "", " \r\n\t\r\n");
    OwnUnit(9, "Miners", "");
    EXPECT_EQ(Orders(),
              "#veldoria 12 \"pw\"\r\n\r\n"
              "; *** Scouts\r\nUNIT 20\r\n\r\n"
              "    move N\r\n    \r\n    study FORC\r\n\r\n\r\n"
              "; *** \r\nUNIT 5\r\n\r\n"
              "; *** Miners\r\nUNIT 9\r\n\r\n"
              "#end\r\n");
    std::vector<const TVelUnit*> without = UnitsWithoutOrders(main.OwnUnits);
    ASSERT_EQ(without.size(), 2u);
    EXPECT_EQ(without[0]->Number, 5);
    EXPECT_EQ(without[1]->Number, 9);
}

TEST_F(OrdersFileTest, OrderLinesSplitAtEveryKindOfLineEndAndKeepTheirBlanks) {
    struct Case {
        std::string orders;
        std::string lines;
    };
    for (const Case& c : {Case{"a\rb\nc\r\nd", "    a\r\n    b\r\n    c\r\n    d\r\n"},
                          Case{"\r\nwork", "    \r\n    work\r\n"},
                          Case{"work\n\n", "    work\r\n    \r\n"},
                          Case{"a\r\rb", "    a\r\n    \r\n    b\r\n"},
                          Case{"a\n\rb", "    a\r\n    \r\n    b\r\n"},
                          Case{"  @tax  ", "      @tax  \r\n"},
                          Case{"x\r", "    x\r\n"}}) {
        TVelMain fresh;
        auto unit = std::make_unique<TVelUnit>(fresh);
        unit->Number = 1;
        unit->Name = "U";
        unit->Orders = c.orders;
        TVelUnitList list(fresh);
        list.AddUnique(fresh.Units.AddOrReplace(std::move(unit)));
        EXPECT_EQ(WriteOrders(1, "p", list),
                  "#veldoria 1 \"p\"\r\n\r\n; *** U\r\nUNIT 1\r\n\r\n" + c.lines + "\r\n\r\n#end\r\n")
            << "orders: " << c.orders;
    }
}

TEST_F(OrdersFileTest, OnlyTextBeyondBlanksAndControlCharactersCountsAsOrders) {
    EXPECT_FALSE(HasOrders(OwnUnit(1, "a", "")));
    EXPECT_FALSE(HasOrders(OwnUnit(2, "b", std::string("\0\x1f \r\n", 5))));
    EXPECT_TRUE(HasOrders(OwnUnit(3, "c", "\r\n;\r\n")));
    EXPECT_TRUE(HasOrders(OwnUnit(4, "d", "\xa0")));
}

}  // namespace
}  // namespace hexwarden
