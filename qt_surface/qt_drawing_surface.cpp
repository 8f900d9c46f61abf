#include "qt_surface/qt_drawing_surface.h"

#include <QPolygon>
#include <QRegion>
#include <QStaticText>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "map/hex_geometry.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {

// Device pixels are painter coordinates plus (dx, dy); `clip` is in device pixels, inside the image.
struct QtDrawingSurface::Target {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int32_t dx = 0;
    int32_t dy = 0;
    Rect clip;
};

namespace {

enum ShapeKind : int { kFill, kOutline, kPolyline, kEllipse, kShapeKinds };

// One run of pixels of a shape, relative to its first point; x1 is excluded.
struct Span {
    int32_t y;
    int32_t x0;
    int32_t x1;
};

// The runs of one shape and the block they lie in.
struct ShapeSpans {
    std::vector<Span> spans;
    Rect bounds;
};

QRect ToQRect(const Rect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return {};
    return {QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)};
}

// Edges past what 32 bits hold are pulled in; no picture reaches that far.
Rect ClampedRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return {SaturateToInt32(left), SaturateToInt32(top), SaturateToInt32(right), SaturateToInt32(bottom)};
}

QPolygon ToQPolygon(std::span<const Point> points) {
    QPolygon polygon(static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return polygon;
}

// One-pixel pens are cosmetic with square ends so both end pixels are hit; wider ones are round.
QPen ToQPen(const Pen& pen) {
    QPen result(ToQColor(pen.colour));
    if (pen.width <= 1) {
        result.setWidth(0);
        result.setCapStyle(Qt::SquareCap);
    } else {
        result.setWidth(std::min(pen.width, 1000));
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
    }
    return result;
}

uint32_t ToArgb(uint32_t colour) {
    return ToQColor(colour).rgb();
}

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Wide;

int64_t FloorDivide(Wide numerator, int64_t denominator) {
    const auto quotient = numerator / denominator;
    return static_cast<int64_t>(quotient * denominator > numerator ? quotient - 1 : quotient);
}

// The pixels of the integer segment a-b with both ends, as runs (y, x0, x1) with x1 excluded: each
// step along the longer axis takes the nearest pixel across, ties going to the smaller coordinate,
// whichever end the line starts from. Only steps whose longer-axis coordinate lies in `limit` are
// made, so a line far longer than the picture costs no more than the picture.
template <typename Run>
void LineRuns(Point a, Point b, const Rect& limit, Run run) {
    const int64_t dx = int64_t{b.x} - a.x;
    const int64_t dy = int64_t{b.y} - a.y;
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx < 0) std::swap(a, b);
        const int64_t length = std::abs(dx);
        const int64_t rise = dx < 0 ? -dy : dy;
        const int64_t first = std::max<int64_t>(a.x, limit.left);
        const int64_t last = std::min<int64_t>(b.x, int64_t{limit.right} - 1);
        int64_t run_y = 0;
        int64_t run_start = first;
        for (int64_t x = first; x <= last; ++x) {
            const int64_t y =
                length == 0 ? a.y
                            : a.y + FloorDivide(Wide{2} * (x - a.x) * rise + length - 1, 2 * length);
            if (x == first) {
                run_y = y;
            } else if (y != run_y) {
                run(run_y, run_start, x);
                run_y = y;
                run_start = x;
            }
        }
        if (first <= last) run(run_y, run_start, last + 1);
    } else {
        if (dy < 0) std::swap(a, b);
        const int64_t length = std::abs(dy);
        const int64_t slide = dy < 0 ? -dx : dx;
        const int64_t first = std::max<int64_t>(a.y, limit.top);
        const int64_t last = std::min<int64_t>(b.y, int64_t{limit.bottom} - 1);
        for (int64_t y = first; y <= last; ++y) {
            const int64_t x = a.x + FloorDivide(Wide{2} * (y - a.y) * slide + length - 1, 2 * length);
            run(y, x, x + 1);
        }
    }
}

