#include "shell/nmea.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "common/helpers.h"
#include "shell/actions.h"
#include "world/geo.h"

namespace vel {
namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kKmhPerKnot = 1.852;
constexpr int64_t kSecondsPerDay = 86400;
// Day 1 of every cruise. Early November: standard time again on the whole
// coast, so the zone time below is the clock ashore too.
constexpr std::chrono::year_month_day kCruiseStartDate{std::chrono::year{2024}, std::chrono::November,
                                                       std::chrono::day{4}};

const GeoProjection* ProjectionOf(const Game& g) {
    return ProjectionForArea(g.screenState.phase > 0 ? g.areaGrid.areaCode : g.cruiseOptions.areaCode);
}

std::string Fixed(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", v);
    return b;
}

// 0.0 up to 359.9: a heading of 359.96 reads 0.0, never 360.0.
std::string Degrees(double a) {
    long tenths = std::lround(a * 10.0) % 3600;
    if (tenths < 0) tenths += 3600;
    return Fixed(tenths / 10.0);
}

// "ddmm.mmmm,N" or "dddmm.mmmm,W": two fields of the sentence.
std::string Angle(double deg, int degreeDigits, char positive, char negative) {
    const long long t = std::llround(std::abs(deg) * 600000.0);  // ten-thousandths of a minute
    char b[40];
    std::snprintf(b, sizeof b, "%0*lld%02lld.%04lld,%c", degreeDigits, t / 600000, (t % 600000) / 10000, t % 10000,
                  deg < 0 ? negative : positive);
    return b;
}

struct Stamp {
    std::string time;  // hhmmss.ss
    std::string date;  // ddmmyy
};

// The boat's clock keeps zone time: the standard time of the meridian
// nearest the area. NMEA time is UTC.
Stamp UtcOf(const SimClock& c, const GeoProjection& p) {
    const int64_t hoursWest = std::lround(-p.lon0 / 15.0);
    const int64_t s = BoatSecond(c) + hoursWest * 3600;
    const int64_t day = (s >= 0 ? s : s - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const int64_t t = s - day * kSecondsPerDay;
    const std::chrono::year_month_day d{std::chrono::sys_days{kCruiseStartDate} + std::chrono::days{day}};
    char time[16], date[16];
    std::snprintf(time, sizeof time, "%02d%02d%02d.00", static_cast<int>(t / 3600), static_cast<int>(t / 60 % 60),
                  static_cast<int>(t % 60));
    std::snprintf(date, sizeof date, "%02u%02u%02d", static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                  static_cast<int>(d.year()) % 100);
    return {time, date};
}

std::string Sentence(std::string_view type, std::initializer_list<std::string> fields) {
    std::string body(type);
    for (const std::string& f : fields) {
        body += ',';
        body += f;
    }
    return NmeaSentence(body);
}

std::string Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return std::string(s);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool Number(std::string_view s, int32_t& v) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (!IsDigit(c)) return false;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return true;
}

// Digits and dots only is an IPv4 address and must be a dotted quad;
// anything else is a host name of letters, digits and inner hyphens.
bool ValidHost(std::string_view h) {
    if (h.empty() || h.size() > 253) return false;
    if (h.find_first_not_of("0123456789.") == std::string_view::npos) {
        int parts = 0;
        for (std::size_t at = 0; at <= h.size(); ++parts) {
            const std::size_t dot = std::min(h.find('.', at), h.size());
            int32_t v = 0;
            if (!Number(h.substr(at, dot - at), v) || v > 255 || dot - at > 3) return false;
            at = dot + 1;
        }
        return parts == 4;
    }
    for (std::size_t at = 0; at <= h.size();) {
        const std::size_t dot = std::min(h.find('.', at), h.size());
        const std::string_view label = h.substr(at, dot - at);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        for (char c : label)
            if (!IsAlnum(c) && c != '-') return false;
        at = dot + 1;
    }
    return true;
}

bool ValidIpv6(std::string_view h) {
    return h.size() >= 2 && h.size() <= 45 && h.find(':') != std::string_view::npos &&
           h.find_first_not_of("0123456789abcdefABCDEF:.") == std::string_view::npos;
}

}  // namespace

// The cruise's minute count runs on through the day rollover, which drops
// what a 3-hour jump carries past midnight, so this never steps back.
int32_t BoatSecond(const SimClock& c) { return static_cast<int32_t>(std::floor(c.cruiseMinutes * 60.0)); }

uint8_t NmeaChecksum(std::string_view body) {
    uint8_t x = 0;
    for (char c : body) x ^= static_cast<uint8_t>(c);
    return x;
}

std::string NmeaSentence(std::string_view body) {
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", NmeaChecksum(body));
    return "$" + std::string(body) + tail;
}

bool NmeaAvailable(const Game& g) { return ProjectionOf(g) != nullptr; }

