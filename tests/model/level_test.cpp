#include "model/level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace hexwarden {
namespace {

TEST(Level, EveryLabelFormReadsBackAsWritten) {
    for (const char* label : {"nexus", "underworld", "deep underworld", "very deep underworld",
                              "very very deep underworld", "underdeep", "deep underdeep", "abyss",
                              "2 <underworld>", "1 <underdeep>", "999 <underworld>"}) {
        const std::optional<Level> level = Level::FromLabel(label);
        ASSERT_TRUE(level) << label;
        EXPECT_EQ(level->Label(), label);
    }
    EXPECT_EQ(Level::FromLabel(""), Level::Surface);
    EXPECT_EQ(Level::FromLabel("Surface"), Level::Surface);
    EXPECT_EQ(Level::Surface.Label(), "surface");
    EXPECT_EQ(Level::FromLabel("Underworld"), Level::Underworld);
}

TEST(Level, WordsThatNameNoLevelAreRefused) {
    for (const char* label : {"deep", "deep nexus", "very underworld", "underworlds", "2 underworld",
                              "<underworld>", "0 <underworld>", "1000 <underworld>", "x <abyss>",
                              "2 <abyss>", "2 <underworld", " underworld", "deep  underworld"})
        EXPECT_FALSE(Level::FromLabel(label)) << label;

    std::string endless;
    for (int i = 0; i < 5000; ++i) endless += "very ";
    EXPECT_FALSE(Level::FromLabel(endless + "deep underworld"));
}

TEST(Level, LevelsSortInTheOrderOfDepth) {
    std::vector<std::string> labels = {"abyss", "2 <underworld>", "deep underdeep", "surface",
                                       "very deep underworld", "underworld", "nexus", "underdeep",
                                       "deep underworld", "3 <underworld>"};
    std::vector<Level> levels;
    for (const std::string& label : labels) levels.push_back(*Level::FromLabel(label));
    std::sort(levels.begin(), levels.end());
    std::vector<std::string> sorted;
    for (const Level& level : levels) sorted.push_back(level.Label());
    EXPECT_EQ(sorted, (std::vector<std::string>{"nexus", "surface", "underworld", "deep underworld",
                                                "2 <underworld>", "very deep underworld",
                                                "3 <underworld>", "underdeep", "deep underdeep",
                                                "abyss"}));
}

}  // namespace
}  // namespace hexwarden
