#include "shell/nmea.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "common/helpers.h"
#include "shell/actions.h"
#include "shell/settings.h"
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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsAlnum(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool AllOf(std::string_view s, bool (*is)(char)) { return std::all_of(s.begin(), s.end(), is); }

bool Number(std::string_view s, int32_t& v) {
    if (s.empty() || s.size() > 9 || !AllOf(s, IsDigit)) return false;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return true;
}

// The labels between the dots.
std::vector<std::string_view> Labels(std::string_view h) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at <= h.size();) {
        const std::size_t dot = std::min(h.find('.', at), h.size());
        out.push_back(h.substr(at, dot - at));
        at = dot + 1;
    }
    return out;
}

// Four decimal numbers 0..255 without leading zeros: the one form every
// resolver reads the same way.
bool DottedQuad(std::string_view h, std::array<uint8_t, 4>& q) {
    const std::vector<std::string_view> parts = Labels(h);
    if (parts.size() != 4) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        int32_t v = 0;
        const std::string_view p = parts[i];
        if (p.size() > 3 || (p.size() > 1 && p.front() == '0') || !Number(p, v) || v > 255) return false;
        q[i] = static_cast<uint8_t>(v);
    }
    return true;
}

// What the C library would take for an IPv4 address in another form
// (127.1, 0x7f.1, 017700000001): every label a decimal, octal or hex number.
bool NumericLabel(std::string_view l) {
    if (l.size() >= 2 && l[0] == '0' && (l[1] == 'x' || l[1] == 'X')) return AllOf(l.substr(2), IsHex);
    return !l.empty() && AllOf(l, IsDigit);
}

bool NumericLabels(std::string_view h) {
    const std::vector<std::string_view> labels = Labels(h);
    return std::all_of(labels.begin(), labels.end(), NumericLabel);
}

// Host names by the usual rules: labels of letters, digits and inner
// hyphens, the last one not all digits.
bool ValidHostName(std::string_view h) {
    const std::vector<std::string_view> labels = Labels(h);
    for (std::string_view label : labels)
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-' ||
            !AllOf(label, [](char c) { return IsAlnum(c) || c == '-'; }))
            return false;
    return !AllOf(labels.back(), IsDigit);
}

// Groups of one to four hex digits between colons, the last two of them
// possibly written as a dotted quad.
bool Ipv6Groups(std::string_view s, bool tail, std::vector<uint16_t>& out) {
    for (std::size_t at = 0; !s.empty() && at <= s.size();) {
        const std::size_t colon = std::min(s.find(':', at), s.size());
        const std::string_view g = s.substr(at, colon - at);
        std::array<uint8_t, 4> q{};
        if (tail && colon == s.size() && DottedQuad(g, q)) {
            out.push_back(static_cast<uint16_t>(q[0] << 8 | q[1]));
            out.push_back(static_cast<uint16_t>(q[2] << 8 | q[3]));
            return true;
        }
        if (g.empty() || g.size() > 4 || !AllOf(g, IsHex)) return false;
        uint16_t v = 0;
        std::from_chars(g.data(), g.data() + g.size(), v, 16);
        out.push_back(v);
        at = colon + 1;
    }
    return true;
}

// Eight groups, or fewer with one "::" standing for the zero groups between.
bool Ipv6(std::string_view s, std::array<uint16_t, 8>& a) {
    std::vector<uint16_t> head, tail;
    const std::size_t gap = s.find("::");
    if (gap == std::string_view::npos) {
        if (!Ipv6Groups(s, true, head) || head.size() != 8) return false;
    } else if (s.find("::", gap + 1) != std::string_view::npos || !Ipv6Groups(s.substr(0, gap), false, head) ||
               !Ipv6Groups(s.substr(gap + 2), true, tail) || head.size() + tail.size() > 7) {
        return false;
    }
    a = {};
    std::copy(head.begin(), head.end(), a.begin());
    std::copy(tail.begin(), tail.end(), a.end() - static_cast<std::ptrdiff_t>(tail.size()));
    return true;
}

// A long entry is shown by its start: the status bar is one line.
std::string Shown(std::string_view s) {
    constexpr std::size_t kShown = 40;
    return s.size() <= kShown ? std::string(s) : std::string(s.substr(0, kShown)) + "…";
}

