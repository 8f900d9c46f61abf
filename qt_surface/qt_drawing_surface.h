#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QBrush>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/drawing_surface.h"

namespace hexwarden {

// The one place a 0x00BBGGRR colour becomes a QColor; kNoFill gives a fully transparent colour.
QColor ToQColor(uint32_t colour);

// A font of the drawing surface as Qt draws it: the size in points is turned into pixels at 96 dpi
// so text measures the same on every screen, and "Times New Roman" is drawn with a metric-compatible
// face when the machine lacks it.
QFont ToQFont(const Font& font);

// The drawing surface over a QPainter, pixel-exact and without antialiasing: fills cover the pixels
// whose centres lie inside, rectangles and ellipses leave out their right and bottom edges, one-pixel
// lines hit the pixels of the integer segment including both ends. Everything is clipped to `clip`,
// given in the painter's coordinates.
//
// When the painter draws into a 32-bit QImage under a whole-pixel translation, the map's many small
// repeated shapes are written straight into the image from spans that QPainter rasterised once, so
// the pixels are the same as QPainter's own; anything else goes through QPainter.
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
    std::unique_ptr<OffscreenBitmap> CreateBitmap(int32_t width, int32_t height) override;
    void CopyToBitmap(Point from, OffscreenBitmap& bitmap) override;
    void DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) override;
    Rect ClipRect() const override { return clip_; }

    // After the painter moved to another device (an off-screen bitmap that was resized).
    void Restart(const Rect& clip);

private:
    struct Target;
    class Spans;

    void ApplyPenToPainter();
    void ApplyBrushToPainter();
    const QFontMetrics& Metrics();
    void WriteSpans(const Spans& spans, Point offset, uint32_t colour, bool xor_mode);
    void FillDeviceRect(Rect device_rect, uint32_t colour);
    bool FastPen() const;

    QPainter& painter_;
    Rect clip_;
    std::unique_ptr<Target> target_;
    Pen pen_;
    Brush brush_;
    Font font_;
    bool pen_applied_ = false;
    bool brush_applied_ = false;
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
    int32_t Width() const override;
    int32_t Height() const override;
    DrawingSurface& Surface() override;

    const QImage& Image() const { return image_; }
    // Writes into the picture directly; valid until the next Resize.
    QImage& Image() { return image_; }

private:
    void Open();

    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtDrawingSurface> surface_;
};

}  // namespace hexwarden
