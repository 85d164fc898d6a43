#pragma once
// The drawing context every view draws through: a small GDI-like vocabulary
// over an image. Shapes follow the Windows pixel rules (a filled shape covers
// left..right-1, top..bottom-1), without antialiasing. Qt stays behind it.
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gfx/color.h"
#include "gfx/palette.h"

class QImage;

namespace vel::gfx {

// An off-screen picture of one frame.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const;
    int height() const;
    Color pixel(int x, int y) const;  // black outside
    bool savePng(const char* path) const;
    QImage& image();
    const QImage& image() const;

private:
    std::unique_ptr<QImage> image_;
};

// Text widths kept from frame to frame: measuring is the dearest part of
// laying out the chart's labels, and the same names come back every frame.
class TextWidthCache {
public:
    // -1 when not yet measured at this font size.
    int find(int pixelSize, std::string_view text);
    void keep(std::string_view text, int width);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    int pixelSize_ = 0;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> widths_;
};

// Projected outlines kept from frame to frame: a chart that neither pans
// nor zooms draws the same land again, and its thousands of points need
// projecting only once. One shape per slot, kept with the key it was made for.
class ShapeCache {
public:
    using Key = std::array<double, 10>;
    struct Shape {
        std::vector<Point> points;
        std::vector<int> counts;  // points per ring
    };
    // nullptr unless the slot holds a shape made for this key.
    const Shape* find(int slot, const Key& key) const;
    const Shape& keep(int slot, const Key& key, Shape shape);

private:
    struct Entry {
        bool used = false;
        Key key{};
        Shape shape;
    };
    std::array<Entry, 2> entries_;
};

enum class Stock { White, Black, Null };
enum class BkMode { Opaque, Transparent };

class DC {
public:
    // fontPixelSize: the text height in pixels (scaled from the screen height).
    DC(Surface& surface, const Palette& palette, int fontPixelSize);
    ~DC();
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    int width() const;
    int height() const;
    const Palette& palette() const { return palette_; }

    void SelectPen(int paletteIndex);
    void SelectPen(const Pen& pen);
    void SelectStockPen(Stock s);
    void SelectBrush(int paletteIndex);
    void SelectBrush(const Brush& brush);
    void SelectStockBrush(Stock s);

    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const Point* points, int count);
    // Several closed rings filled as one shape, alternately: a ring inside
    // another is a hole (a lake in land), one inside that land again.
    void PolyPolygon(const Point* points, const int* counts, int rings);
    void Polyline(const Point* points, int count);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Counter-clockwise from the radial through (x1, y1) to the one through (x2, y2).
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void SetPixel(int x, int y, Color c);
    // Reads back what this frame has drawn so far.
    Color GetPixel(int x, int y) const;

    void SetTextColor(Color c);
    void SetBkColor(Color c);
    void SetBkMode(BkMode m);
    // Text is UTF-8; (x, y) is the top left of the text cell.
    void TextOut(int x, int y, std::string_view utf8);
    int TextWidth(std::string_view utf8) const;
    // Widths are then looked up there before they are measured.
    void UseWidthCache(TextWidthCache* cache) { widths_ = cache; }
    // Where drawers may keep projected shapes between frames; none by default.
    void UseShapeCache(ShapeCache* cache) { shapes_ = cache; }
    ShapeCache* shapeCache() const { return shapes_; }
    int LineHeight() const;
    void SetFontPixelSize(int pixelSize);
    int FontPixelSize() const;

    void ClipRect(int left, int top, int right, int bottom);
    void ReleaseClip();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    const Palette& palette_;
    Point current_{};
    TextWidthCache* widths_ = nullptr;
    ShapeCache* shapes_ = nullptr;
};

// Text height in pixels for a display of the given height.
int FontPixelSizeFor(int fullHeight);

}  // namespace vel::gfx