// Why the host cannot be sent to, or nothing. 0.0.0.0 and :: name no host:
// a datagram to them lands on this machine, if anywhere.
std::optional<std::string> HostProblem(std::string_view h, bool bracketed) {
    const std::string nowhere = "NMEA出力先 " + Shown(h) + " はどこも指さないため送信先にできません";
    if (bracketed) {
        std::array<uint16_t, 8> a{};
        if (!Ipv6(h, a)) return "NMEA出力先の IPv6 アドレスが正しくありません: " + Shown(h);
        const bool mapped = a[5] == 0xffff && a[6] >> 8 == 0;
        if (std::all_of(a.begin(), a.begin() + 5, [](uint16_t g) { return g == 0; }) && (mapped || a == decltype(a){}))
            return nowhere;
        return std::nullopt;
    }
    if (h.empty()) return "NMEA出力先のホストがありません (例 127.0.0.1:10110)";
    if (h.find(':') != std::string_view::npos) return "NMEA出力先の IPv6 アドレスは [ ] で囲んでください (例 [::1]:10110)";
    if (h.size() > 253) return "NMEA出力先のホスト名が長すぎます (253 文字まで): " + Shown(h);
    if (NumericLabels(h)) {
        std::array<uint8_t, 4> q{};
        if (!DottedQuad(h, q))
            return "NMEA出力先の IPv4 アドレスは 0〜255 の数 4 つをドットで区切って書いてください: " + Shown(h);
        return q[0] == 0 ? std::optional(nowhere) : std::nullopt;
    }
    if (!ValidHostName(h)) return "NMEA出力先のホスト名が正しくありません: " + Shown(h);
    return std::nullopt;
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
    if (o.enabled != 1 || !o.refusedDestination.empty()) return {};
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
    const std::string_view t = TrimBlanks(text);
    const bool bracketed = t.starts_with('[');
    const std::size_t colon = bracketed ? t.find("]:") + 1 : t.rfind(':');
    if (colon == 0 || colon == std::string_view::npos) {
        return bracketed ? "NMEA出力先は [IPv6アドレス]:ポート の形で書いてください (例 [::1]:10110)"
                         : "NMEA出力先は ホスト:ポート の形で書いてください (例 127.0.0.1:10110)";
    }
    const std::string_view h = bracketed ? t.substr(1, colon - 2) : t.substr(0, colon);
    const std::string_view p = t.substr(colon + 1);
    if (std::optional<std::string> why = HostProblem(h, bracketed)) return why;
    int32_t n = 0;
    if (!Number(p, n) || n < 1 || n > 65535)
        return "NMEA出力先のポートは 1 から 65535 までの数です: " + (p.empty() ? std::string("(なし)") : Shown(p));
    host = std::string(h);
    port = n;
    return std::nullopt;
}

std::string NmeaDestinationText(const std::string& host, int32_t port) {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::string ChangeNmeaDestination(NmeaOutput& o, std::string_view text) {
    if (const std::optional<std::string> why = ParseNmeaDestination(text, o.host, o.port)) {
        const std::string kept = o.refusedDestination.empty() ? NmeaDestinationText(o.host, o.port)
                                                              : Shown(o.refusedDestination) + "、送信なし";
        return *why + " (" + kept + " のまま)";
    }
    o.refusedDestination.clear();
    return "NMEA出力先: " + NmeaDestinationText(o.host, o.port);
}

std::string EncodeNmeaSettings(const NmeaOutput& o) {
    const std::string destination =
        o.refusedDestination.empty() ? NmeaDestinationText(o.host, o.port) : o.refusedDestination;
    return "# Velmara: NMEA 0183 output to a chart plotter over UDP\noutput=" + std::to_string(o.enabled == 1 ? 1 : 0) +
           "\ndestination=" + destination + "\nais=" + std::to_string(o.ais == 1 ? 1 : 0) + "\n";
}

std::optional<std::string> DecodeNmeaSettings(NmeaOutput& o, std::string_view text) {
    std::optional<std::string> refused;
    ForEachKeyValue(text, [&](std::string_view key, std::string_view value) {
        if (key == "output" && (value == "0" || value == "1")) o.enabled = value == "1" ? 1 : 0;
        if (key == "ais" && (value == "0" || value == "1")) o.ais = value == "1" ? 1 : 0;
        if (key != "destination") return;
        refused = ParseNmeaDestination(value, o.host, o.port);
        o.refusedDestination = refused ? std::string(value) : std::string();
    });
    return refused;
}

}  // namespace vel
