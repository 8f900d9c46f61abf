#pragma once

#include <array>
#include <cstdint>

#include "model/coordinates.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

// The seven-point outline of a flat-topped hex: left corner, then clockwise upper-left,
// upper-right, right corner, lower-right, lower-left, and the left corner again.
using HexOutline = std::array<Point, 7>;

// numerator / denominator rounded to the nearest integer, halves to the even one. denominator > 0.
int64_t RoundHalfEven(int64_t numerator, int64_t denominator);

// 64-bit pixel arithmetic brought back into the 32-bit range of a Point, saturating.
int32_t SaturateToInt32(int64_t value);

// Inclusive range of grid cells; may reach one cell beyond the grid on every side.
struct CellRange {
    GridCell Start;
    GridCell End;
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// The derived sizes of one hex for a base size and a zoom, with the layout of the grid: columns of
// hexes, odd columns half a hex lower. Cheap to copy; computed once per zoom.
class HexGeometry {
public:
    static constexpr int32_t kMaxGeometrySide = 65535;

    // Side = hex_size * zoom, kept within 2 .. kMaxGeometrySide (the control has tighter bounds).
    HexGeometry(int32_t hex_size, int32_t zoom);

    int32_t HexSide() const { return hex_side_; }
    int32_t SlantWidth() const { return slant_width_; }
    int32_t HalfHeight() const { return half_height_; }
    int32_t HexWidth() const { return hex_width_; }
    int32_t HexHeight() const { return hex_height_; }
    int32_t ColumnPitch() const { return hex_side_ + slant_width_ - 1; }
    int32_t RowPitch() const { return hex_height_ - 1; }

    // Top-left corner of the hex's bounding block; the centre; the outline around a centre.
    Point HexOrigin(GridCell cell) const;
    Point HexCentre(GridCell cell) const;
    HexOutline Outline(Point centre) const;
    HexOutline Outline(GridCell cell) const { return Outline(HexCentre(cell)); }

    // The cell a pixel lies in, possibly outside the grid; (0, 0) for a negative coordinate.
    GridCell PixelToHex(Point pixel) const;
    // The cells a paint of the clip rectangle has to draw, with one cell of margin all round so
    // that partly covered neighbours are redrawn too.
    CellRange ExposedRange(const Rect& clip) const;

private:
    int32_t hex_side_;
    int32_t slant_width_;
    int32_t half_height_;
    int32_t hex_width_;
    int32_t hex_height_;
};

}  // namespace hexwarden
