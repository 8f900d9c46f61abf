#include "map/level_painter.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "map/route_painter.h"
#include "map/wedge_painter.h"
#include "model/database.h"

namespace hexwarden {

namespace {

constexpr int32_t kSmallestLabelledSide = 8;
constexpr int32_t kLargestLabelPoints = 24;
constexpr uint32_t kTrackColour = RgbColour(255, 0, 0);

Font LabelFont(int32_t side, uint32_t colour) {
    const auto points = static_cast<int32_t>(std::min<int64_t>(RoundHalfEven(2 * int64_t{side}, 3), kLargestLabelPoints));
    return Font{"Times New Roman", points, FontPlain, colour};
}

// Keeps a label of the given extent inside 0 .. limit, preferring its start when it is too big.
int32_t ClampInto(int32_t start, int32_t extent, int32_t limit) {
    if (start < 0) return 0;
    if (int64_t{start} + extent > limit) return limit - extent;
    return start;
}

uint64_t PlaceKey(int32_t x, int32_t y) {
    return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
}

// Within the grid the control can ever have; anything further has no place to be drawn.
bool WithinDrawableGrid(GridCell cell) {
    return cell.Column >= 0 && cell.Column < THexMap::kMaxColumns && cell.Row >= 0 && cell.Row < THexMap::kMaxRows;
}

// The map window's side of the control for one paint.
class LevelPainter : public HexMapOwner {
public:
    LevelPainter(const TVelMain& db, Level level, const MapViewOptions& options)
        : db_(db), level_(level), hexes_(db.HexesOf(level)), options_(options) {
        for (std::size_t slot = 0; slot < wedges_.size(); ++slot)
            wedges_[slot] = options.WedgeSlots[slot] >= 0 ? db.Wedges.Get(options.WedgeSlots[slot]) : nullptr;
        if (options.ShowMarkers || options.ShowMarkerTags) IndexMarkers();
    }

    const THexData* GetHexData(THexMap&, int32_t hx, int32_t hy) override {
        const GamePoint place = GridToGame(hx, hy);
        const TVelHex* hex = hexes_.FindXY(place.X, place.Y);
        if (hex == nullptr) return nullptr;
        if (!options_.ShowUnconfirmed && !hex->Confirmed) {
            draw_data_.HexObject = nullptr;
            draw_data_.Colour = kMapColours.UnconfirmedColour;
            return &draw_data_;
        }
        draw_data_.HexObject = hex;
        // A terrain without a name has no colour of its own: it looks like an unknown hex.
        const TVelIndexRecord* terrain = hex->TerrainRecord();
        draw_data_.Colour =
            terrain && !terrain->Name.empty() ? RgbFromValue(terrain->Value) : kMapColours.UnknownColour;
        return &draw_data_;
    }

    void DrawHex(THexMap& map, const THexData* data, const HexOutline& outline, DrawingSurface& surface) override {
        if (data == nullptr || data->HexObject == nullptr) return;
        const TVelHex& hex = *static_cast<const TVelHex*>(data->HexObject);
        const int64_t corners = int64_t{outline[0].x} + outline[3].x;
        const Point centre{static_cast<int32_t>((corners + 1) / 2), outline[0].y};
        const int32_t side = map.HexSide();
        if (options_.ShowWedges) DrawWedges(hex, outline, surface);
        if (options_.ShowCities) DrawSettlement(hex, centre, side, surface);
        if (options_.ShowShafts && hex.ShaftIndex() >= 0) {
            const auto r = static_cast<int32_t>(RoundHalfEven(side, 4));
            surface.SetBrush(Brush{kMapColours.ShaftColour, BrushStyle::Solid});
            surface.FillRect(Rect{centre.x - r, centre.y - r, centre.x + r, centre.y + r});
        }
        if (options_.ShowGates && hex.Gate >= 0) {
            const Point gate{static_cast<int32_t>(corners / 2), centre.y};
            const int32_t a = side / 2;
            surface.SetPen(Pen{kMapColours.GateColour, PenStyle::Solid, PenMode::Copy, map.Zoom()});
            DrawLine(surface, {gate.x - a, gate.y}, {gate.x + a, gate.y});
            DrawLine(surface, {gate.x, gate.y - a}, {gate.x, gate.y + a});
            surface.SetPen(Pen{kMapColours.GateColour, PenStyle::Solid, PenMode::Copy, 1});
        }
        if (options_.ShowMarkers && MarkerAt(hex) != nullptr) {
            const int32_t a = side / 3;
            surface.SetPen(Pen{kMapColours.MarkerColour, PenStyle::Solid, PenMode::Copy, (map.Zoom() + 1) / 2});
            DrawLine(surface, {centre.x - a, centre.y - a}, {centre.x + a, centre.y + a});
            DrawLine(surface, {centre.x - a, centre.y + a}, {centre.x + a, centre.y - a});
            surface.SetPen(Pen{kMapColours.MarkerColour, PenStyle::Solid, PenMode::Copy, 1});
        }
    }

