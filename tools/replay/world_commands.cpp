#include "replay/world_commands.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "common/helpers.h"
#include "replay/reflect.h"
#include "world/geo.h"
#include "world/terrain.h"

namespace vel::replay {
namespace {

bool ParseInt(const std::string& s, int32_t& v) {
    const char* e = s.data() + s.size();
    auto r = std::from_chars(s.data(), e, v);
    return r.ec == std::errc() && r.ptr == e;
}

int Malformed(Session& s, const char* why) {
    *s.err << why << "\n";
    return kMalformed;
}

// Depth bands as a sailor reads them: dry, under 6 ft, under 12, under 30,
// deeper.
QColor DepthColour(int32_t d) {
    if (d <= 0) return {150, 130, 60};
    if (d < 6) return {235, 225, 160};
    if (d < 12) return {170, 225, 235};
    if (d < 30) return {90, 170, 220};
    return {30, 80, 160};
}

struct MapFrame {
    int32_t x0, y0, upp;
    QPointF at(double x, double y) const { return {(x - x0) / upp, (y - y0) / upp}; }
};

void Dot(QPainter& p, const MapFrame& f, double x, double y, const QColor& c, double r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(c);
    p.drawEllipse(f.at(x, y), r, r);
}

void DrawObjects(QPainter& p, const MapFrame& f, const Game& g) {
    const ObjectList& o = g.objectList;
    for (int e = 1; e < kObjectSlots; ++e) {
        const int32_t k = o.kind[e];
        if (k == kEmptyObjectKind) continue;
        QColor c(255, 255, 255);
        if (k == 1) c = QColor(0, 110, 0);
        if (k == 2) c = QColor(0, 0, 0);
        if (k == 3 || k == 5) c = QColor(230, 0, 0);
        if (k == 4 || k == 6) c = QColor(0, 190, 0);
        if (k >= 7 && k <= 9) c = QColor(255, 240, 0);
        if (k == 10) c = QColor(255, 140, 0);
        Dot(p, f, o.fbx[e], o.fby[e], c, k == 1 ? 2.0 : 3.5);
    }
}

void DrawRocks(QPainter& p, const MapFrame& f, const Game& g) {
    const RockList& r = g.rockList;
    for (int32_t j = 1; j <= r.count && j < static_cast<int32_t>(r.x.size()); ++j) {
        const QPointF c = f.at(r.x[j], r.y[j]);
        p.setPen(QPen(r.visible[j] ? QColor(0, 0, 0) : QColor(200, 0, 0), 1.5));
        p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
        p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
    }
}

void DrawHarbour(QPainter& p, const MapFrame& f, const Game& g) {
    const AreaGrid& a = g.areaGrid;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 0, 255), 2));
    for (int k = 0; k < 3 && a.areaCode != 2; ++k) {  // cove heads
        const QPointF c = f.at((a.coveStartX[k] + a.coveEndX[k]) / 2.0, a.coveInnerY[k]);
        p.drawRect(QRectF(c - QPointF(4, 4), QSizeF(8, 8)));
    }
    if (a.areaCode != 2) {  // pier and berth
        p.setPen(QPen(QColor(255, 255, 255), 3));
        p.drawLine(f.at(a.pierCornerX[4], a.pierCornerY[4]), f.at(a.pierCornerX[1], a.pierCornerY[1]));
        Dot(p, f, a.pierBerthX, a.pierBerthY, QColor(255, 255, 255), 3.0);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 0, 0), 2));
    const double reach = 200.0 / f.upp;
    p.drawEllipse(f.at(a.harbourX, a.harbourY), reach, reach);
}

}  // namespace

int DepthMapCommand(Session& s, Args a) {
    int32_t upp = 25;
    if (a.size() > 1 && (!ParseInt(a[1], upp) || upp < 1)) return Malformed(s, "depthmap takes PATH [UNITS_PER_PIXEL]");
    const Game& g = *s.game;
    const bool generated = g.areaGrid.isPassage == 0 && g.areaGrid.isRealArea == 0;
    const int32_t halfW = generated ? 10000 : 21000;
    const int32_t halfH = generated ? 10500 : 21000;
    const MapFrame f{-halfW, -halfH, upp};
    QImage img(2 * halfW / upp, 2 * halfH / upp, QImage::Format_RGB32);
    for (int py = 0; py < img.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < img.width(); ++px)
            line[px] = DepthColour(DepthAt(g, f.x0 + px * upp, f.y0 + py * upp, 1)).rgb();
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRocks(p, f, g);
    DrawObjects(p, f, g);
    DrawHarbour(p, f, g);
    p.end();
    if (!img.save(QString::fromStdString(a[0]), "PNG")) {
        *s.err << "could not write " << a[0] << "\n";
        return kExpectationFailed;
    }
    return kOk;
}

