#include "qt_surface/qt_drawing_surface.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace hexwarden {
namespace {

constexpr uint32_t kRed = RgbColour(255, 0, 0);
constexpr uint32_t kBlue = RgbColour(0, 0, 255);
constexpr QRgb kQtBlack = 0xFF000000u;
constexpr QRgb kQtRed = 0xFFFF0000u;
constexpr QRgb kQtBlue = 0xFF0000FFu;

const Pen kNoPen{kBlack, PenStyle::None};
const Brush kNoBrush{kWhite, BrushStyle::None};

// The outline of a hex of side 15 with its left corner at (x, y + 13).
std::vector<Point> HexAt(int32_t x, int32_t y) {
    return {{x, y + 13}, {x + 8, y}, {x + 23, y}, {x + 31, y + 13}, {x + 23, y + 27}, {x + 8, y + 27}, {x, y + 13}};
}

QImage Paint(QImage::Format format, const Rect& clip, const std::function<void(DrawingSurface&)>& draw) {
    QImage image(64, 48, format);
    image.fill(Qt::black);
    QPainter painter(&image);
    {
        QtDrawingSurface surface(painter, clip);
        draw(surface);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Paint(const std::function<void(DrawingSurface&)>& draw) {
    return Paint(QImage::Format_RGB32, {0, 0, 64, 48}, draw);
}

// "#" for every pixel that is not black, "." for black, row by row.
std::vector<std::string> Picture(const QImage& image, const QRect& area) {
    std::vector<std::string> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x) row += image.pixel(x, y) == kQtBlack ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

TEST(QtColourTest, RedIsTheLowestByteAndNoFillIsTransparent) {
    EXPECT_EQ(ToQColor(kRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(RgbColour(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(kNoFill).alpha(), 0);
}

// The direct pixel writes must give QPainter's own pixels: the same drawing into an image format
// that only QPainter serves, with shapes cut by the clip and by the image's edge.
TEST(QtDrawingSurfaceTest, DirectWritesMatchQPainter) {
    const auto draw = [](DrawingSurface& surface) {
        surface.SetBrush({RgbColour(10, 200, 30)});
        surface.SetPen(kNoPen);
        for (Point at : {Point{0, 0}, Point{22, 13}, Point{44, 0}, Point{-20, 30}, Point{50, 35}}) {
            const auto hex = HexAt(at.x, at.y);
            surface.Polygon(hex);
            surface.SetPen({RgbColour(128, 128, 128)});
            surface.Polyline(hex);
            surface.SetPen(kNoPen);
        }
        surface.SetPen({kBlack});
        surface.SetBrush({kBlue});
        surface.Polygon(std::vector<Point>{{30, 30}, {40, 20}, {45, 44}});
        surface.SetPen(kNoPen);
        surface.SetBrush({kRed});
        surface.Ellipse({5, 30, 15, 40});
        surface.Ellipse({60, 20, 70, 26});
        surface.SetPen({kWhite, PenStyle::Solid, PenMode::Xor});
        surface.Polyline(std::vector<Point>{{2, 2}, {60, 9}, {33, 46}});
    };
    const Rect clip{3, 2, 58, 45};
    const QImage direct = Paint(QImage::Format_RGB32, clip, draw);
    const QImage plain = Paint(QImage::Format_RGB888, clip, draw);
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x) ASSERT_EQ(direct.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
}

TEST(QtDrawingSurfaceTest, PolygonFillsPixelCentresAndOutlinesThroughTheCorners) {
    const QImage filled = Paint([](DrawingSurface& surface) {
        surface.SetPen(kNoPen);
        surface.Polygon(HexAt(0, 0));
    });
    EXPECT_EQ(filled.pixel(8, 0), 0xFFFFFFFFu);
    EXPECT_EQ(filled.pixel(7, 0), kQtBlack);
    EXPECT_EQ(filled.pixel(30, 13), 0xFFFFFFFFu);
    EXPECT_EQ(filled.pixel(31, 13), kQtBlack) << "the right corner is left out";
    EXPECT_EQ(filled.pixel(15, 26), 0xFFFFFFFFu);
    EXPECT_EQ(filled.pixel(15, 27), kQtBlack) << "the bottom edge is left out";

    const QImage outlined = Paint([](DrawingSurface& surface) {
        surface.SetPen({kRed});
        surface.SetBrush(kNoBrush);
        surface.Polygon(HexAt(0, 0));
    });
    for (QPoint corner : {QPoint(0, 13), QPoint(8, 0), QPoint(23, 0), QPoint(31, 13), QPoint(23, 27), QPoint(8, 27)})
        EXPECT_EQ(outlined.pixel(corner), kQtRed) << corner.x() << "," << corner.y();
    EXPECT_EQ(outlined.pixel(15, 13), kQtBlack) << "no brush, no fill";
}

TEST(QtDrawingSurfaceTest, LinesHitTheSegmentsPixelsWithBothEnds) {
    const QImage image = Paint([](DrawingSurface& surface) {
        surface.SetPen({kRed});
        surface.Polyline(std::vector<Point>{{1, 1}, {10, 1}, {13, 4}});
        surface.MoveTo({1, 6});
        surface.LineTo({7, 9});
    });
    EXPECT_EQ(Picture(image, QRect(0, 0, 15, 11)), (std::vector<std::string>{
                                                       "...............",
                                                       ".##########....",
                                                       "...........#...",
                                                       "............#..",
                                                       ".............#.",
                                                       "...............",
                                                       ".##............",
                                                       "...##..........",
                                                       ".....##........",
                                                       ".......#.......",
                                                       "...............",
                                                   }));
}

TEST(QtDrawingSurfaceTest, RectanglesAndEllipsesLeaveOutTheRightAndBottomEdges) {
    const QImage image = Paint([](DrawingSurface& surface) {
        surface.SetPen({kRed});
        surface.SetBrush({kBlue});
        surface.Rectangle({1, 1, 6, 5});
        surface.FillRect({8, 1, 11, 3});
        surface.SetPen(kNoPen);
        surface.Ellipse({1, 7, 7, 13});
    });
    EXPECT_EQ(Picture(image, QRect(0, 0, 12, 14)), (std::vector<std::string>{
                                                       "............",
                                                       ".#####..###.",
                                                       ".#####..###.",
                                                       ".#####......",
                                                       ".#####......",
                                                       "............",
                                                       "............",
                                                       "..####......",
                                                       ".######.....",
                                                       ".######.....",
                                                       ".######.....",
                                                       ".######.....",
                                                       "..####......",
                                                       "............",
                                                   }));
    EXPECT_EQ(image.pixel(1, 1), kQtRed);
    EXPECT_EQ(image.pixel(5, 4), kQtRed);
    EXPECT_EQ(image.pixel(3, 2), kQtBlue);
    EXPECT_EQ(image.pixel(8, 1), kQtBlue);
}

TEST(QtDrawingSurfaceTest, PixelsOutsideTheClipStayUntouched) {
    const QImage image = Paint(QImage::Format_RGB32, {10, 10, 20, 20}, [](DrawingSurface& surface) {
        surface.FillRect({0, 0, 64, 48});
        surface.SetPixel({5, 5}, kWhite);
    });
    EXPECT_EQ(image.pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(19, 19), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(20, 19), kQtBlack);
    EXPECT_EQ(image.pixel(9, 10), kQtBlack);
    EXPECT_EQ(image.pixel(5, 5), kQtBlack);
}

// Whatever a damaged file makes of coordinates, drawing stays bounded by the picture.
TEST(QtDrawingSurfaceTest, ExtremeCoordinatesDrawOnlyWhatTheClipShows) {
    constexpr int32_t kLow = INT32_MIN;
    constexpr int32_t kHigh = INT32_MAX;
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        const QImage image = Paint(format, {0, 0, 64, 48}, [](DrawingSurface& surface) {
            surface.SetPen({kRed});
            surface.SetBrush({kBlue});
            surface.Polygon(std::vector<Point>{{kLow, kLow}, {kHigh, kLow}, {kHigh, kHigh}});
            surface.Polyline(std::vector<Point>{{kLow, 10}, {kHigh, 10}, {kHigh, kHigh}});
            surface.MoveTo({kLow, kLow});
            surface.LineTo({kHigh, kHigh});
            surface.Rectangle({kLow, kLow, kHigh, kHigh});
            surface.SetPen(kNoPen);
            surface.Ellipse({kLow, kLow, kHigh, kHigh});
            surface.FillRect({kLow, 40, kHigh, kHigh});
            surface.SetPixel({kHigh, kHigh}, kWhite);
            surface.SetFont({"Times New Roman", 10});
            surface.TextOut({kHigh - 1, kHigh - 1}, "far away");
            surface.Polygon(std::vector<Point>{{kHigh - 9, kHigh - 9}, {kHigh, kHigh - 9}, {kHigh, kHigh}});
        });
        EXPECT_EQ(image.pixel(5, 45), kQtBlue) << "the filled band reaches into the picture";
    }
}

TEST(QtDrawingSurfaceTest, SetPixelWritesOnePixelUnderTheDevicesTranslation) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(-100, -200);
    {
        QtDrawingSurface surface(painter, {100, 200, 108, 208});
        surface.SetPixel({103, 204}, kBlue);
    }
    painter.end();
    EXPECT_EQ(image.pixel(3, 4), kQtBlue);
    EXPECT_EQ(image.pixel(4, 4), kQtBlack);
    EXPECT_EQ(image.pixel(3, 3), kQtBlack);
}

TEST(QtDrawingSurfaceTest, PixelRowsLeaveNoFillPixelsAndStayInTheClip) {
    const std::vector<uint32_t> colours = {kRed, kNoFill, kBlue, kBlue, kRed};
    // 32-bit images are written directly, others through QPainter.
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        const QImage image = Paint(format, {10, 10, 13, 20}, [&](DrawingSurface& surface) {
            surface.SetPixelRow({9, 10}, colours);
            surface.SetPixelRow({10, 9}, colours);
            surface.SetPixelRow({INT32_MAX - 1, 11}, colours);
            surface.SetPixelRow({11, 12}, std::span(colours).subspan(1, 2));
        });
        EXPECT_EQ(Picture(image, QRect(8, 9, 7, 4)),
                  (std::vector<std::string>{".......", "...##..", ".......", "....#.."}));
        EXPECT_EQ(image.pixel(11, 10), kQtBlue);
        EXPECT_EQ(image.pixel(12, 12), kQtBlue);
    }
}

TEST(QtDrawingSurfaceTest, TextMeasuresAtNinetySixDotsPerInchInALiberationFace) {
    EXPECT_EQ(QFontInfo(ToQFont({"Times New Roman", 10})).family(), "Liberation Serif");
    EXPECT_EQ(ToQFont({"Times New Roman", 6}).pixelSize(), 8);
    EXPECT_EQ(ToQFont({"Times New Roman", 24}).pixelSize(), 32);

    int32_t width = 0;
    int32_t height = 0;
    const QImage image = Paint([&](DrawingSurface& surface) {
        surface.SetFont({"Times New Roman", 10, FontPlain, kWhite});
        surface.SetBrush({kBlue});
        width = surface.TextWidth("Moon");
        height = surface.TextHeight("Moon");
        surface.TextOut({4, 6}, "Moon");
    });
    EXPECT_GT(width, 20);
    EXPECT_LT(width, 40);
    EXPECT_GE(height, 13);
    EXPECT_LE(height, 18);
    EXPECT_EQ(image.pixel(4, 6), kQtBlue) << "the background starts at the top-left given";
    EXPECT_EQ(image.pixel(4 + width, 6), kQtBlack);
    EXPECT_EQ(image.pixel(4, 6 + height), kQtBlack);
    int lit = 0;
    for (int y = 6; y < 6 + height; ++y)
        for (int x = 4; x < 4 + width; ++x) lit += qRed(image.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(lit, 20) << "the letters are drawn in the font's colour";
}

TEST(QtDrawingSurfaceTest, BitmapsCopyAndDrawBackExactly) {
    const QImage image = Paint([](DrawingSurface& surface) {
        surface.SetBrush({kRed});
        surface.FillRect({10, 10, 13, 12});
        auto bitmap = surface.CreateBitmap(4, 3);
        surface.CopyToBitmap({10, 10}, *bitmap);
        bitmap->Surface().SetPixel({3, 2}, kBlue);
        surface.DrawBitmap({30, 20}, *bitmap);
        bitmap->Resize(2, 2);
        bitmap->Surface().SetPixel({1, 1}, kBlue);
        surface.DrawBitmap({40, 20}, *bitmap);
    });
    EXPECT_EQ(Picture(image, QRect(30, 20, 5, 4)), (std::vector<std::string>{"###..", "###..", "...#.", "....."}));
    EXPECT_EQ(image.pixel(30, 20), kQtRed);
    EXPECT_EQ(image.pixel(33, 22), kQtBlue);
    EXPECT_EQ(image.pixel(40, 20), 0xFFFFFFFFu) << "a resized bitmap starts white";
    EXPECT_EQ(image.pixel(41, 21), kQtBlue) << "the surface handed out before the resize still draws";
}

}  // namespace
}  // namespace hexwarden