    void AfterDrawHexes(THexMap& map, DrawingSurface& surface, GridCell start_hex, GridCell end_hex) override {
        if ((options_.ShowTags || options_.ShowMarkerTags) && map.HexSide() >= kSmallestLabelledSide)
            DrawTags(map, surface, start_hex, end_hex);
        if (options_.TrackedUnit != 0 && !options_.HideTrack) DrawTrack(map, surface);
        if (!options_.Routes.empty())
            PaintRoutes(options_.Routes, options_.RouteUnit, options_.ShowRoutes, level_, map, surface);
    }

private:
    static void DrawLine(DrawingSurface& surface, Point from, Point to) {
        surface.MoveTo(from);
        surface.LineTo(to);
    }

    void IndexMarkers() {
        for (const auto& marker : db_.Markers)
            if (marker && marker->Where == level_) markers_.try_emplace(PlaceKey(marker->X, marker->Y), marker.get());
    }

    const TVelMapMarker* MarkerAt(const TVelHex& hex) const {
        if (markers_.empty()) return nullptr;
        const auto found = markers_.find(PlaceKey(hex.X, hex.Y));
        return found == markers_.end() ? nullptr : found->second;
    }

    void DrawWedges(const TVelHex& hex, const HexOutline& outline, DrawingSurface& surface) const {
        for (const TMapWedge* wedge : wedges_)
            if (wedge && db_.Wedges.WedgeApplies(*wedge, hex)) DrawWedge(db_.Wedges, *wedge, hex, outline, surface);
    }

    static void DrawSettlement(const TVelHex& hex, Point c, int32_t side, DrawingSurface& surface) {
        if (hex.SettlementSize < 1 || hex.SettlementSize > 3) return;
        surface.SetPen(Pen{kBlack, PenStyle::None, PenMode::Copy, 1});
        if (hex.SettlementSize == 1) {
            const auto r = static_cast<int32_t>(RoundHalfEven(side, 3));
            surface.SetBrush(Brush{kMapColours.VillageColour, BrushStyle::Solid});
            surface.Ellipse(Rect{c.x - r, c.y - r, c.x + r, c.y + r});
            return;
        }
        const auto r = static_cast<int32_t>(RoundHalfEven(side, 2));
        if (hex.SettlementSize == 2) {
            surface.SetBrush(Brush{kMapColours.TownColour, BrushStyle::Solid});
            const Point diamond[] = {{c.x - r, c.y}, {c.x, c.y - r}, {c.x + r, c.y}, {c.x, c.y + r}};
            surface.Polygon(diamond);
        } else {
            surface.SetBrush(Brush{kMapColours.CityColour, BrushStyle::Solid});
            surface.FillRect(Rect{c.x - r, c.y - r, c.x + r, c.y + r});
        }
    }

    void DrawTags(THexMap& map, DrawingSurface& surface, GridCell start_hex, GridCell end_hex) {
        surface.SetFont(LabelFont(map.HexSide(), kMapColours.TagTextColour));
        surface.SetBrush(kMapColours.TagBackColour == kNoFill ? Brush{kWhite, BrushStyle::None}
                                                              : Brush{kMapColours.TagBackColour, BrushStyle::Solid});
        const int32_t height = surface.TextHeight("X");
        // Hexes beyond a capped grid have no place on the control, so their tags are left out too.
        const int32_t last_column = std::min(end_hex.Column, map.X() - 1);
        const int32_t last_row = std::min(end_hex.Row, map.Y() - 1);
        for (int32_t column = std::max(start_hex.Column, 0); column <= last_column; ++column) {
            for (int32_t row = std::max(start_hex.Row, 0); row <= last_row; ++row) {
                const GamePoint place = GridToGame(column, row);
                const TVelHex* hex = hexes_.FindXY(place.X, place.Y);
                if (hex == nullptr) continue;
                const std::string* text = nullptr;
                if (options_.ShowTags && !hex->SettlementName.empty()) {
                    text = &hex->SettlementName;
                } else if (options_.ShowMarkerTags) {
                    if (const TVelMapMarker* marker = MarkerAt(*hex)) text = &marker->Text;
                }
                if (text) DrawTag(map, surface, {column, row}, *text, height);
            }
        }
    }

