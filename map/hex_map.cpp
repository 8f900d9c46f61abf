#include "map/hex_map.h"

#include <algorithm>

namespace hexwarden {

const THexData* HexMapOwner::GetHexData(THexMap&, int32_t, int32_t) {
    return nullptr;
}

void HexMapOwner::DrawHex(THexMap&, const THexData*, const HexOutline&, DrawingSurface&) {}

void HexMapOwner::AfterDrawHexes(THexMap&, DrawingSurface&, GridCell, GridCell) {}

void HexMapOwner::AfterSelect(THexMap&) {}

THexMap::THexMap() {
    UpdateSize();
}

THexMap::~THexMap() = default;

void THexMap::SetX(int32_t columns) {
    SetCount(x_, columns, kMaxColumns);
}

void THexMap::SetY(int32_t rows) {
    SetCount(y_, rows, kMaxRows);
}

void THexMap::SetCount(int32_t& count, int32_t value, int32_t cap) {
    if (value < 1) return;
    value = std::min(value, cap);
    if (value == count) return;
    count = value;
    // The height depends on whether there is more than one column, so both sizes are recomputed.
    UpdateSize();
    Invalidate();
}

void THexMap::SetZoom(int32_t zoom) {
    if (zoom < 1 || zoom == zoom_) return;
    zoom = std::min(zoom, std::max(1, kMaxHexSide / hex_size_));
    if (zoom == zoom_) return;
    zoom_ = zoom;
    UpdateGeometry();
}

void THexMap::SetHexSize(int32_t hex_size) {
    hex_size = std::clamp(hex_size, 2, std::max(2, kMaxHexSide / zoom_));
    if (hex_size == hex_size_) return;
    hex_size_ = hex_size;
    UpdateGeometry();
}

void THexMap::SetShowGrid(bool show) {
    if (show == show_grid_) return;
    show_grid_ = show;
    Invalidate();
}

bool THexMap::IsValidHex(GridCell cell) const {
    return cell.Column >= 0 && cell.Column < x_ && cell.Row >= 0 && cell.Row < y_;
}

void THexMap::Invalidate() {
    if (OnInvalidate) OnInvalidate();
}

void THexMap::UpdateGeometry() {
    geometry_ = HexGeometry(hex_size_, zoom_);
    selection_saved_ = false;
    UpdateSize();
    Invalidate();
}

void THexMap::UpdateSize() {
    // The caps on columns, rows and side keep these far inside 32 bits; 64-bit all the same.
    const int64_t width = int64_t{geometry_.ColumnPitch()} * x_ + geometry_.SlantWidth() + 2;
    const int64_t height = x_ > 1 ? int64_t{geometry_.RowPitch()} * y_ + geometry_.HalfHeight() + 1
                                  : int64_t{geometry_.RowPitch()} * y_ + 1;
    const int32_t new_width = SaturateToInt32(width);
    const int32_t new_height = SaturateToInt32(height);
    if (new_width == width_ && new_height == height_) return;
    width_ = new_width;
    height_ = new_height;
    if (OnResize) OnResize();
}

void THexMap::Paint(DrawingSurface& surface) {
    Paint(surface, owner_);
}

void THexMap::Paint(DrawingSurface& surface, HexMapOwner* owner) {
    const Rect clip = surface.ClipRect();
    const CellRange range = geometry_.ExposedRange(clip);
    // Cells outside the grid draw nothing, so the loops skip them.
    const int32_t first_column = std::max(range.Start.Column, 0);
    const int32_t last_column = std::min(range.End.Column, x_ - 1);
    const int32_t first_row = std::max(range.Start.Row, 0);
    const int32_t last_row = std::min(range.End.Row, y_ - 1);
    for (int32_t column = first_column; column <= last_column; ++column)
        for (int32_t row = first_row; row <= last_row; ++row) DrawOneHex({column, row}, owner, surface);
    // A selection away from the clip keeps its outline and saved pixels; copying them again would
    // save the outline itself as background.
    if (ShowSelected && IsValidHex(selected_) && !(selection_saved_ && !SelectionTouches(clip)))
        DrawSelection(selected_, surface);
    if (owner) owner->AfterDrawHexes(*this, surface, range.Start, range.End);
}

void THexMap::DrawOneHex(GridCell cell, HexMapOwner* owner, DrawingSurface& surface) {
    const THexData* data = owner ? owner->GetHexData(*this, cell.Column, cell.Row) : nullptr;
    const HexOutline outline = geometry_.Outline(cell);
    surface.SetBrush(Brush{data ? data->Colour : ColourUnknown, BrushStyle::Solid});
    surface.SetPen(Pen{ColourGrid, PenStyle::None, PenMode::Copy, 1});
    surface.Polygon(outline);
    if (owner) owner->DrawHex(*this, data, outline, surface);
    if (show_grid_) {
        surface.SetPen(Pen{ColourGrid, PenStyle::Solid, PenMode::Copy, 1});
        surface.Polyline(outline);
    }
}

void THexMap::DrawSelection(GridCell cell, DrawingSurface& surface) {
    const int32_t width = SelectionWidth();
    const int32_t height = geometry_.HexHeight();
    if (selection_background_)
        selection_background_->Resize(width, height);
    else
        selection_background_ = surface.CreateBitmap(width, height);
    surface.CopyToBitmap(geometry_.HexOrigin(cell), *selection_background_);
    surface.SetPen(Pen{ColourSelected, PenStyle::Solid, PenMode::Copy, 1});
    surface.Polyline(geometry_.Outline(cell));
    selected_ = cell;
    selection_saved_ = true;
}

// The outline's right corner lies at the origin plus HexWidth, one pixel beyond a block of
// HexWidth: the saved block takes that column too, or moving the selection would leave it behind.
int32_t THexMap::SelectionWidth() const {
    return geometry_.HexWidth() + 1;
}

bool THexMap::SelectionTouches(const Rect& clip) const {
    const Point origin = geometry_.HexOrigin(selected_);
    return origin.x < clip.right && origin.y < clip.bottom && int64_t{origin.x} + SelectionWidth() > clip.left &&
           int64_t{origin.y} + geometry_.HexHeight() > clip.top;
}

void THexMap::EraseSelection(DrawingSurface& surface) {
    if (IsValidHex(selected_) && selection_saved_)
        surface.DrawBitmap(geometry_.HexOrigin(selected_), *selection_background_);
    selected_ = {-1, -1};
    selection_saved_ = false;
}

void THexMap::SetSelected(GridCell cell, DrawingSurface* surface) {
    if (surface) {
        EraseSelection(*surface);
        if (IsValidHex(cell))
            DrawSelection(cell, *surface);
        else
            selected_ = cell;
    } else {
        // Nothing to restore or outline on: the next paint draws the selection.
        selected_ = cell;
        selection_saved_ = false;
        Invalidate();
    }
    if (owner_) owner_->AfterSelect(*this);
}

void THexMap::MouseMove(Point pixel, DrawingSurface* surface) {
    const GridCell hex = PixelToHex(pixel);
    if (AutoTrack && hex != selected_ && IsValidHex(hex)) SetSelected(hex, surface);
    mouse_hex_ = hex;
}

}  // namespace hexwarden
