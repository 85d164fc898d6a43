#include "gfx/dc.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vel::gfx {
namespace {

QColor ToQ(Color c) { return QColor(c.r, c.g, c.b); }

QFont MakeFont(int pixelSize) {
    QFont f;
    // IPA Gothic first; any installed Japanese face keeps the texts legible.
    f.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
                   QStringLiteral("TakaoGothic")});
    f.setPixelSize(std::max(6, pixelSize));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

// Degrees, counter-clockwise from 3 o'clock as seen on screen.
double ScreenAngle(double cx, double cy, int x, int y) {
    return std::atan2(-(y - cy), x - cx) * 180.0 / std::numbers::pi;
}

}  // namespace

// ---- Surface ------------------------------------------------------------------

Surface::Surface(int width, int height)
    : image_(std::make_unique<QImage>(std::max(1, width), std::max(1, height), QImage::Format_RGB32)) {
    image_->fill(Qt::black);
}
Surface::~Surface() = default;
int Surface::width() const { return image_->width(); }
int Surface::height() const { return image_->height(); }
Color Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return kBlack;
    const QRgb p = image_->pixel(x, y);
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}
bool Surface::savePng(const char* path) const { return image_->save(QString::fromUtf8(path), "PNG"); }
QImage& Surface::image() { return *image_; }
const QImage& Surface::image() const { return *image_; }

// ---- DC -------------------------------------------------------------------------

struct DC::Impl {
    Surface& surface;
    QPainter painter;
    Pen pen{kBlack, 1, false};
    Brush brush{kWhite, false};
    Color textColor = kBlack;
    Color bkColor = kWhite;
    BkMode bkMode = BkMode::Opaque;
    QFont font;
    QFontMetrics metrics;

    Impl(Surface& s, int fontPx) : surface(s), painter(&s.image()), font(MakeFont(fontPx)), metrics(font) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(font);
    }

    // A pen of width w strokes the path at pixel centres: the outline then
    // lies on the figure's own pixels, as the GDI draws it.
    void applyPen() {
        if (pen.null) {
            painter.setPen(Qt::NoPen);
            return;
        }
        QPen p(ToQ(pen.color));
        p.setWidth(pen.width <= 1 ? 0 : pen.width);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
        painter.setPen(p);
    }
    void applyBrush() {
        if (brush.null)
            painter.setBrush(Qt::NoBrush);
        else
            painter.setBrush(ToQ(brush.color));
    }
    // Rectangle of a shape's outline in pixel-centre terms: left..right-1.
    static QRect OutlineRect(int l, int t, int r, int b) {
        if (r < l) std::swap(l, r);
        if (b < t) std::swap(t, b);
        return QRect(l, t, std::max(0, r - l - 1), std::max(0, b - t - 1));
    }
};

DC::DC(Surface& surface, const Palette& palette, int fontPixelSize)
    : impl_(std::make_unique<Impl>(surface, fontPixelSize)), palette_(palette) {}
DC::~DC() = default;

int DC::width() const { return impl_->surface.width(); }
int DC::height() const { return impl_->surface.height(); }

void DC::SelectPen(int paletteIndex) { impl_->pen = palette_.pen(paletteIndex); }
void DC::SelectPen(const Pen& pen) { impl_->pen = pen; }
void DC::SelectStockPen(Stock s) {
    impl_->pen = s == Stock::Null ? Pen{kBlack, 1, true} : Pen{s == Stock::White ? kWhite : kBlack, 1, false};
}
void DC::SelectBrush(int paletteIndex) { impl_->brush = palette_.brush(paletteIndex); }
void DC::SelectBrush(const Brush& brush) { impl_->brush = brush; }
void DC::SelectStockBrush(Stock s) {
    impl_->brush = s == Stock::Null ? Brush{kBlack, true} : Brush{s == Stock::White ? kWhite : kBlack, false};
}

void DC::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (!impl_->brush.null) impl_->painter.fillRect(QRect(left, top, right - left, bottom - top), ToQ(impl_->brush.color));
    if (!impl_->pen.null) {
        impl_->applyPen();
        impl_->painter.setBrush(Qt::NoBrush);
        impl_->painter.drawRect(Impl::OutlineRect(left, top, right, bottom));
    }
}

void DC::RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH) {
    impl_->applyPen();
    impl_->applyBrush();
    const QRect r = Impl::OutlineRect(left, top, right, bottom);
    const double rx = std::min(ellipseW / 2.0, r.width() / 2.0);
    const double ry = std::min(ellipseH / 2.0, r.height() / 2.0);
    impl_->painter.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
}

void DC::Ellipse(int left, int top, int right, int bottom) {
    impl_->applyPen();
    impl_->applyBrush();
    impl_->painter.drawEllipse(Impl::OutlineRect(left, top, right, bottom));
}

void DC::Polygon(const Point* points, int count) {
    if (count < 2) return;
    QPolygon poly(count);
    for (int i = 0; i < count; ++i) poly.setPoint(i, points[i].x, points[i].y);
    impl_->applyPen();
    impl_->applyBrush();
    impl_->painter.drawPolygon(poly, Qt::OddEvenFill);
}

