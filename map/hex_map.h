#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "map/hex_geometry.h"
#include "model/coordinates.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

class THexMap;

// The drawing data the owner gives for one hex. The control passes HexObject through untouched.
struct THexData {
    uint32_t Colour = 0;
    const void* HexObject = nullptr;
};

// What the owner of a hex map does for it. Every call has a do-nothing default.
class HexMapOwner {
public:
    virtual ~HexMapOwner() = default;
    // The data of one hex, or null for a hex the owner does not know (filled in ColourUnknown).
    // The object stays the owner's and is used only until DrawHex of the same hex returns.
    virtual const THexData* GetHexData(THexMap& sender, int32_t hx, int32_t hy);
    // After the fill, before the outline; the surface has a solid brush and no pen.
    virtual void DrawHex(THexMap& sender, const THexData* hex, const HexOutline& outline, DrawingSurface& surface);
    // After every hex of the painted range, both ends inclusive and not clipped to the grid.
    virtual void AfterDrawHexes(THexMap& sender, DrawingSurface& surface, GridCell start_hex, GridCell end_hex);
    virtual void AfterSelect(THexMap& sender);
};

// The hex grid control without a window: columns X by rows Y of flat-topped hexes, sized from
// HexSize and Zoom, painting only what a paint exposes, with hit testing and one selected hex.
// Pixels are in the control's own coordinates (0, 0 at its top-left corner).
class THexMap {
public:
    // Neither count goes beyond these, whatever a data file holds: no game comes near, and the
    // control stays a size a window system can scroll.
    static constexpr int32_t kMaxColumns = 2048;
    static constexpr int32_t kMaxRows = 2048;
    // The largest HexSize * Zoom; a larger zoom or size is brought down to it.
    static constexpr int32_t kMaxHexSide = 512;

    THexMap();
    THexMap(const THexMap&) = delete;
    THexMap& operator=(const THexMap&) = delete;
    ~THexMap();

    int32_t X() const { return x_; }
    int32_t Y() const { return y_; }
    int32_t HexSize() const { return hex_size_; }
    int32_t Zoom() const { return zoom_; }
    // Below 1 or unchanged: ignored. Above kMaxColumns / kMaxRows: capped.
    void SetX(int32_t columns);
    void SetY(int32_t rows);
    // Below 1 or unchanged: ignored. A zoom that would make the side pass kMaxHexSide is lowered.
    void SetZoom(int32_t zoom);
    // Below 2 becomes 2, above kMaxHexSide / Zoom is lowered; unchanged: nothing happens.
    void SetHexSize(int32_t hex_size);

    // Width = ColumnPitch * X + SlantWidth + 2; height = RowPitch * Y + HalfHeight + 1 with two
    // or more columns. A single column has no half-lowered neighbour: RowPitch * Y + 1, which is
    // exactly HexHeight for one row.
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    bool ShowGrid() const { return show_grid_; }
    void SetShowGrid(bool show);
    bool ShowSelected = true;
    bool AutoTrack = false;
    uint32_t ColourGrid = RgbColour(128, 128, 128);
    uint32_t ColourUnknown = RgbColour(0, 255, 0);
    uint32_t ColourSelected = RgbColour(255, 0, 0);

    const HexGeometry& Geometry() const { return geometry_; }
    int32_t HexSide() const { return geometry_.HexSide(); }
    int32_t HexWidth() const { return geometry_.HexWidth(); }
    Point HexOrigin(GridCell cell) const { return geometry_.HexOrigin(cell); }
    Point HexCentre(GridCell cell) const { return geometry_.HexCentre(cell); }
    GridCell PixelToHex(Point pixel) const { return geometry_.PixelToHex(pixel); }
    bool IsValidHex(GridCell cell) const;

    int32_t SelectedX() const { return selected_.Column; }
    int32_t SelectedY() const { return selected_.Row; }
    GridCell Selected() const { return selected_; }
    // Last hex computed from the mouse pointer; (0, 0) at first.
    GridCell MouseHex() const { return mouse_hex_; }

    void SetOwner(HexMapOwner* owner) { owner_ = owner; }
    // Called after Width or Height changed, and when the whole control needs repainting.
    std::function<void()> OnResize;
    std::function<void()> OnInvalidate;
    void Invalidate();

    // Paints the hexes under the surface's clip rectangle (plus a one-hex margin) with the given
    // owner, or the control's own one.
    void Paint(DrawingSurface& surface);
    void Paint(DrawingSurface& surface, HexMapOwner* owner);

    // Restores the pixels under the old selection and outlines the new one on the surface. Without
    // a surface the selection only changes and a repaint is asked for. Calls AfterSelect.
    void SetSelected(GridCell cell, DrawingSurface* surface);
    // The pointer moved to a pixel: MouseHex follows, and with AutoTrack so does the selection.
    void MouseMove(Point pixel, DrawingSurface* surface);

private:
    void SetCount(int32_t& count, int32_t value, int32_t cap);
    void UpdateGeometry();
    void UpdateSize();
    void DrawOneHex(GridCell cell, HexMapOwner* owner, DrawingSurface& surface);
    void DrawSelection(GridCell cell, DrawingSurface& surface);
    void EraseSelection(DrawingSurface& surface);
    int32_t SelectionWidth() const;
    bool SelectionTouches(const Rect& clip) const;

    int32_t x_ = 1;
    int32_t y_ = 1;
    int32_t hex_size_ = 10;
    int32_t zoom_ = 1;
    bool show_grid_ = true;
    HexGeometry geometry_{10, 1};
    int32_t width_ = 0;
    int32_t height_ = 0;
    GridCell selected_{-1, -1};
    GridCell mouse_hex_{0, 0};
    HexMapOwner* owner_ = nullptr;
    // The pixels under the selection outline; made by the first surface that draws one. Only
    // valid for the selected hex while selection_saved_ holds.
    std::unique_ptr<OffscreenBitmap> selection_background_;
    bool selection_saved_ = false;
};

}  // namespace hexwarden