    static void DrawTag(const THexMap& map, DrawingSurface& surface, GridCell cell, const std::string& text,
                        int32_t height) {
        const Point centre = map.HexCentre(cell);
        const int32_t width = surface.TextWidth(text);
        const int32_t left = ClampInto(centre.x - width / 2, width, map.Width());
        const int32_t top = ClampInto(centre.y - height / 2, height, map.Height());
        surface.TextOut({left, top}, text);
    }

    // The first history entry the track shows.
    int32_t TrackStart(const TVelUnitPosList& history) const {
        if (options_.TrackTurns < 1) return 0;
        const int64_t first_turn = int64_t{db_.Turn} - options_.TrackTurns + 1;
        for (int32_t i = 0; i < history.Count(); ++i)
            if (const TVelUnitPos* entry = history.Get(i); entry && entry->Turn >= first_turn) return i;
        return 0;
    }

    // The grid cell of a history entry that this level's map can show, if any. Entries on the
    // other level, or at coordinates beyond any grid, break the track into pieces.
    bool TrackCell(const TVelUnitPos* entry, GridCell& cell) const {
        if (entry == nullptr || entry->Where != level_) return false;
        cell = GameToGrid(entry->X, entry->Y);
        return WithinDrawableGrid(cell);
    }

    void DrawTrack(THexMap& map, DrawingSurface& surface) const {
        const TVelUnit* unit = db_.Units.FindByNumber(options_.TrackedUnit);
        if (unit == nullptr) return;
        const TVelUnitPosList& history = unit->PositionHistory;
        const int32_t start = TrackStart(history);
        surface.SetPen(Pen{kTrackColour, PenStyle::Solid, PenMode::Copy, map.Zoom()});
        bool has_previous = false;
        for (int32_t i = start; i < history.Count(); ++i) {
            GridCell cell;
            if (!TrackCell(history.Get(i), cell)) {
                has_previous = false;
                continue;
            }
            const Point point = map.HexCentre(cell);
            if (has_previous)
                surface.LineTo(point);
            else
                surface.MoveTo(point);
            has_previous = true;
        }
        if (map.HexSide() >= kSmallestLabelledSide) DrawTrackLabels(map, surface, history, start);
    }

    void DrawTrackLabels(const THexMap& map, DrawingSurface& surface, const TVelUnitPosList& history,
                         int32_t start) const {
        surface.SetPen(Pen{kTrackColour, PenStyle::Solid, PenMode::Copy, 1});
        surface.SetFont(LabelFont(map.HexSide(), kBlack));
        const int32_t width = surface.TextWidth("1234");
        const int32_t height = surface.TextHeight("1234");
        for (int32_t i = start; i < history.Count(); ++i) {
            GridCell cell;
            if (!TrackCell(history.Get(i), cell)) continue;
            const Point centre = map.HexCentre(cell);
            const int32_t left = ClampInto(centre.x - width / 2, width, map.Width());
            const int32_t top = ClampInto(centre.y - height / 2, height, map.Height());
            surface.SetBrush(Brush{kWhite, BrushStyle::Solid});
            surface.Rectangle(Rect{left, top, left + width, top + height});
            surface.SetBrush(Brush{kWhite, BrushStyle::None});
            const std::string turn = std::to_string(history.Get(i)->Turn);
            surface.TextOut({left + (width - surface.TextWidth(turn)) / 2, top}, turn);
        }
    }

    const TVelMain& db_;
    const Level level_;
    const TVelHexList& hexes_;
    const MapViewOptions& options_;
    THexData draw_data_;
    std::array<const TMapWedge*, 6> wedges_{};
    // The first marker of each place on this level: one hash lookup per hex instead of a scan.
    std::unordered_map<uint64_t, const TVelMapMarker*> markers_;
};

}  // namespace

LevelExtent FitMapToLevel(THexMap& map, const TVelMain& db, Level level) {
    const LevelExtent extent = LevelGridExtent(db.HexesOf(level));
    map.SetX(extent.Columns);
    map.SetY(extent.Rows);
    return extent;
}

void PaintLevel(const TVelMain& db, Level level, const MapViewOptions& options, THexMap& map,
                DrawingSurface& surface) {
    map.ColourGrid = kMapColours.GridColour;
    map.ColourUnknown = kMapColours.UnknownColour;
    map.ColourSelected = kMapColours.SelectedColour;
    map.SetShowGrid(options.ShowGrid);
    LevelPainter painter(db, level, options);
    map.Paint(surface, &painter);
}

}  // namespace hexwarden
