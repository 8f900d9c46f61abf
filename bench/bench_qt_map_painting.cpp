// What a map window's paint costs through Qt: the level painted through QtDrawingSurface into a
// view-sized 32-bit backing image, as the map widget does, for a whole view and for the strip that
// one wheel step exposes; and the overview picture rebuilt into a QImage.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/synthetic_level.h"
#include "map/level_painter.h"
#include "map/overview_painter.h"
#include "map/route_painter.h"
#include "model/database.h"
#include "qt_surface/gui_application.h"
#include "qt_surface/qt_drawing_surface.h"

namespace hexwarden {
namespace {

constexpr int32_t kViewWidth = 1920;
constexpr int32_t kViewHeight = 1080;
constexpr int32_t kWheelStep = 120;

// The map widget's paint of one exposed rectangle (map coordinates) into its backing image.
void PaintExposed(const TVelMain& db, THexMap& map, QImage& backing, const Rect& exposed) {
    QPainter painter(&backing);
    painter.fillRect(QRect(0, 0, exposed.right - exposed.left, exposed.bottom - exposed.top), Qt::white);
    painter.translate(-exposed.left, -exposed.top);
    QtDrawingSurface surface(painter, exposed);
    PaintLevel(db, Level::Surface, MapViewOptions{}, map, surface);
}

// A view in the middle of the level at the given zoom of base size 3; with `strip` only the band
// that scrolling down by one wheel step uncovers.
void PaintView(benchmark::State& state, bool strip) {
    EnsureGuiApplication();
    const TVelMain& db = bench::SyntheticLevel256();
    THexMap map;
    map.SetHexSize(3);
    map.SetZoom(static_cast<int32_t>(state.range(0)));
    FitMapToLevel(map, db, Level::Surface);
    const int32_t left = std::max(0, (map.Width() - kViewWidth) / 2);
    const int32_t top = std::max(0, (map.Height() - kViewHeight) / 2);
    QImage backing(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const Rect exposed = strip ? Rect{left, top + kViewHeight - kWheelStep, left + kViewWidth, top + kViewHeight}
                               : Rect{left, top, left + kViewWidth, top + kViewHeight};
    for (auto _ : state) {
        PaintExposed(db, map, backing, exposed);
        benchmark::DoNotOptimize(backing.constBits());
    }
}

void BM_QtPaintView(benchmark::State& state) {
    PaintView(state, false);
}
BENCHMARK(BM_QtPaintView)->Arg(1)->Arg(5)->Arg(17)->Unit(benchmark::kMillisecond);

void BM_QtPaintWheelStrip(benchmark::State& state) {
    PaintView(state, true);
}
BENCHMARK(BM_QtPaintWheelStrip)->Arg(1)->Arg(5)->Arg(17)->Unit(benchmark::kMillisecond);

// 2,000 units' routes of one to eight steps north-east and north spread over the level, every
// other one stopping halfway: the routes layer alone, over a whole view at zoom 5, all routes on.
std::vector<MapRoute> SpreadRoutes() {
    std::vector<MapRoute> routes;
    for (int32_t unit = 0; unit < 2000; ++unit) {
        const int32_t x = (unit * 37) % 250;
        const int32_t y = 20 + ((unit * 53) % 230) / 2 * 2 + x % 2;
        MapRoute route{unit + 1, {}, {}};
        Place place{x, y, Level::Surface};
        route.Planned.push_back(place);
        for (int32_t step = 0; step < 1 + unit % 8; ++step) {
            if (step % 2 == 0) place = Place{place.X + 1, place.Y - 1, Level::Surface};
            else place.Y -= 2;
            route.Planned.push_back(place);
        }
        const size_t reached = unit % 2 == 0 ? route.Planned.size() : route.Planned.size() / 2 + 1;
        route.Passed.assign(route.Planned.begin(), route.Planned.begin() + static_cast<std::ptrdiff_t>(reached));
        routes.push_back(std::move(route));
    }
    return routes;
}

void BM_QtPaintRoutes(benchmark::State& state) {
    EnsureGuiApplication();
    const TVelMain& db = bench::SyntheticLevel256();
    THexMap map;
    map.SetHexSize(3);
    map.SetZoom(5);
    FitMapToLevel(map, db, Level::Surface);
    const int32_t left = std::max(0, (map.Width() - kViewWidth) / 2);
    const int32_t top = std::max(0, (map.Height() - kViewHeight) / 2);
    const Rect exposed{left, top, left + kViewWidth, top + kViewHeight};
    const std::vector<MapRoute> routes = SpreadRoutes();
    QImage backing(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&backing);
        painter.translate(-exposed.left, -exposed.top);
        QtDrawingSurface surface(painter, exposed);
        PaintRoutes(routes, 1, true, Level::Surface, map, surface);
        benchmark::DoNotOptimize(backing.constBits());
    }
}
BENCHMARK(BM_QtPaintRoutes)->Unit(benchmark::kMillisecond);

void BM_QtRebuildOverview(benchmark::State& state) {
    const TVelMain& db = bench::SyntheticLevel256();
    EnsureGuiApplication();
    QtBitmap picture(1, 1);
    for (auto _ : state) {
        BuildOverviewPicture(db, Level::Surface, picture);
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_QtRebuildOverview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hexwarden