void DC::PolyPolygon(const Point* points, const int* counts, int rings) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (int r = 0; r < rings; ++r) {
        const int n = counts[r];
        if (n >= 2) {
            QPolygon poly(n);
            for (int i = 0; i < n; ++i) poly.setPoint(i, points[i].x, points[i].y);
            path.addPolygon(poly);
            path.closeSubpath();
        }
        points += std::max(n, 0);
    }
    impl_->applyPen();
    impl_->applyBrush();
    impl_->painter.drawPath(path);
}

void DC::Polyline(const Point* points, int count) {
    if (count < 2) return;
    QPolygon poly(count);
    for (int i = 0; i < count; ++i) poly.setPoint(i, points[i].x, points[i].y);
    impl_->applyPen();
    impl_->painter.drawPolyline(poly);
}

void DC::MoveTo(int x, int y) { current_ = {x, y}; }

void DC::LineTo(int x, int y) {
    if (!impl_->pen.null) {
        impl_->applyPen();
        impl_->painter.drawLine(current_.x, current_.y, x, y);
    }
    current_ = {x, y};
}

void DC::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    const QRect r = Impl::OutlineRect(left, top, right, bottom);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double a1 = ScreenAngle(cx, cy, x1, y1), a2 = ScreenAngle(cx, cy, x2, y2);
    double span = a2 - a1;
    while (span <= 0) span += 360.0;
    impl_->applyPen();
    impl_->painter.drawArc(r, static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16)));
}

void DC::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    const QRect r = Impl::OutlineRect(left, top, right, bottom);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double a1 = ScreenAngle(cx, cy, x1, y1), a2 = ScreenAngle(cx, cy, x2, y2);
    double span = a2 - a1;
    while (span <= 0) span += 360.0;
    impl_->applyPen();
    impl_->applyBrush();
    impl_->painter.drawPie(r, static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16)));
}

void DC::SetPixel(int x, int y, Color c) {
    QImage& img = impl_->surface.image();
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    if (impl_->painter.hasClipping() && !impl_->painter.clipBoundingRect().contains(QPointF(x + 0.5, y + 0.5))) return;
    img.setPixel(x, y, qRgb(c.r, c.g, c.b));
}

Color DC::GetPixel(int x, int y) const { return impl_->surface.pixel(x, y); }

void DC::SetTextColor(Color c) { impl_->textColor = c; }
void DC::SetBkColor(Color c) { impl_->bkColor = c; }
void DC::SetBkMode(BkMode m) { impl_->bkMode = m; }

void DC::TextOut(int x, int y, std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFontMetrics& fm = impl_->metrics;
    if (impl_->bkMode == BkMode::Opaque)
        impl_->painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQ(impl_->bkColor));
    impl_->painter.setPen(ToQ(impl_->textColor));
    impl_->painter.drawText(x, y + fm.ascent(), text);
}

int DC::TextWidth(std::string_view utf8) const {
    if (widths_) {
        if (const int w = widths_->find(impl_->font.pixelSize(), utf8); w >= 0) return w;
    }
    const int w = impl_->metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (widths_) widths_->keep(utf8, w);
    return w;
}

const ShapeCache::Shape* ShapeCache::find(int slot, const Key& key) const {
    if (slot < 0 || slot >= static_cast<int>(entries_.size())) return nullptr;
    const Entry& e = entries_[static_cast<std::size_t>(slot)];
    return e.used && e.key == key ? &e.shape : nullptr;
}

const ShapeCache::Shape& ShapeCache::keep(int slot, const Key& key, Shape shape) {
    Entry& e = entries_[static_cast<std::size_t>(std::clamp(slot, 0, static_cast<int>(entries_.size()) - 1))];
    e = {true, key, std::move(shape)};
    return e.shape;
}

int TextWidthCache::find(int pixelSize, std::string_view text) {
    if (pixelSize != pixelSize_) {
        widths_.clear();
        pixelSize_ = pixelSize;
    }
    const auto it = widths_.find(text);
    return it == widths_.end() ? -1 : it->second;
}

void TextWidthCache::keep(std::string_view text, int width) {
    // Texts with changing figures in them would grow it without end.
    constexpr std::size_t kMost = 4096;
    if (widths_.size() >= kMost) widths_.clear();
    widths_.emplace(std::string(text), width);
}

int DC::LineHeight() const { return impl_->metrics.height(); }

void DC::SetFontPixelSize(int pixelSize) {
    impl_->font.setPixelSize(std::max(6, pixelSize));
    impl_->painter.setFont(impl_->font);
    impl_->metrics = QFontMetrics(impl_->font);
}

int DC::FontPixelSize() const { return impl_->font.pixelSize(); }

void DC::ClipRect(int left, int top, int right, int bottom) {
    impl_->painter.setClipRect(QRect(left, top, std::max(0, right - left), std::max(0, bottom - top)));
}

void DC::ReleaseClip() { impl_->painter.setClipping(false); }

int FontPixelSizeFor(int fullHeight) { return std::max(9, fullHeight * 14 / 768); }

}  // namespace vel::gfx
