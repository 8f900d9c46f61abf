#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace hexwarden::testing {

// A drawing surface that writes down every call as one line of text, for example
// "Pen 0x000000 solid copy 1" or "Polygon (15,13) (8,0) (23,0)", so that tests can compare what
// was drawn exactly. Text metrics are fixed: CharWidth per byte, TextHeightValue per line.
class RecordingSurface : public DrawingSurface {
public:
    std::vector<std::string> Calls;
    int32_t CharWidth = 6;
    int32_t TextHeightValue = 12;
    Rect Clip{0, 0, 640, 480};

    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const Font& font) override;
    void Polygon(std::span<const Point> points) override;
    void Polyline(std::span<const Point> points) override;
    void Ellipse(const Rect& bounds) override;
    void Rectangle(const Rect& bounds) override;
    void FillRect(const Rect& bounds) override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void TextOut(Point top_left, const std::string& text) override;
    int32_t TextWidth(const std::string& text) override;
    int32_t TextHeight(const std::string& text) override;
    void SetPixel(Point at, uint32_t colour) override;
    std::unique_ptr<OffscreenBitmap> CreateBitmap(int32_t width, int32_t height) override;
    void CopyToBitmap(Point from, OffscreenBitmap& bitmap) override;
    void DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) override;
    Rect ClipRect() const override { return Clip; }

private:
    int next_bitmap_id_ = 1;
};

// A bitmap whose own surface records too; bitmaps are numbered from 1 by the surface that made them.
class RecordingBitmap : public OffscreenBitmap {
public:
    RecordingBitmap(int id, int32_t width, int32_t height) : Id(id), width_(width), height_(height) {}

    const int Id;
    RecordingSurface Drawing;

    void Resize(int32_t width, int32_t height) override;
    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    DrawingSurface& Surface() override { return Drawing; }

private:
    int32_t width_;
    int32_t height_;
};

// "0x00BBGGRR" as the calls are written.
std::string ColourText(uint32_t colour);

}  // namespace hexwarden::testing
