#include "map/route_painter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "map/hex_map.h"
#include "model/coordinates.h"
#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

using testing::ColourText;
using testing::RecordingSurface;

// A 10 x 10 grid at the map windows' default zoom.
class RoutePainting : public ::testing::Test {
protected:
    RoutePainting() {
        map.SetHexSize(3);
        map.SetZoom(5);
        map.SetX(10);
        map.SetY(10);
        surface.Clip = Rect{0, 0, map.Width(), map.Height()};
    }

    std::string Centre(int32_t x, int32_t y) const {
        const Point at = map.HexCentre(GameToGrid(x, y));
        return "(" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
    }

    std::vector<std::string> Paint(const std::vector<MapRoute>& routes, int32_t selected, bool all) {
        surface.Calls.clear();
        PaintRoutes(routes, selected, all, Level::Surface, map, surface);
        return surface.Calls;
    }

    THexMap map;
    RecordingSurface surface;
};

TEST_F(RoutePainting, ARouteStoppingShortShowsTheStopAndTheRestThinToARing) {
    const Place a{4, 4, Level::Surface}, b{4, 2, Level::Surface}, c{4, 0, Level::Surface};
    const std::vector<std::string> calls = Paint({{10, {a, b}, {a, b, c}}}, 10, false);
    const std::vector<std::string> expected = {
        "Pen " + ColourText(kRouteUnreachedColour) + " solid copy 1",
        "Polyline " + Centre(4, 4) + " " + Centre(4, 2) + " " + Centre(4, 0),
        "Brush none none",
    };
    ASSERT_GE(calls.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3), expected);
    EXPECT_EQ(calls[3].rfind("Ellipse", 0), 0u);  // the ring at the ordered end
    EXPECT_EQ(calls[4], "Pen " + ColourText(kRouteColour) + " solid copy 5");  // the selected unit's: wide
    EXPECT_EQ(calls[5], "Polyline " + Centre(4, 4) + " " + Centre(4, 2));
    EXPECT_EQ(calls.back().rfind("Rectangle", 0), 0u);  // the square where it stops
    EXPECT_TRUE(std::find(calls.begin(), calls.end(), "Brush " + ColourText(kRouteStopColour) + " solid") != calls.end());
}

TEST_F(RoutePainting, OthersOnlyWhenAllAreShownAndNothingOfOtherLevelsOrOfUnitsThatStay) {
    const Place a{2, 2, Level::Surface}, b{3, 3, Level::Surface};
    const Place under{3, 3, Level::Underworld};
    const std::vector<MapRoute> routes = {{1, {a, b}, {a, b}}, {2, {a}, {a}}, {3, {under, under}, {under, under}}};
    EXPECT_TRUE(Paint(routes, 0, false).empty());
    const std::vector<std::string> all = Paint(routes, 0, true);
    // Unit 1 arrives: a narrow line and a dot; unit 2 stays; unit 3 is on another level.
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const std::string& call) { return call.rfind("Polyline", 0) == 0; }), 1);
    EXPECT_TRUE(std::find(all.begin(), all.end(), "Pen " + ColourText(kRouteColour) + " solid copy 2") != all.end());
    EXPECT_EQ(all.back().rfind("Ellipse", 0), 0u);
    // A view away from the route leaves it out.
    surface.Clip = Rect{map.Width() - 10, map.Height() - 10, map.Width(), map.Height()};
    EXPECT_TRUE(Paint(routes, 0, true).empty());
}

TEST_F(RoutePainting, AMoveDownAShaftEndsInAnArrowEvenWithoutASingleStep) {
    const Place a{4, 4, Level::Surface};
    const std::vector<std::string> calls = Paint({{10, {a}, {a}, true}}, 10, false);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("Polygon", 0), 0u);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& call) { return call.rfind("Ellipse", 0) == 0; }), 0);
}

}  // namespace
}  // namespace hexwarden
