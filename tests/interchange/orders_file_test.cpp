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
    EXPECT_EQ(WriteOrders(12, "pw", main.OwnUnits), "#veldoria 12 \"pw\"\n\n#end\n");
    EXPECT_EQ(WriteOrders(12, "", main.OwnUnits), "#veldoria 12 \"\"\n\n#end\n");
    EXPECT_EQ(WriteOrders(12, "a \"b\\c", main.OwnUnits), "#veldoria 12 \"a \"b\\c\"\n\n#end\n");
    EXPECT_TRUE(UnitsWithoutOrders(main.OwnUnits).empty());
}

// Stored orders may end their lines with CR LF, a lone CR or a lone LF; the file has LF alone.
TEST_F(OrdersFileTest, BlocksInListOrderWithOrderLinesOnlyForUnitsWithOrders) {
    OwnUnit(20, "Scouts", "move N\r\n\r\nstudy FORC\r\n");
    OwnUnit(5, "", std::string(" \r\n\t\0\x1f\n", 7));
    OwnUnit(9, "Miners", "");
    OwnUnit(3, "Odd", "\ra\rb\n\rc\n\n  @tax  \r");
    EXPECT_EQ(WriteOrders(12, "pw", main.OwnUnits),
              "#veldoria 12 \"pw\"\n\n"
              "; *** Scouts\nUNIT 20\n\n    move N\n    \n    study FORC\n\n\n"
              "; *** \nUNIT 5\n\n"
              "; *** Miners\nUNIT 9\n\n"
              "; *** Odd\nUNIT 3\n\n    \n    a\n    b\n    \n    c\n    \n      @tax  \n\n\n"
              "#end\n");
    std::vector<const TVelUnit*> without = UnitsWithoutOrders(main.OwnUnits);
    ASSERT_EQ(without.size(), 2u);
    EXPECT_EQ(without[0]->Number, 5);
    EXPECT_EQ(without[1]->Number, 9);
}

}  // namespace
}  // namespace hexwarden
