#include "map/wedge_painter.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"
#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

const HexOutline kOutline = {{{0, 13}, {8, 0}, {23, 0}, {31, 13}, {23, 27}, {8, 27}, {0, 13}}};

TEST(WedgePainter, TrianglesRunClockwiseFromTheTop) {
    const auto triangle = [](int32_t position) {
        TMapWedge wedge;
        wedge.Position = position;
        return WedgeTriangle(wedge, kOutline);
    };
    EXPECT_EQ(triangle(0), (Triangle{{{15, 13}, {8, 0}, {23, 0}}}));
    EXPECT_EQ(triangle(3), (Triangle{{{15, 13}, {23, 27}, {8, 27}}}));
    EXPECT_EQ(triangle(4), (Triangle{{{15, 13}, {8, 27}, {0, 13}}}));
    EXPECT_EQ(triangle(5), (Triangle{{{15, 13}, {0, 13}, {8, 0}}}));
    EXPECT_EQ(triangle(-1), triangle(5));
    EXPECT_EQ(triangle(99), triangle(5));
}

TEST(WedgePainter, OutlinesInBlackAndFillsInTheWedgeColour) {
    TVelMain db;
    TVelHex& hex = *db.OverworldHexes.AddOrMerge(testing::MakeHex(db, 2, 2));
    db.Factions.AddOrRename("Iron Hand", 12)->Colour = 0x0000FF;
    TMapWedge wedge;
    wedge.Kind = WedgeKind::Faction;
    wedge.Key = "12";
    wedge.Position = 1;
    testing::RecordingSurface surface;
    DrawWedge(db.Wedges, wedge, hex, kOutline, surface);
    // A custom colour from a damaged file keeps only its red, green and blue.
    wedge.UseCustomColour = true;
    wedge.Colour = 0xFF123456;
    DrawWedge(db.Wedges, wedge, hex, kOutline, surface);
    EXPECT_EQ(surface.Calls,
              (std::vector<std::string>{"Pen 0x000000 solid copy 1", "Brush 0x0000FF solid",
                                        "Polygon (15,13) (23,0) (31,13)", "Pen 0x000000 solid copy 1",
                                        "Brush 0x123456 solid", "Polygon (15,13) (23,0) (31,13)"}));
}

}  // namespace
}  // namespace hexwarden