// The pixels of the ellipse filling the block (0, 0)-(width, height), right and bottom left out:
// those whose centres lie inside it.
template <typename Run>
void EllipseRuns(int64_t width, int64_t height, Run run) {
    const int64_t limit = width * width * height * height;
    for (int64_t y = 0; y < height; ++y) {
        const int64_t across = (2 * y + 1 - height) * (2 * y + 1 - height) * width * width;
        int64_t x = 0;
        while (x < width && (2 * x + 1 - width) * (2 * x + 1 - width) * height * height + across > limit) ++x;
        if (2 * x < width) run(y, x, width - x);
    }
}

// The pixels of small shapes that come again and again (every hex of one zoom has the same outline),
// kept as spans so that drawing the next copy is a few row writes.
class ShapeCache {
public:
    static constexpr int64_t kMaxExtent = 512;

    // The pixels of the shape relative to its first point, or nothing when it is too large to keep.
    const ShapeSpans* Find(int kind, std::span<const Point> points) {
        if (points.empty()) return nullptr;
        Entry* last = last_[kind];
        if (last != nullptr && Matches(*last, points)) return &last->shape;
        if (!Fits(points)) return nullptr;
        const size_t hash = Hash(kind, points);
        for (const auto& entry : entries_) {
            if (entry->hash == hash && entry->kind == kind && Matches(*entry, points)) {
                last_[kind] = entry.get();
                return &entry->shape;
            }
        }
        if (entries_.size() >= kMaxEntries) {
            entries_.clear();
            std::fill(std::begin(last_), std::end(last_), nullptr);
        }
        auto entry = std::make_unique<Entry>();
        entry->kind = kind;
        entry->hash = hash;
        for (const Point& point : points) entry->relative.push_back({point.x - points[0].x, point.y - points[0].y});
        entry->shape = Rasterise(kind, entry->relative);
        last_[kind] = entry.get();
        entries_.push_back(std::move(entry));
        return &last_[kind]->shape;
    }

private:
    struct Entry {
        int kind = 0;
        size_t hash = 0;
        std::vector<Point> relative;
        ShapeSpans shape;
    };
    static constexpr size_t kMaxEntries = 256;

    static bool Fits(std::span<const Point> points) {
        auto [min_x, max_x] = std::minmax_element(points.begin(), points.end(),
                                                  [](const Point& a, const Point& b) { return a.x < b.x; });
        auto [min_y, max_y] = std::minmax_element(points.begin(), points.end(),
                                                  [](const Point& a, const Point& b) { return a.y < b.y; });
        return int64_t{max_x->x} - min_x->x <= kMaxExtent && int64_t{max_y->y} - min_y->y <= kMaxExtent;
    }

    static bool Matches(const Entry& entry, std::span<const Point> points) {
        if (entry.relative.size() != points.size()) return false;
        for (size_t i = 0; i < points.size(); ++i) {
            if (int64_t{points[i].x} - points[0].x != entry.relative[i].x ||
                int64_t{points[i].y} - points[0].y != entry.relative[i].y)
                return false;
        }
        return true;
    }

    static size_t Hash(int kind, std::span<const Point> points) {
        size_t hash = static_cast<size_t>(kind) * 0x9E3779B97F4A7C15ull;
        for (const Point& point : points) {
            hash = (hash ^ static_cast<uint32_t>(point.x - points[0].x)) * 0x100000001B3ull;
            hash = (hash ^ static_cast<uint32_t>(point.y - points[0].y)) * 0x100000001B3ull;
        }
        return hash;
    }

