#include <gtest/gtest.h>

#include "model/database.h"
#include "model/item_list.h"
#include "model/skill_list.h"
#include "model/troop_list.h"

namespace hexwarden {
namespace {

TEST(ItemList, SameCodeAndPriceAddUpOtherPricesStaySeparate) {
    TVelMain db;
    TVelItemList market(db.ItemTypes);
    EXPECT_EQ(market.AddNew("HORS", 0, 5), -1);
    EXPECT_EQ(market.AddNew("HORS", 0, 10), 0);
    EXPECT_EQ(market.AddNew("HORS", 30, 10), -1);
    ASSERT_EQ(market.Count(), 2);
    EXPECT_EQ(market.Get(0)->Count, 15);
    EXPECT_EQ(market.Get(1)->Count, 10);
    EXPECT_EQ(market.Get(1)->Owner, &market);
    EXPECT_EQ(market.AddNew("hors", 0, 1), -1);  // codes compare with exact case
    EXPECT_EQ(market.Count(), 3);

    // Long lists (only damaged files make them) merge the same way.
    for (int32_t price = 100; price < 160; ++price) market.AddNew("HORS", price, 1);
    EXPECT_EQ(market.AddNew("HORS", 0, 5), 0);
    EXPECT_EQ(market.AddNew("HORS", 159, 1), 62);
    EXPECT_EQ(market.AddNew("HORS", 160, 1), -1);
    EXPECT_EQ(market.Get(0)->Count, 20);
    EXPECT_EQ(market.Get(62)->Count, 2);
    EXPECT_EQ(market.Count(), 64);

    // A changed key is where the next merge looks.
    market.SetCodeAndPrice(62, "WAGO", 7);
    EXPECT_EQ(market.AddNew("WAGO", 7, 1), 62);
    EXPECT_EQ(market.AddNew("HORS", 159, 1), -1);
    market.SetCount(62, 9);
    EXPECT_EQ(market.Get(62)->Count, 9);
}

TEST(ItemList, UnlimitedAmountsStayUnlimitedWhenMerged) {
    TVelMain db;
    TVelItemList products(db.ItemTypes);
    products.AddNew("IRON", 0, -1);
    products.AddNew("IRON", 0, -1);
    products.AddNew("IRON", 0, 4);
    products.AddNew("WOOD", 0, 4);
    products.AddNew("WOOD", 0, -1);
    EXPECT_EQ(products.Get(0)->Count, -1);
    EXPECT_EQ(products.Get(1)->Count, -1);
}

TEST(ItemList, DisplayNameUsesTheNameTableAndMarksIllusions) {
    TVelMain db;
    TVelItemList goods(db.ItemTypes);
    goods.AddNew("SILV", 0, 1);
    goods.AddNew("WOLF", 0, 2);
    auto illusion = std::make_unique<TVelItem>("SILV", 5, 2, true);
    goods.Add(std::move(illusion));
    EXPECT_EQ(goods.DisplayName(*goods.Get(0)), "Silver");
    EXPECT_EQ(goods.DisplayName(*goods.Get(1)), "<UNKNOWN>");
    EXPECT_EQ(goods.DisplayName(*goods.Get(2)), "Silver (illusion)");

    TVelItemList peasants(db.Races);
    peasants.AddNew("HELF", 0, 1);
    EXPECT_EQ(peasants.DisplayName(*peasants.Get(0)), "High elf");
}

TEST(ItemList, CountsFromDamagedDataWrapInsteadOfOverflowing) {
    TVelMain db;
    TVelItemList goods(db.ItemTypes);
    goods.AddNew("SILV", 0, INT32_MAX);
    goods.AddNew("SILV", 0, 1);
    EXPECT_EQ(goods.Get(0)->Count, INT32_MIN);
    TVelTroopList troops(db.Races);
    troops.AddTroops("LEAD", INT32_MAX);
    troops.AddTroops("VIKI", 2);
    EXPECT_EQ(troops.Total(), INT32_MIN + 1);
}

TEST(SkillList, LevelTextShowsExtraDaysOrStudyMarkers) {
    const auto text = [](int32_t level, int32_t days, bool extra) {
        return TVelSkillList::LevelText(TVelSkill("MINI", level, days), extra);
    };
    EXPECT_EQ(text(2, 150, false), "2+2");
    EXPECT_EQ(text(2, 150, true), "2 (+60)");
    EXPECT_EQ(text(5, 450, false), "5");
    EXPECT_EQ(text(5, 450, true), "5");
    EXPECT_EQ(text(1, 59, false), "1");
    EXPECT_EQ(text(1, 60, false), "1+1");
    EXPECT_EQ(text(1, 89, false), "1+1");
    EXPECT_EQ(text(2, 90, false), "2");
    EXPECT_EQ(text(4, 449, false), "4+4");
    EXPECT_EQ(text(1, 30, true), "1");
    EXPECT_EQ(text(1, 31, true), "1 (+1)");
    EXPECT_EQ(text(0, 500, true), "0");
    EXPECT_EQ(text(6, 900, true), "6");
    EXPECT_EQ(text(1, INT32_MIN, true), "1");
    EXPECT_EQ(text(5, INT32_MAX, true), "5 (+2147483197)");
}

TEST(SkillList, ReplacedSkillMovesToTheEndAndMagesNeedALevel) {
    TVelMain db;
    db.SkillTypes.AddOrUpdate("force", "", 0, "FORC");
    TVelUnit unit(db);
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 0, 10));
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("MINI", 1, 30));
    EXPECT_FALSE(unit.IsMage());
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 40));
    ASSERT_EQ(unit.Skills.Count(), 2);
    EXPECT_EQ(unit.Skills.Get(0)->Code, "MINI");
    EXPECT_EQ(unit.Skills.Get(1)->Days, 40);
    EXPECT_TRUE(unit.IsMage());
    EXPECT_EQ(unit.Skills.SkillName(*unit.Skills.Get(1)), "Force");
    EXPECT_EQ(unit.Skills.SkillName(*unit.Skills.Get(0)), "<UNKNOWN>");
}

TEST(TroopList, SectionsAddUpByRaceAndNameByCount) {
    TVelMain db;
    TVelTroopList troops(db.Races);
    EXPECT_EQ(troops.Total(), 0);
    troops.AddTroops("LEAD", 1);
    troops.AddTroops("LEAD", 1);
    troops.AddTroops("GHOS", 3);
    ASSERT_EQ(troops.Count(), 2);
    EXPECT_EQ(troops.Get(0)->Count, 2);
    EXPECT_EQ(troops.Total(), 5);
    EXPECT_EQ(troops.DisplayName(*troops.Get(0)), "Leaders");
    EXPECT_EQ(troops.DisplayName(*troops.Get(1)), "<UNKNOWN>");
}

}  // namespace
}  // namespace hexwarden
