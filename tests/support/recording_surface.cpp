#include "tests/support/recording_surface.h"

#include <cstdio>

namespace hexwarden::testing {

namespace {

std::string PointText(Point point) {
    return "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}

std::string PointsText(std::span<const Point> points) {
    std::string text;
    for (const Point& point : points) text += " " + PointText(point);
    return text;
}

std::string RectText(const Rect& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

}  // namespace

std::string ColourText(uint32_t colour) {
    if (colour == kNoFill) return "none";
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

void RecordingSurface::SetPen(const Pen& pen) {
    Calls.push_back("Pen " + ColourText(pen.colour) + (pen.style == PenStyle::Solid ? " solid" : " none") +
                    (pen.mode == PenMode::Copy ? " copy " : " xor ") + std::to_string(pen.width));
}

void RecordingSurface::SetBrush(const Brush& brush) {
    Calls.push_back("Brush " + ColourText(brush.colour) + (brush.style == BrushStyle::Solid ? " solid" : " none"));
}

void RecordingSurface::SetFont(const Font& font) {
    Calls.push_back("Font " + font.name + " " + std::to_string(font.size_points) + " style " +
                    std::to_string(font.style) + " " + ColourText(font.colour));
}

void RecordingSurface::Polygon(std::span<const Point> points) {
    Calls.push_back("Polygon" + PointsText(points));
}

void RecordingSurface::Polyline(std::span<const Point> points) {
    Calls.push_back("Polyline" + PointsText(points));
}

void RecordingSurface::Ellipse(const Rect& bounds) {
    Calls.push_back("Ellipse " + RectText(bounds));
}

void RecordingSurface::Rectangle(const Rect& bounds) {
    Calls.push_back("Rectangle " + RectText(bounds));
}

void RecordingSurface::FillRect(const Rect& bounds) {
    Calls.push_back("FillRect " + RectText(bounds));
}

void RecordingSurface::MoveTo(Point to) {
    Calls.push_back("MoveTo " + PointText(to));
}

void RecordingSurface::LineTo(Point to) {
    Calls.push_back("LineTo " + PointText(to));
}

void RecordingSurface::TextOut(Point top_left, const std::string& text) {
    Calls.push_back("TextOut " + PointText(top_left) + " " + text);
}

int32_t RecordingSurface::TextWidth(const std::string& text) {
    return CharWidth * static_cast<int32_t>(text.size());
}

int32_t RecordingSurface::TextHeight(const std::string&) {
    return TextHeightValue;
}

void RecordingSurface::SetPixel(Point at, uint32_t colour) {
    Calls.push_back("Pixel " + PointText(at) + " " + ColourText(colour));
}

std::unique_ptr<OffscreenBitmap> RecordingSurface::CreateBitmap(int32_t width, int32_t height) {
    auto bitmap = std::make_unique<RecordingBitmap>(next_bitmap_id_++, width, height);
    Calls.push_back("CreateBitmap " + std::to_string(bitmap->Id) + " " + std::to_string(width) + "x" +
                    std::to_string(height));
    return bitmap;
}

void RecordingSurface::CopyToBitmap(Point from, OffscreenBitmap& bitmap) {
    Calls.push_back("CopyToBitmap " + PointText(from) + " " + std::to_string(bitmap.Width()) + "x" +
                    std::to_string(bitmap.Height()));
}

void RecordingSurface::DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) {
    Calls.push_back("DrawBitmap " + PointText(top_left) + " " + std::to_string(bitmap.Width()) + "x" +
                    std::to_string(bitmap.Height()));
}

void RecordingBitmap::Resize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
}

}  // namespace hexwarden::testing
