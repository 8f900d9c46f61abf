#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/drawing_surface.h"

namespace hexwarden {

// The one place a 0x00BBGGRR colour becomes a QColor; kNoFill gives a fully transparent colour.
QColor ToQColor(uint32_t colour);
// And back, for colours the user picks (the alpha is dropped).
uint32_t FromQColor(const QColor& colour);

// A font of the drawing surface as Qt draws it: the size in points is turned into pixels at 96 dpi
// so text measures the same on every screen, and "Times New Roman" is drawn with a metric-compatible
// face when the machine lacks it.
QFont ToQFont(const Font& font);

// The drawing surface over a QPainter, pixel-exact and without antialiasing: fills cover the pixels
// whose centres lie inside, rectangles and ellipses leave out their right and bottom edges, one-pixel
// lines hit the pixels of the integer segment including both ends, wider lines have round ends.
// Everything is clipped to `clip`, given in the painter's coordinates. The painter's state is
// restored when the surface goes.
//
// When the painter draws into a 32-bit QImage under a whole-pixel translation, the map's many small
// repeated shapes (every hex of a zoom has the same outline) are written straight into the image
// from spans rasterised once: polygon fills by QPainter, so their pixels are QPainter's own, lines
// and ellipses by the rules above. Anything else goes through QPainter.
class QtDrawingSurface : public DrawingSurface {
public:
    QtDrawingSurface(QPainter& painter, const Rect& clip);
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

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
    void SetPixelRow(Point start, std::span<const uint32_t> colours) override;
    std::unique_ptr<OffscreenBitmap> CreateBitmap(int32_t width, int32_t height) override;
    void CopyToBitmap(Point from, OffscreenBitmap& bitmap) override;
    void DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) override;
    Rect ClipRect() const override { return clip_; }

    // Where the painter's pixels can be written directly; defined in the source.
    struct Target;

private:
    friend class QtBitmap;

    // Starts over on the painter's current device (an off-screen bitmap that was resized).
    void Restart(const Rect& clip);
    void Begin();
    void End();
    bool PenDraws() const;
    bool BrushFills() const;
    // Sets the painter's pen and brush, or none of either, for the next QPainter call.
    void UseTools(bool with_pen, bool with_brush);
    uint32_t Argb(uint32_t colour);
    const QFontMetrics& Metrics();
    // Draws a shape from its cached spans with the pen's or the brush's colour; false when the
    // shape is too large to keep.
    bool WriteShape(int kind, std::span<const Point> points, bool with_pen);
    void FillPixels(const Rect& bounds, uint32_t colour, bool xor_pen);
    // One-pixel lines are ours, wider ones QPainter's.
    void Lines(std::span<const Point> points, bool closed);

    QPainter& painter_;
    Rect clip_;
    bool active_ = false;
    std::unique_ptr<Target> target_;
    Pen pen_;
    Brush brush_;
    Font font_;
    // The image pixels of the colours in use: a map paint switches between a handful per hex.
    struct PixelColour {
        uint32_t colour = kBlack;
        uint32_t argb = 0xFF000000u;
    };
    PixelColour pixel_colours_[64];
    int painter_tools_ = -1;
    std::optional<QFont> qfont_;
    std::optional<QFontMetrics> metrics_;
    Point position_;
};

// An off-screen bitmap as a 32-bit QImage with a surface of its own.
class QtBitmap : public OffscreenBitmap {
public:
    QtBitmap(int32_t width, int32_t height);
    ~QtBitmap() override;

    void Resize(int32_t width, int32_t height) override;
    int32_t Width() const override { return image_.width(); }
    int32_t Height() const override { return image_.height(); }
    DrawingSurface& Surface() override;

    const QImage& Image() const { return image_; }

private:
    friend class QtDrawingSurface;
    // Takes the picture, keeping the surface that was handed out.
    void Assign(QImage image);

    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtDrawingSurface> surface_;
};

}  // namespace hexwarden
