#include "map/hex_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hexwarden {

namespace {

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --quotient;
    return quotient;
}

// Largest n with n * n <= value, for value >= 0.
int64_t IntegerSquareRoot(int64_t value) {
    auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(value)));
    while (root * root > value) --root;
    while ((root + 1) * (root + 1) <= value) ++root;
    return root;
}

bool IsOddColumn(int64_t column) {
    return (column & 1) != 0;  // two's complement: -1 is odd too
}

}  // namespace

int64_t RoundHalfEven(int64_t numerator, int64_t denominator) {
    const int64_t quotient = FloorDiv(numerator, denominator);
    const int64_t twice_remainder = 2 * (numerator - quotient * denominator);
    if (twice_remainder > denominator) return quotient + 1;
    if (twice_remainder == denominator) return quotient + (quotient & 1);
    return quotient;
}

int32_t SaturateToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

HexGeometry::HexGeometry(int32_t hex_size, int32_t zoom) {
    // A side below 2 would leave no column pitch to divide by; the upper bound keeps the squares
    // below in range.
    const int64_t side = std::clamp<int64_t>(int64_t{hex_size} * zoom, 2, kMaxGeometrySide);
    hex_side_ = SaturateToInt32(side);
    slant_width_ = SaturateToInt32(RoundHalfEven(side, 2));
    // side * sqrt(3) / 2 to the nearest integer, exactly: floor((sqrt(3 side^2) + 1) / 2).
    half_height_ = SaturateToInt32((IntegerSquareRoot(3 * side * side) + 1) / 2);
    hex_width_ = SaturateToInt32(2 * int64_t{slant_width_} + side);
    hex_height_ = SaturateToInt32(2 * int64_t{half_height_} + 2);
}

Point HexGeometry::HexOrigin(GridCell cell) const {
    const int64_t x = int64_t{ColumnPitch()} * cell.Column;
    const int64_t y = int64_t{RowPitch()} * cell.Row + (IsOddColumn(cell.Column) ? half_height_ : 0);
    return {SaturateToInt32(x), SaturateToInt32(y)};
}

Point HexGeometry::HexCentre(GridCell cell) const {
    const Point origin = HexOrigin(cell);
    return {SaturateToInt32(int64_t{origin.x} + slant_width_ + hex_side_ / 2),
            SaturateToInt32(int64_t{origin.y} + half_height_)};
}

HexOutline HexGeometry::Outline(Point centre) const {
    const int64_t left = int64_t{centre.x} - slant_width_ - hex_side_ / 2;
    const int64_t top_left = left + slant_width_;
    const int64_t top_right = top_left + hex_side_;
    const int64_t right = top_right + slant_width_;
    const int32_t top = SaturateToInt32(int64_t{centre.y} - half_height_);
    const int32_t bottom = SaturateToInt32(int64_t{centre.y} + half_height_ + 1);
    const Point corner{SaturateToInt32(left), centre.y};
    return {corner,
            Point{SaturateToInt32(top_left), top},
            Point{SaturateToInt32(top_right), top},
            Point{SaturateToInt32(right), centre.y},
            Point{SaturateToInt32(top_right), bottom},
            Point{SaturateToInt32(top_left), bottom},
            corner};
}

GridCell HexGeometry::PixelToHex(Point pixel) const {
    if (pixel.x < 0 || pixel.y < 0) return {0, 0};
    const int64_t column_pitch = ColumnPitch();
    const int64_t row_pitch = RowPitch();
    int64_t column = pixel.x / column_pitch;
    const bool odd = IsOddColumn(column);
    int64_t row = odd ? (pixel.y + hex_height_ / 2) / row_pitch - 1 : pixel.y / row_pitch;
    const int64_t rx = pixel.x - column_pitch * column;
    if (rx < slant_width_) {
        int64_t ry = pixel.y - row_pitch * row;
        if (odd) ry -= half_height_;
        if (ry != half_height_) {
            // Left of the slanted edge when slant / half height > rx / |ry - half height|; compared
            // as whole numbers, which gives the same answer as the division.
            const int64_t distance = ry > half_height_ ? ry - half_height_ : half_height_ - ry;
            if (int64_t{slant_width_} * distance > rx * half_height_) {
                if (odd && ry > half_height_) ++row;
                if (!odd && ry < half_height_) --row;
                --column;
            }
        }
    }
    return {SaturateToInt32(column), SaturateToInt32(row)};
}

CellRange HexGeometry::ExposedRange(const Rect& clip) const {
    const GridCell start = PixelToHex({clip.left, clip.top});
    const GridCell end = PixelToHex({clip.right, clip.bottom});
    return {{start.Column - 1, start.Row - 1}, {end.Column + 1, end.Row + 1}};
}

}  // namespace hexwarden
