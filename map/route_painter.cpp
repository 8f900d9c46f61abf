#include "map/route_painter.h"

#include <algorithm>

#include "map/hex_map.h"
#include "model/coordinates.h"

namespace hexwarden {
namespace {

// The hex centres of the places on the level, in order; a place elsewhere ends a piece.
template <typename Visit>
void ForEachPiece(std::span<const Place> places, const Level& level, const THexMap& map, Visit&& visit) {
    std::vector<Point> piece;
    const auto flush = [&] {
        if (!piece.empty()) visit(std::span<const Point>(piece));
        piece.clear();
    };
    for (const Place& place : places) {
        const GridCell cell = GameToGrid(place.X, place.Y);
        if (!(place.Where == level) || !map.IsValidHex(cell)) {
            flush();
            continue;
        }
        piece.push_back(map.HexCentre(cell));
    }
    flush();
}

Rect Around(Point centre, int32_t radius) {
    return Rect{centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1};
}

bool Touches(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The bounds of a route's centres with room for its marks, to skip routes away from the clip.
Rect BoundsOf(const MapRoute& route, const Level& level, const THexMap& map, int32_t margin) {
    Rect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const std::vector<Place>* places : {&route.Passed, &route.Planned}) {
        for (const Place& place : *places) {
            if (!(place.Where == level)) continue;
            const Point centre = map.HexCentre(GameToGrid(place.X, place.Y));
            bounds = {std::min(bounds.left, centre.x), std::min(bounds.top, centre.y), std::max(bounds.right, centre.x),
                      std::max(bounds.bottom, centre.y)};
        }
    }
    return Rect{bounds.left - margin, bounds.top - margin, bounds.right + margin + 1, bounds.bottom + margin + 1};
}

void PaintRoute(const MapRoute& route, bool selected, const Level& level, const THexMap& map, DrawingSurface& surface) {
    const int32_t zoom = std::max(1, map.Zoom());
    const int32_t width = selected ? zoom : std::max(1, zoom / 2);
    const int32_t mark = std::max(2, map.HexSide() / (selected ? 4 : 6));
    const bool stops_short = route.Planned.size() > route.Passed.size() ||
                             (!route.Planned.empty() && !route.Passed.empty() && !(route.Planned.back() == route.Passed.back()));
    if (stops_short && route.Planned.size() > 1) {
        // What the orders ask beyond the stop: thin, to a ring at the ordered end.
        surface.SetPen(Pen{kRouteUnreachedColour, PenStyle::Solid, PenMode::Copy, 1});
        ForEachPiece(route.Planned, level, map, [&surface](std::span<const Point> piece) {
            if (piece.size() > 1) surface.Polyline(piece);
        });
        const Place& end = route.Planned.back();
        if (end.Where == level && map.IsValidHex(GameToGrid(end.X, end.Y))) {
            surface.SetBrush(Brush{kNoFill, BrushStyle::None});
            surface.Ellipse(Around(map.HexCentre(GameToGrid(end.X, end.Y)), mark));
        }
    }
    surface.SetPen(Pen{kRouteColour, PenStyle::Solid, PenMode::Copy, width});
    ForEachPiece(route.Passed, level, map, [&surface](std::span<const Point> piece) {
        if (piece.size() > 1) surface.Polyline(piece);
    });
    if (route.Passed.empty()) return;
    const Place& last = route.Passed.back();
    if (!(last.Where == level) || !map.IsValidHex(GameToGrid(last.X, last.Y))) return;
    const Point at = map.HexCentre(GameToGrid(last.X, last.Y));
    surface.SetPen(Pen{kBlack, PenStyle::Solid, PenMode::Copy, 1});
    surface.SetBrush(Brush{stops_short ? kRouteStopColour : kRouteColour, BrushStyle::Solid});
    if (stops_short) {
        surface.Rectangle(Around(at, mark));
    } else if (route.DownShaft) {
        const int32_t size = mark * 2;
        const Point arrow[] = {{at.x - size, at.y - size}, {at.x + size, at.y - size}, {at.x, at.y + size}};
        surface.Polygon(arrow);
    } else {
        surface.Ellipse(Around(at, mark));
    }
}

}  // namespace

void PaintRoutes(std::span<const MapRoute> routes, int32_t selected_unit, bool all, const Level& level,
                 const THexMap& map, DrawingSurface& surface) {
    const Rect clip = surface.ClipRect();
    const int32_t margin = map.HexSide() + map.Zoom();
    const MapRoute* selected = nullptr;
    for (const MapRoute& route : routes) {
        if (route.Planned.size() < 2 && route.Passed.size() < 2 && !route.DownShaft) continue;  // ordered nowhere
        if (route.Unit == selected_unit) selected = &route;
        else if (all && Touches(BoundsOf(route, level, map, margin), clip)) PaintRoute(route, false, level, map, surface);
    }
    // The selected unit's route goes over the others.
    if (selected != nullptr) PaintRoute(*selected, true, level, map, surface);
}

}  // namespace hexwarden