    // Polygon fills are QPainter's, drawn white on nothing; lines and ellipses are our own.
    static ShapeSpans Rasterise(int kind, std::span<const Point> relative) {
        int32_t min_x = 0, max_x = 0, min_y = 0, max_y = 0;
        for (const Point& point : relative) {
            min_x = std::min(min_x, point.x);
            max_x = std::max(max_x, point.x);
            min_y = std::min(min_y, point.y);
            max_y = std::max(max_y, point.y);
        }
        QImage mask(max_x - min_x + 1, max_y - min_y + 1, QImage::Format_ARGB32_Premultiplied);
        mask.fill(0);
        const auto set = [&](int64_t y, int64_t x0, int64_t x1) {
            for (int64_t x = x0; x < x1; ++x)
                mask.setPixel(static_cast<int>(x - min_x), static_cast<int>(y - min_y), ~0u);
        };
        const Rect whole{min_x, min_y, max_x + 1, max_y + 1};
        switch (kind) {
            case kFill: {
                QPainter painter(&mask);
                painter.translate(-min_x, -min_y);
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::white);
                painter.drawPolygon(ToQPolygon(relative));
                break;
            }
            case kOutline:
            case kPolyline:
                for (size_t i = 0; i + 1 < relative.size(); ++i) LineRuns(relative[i], relative[i + 1], whole, set);
                if (kind == kOutline) LineRuns(relative.back(), relative.front(), whole, set);
                break;
            case kEllipse:
                EllipseRuns(relative[1].x, relative[1].y, set);
                break;
        }
        ShapeSpans shape;
        shape.bounds = {max_x + 1, max_y + 1, min_x, min_y};
        for (int y = 0; y < mask.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            for (int x = 0; x < mask.width();) {
                if (qAlpha(row[x]) == 0) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < mask.width() && qAlpha(row[x]) != 0) ++x;
                const Span span{y + min_y, start + min_x, x + min_x};
                shape.spans.push_back(span);
                shape.bounds = {std::min(shape.bounds.left, span.x0), std::min(shape.bounds.top, span.y),
                                std::max(shape.bounds.right, span.x1), std::max(shape.bounds.bottom, span.y + 1)};
            }
        }
        return shape;
    }

    std::vector<std::unique_ptr<Entry>> entries_;
    Entry* last_[kShapeKinds] = {};
};

ShapeCache& Shapes() {
    thread_local ShapeCache cache;
    return cache;
}

// Texts laid out once: a paint writes the same names as the paint before it, and shaping them is
// the costly part of drawing text.
class TextCache {
public:
    struct Text {
        QStaticText layout;
        int32_t width = 0;
    };

    const Text& Find(const Font& font, const QFont& qfont, const QFontMetrics& metrics, const std::string& text) {
        key_.assign(font.name).append(1, '\0').append(std::to_string(font.size_points)).append(1, '\0');
        key_.append(1, static_cast<char>(font.style)).append(1, '\0').append(text);
        auto found = texts_.find(key_);
        if (found != texts_.end()) return found->second;
        if (texts_.size() >= kMaxTexts) texts_.clear();
        const QString shown = ToQString(text);
        Text made{QStaticText(shown), metrics.horizontalAdvance(shown)};
        made.layout.setTextFormat(Qt::PlainText);
        made.layout.prepare(QTransform(), qfont);
        return texts_.emplace(key_, std::move(made)).first->second;
    }

private:
    static constexpr size_t kMaxTexts = 4096;
    std::unordered_map<std::string, Text> texts_;
    std::string key_;
};

TextCache& Texts() {
    thread_local TextCache cache;
    return cache;
}

// Direct pixel access when the painter draws into a 32-bit image under a whole-pixel translation
// and a clip of one rectangle.
std::unique_ptr<QtDrawingSurface::Target> FindTarget(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    const auto& image = *static_cast<const QImage*>(device);
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate) return nullptr;
    const double dx = transform.dx();
    const double dy = transform.dy();
    if (dx != std::floor(dx) || dy != std::floor(dy) || std::abs(dx) > 1e9 || std::abs(dy) > 1e9) return nullptr;
    if (painter.clipRegion().rectCount() > 1) return nullptr;
    const QRect clip = transform.mapRect(painter.clipBoundingRect()).toAlignedRect() & image.rect();

    auto target = std::make_unique<QtDrawingSurface::Target>();
    // Written where QPainter writes, without detaching the image from the painter.
    target->bits = const_cast<uchar*>(image.constBits());
    target->stride = image.bytesPerLine();
    target->dx = static_cast<int32_t>(dx);
    target->dy = static_cast<int32_t>(dy);
    if (!clip.isEmpty()) target->clip = {clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1};
    return target;
}

// What UseTools last gave the painter is a mask (1 the pen, 2 the brush), or this when anything else
// has set the painter's pen, brush or mode since.
constexpr int kToolsUnknown = -1;

}  // namespace

