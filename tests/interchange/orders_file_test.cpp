#include "interchange/orders_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/database.h"

namespace hexwarden {
namespace {

class OrdersFileTest : public ::testing::Test {
protected:
    void OwnUnit(int32_t number, const std::string& name, const std::string& orders) {
        auto unit = std::make_unique<TVelUnit>(main);
        unit->Number = number;
        unit->Name = name;
        unit->Orders = orders;
        main.OwnUnits.AddUnique(main.Units.AddOrReplace(std::move(unit)));
    }

    TVelMain main;
};

TEST_F(OrdersFileTest, HeaderWithThePasswordAsEnteredAndNothingElseWithoutUnits) {
    EXPECT_EQ(WriteOrders(12, "pw", main.OwnUnits), "#veldoria 12 \"pw\"\r\n\r\n#end\r\n");
    EXPECT_EQ(WriteOrders(12, "", main.OwnUnits), "#veldoria 12 \"\"\r\n\r\n#end\r\n");
    EXPECT_EQ(WriteOrders(12, "a \"b\\c", main.OwnUnits), "#veldoria 12 \"a \"b\\c\"\r\n\r\n#end\r\n");
    EXPECT_TRUE(UnitsWithoutOrders(main.OwnUnits).empty());
}

TEST_F(OrdersFileTest, BlocksInListOrderWithOrderLinesOnlyForUnitsWithOrders) {
    OwnUnit(20, "Scouts", "move N\r\n\r\nstudy FORC\r\n");
    OwnUnit(5, "", std::string(" \r\n\t\0\x1f\n", 7));
    OwnUnit(9, "Miners", "");
    OwnUnit(3, "Odd", "\ra\rb\n\rc\n\n  @tax  \r");
    EXPECT_EQ(WriteOrders(12, "pw", main.OwnUnits),
              "#veldoria 12 \"pw\"\r\n\r\n"
              "; *** Scouts\r\nUNIT 20\r\n\r\n    move N\r\n    \r\n    study FORC\r\n\r\n\r\n"
              "; *** \r\nUNIT 5\r\n\r\n"
              "; *** Miners\r\nUNIT 9\r\n\r\n"
              "; *** Odd\r\nUNIT 3\r\n\r\n    \r\n    a\r\n    b\r\n    \r\n    c\r\n    \r\n      @tax  \r\n\r\n\r\n"
              "#end\r\n");
    std::vector<const TVelUnit*> without = UnitsWithoutOrders(main.OwnUnits);
    ASSERT_EQ(without.size(), 2u);
    EXPECT_EQ(without[0]->Number, 5);
    EXPECT_EQ(without[1]->Number, 9);
}

}  // namespace
}  // namespace hexwarden
