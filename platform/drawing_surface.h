#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace hexwarden {

// Colours are 0x00BBGGRR, red in the lowest byte.
constexpr uint32_t RgbColour(uint8_t red, uint8_t green, uint8_t blue) {
    return uint32_t{red} | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
// A value no real colour can take: "draw nothing here".
constexpr uint32_t kNoFill = 0x1FFFFFFF;

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom edges are excluded, as usual for a drawing surface.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { Solid, None };
enum class PenMode { Copy, Xor };
enum class BrushStyle { Solid, None };

struct Pen {
    uint32_t colour = kBlack;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    int32_t width = 1;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    uint32_t colour = kWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum FontStyle : uint8_t { FontPlain = 0, FontBold = 1, FontItalic = 2, FontUnderline = 4 };

struct Font {
    std::string name = "Arial";
    int32_t size_points = 10;
    uint8_t style = FontPlain;
    uint32_t colour = kBlack;
    friend bool operator==(const Font&, const Font&) = default;
};

class DrawingSurface;

// A picture kept off screen, made by a surface and of the same kind.
class OffscreenBitmap {
public:
    virtual ~OffscreenBitmap() = default;
    virtual void Resize(int32_t width, int32_t height) = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // For drawing into the bitmap itself (one pixel per hex for the overview, for example).
    virtual DrawingSurface& Surface() = 0;
};

// The 2-D drawing operations the map painting needs; the desktop program implements it over its
// toolkit, tests record the calls. Text is drawn with the current font, on the current brush as
// background when the brush is solid.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetFont(const Font& font) = 0;

    // Filled with the brush, outlined with the pen.
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;
    virtual void Ellipse(const Rect& bounds) = 0;
    virtual void Rectangle(const Rect& bounds) = 0;
    // Brush only, no outline.
    virtual void FillRect(const Rect& bounds) = 0;
    virtual void MoveTo(Point to) = 0;
    virtual void LineTo(Point to) = 0;

    virtual void TextOut(Point top_left, const std::string& text) = 0;
    virtual int32_t TextWidth(const std::string& text) = 0;
    virtual int32_t TextHeight(const std::string& text) = 0;

    virtual void SetPixel(Point at, uint32_t colour) = 0;
    // The pixels from `start` rightwards, one colour each; kNoFill leaves a pixel as it is. A
    // picture made pixel by pixel (the overview) is written a scan line at a time, which a surface
    // over a toolkit's image can do without a call per pixel.
    virtual void SetPixelRow(Point start, std::span<const uint32_t> colours) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const int64_t x = int64_t{start.x} + static_cast<int64_t>(i);
            if (x > INT32_MAX) break;
            if (colours[i] != kNoFill) SetPixel(Point{static_cast<int32_t>(x), start.y}, colours[i]);
        }
    }

    virtual std::unique_ptr<OffscreenBitmap> CreateBitmap(int32_t width, int32_t height) = 0;
    // Copies the block of the bitmap's size whose top-left corner is `from` into the bitmap.
    virtual void CopyToBitmap(Point from, OffscreenBitmap& bitmap) = 0;
    virtual void DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) = 0;

    // The area the current paint has to cover.
    virtual Rect ClipRect() const = 0;
};

}  // namespace hexwarden