int TideCommand(Session& s, Args) {
    const TideState& t = s.game->tideState;
    *s.out << "height " << t.height << " lowWater " << t.lowWaterHour << " current " << t.boatCurrentSpeed
           << " from " << t.boatCurrentFrom << "\n";
    return kOk;
}

// A whole number, or the value of a field such as AreaGrid.harbourX.
bool Coordinate(Session& s, const std::string& text, int32_t& v) {
    if (ParseInt(text, v)) return true;
    std::string why;
    const auto f = ResolveField(*s.game, text, why);
    const auto n = f ? f->number() : std::nullopt;
    if (!n) return false;
    v = static_cast<int32_t>(*n);
    return true;
}

int DepthCommand(Session& s, Args a) {
    int32_t x = 0, y = 0, kind = 0, want = 0;
    if (!Coordinate(s, a[0], x) || !Coordinate(s, a[1], y) || !ParseInt(a[2], kind))
        return Malformed(s, "depth takes X Y KIND [OP VALUE]; X and Y may name fields");
    const int32_t d = DepthAt(*s.game, x, y, kind);
    if (a.size() == 3) {
        *s.out << d << "\n";
        return kOk;
    }
    if (a.size() != 5 || !ParseInt(a[4], want)) return Malformed(s, "depth takes X Y KIND [OP VALUE]");
    bool known = false;
    const bool held = CompareNumbers(d, a[3], want, known);
    if (!known) return Malformed(s, "unknown comparison");
    if (!held) {
        *s.err << "expectation failed: depth at (" << x << ", " << y << ") kind " << kind << " " << a[3] << " "
               << want << " (actual " << d << ")\n";
        return kExpectationFailed;
    }
    return kOk;
}

namespace {

// The projection of the area being sailed, else of the area chosen.
const GeoProjection* CurrentProjection(Session& s) {
    const Game& g = *s.game;
    return ProjectionForArea(g.areaGrid.areaCode != 0 ? g.areaGrid.areaCode : g.cruiseOptions.areaCode);
}

bool ParseDouble(const std::string& t, double& v) {
    const char* e = t.data() + t.size();
    auto r = std::from_chars(t.data(), e, v);
    return r.ec == std::errc() && r.ptr == e;
}

}  // namespace

int GeoCommand(Session& s, Args a) {
    int32_t x = 0, y = 0;
    if (!Coordinate(s, a[0], x) || !Coordinate(s, a[1], y)) return Malformed(s, "geo takes X Y; X and Y may name fields");
    const GeoProjection* p = CurrentProjection(s);
    if (!p) return Malformed(s, "geo: this area has no latitude and longitude");
    const LatLon g = LatLonFromArea(*p, {static_cast<double>(x), static_cast<double>(y)});
    char line[64];
    std::snprintf(line, sizeof line, "%.6f %.6f\n", g.lat, g.lon);
    *s.out << line;
    return kOk;
}

// Steers straight for a point, frame by frame, as a helmsman would; fails
// when the boat has not come within a tenth of a mile in the frames given.
int SailTo(Session& s, Args a) {
    double lat = 0.0, lon = 0.0;
    int32_t frames = 0;
    if (!ParseDouble(a[0], lat) || !ParseDouble(a[1], lon) || !ParseInt(a[2], frames) || frames < 1)
        return Malformed(s, "sail-to takes LAT LON FRAMES");
    const GeoProjection* p = CurrentProjection(s);
    if (!p) return Malformed(s, "sail-to: this area has no latitude and longitude");
    const AreaPoint w = AreaFromLatLon(*p, {lat, lon});
    Game& g = *s.game;
    const double near = g.areaGrid.unitsPerMile / 10.0;
    for (int32_t i = 0; i < frames; ++i) {
        const double dx = w.x - g.ownBoat.x, dy = w.y - g.ownBoat.y;
        if (std::hypot(dx, dy) < near) return kOk;
        const int32_t h = BearingOf(Trunc(dx), Trunc(-dy));
        g.ownBoat.heading = h;
        g.ownBoat.headingExact = h;
        s.step();
    }
    *s.err << "sail-to " << lat << " " << lon << ": not there after " << frames << " frames (at " << Trunc(g.ownBoat.x)
           << " " << Trunc(g.ownBoat.y) << ", " << g.ownBoat.depth << " ft)\n";
    return kExpectationFailed;
}

int WorldCommand(Session& s, Args a) {
    double lat = 0.0, lon = 0.0;
    if (!ParseDouble(a[0], lat) || !ParseDouble(a[1], lon) || lat <= -85.0 || lat >= 85.0 || lon < -180.0 || lon > 180.0)
        return Malformed(s, "world takes LAT LON in decimal degrees (north and east positive)");
    const GeoProjection* p = CurrentProjection(s);
    if (!p) return Malformed(s, "world: this area has no latitude and longitude");
    const AreaPoint w = AreaFromLatLon(*p, {lat, lon});
    *s.out << Trunc(w.x) << " " << Trunc(w.y) << "\n";
    return kOk;
}

}  // namespace vel::replay