uint32_t FromQColor(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

QColor ToQColor(uint32_t colour) {
    if (colour == kNoFill) return {0, 0, 0, 0};
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

QFont ToQFont(const Font& font) {
    // Fontconfig normally maps these names already; the substitutes cover a machine where it does not.
    static const bool substitutes_known = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substitutes_known;
    QFont result(ToQString(font.name));
    // Points at 96 dpi, rounded as the font size of a 96-dpi screen would be.
    const int points = std::clamp(font.size_points, 1, 1000);
    result.setPixelSize((points * 96 + 36) / 72);
    result.setBold((font.style & FontBold) != 0);
    result.setItalic((font.style & FontItalic) != 0);
    result.setUnderline((font.style & FontUnderline) != 0);
    // Hinting chosen here, not by the desktop's settings, so widths are the same on every screen.
    result.setHintingPreference(QFont::PreferVerticalHinting);
    return result;
}

QtDrawingSurface::QtDrawingSurface(QPainter& painter, const Rect& clip) : painter_(painter), clip_(clip) {
    Begin();
}

QtDrawingSurface::~QtDrawingSurface() {
    End();
}

void QtDrawingSurface::Restart(const Rect& clip) {
    clip_ = clip;
    Begin();
}

void QtDrawingSurface::Begin() {
    active_ = painter_.isActive();
    target_.reset();
    painter_tools_ = kToolsUnknown;
    if (!active_) return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setOpacity(1.0);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setClipRect(ToQRect(clip_), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    target_ = FindTarget(painter_);
}

void QtDrawingSurface::End() {
    if (active_ && painter_.isActive()) painter_.restore();
    active_ = false;
}

void QtDrawingSurface::SetPen(const Pen& pen) {
    if (pen == pen_) return;
    pen_ = pen;
    painter_tools_ = kToolsUnknown;
}

void QtDrawingSurface::SetBrush(const Brush& brush) {
    if (brush == brush_) return;
    brush_ = brush;
    painter_tools_ = kToolsUnknown;
}

void QtDrawingSurface::SetFont(const Font& font) {
    if (font == font_ && qfont_) return;
    font_ = font;
    qfont_.reset();
    metrics_.reset();
}

uint32_t QtDrawingSurface::Argb(uint32_t colour) {
    PixelColour& known = pixel_colours_[(colour * 0x9E3779B1u) >> 26];
    if (known.colour != colour) known = {colour, ToArgb(colour)};
    return known.argb;
}

const QFontMetrics& QtDrawingSurface::Metrics() {
    if (!qfont_) {
        qfont_ = ToQFont(font_);
        metrics_.emplace(*qfont_);
    }
    return *metrics_;
}

bool QtDrawingSurface::PenDraws() const {
    return pen_.style == PenStyle::Solid && pen_.colour != kNoFill;
}

bool QtDrawingSurface::BrushFills() const {
    return brush_.style == BrushStyle::Solid && brush_.colour != kNoFill;
}

void QtDrawingSurface::UseTools(bool with_pen, bool with_brush) {
    const int wanted = (with_pen ? 1 : 0) | (with_brush ? 2 : 0);
    if (painter_tools_ == wanted) return;
    painter_.setPen(with_pen ? ToQPen(pen_) : QPen(Qt::NoPen));
    painter_.setBrush(with_brush ? QBrush(ToQColor(brush_.colour)) : QBrush(Qt::NoBrush));
    painter_.setCompositionMode(with_pen && pen_.mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                                     : QPainter::CompositionMode_SourceOver);
    painter_tools_ = wanted;
}

bool QtDrawingSurface::WriteShape(int kind, std::span<const Point> points, bool with_pen) {
    const ShapeSpans* shape = Shapes().Find(kind, points);
    if (shape == nullptr) return false;
    const uint32_t colour = with_pen ? pen_.colour : brush_.colour;
    const bool xor_pen = with_pen && pen_.mode == PenMode::Xor;
    if (!target_) {
        for (const Span& span : shape->spans) {
            const int64_t y = int64_t{points[0].y} + span.y;
            FillPixels(ClampedRect(int64_t{points[0].x} + span.x0, y, int64_t{points[0].x} + span.x1, y + 1), colour,
                       xor_pen);
        }
        return true;
    }
    const Target& target = *target_;
    const uint32_t argb = Argb(colour);
    const int64_t origin_x = int64_t{points[0].x} + target.dx;
    const int64_t origin_y = int64_t{points[0].y} + target.dy;
    const Rect& bounds = shape->bounds;
    if (!xor_pen && origin_x + bounds.left >= target.clip.left && origin_x + bounds.right <= target.clip.right &&
        origin_y + bounds.top >= target.clip.top && origin_y + bounds.bottom <= target.clip.bottom) {
        // Wholly inside the clip, as nearly every hex of a paint is.
        const qsizetype row_pixels = target.stride / 4;
        uint32_t* origin = reinterpret_cast<uint32_t*>(target.bits) + origin_y * row_pixels + origin_x;
        for (const Span& span : shape->spans) {
            uint32_t* row = origin + span.y * row_pixels;
            std::fill(row + span.x0, row + span.x1, argb);
        }
        return true;
    }
    for (const Span& span : shape->spans) {
        const int64_t y = origin_y + span.y;
        if (y < target.clip.top || y >= target.clip.bottom) continue;
        const int64_t x0 = std::max<int64_t>(origin_x + span.x0, target.clip.left);
        const int64_t x1 = std::min<int64_t>(origin_x + span.x1, target.clip.right);
        if (x0 >= x1) continue;
        auto* row = reinterpret_cast<uint32_t*>(target.bits + y * target.stride);
        if (xor_pen) {
            for (int64_t x = x0; x < x1; ++x) row[x] ^= argb & 0x00FFFFFFu;
        } else {
            std::fill(row + x0, row + x1, argb);
        }
    }
    return true;
}

void QtDrawingSurface::FillPixels(const Rect& bounds, uint32_t colour, bool xor_pen) {
    if (!active_ || bounds.right <= bounds.left || bounds.bottom <= bounds.top || colour == kNoFill) return;
    if (!target_) {
        painter_.setCompositionMode(xor_pen ? QPainter::RasterOp_SourceXorDestination
                                            : QPainter::CompositionMode_SourceOver);
        painter_tools_ = kToolsUnknown;
        painter_.fillRect(ToQRect(bounds), ToQColor(colour));
        return;
    }
    const Target& target = *target_;
    const int64_t left = std::max<int64_t>(int64_t{bounds.left} + target.dx, target.clip.left);
    const int64_t right = std::min<int64_t>(int64_t{bounds.right} + target.dx, target.clip.right);
    const int64_t top = std::max<int64_t>(int64_t{bounds.top} + target.dy, target.clip.top);
    const int64_t bottom = std::min<int64_t>(int64_t{bounds.bottom} + target.dy, target.clip.bottom);
    if (left >= right) return;
    const uint32_t argb = Argb(colour);
    for (int64_t y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(target.bits + y * target.stride);
        if (xor_pen) {
            for (int64_t x = left; x < right; ++x) row[x] ^= argb & 0x00FFFFFFu;
        } else {
            std::fill(row + left, row + right, argb);
        }
    }
}

void QtDrawingSurface::Lines(std::span<const Point> points, bool closed) {
    const int kind = closed ? kOutline : kPolyline;
    const bool xor_pen = pen_.mode == PenMode::Xor;
    if (pen_.width > 1) {
        UseTools(true, false);
        const QPolygon polygon = ToQPolygon(points);
        closed ? painter_.drawPolygon(polygon) : painter_.drawPolyline(polygon);
    } else if (!WriteShape(kind, points, true)) {
        const auto run = [&](int64_t y, int64_t x0, int64_t x1) {
            FillPixels(ClampedRect(x0, y, x1, y + 1), pen_.colour, xor_pen);
        };
        for (size_t i = 0; i + 1 < points.size(); ++i) LineRuns(points[i], points[i + 1], clip_, run);
        if (closed) LineRuns(points.back(), points.front(), clip_, run);
    }
}

void QtDrawingSurface::Polygon(std::span<const Point> points) {
    if (!active_ || points.empty()) return;
    if (BrushFills()) {
        if (!target_ || !WriteShape(kFill, points, false)) {
            UseTools(false, true);
            painter_.drawPolygon(ToQPolygon(points));
        }
    }
    if (PenDraws()) Lines(points, true);
}

void QtDrawingSurface::Polyline(std::span<const Point> points) {
    if (!active_ || points.size() < 2 || !PenDraws()) return;
    Lines(points, false);
}

void QtDrawingSurface::Ellipse(const Rect& bounds) {
    if (!active_ || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return;
    const bool fill = BrushFills();
    if (!PenDraws()) {
        const Point corners[2] = {{bounds.left, bounds.top}, {bounds.right, bounds.bottom}};
        if (!fill) return;
        if (!WriteShape(kEllipse, corners, false)) {
            UseTools(false, true);
            painter_.drawEllipse(QRectF(QPointF(bounds.left, bounds.top), QPointF(bounds.right, bounds.bottom)));
        }
        return;
    }
    // With a pen the outline runs through the outer pixels, which stay inside the bounds.
    UseTools(true, fill);
    painter_.drawEllipse(QRect(QPoint(bounds.left, bounds.top), QPoint(bounds.right - 1, bounds.bottom - 1)));
}

void QtDrawingSurface::Rectangle(const Rect& bounds) {
    if (!active_ || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return;
    if (BrushFills()) FillPixels(bounds, brush_.colour, false);
    if (!PenDraws()) return;
    if (pen_.width > 1) {
        UseTools(true, false);
        painter_.drawRect(QRect(QPoint(bounds.left, bounds.top), QPoint(bounds.right - 1, bounds.bottom - 1)));
        return;
    }
    // Each border pixel once, so that an exclusive-or pen leaves no corner undone.
    const bool xor_pen = pen_.mode == PenMode::Xor;
    FillPixels({bounds.left, bounds.top, bounds.right, bounds.top + 1}, pen_.colour, xor_pen);
    if (int64_t{bounds.bottom} - bounds.top < 2) return;
    FillPixels({bounds.left, bounds.bottom - 1, bounds.right, bounds.bottom}, pen_.colour, xor_pen);
    FillPixels({bounds.left, bounds.top + 1, bounds.left + 1, bounds.bottom - 1}, pen_.colour, xor_pen);
    if (int64_t{bounds.right} - bounds.left < 2) return;
    FillPixels({bounds.right - 1, bounds.top + 1, bounds.right, bounds.bottom - 1}, pen_.colour, xor_pen);
}

void QtDrawingSurface::FillRect(const Rect& bounds) {
    if (BrushFills()) FillPixels(bounds, brush_.colour, false);
}

void QtDrawingSurface::MoveTo(Point to) {
    position_ = to;
}

void QtDrawingSurface::LineTo(Point to) {
    const Point line[2] = {position_, to};
    position_ = to;
    if (active_ && PenDraws()) Lines(line, false);
}

void QtDrawingSurface::TextOut(Point top_left, const std::string& text) {
    if (!active_ || text.empty()) return;
    const QFontMetrics& metrics = Metrics();
    const TextCache::Text& laid_out = Texts().Find(font_, *qfont_, metrics, text);
    if (BrushFills()) {
        FillPixels(ClampedRect(top_left.x, top_left.y, int64_t{top_left.x} + laid_out.width,
                               int64_t{top_left.y} + metrics.height()),
                   brush_.colour, false);
    }
    if (font_.colour == kNoFill) return;
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setPen(ToQColor(font_.colour));
    painter_tools_ = kToolsUnknown;
    painter_.setFont(*qfont_);
    painter_.drawStaticText(QPoint(top_left.x, top_left.y), laid_out.layout);
}

int32_t QtDrawingSurface::TextWidth(const std::string& text) {
    const QFontMetrics& metrics = Metrics();
    return Texts().Find(font_, *qfont_, metrics, text).width;
}

int32_t QtDrawingSurface::TextHeight(const std::string&) {
    return Metrics().height();
}

void QtDrawingSurface::SetPixel(Point at, uint32_t colour) {
    if (!target_) {
        FillPixels(ClampedRect(at.x, at.y, int64_t{at.x} + 1, int64_t{at.y} + 1), colour, false);
        return;
    }
    const int64_t x = int64_t{at.x} + target_->dx;
    const int64_t y = int64_t{at.y} + target_->dy;
    if (x < target_->clip.left || x >= target_->clip.right || y < target_->clip.top || y >= target_->clip.bottom ||
        colour == kNoFill)
        return;
    reinterpret_cast<uint32_t*>(target_->bits + y * target_->stride)[x] = Argb(colour);
}

void QtDrawingSurface::SetPixelRow(Point start, std::span<const uint32_t> colours) {
    if (!target_) {
        DrawingSurface::SetPixelRow(start, colours);
        return;
    }
    // The overview's picture, written into the image's scan line directly.
    const Target& target = *target_;
    const int64_t y = int64_t{start.y} + target.dy;
    if (y < target.clip.top || y >= target.clip.bottom) return;
    const int64_t origin = int64_t{start.x} + target.dx;
    const int64_t first = std::max<int64_t>(origin, target.clip.left);
    const int64_t last = std::min<int64_t>(origin + static_cast<int64_t>(colours.size()), target.clip.right);
    auto* row = reinterpret_cast<uint32_t*>(target.bits + y * target.stride);
    // Neighbouring pixels mostly share a terrain; the conversion is made once per run.
    uint32_t colour = kNoFill;
    uint32_t argb = 0;
    for (int64_t x = first; x < last; ++x) {
        const uint32_t wanted = colours[static_cast<std::size_t>(x - origin)];
        if (wanted == kNoFill) continue;
        if (wanted != colour) {
            colour = wanted;
            argb = Argb(wanted);
        }
        row[x] = argb;
    }
}

std::unique_ptr<OffscreenBitmap> QtDrawingSurface::CreateBitmap(int32_t width, int32_t height) {
    return std::make_unique<QtBitmap>(width, height);
}

void QtDrawingSurface::CopyToBitmap(Point from, OffscreenBitmap& bitmap) {
    auto* destination = dynamic_cast<QtBitmap*>(&bitmap);
    const QPaintDevice* device = painter_.device();
    if (!active_ || destination == nullptr || device == nullptr || device->devType() != QInternal::Image) return;
    const QTransform transform = painter_.deviceTransform();
    if (transform.type() > QTransform::TxTranslate) return;
    const QPoint corner = transform.map(QPoint(from.x, from.y));
    const auto& image = *static_cast<const QImage*>(device);
    const QRect block(corner, QSize(destination->Width(), destination->Height()));
    destination->Assign(image.copy(block).convertToFormat(QImage::Format_RGB32));
}

void QtDrawingSurface::DrawBitmap(Point top_left, const OffscreenBitmap& bitmap) {
    const auto* source = dynamic_cast<const QtBitmap*>(&bitmap);
    if (!active_ || source == nullptr || source->Image().isNull()) return;
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_tools_ = kToolsUnknown;
    painter_.drawImage(QPoint(top_left.x, top_left.y), source->Image());
}

QtBitmap::QtBitmap(int32_t width, int32_t height) {
    Resize(width, height);
}

QtBitmap::~QtBitmap() = default;

void QtBitmap::Resize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) return;
    QImage image;
    if (width > 0 && height > 0) {
        image = QImage(width, height, QImage::Format_RGB32);
        // A picture too large for memory stays empty; drawing on it does nothing.
        if (!image.isNull()) image.fill(Qt::white);
    }
    Assign(std::move(image));
}

DrawingSurface& QtBitmap::Surface() {
    if (!surface_) {
        if (!image_.isNull()) painter_.begin(&image_);
        surface_ = std::make_unique<QtDrawingSurface>(painter_, Rect{0, 0, Width(), Height()});
    }
    return *surface_;
}

void QtBitmap::Assign(QImage image) {
    if (surface_) surface_->End();
    if (painter_.isActive()) painter_.end();
    image_ = std::move(image);
    if (!surface_) return;
    if (!image_.isNull()) painter_.begin(&image_);
    surface_->Restart(Rect{0, 0, Width(), Height()});
}

}  // namespace hexwarden
