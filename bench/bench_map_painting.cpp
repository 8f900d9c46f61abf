// What the map library itself costs per paint and per overview rebuild, apart from any toolkit:
// the surface here only counts calls, so the figures are the per-hex lookups, geometry and
// decisions of the painting code.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/synthetic_level.h"
#include "map/level_painter.h"
#include "map/overview_painter.h"
#include "model/database.h"

namespace hexwarden {
namespace {

class CountingSurface;

class CountingBitmap : public OffscreenBitmap {
public:
    explicit CountingBitmap(CountingSurface& surface) : surface_(surface) {}
    void Resize(int32_t width, int32_t height) override {
        width_ = width;
        height_ = height;
    }
    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    DrawingSurface& Surface() override;

private:
    CountingSurface& surface_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

class CountingSurface : public DrawingSurface {
public:
    Rect Clip;
    int64_t Calls = 0;

    void SetPen(const Pen&) override { ++Calls; }
    void SetBrush(const Brush&) override { ++Calls; }
    void SetFont(const Font&) override { ++Calls; }
    void Polygon(std::span<const Point> points) override { Calls += static_cast<int64_t>(points.size()); }
    void Polyline(std::span<const Point> points) override { Calls += static_cast<int64_t>(points.size()); }
    void Ellipse(const Rect&) override { ++Calls; }
    void Rectangle(const Rect&) override { ++Calls; }
    void FillRect(const Rect&) override { ++Calls; }
    void MoveTo(Point) override { ++Calls; }
    void LineTo(Point) override { ++Calls; }
    void TextOut(Point, const std::string& text) override { Calls += static_cast<int64_t>(text.size()); }
    int32_t TextWidth(const std::string& text) override { return 6 * static_cast<int32_t>(text.size()); }
    int32_t TextHeight(const std::string&) override { return 12; }
    void SetPixel(Point, uint32_t) override { ++Calls; }
    void SetPixelRow(Point, std::span<const uint32_t> colours) override {
        Calls += static_cast<int64_t>(colours.size());
    }
    std::unique_ptr<OffscreenBitmap> CreateBitmap(int32_t, int32_t) override {
        return std::make_unique<CountingBitmap>(*this);
    }
    void CopyToBitmap(Point, OffscreenBitmap&) override { ++Calls; }
    void DrawBitmap(Point, const OffscreenBitmap&) override { ++Calls; }
    Rect ClipRect() const override { return Clip; }
};

DrawingSurface& CountingBitmap::Surface() {
    return surface_;
}

// A 1920 x 1080 view in the middle of the level at the given zoom of base size 3.
void BM_PaintView(benchmark::State& state) {
    const TVelMain& db = bench::SyntheticLevel256();
    THexMap map;
    map.SetHexSize(3);
    map.SetZoom(static_cast<int32_t>(state.range(0)));
    FitMapToLevel(map, db, Level::Surface);
    const int32_t left = std::max(0, (map.Width() - 1920) / 2);
    const int32_t top = std::max(0, (map.Height() - 1080) / 2);
    CountingSurface surface;
    surface.Clip = Rect{left, top, left + 1920, top + 1080};
    const MapViewOptions options;
    for (auto _ : state) {
        PaintLevel(db, Level::Surface, options, map, surface);
        benchmark::DoNotOptimize(surface.Calls);
    }
}
BENCHMARK(BM_PaintView)->Arg(1)->Arg(5)->Arg(17)->Unit(benchmark::kMillisecond);

void BM_RebuildOverview(benchmark::State& state) {
    const TVelMain& db = bench::SyntheticLevel256();
    CountingSurface surface;
    CountingBitmap picture(surface);
    for (auto _ : state) {
        BuildOverviewPicture(db, Level::Surface, picture);
        benchmark::DoNotOptimize(surface.Calls);
    }
}
BENCHMARK(BM_RebuildOverview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hexwarden