std::vector<std::string> NmeaSentences(const Game& g) {
    const GeoProjection* p = ProjectionOf(g);
    if (!p) return {};
    const OwnBoat& b = g.ownBoat;
    // Westerly variation is positive: magnetic = true + variation.
    const int32_t variation = g.navState.variation;
    const std::string headingTrue = Degrees(b.headingExact), headingMagnetic = Degrees(b.headingExact + variation);
    std::vector<std::string> out;
    if (GpsWorks(g)) {
        const LatLon at = LatLonFromArea(*p, {b.x, b.y});
        const std::string lat = Angle(at.lat, 2, 'N', 'S'), lon = Angle(at.lon, 3, 'E', 'W');
        const Stamp utc = UtcOf(g.simClock, *p);
        const std::string sog = Fixed(b.speedOverGround);
        const std::string cogTrue = Degrees(NormaliseAngle(b.courseOverGround - variation));
        const std::string cogMagnetic = Degrees(b.courseOverGround);
        const std::string var = Fixed(std::abs(variation)) + (variation >= 0 ? ",W" : ",E");
        out.push_back(Sentence("GPRMC", {utc.time, "A", lat, lon, sog, cogTrue, utc.date, var, "A"}));
        out.push_back(Sentence("GPGGA", {utc.time, lat, lon, "1", "08", "1.0", "0.0", "M", "0.0", "M", "", ""}));
        out.push_back(Sentence("GPVTG", {cogTrue, "T", cogMagnetic, "M", sog, "N",
                                         Fixed(b.speedOverGround * kKmhPerKnot), "K", "A"}));
    }
    // The log reads how fast the water passes, ahead or astern.
    const double throughWater = std::abs(b.speedExact) * 0.1;
    out.push_back(Sentence("IIHDT", {headingTrue, "T"}));
    out.push_back(Sentence("IIHDM", {headingMagnetic, "M"}));
    out.push_back(Sentence("IIVHW", {headingTrue, "T", headingMagnetic, "M", Fixed(throughWater), "N",
                                     Fixed(throughWater * kKmhPerKnot), "K"}));
    // Relative to the bow, clockwise: wind over the port side reads above 180.
    const int32_t windAngle = b.tack < 0 ? NormaliseAngle(360 - b.apparentWindAngle) : b.apparentWindAngle;
    out.push_back(Sentence("IIMWV", {Degrees(windAngle), "R", Fixed(b.apparentWindSpeed), "N", "A"}));
    // The transducer sits at the waterline: the offset to the keel turns the
    // depth of water into the depth under the keel.
    if (DepthSounderWorks(g)) {
        const double keel = g.boatDesign.draft * kMetresPerFoot;
        out.push_back(Sentence("IIDPT", {Fixed(b.depth * kMetresPerFoot), Fixed(-keel), ""}));
    }
    return out;
}

std::vector<std::string> CollectNmea(Game& g, uint32_t tickCount) {
    NmeaOutput& o = g.nmeaOutput;
    if (o.enabled != 1) return {};
    const int32_t second = BoatSecond(g.simClock);
    if (second == o.lastSecond) return {};
    const auto sinceLast = static_cast<uint32_t>(tickCount - static_cast<uint32_t>(o.lastSentAt));
    if (o.lastSecond >= 0 && sinceLast < kNmeaMinIntervalMs) return {};
    std::vector<std::string> out = NmeaSentences(g);
    if (out.empty()) return out;
    o.lastSecond = second;
    o.lastSentAt = tickCount;
    return out;
}

std::optional<std::string> ParseNmeaDestination(std::string_view text, std::string& host, int32_t& port) {
    const std::string t = Trim(text);
    const std::string example = " (例 127.0.0.1:10110)";
    std::string_view h, p;
    if (!t.empty() && t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == std::string::npos || close + 1 >= t.size() || t[close + 1] != ':')
            return "NMEA出力先は [IPv6アドレス]:ポート の形で書いてください (例 [::1]:10110)";
        h = std::string_view(t).substr(1, close - 1);
        p = std::string_view(t).substr(close + 2);
        if (!ValidIpv6(h)) return "NMEA出力先のアドレスが正しくありません: " + std::string(h);
    } else {
        const std::size_t colon = t.rfind(':');
        if (colon == std::string::npos) return "NMEA出力先は ホスト:ポート の形で書いてください" + example;
        h = std::string_view(t).substr(0, colon);
        p = std::string_view(t).substr(colon + 1);
        if (h.empty()) return "NMEA出力先のホストがありません" + example;
        if (h.find(':') != std::string_view::npos)
            return "NMEA出力先の IPv6 アドレスは [ ] で囲んでください (例 [::1]:10110)";
        if (!ValidHost(h)) return "NMEA出力先のホスト名が正しくありません: " + std::string(h);
    }
    int32_t n = 0;
    if (!Number(p, n) || n < 1 || n > 65535)
        return "NMEA出力先のポートは 1 から 65535 までの数です: " + std::string(p.empty() ? "(なし)" : p);
    host = std::string(h);
    port = n;
    return std::nullopt;
}

std::string NmeaDestinationText(const std::string& host, int32_t port) {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::string ChangeNmeaDestination(NmeaOutput& o, std::string_view text) {
    if (const std::optional<std::string> why = ParseNmeaDestination(text, o.host, o.port))
        return *why + " (" + NmeaDestinationText(o.host, o.port) + " のまま)";
    return "NMEA出力先: " + NmeaDestinationText(o.host, o.port);
}

std::string EncodeNmeaSettings(const NmeaOutput& o) {
    return "# Velmara: NMEA 0183 output to a chart plotter over UDP\noutput=" + std::to_string(o.enabled == 1 ? 1 : 0) +
           "\ndestination=" + NmeaDestinationText(o.host, o.port) + "\nais=" + std::to_string(o.ais == 1 ? 1 : 0) + "\n";
}

void DecodeNmeaSettings(NmeaOutput& o, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string::npos) continue;
        const std::string key = Trim(std::string_view(line).substr(0, eq));
        const std::string value = Trim(std::string_view(line).substr(eq + 1));
        if (key == "output" && (value == "0" || value == "1")) o.enabled = value == "1" ? 1 : 0;
        if (key == "destination") ParseNmeaDestination(value, o.host, o.port);
        if (key == "ais" && (value == "0" || value == "1")) o.ais = value == "1" ? 1 : 0;
    }
}

}  // namespace vel
