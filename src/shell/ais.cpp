#include "shell/ais.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <tuple>

#include "common/helpers.h"
#include "shell/nmea.h"
#include "sim/anchored_fleet.h"
#include "sim/ships.h"
#include "world/geo.h"

namespace vel {
namespace {

// Keeps a sentence within NMEA's 82 characters.
constexpr std::size_t kPayloadPerSentence = 60;
constexpr int32_t kFleetSlot = 6;  // slot of fleet vessel 0
// Class B units report every 3 minutes up to 2 knots, more often above.
constexpr double kClassBMovingKnots = 2.0;
// A time unit lasts 61.2 / unitsPerMile minutes: units per time unit to knots.
constexpr double kKnotsPerUnitsPerTimeUnit = 60.0 / 61.2;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// Ship type codes of the standard's list.
constexpr int32_t kFishing = 30, kSailing = 36, kPleasureCraft = 37, kCargo = 70;

void Put(AisBits& b, int64_t v, int width) {
    for (int i = width - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>((v >> i) & 1));
}

// The six-bit alphabet is ASCII 32..95. Lower case goes up; anything else
// becomes a space; '@' (0) fills the rest of the field, as the standard's
// "not available".
void PutText(AisBits& b, std::string_view s, std::size_t chars) {
    for (std::size_t i = 0; i < chars; ++i) {
        int c = i < s.size() ? static_cast<unsigned char>(s[i]) : '@';
        if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
        if (c < ' ' || c > '_') c = ' ';
        Put(b, c & 63, 6);
    }
}

void PutKinematics(AisBits& b, const AisPosition& p) {
    Put(b, p.sog < 0.0 ? 1023 : std::min<int64_t>(std::llround(p.sog * 10.0), 1022), 10);
    Put(b, 0, 1);  // accuracy: the game's positions are no better than a GPS's
    Put(b, std::llround(p.lon * 600000.0), 28);
    Put(b, std::llround(p.lat * 600000.0), 27);
    Put(b, p.cog < 0.0 ? 3600 : std::llround(p.cog * 10.0) % 3600, 12);
    Put(b, p.heading, 9);
    Put(b, p.second, 6);
}

void PutHead(AisBits& b, int type, int32_t mmsi) {
    Put(b, type, 6);
    Put(b, 0, 2);  // not repeated
    Put(b, mmsi, 30);
}

void PutSize(AisBits& b, const AisStatic& s) {
    Put(b, std::clamp(s.toBow, 0, 511), 9);
    Put(b, std::clamp(s.toStern, 0, 511), 9);
    Put(b, std::clamp(s.toPort, 0, 63), 6);
    Put(b, std::clamp(s.toStarboard, 0, 63), 6);
    Put(b, 1, 4);  // GPS
}

uint32_t Mix(uint32_t h, uint32_t v) { return h ^ (v + 0x9e3779b9u + (h << 6) + (h >> 2)); }

uint32_t Avalanche(uint32_t h) {
    h = (h ^ (h >> 16)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    return h ^ (h >> 16);
}

// The cruise's random table was drawn right after seeding: the same seed
// gives the same MMSIs, and the generator itself is never asked for more.
uint32_t VesselHash(const Game& g, int32_t slot, int32_t identity) {
    uint32_t h = 0;
    for (std::size_t k = 0; k < 16; ++k) h = Mix(h, static_cast<uint32_t>(g.randomTable.r100[k]));
    return Avalanche(Mix(Mix(h, static_cast<uint32_t>(slot)), static_cast<uint32_t>(identity)));
}

// The maritime identification digits of the waters' country.
int32_t CountryDigits(const Game& g, double x, uint32_t h) {
    const AreaGrid& a = g.areaGrid;
    if (a.areaCode == 30 || (a.region == 5 && x >= a.gulfEastX)) return 311;  // Bahamas
    if (a.region == 6 && x > 0.0) return 316;                                 // Canada
    return 366 + static_cast<int32_t>(h % 4);                                 // United States
}

// Invented names, one list per kind of vessel.
constexpr const char* kShipNames[] = {"ATLANTIC MERIDIAN", "CAPE HALLORAN",  "NORTHERN VANTAGE", "MARE SERENO",
                                      "STELLA CORVINA",    "OCEAN TENACITY", "BLUE HERON BAY",   "WESTERN RELIANCE",
                                      "ISLA GRANDE",       "HARBOUR CREST",  "KAREN TIDEWATER",  "GULF PIONEER"};
constexpr const char* kYachtNames[] = {"WINDWARD",    "BLUE MOON", "SOLSTICE",  "PELICAN", "SANDPIPER", "MORNING STAR",
                                       "ISLAND TIME", "KESTREL",   "SEA SMOKE", "HALCYON", "TERN",      "WHISPER"};
constexpr const char* kFishingNames[] = {"MISS KATHLEEN", "OCEAN HARVEST", "SEA HUNTER", "LADY MARIE",
                                         "CAPE SABLE",    "BANKS PRIDE",   "ELLA MAY",   "NORTHERN DAWN"};

template <std::size_t N>
const char* Pick(const char* const (&names)[N], int32_t mmsi) {
    return names[Avalanche(static_cast<uint32_t>(mmsi)) % N];
}

// A call sign of the country's series: letters for 'A', digits for '9'.
std::string CallSign(int32_t mmsi) {
    const int32_t mid = mmsi / 1000000;
    const std::string_view pattern = mid == 311 ? "C6AAA" : mid == 316 ? "CG9999" : "WDA9999";
    uint32_t h = Avalanche(static_cast<uint32_t>(mmsi) * 2654435761u);
    std::string s;
    for (char c : pattern) {
        const uint32_t base = c == 'A' ? 26 : c == '9' ? 10 : 0;
        s += base == 0 ? c : static_cast<char>((c == 'A' ? 'A' : '0') + h % base);
        if (base) h /= base;
    }
    return s;
}

// Seven digits, the last of which checks the others, as every ship's IMO
// number does; the first is 9 like those of the ships built since the 1990s.
int32_t ImoNumber(int32_t mmsi) {
    const int32_t n = 900000 + static_cast<int32_t>(Avalanche(static_cast<uint32_t>(mmsi) ^ 0x5bd1e995u) % 100000);
    int32_t sum = 0;
    for (int32_t k = n, weight = 2; k > 0; k /= 10, ++weight) sum += k % 10 * weight;
    return n * 10 + sum % 10;
}

// Where the ships are bound: with a heading of 0..179, then 180..359.
const char* Destination(int32_t areaCode, int32_t heading) {
    struct Ports {
        int32_t area;
        const char* out;
        const char* back;
    };
    constexpr Ports kPorts[] = {{5, "SAVANNAH", "MIAMI"},         {6, "SAVANNAH", "MIAMI"},
                                {7, "SAINT JOHN", "BOSTON"},      {8, "SAINT JOHN", "BOSTON"},
                                {11, "BOSTON", "NEW YORK"},       {12, "BALTIMORE", "NORFOLK"},
                                {20, "SEARSPORT", "PORTLAND ME"}, {30, "NASSAU", "GEORGE TOWN"}};
    for (const Ports& p : kPorts)
        if (p.area == areaCode) return heading % 360 < 180 ? p.out : p.back;
    return "";
}

bool IsShipSlot(int32_t slot) { return slot < kFleetSlot; }
int32_t EntryOf(int32_t slot) { return IsShipSlot(slot) ? ShipEntry(slot) : FleetEntry(slot - kFleetSlot); }

bool Present(const Game& g, int32_t slot) {
    const int32_t kind = g.objectList.kind[EntryOf(slot)];
    if (IsShipSlot(slot)) return slot >= 1 && slot <= g.vessels.shipCount && kind >= 11 && kind <= 16;
    return slot != kFleetSlot + 1 && kind == 15;
}

// A ship re-placed is another ship; a fleet laid out around another harbour
// point is another fleet.
int32_t IdentityOf(const Game& g, int32_t slot) {
    if (IsShipSlot(slot)) return g.vessels.placements[slot];
    return static_cast<int32_t>(
        Mix(static_cast<uint32_t>(g.areaGrid.harbourX), static_cast<uint32_t>(g.areaGrid.harbourY)));
}

void Identify(Game& g, int32_t slot, int32_t now) {
    AisTraffic& t = g.aisTraffic;
    const int32_t identity = IdentityOf(g, slot);
    if (t.mmsi[slot] != 0 && t.identity[slot] == identity) return;
    const uint32_t h = VesselHash(g, slot, identity);
    int32_t mmsi = CountryDigits(g, g.objectList.fbx[EntryOf(slot)], h) * 1000000 + static_cast<int32_t>(h % 1000000);
    while (std::find(t.mmsi.begin(), t.mmsi.end(), mmsi) != t.mmsi.end()) ++mmsi;
    t.mmsi[slot] = mmsi;
    t.identity[slot] = identity;
    t.nextPosition[slot] = t.nextStatic[slot] = now;
    t.staticPart[slot] = 0;
    t.lastAt[slot] = -1;
}

AisPosition PositionOf(Game& g, const GeoProjection& p, int32_t slot, int32_t now) {
    AisTraffic& t = g.aisTraffic;
    const double x = g.objectList.fbx[EntryOf(slot)], y = g.objectList.fby[EntryOf(slot)];
    const LatLon at = LatLonFromArea(p, {x, y});
    AisPosition r{t.mmsi[slot], at.lat, at.lon};
    r.second = now % 60;
    if (IsShipSlot(slot)) {
        // The ship's way as the tick moves her, in area units a time unit.
        const int32_t heading = (g.vessels.heading[slot] % 360 + 360) % 360;
        const double v = 0.001 * ShipSpeed(g.cruiseOptions);
        const double east = g.trigTables.sin100[heading] * v, north = g.trigTables.cos100[heading] * v;
        r.sog = std::hypot(east, north) * kKnotsPerUnitsPerTimeUnit;
        r.cog = std::fmod(std::atan2(east, north) * kDegreesPerRadian + 360.0, 360.0);
        r.heading = heading;
    } else {
        // The fleet makes no way of its own: what shows is its sheer about
        // the anchor since the last report.
        const int32_t j = slot - kFleetSlot;
        r.heading = (g.vessels.vesselHeading[j] % 360 + 360) % 360;
        if (t.lastAt[slot] >= 0 && now > t.lastAt[slot]) {
            const double east = x - t.lastX[slot], north = t.lastY[slot] - y;
            r.sog = std::hypot(east, north) / g.areaGrid.unitsPerMile * 3600.0 / (now - t.lastAt[slot]);
            if (r.sog >= 0.05) r.cog = std::fmod(std::atan2(east, north) * kDegreesPerRadian + 360.0, 360.0);
        }
        t.lastX[slot] = x;
        t.lastY[slot] = y;
        t.lastAt[slot] = now;
    }
    return r;
}

}  // namespace

AisStatic AisStaticData(const Game& g, int32_t slot) {
    AisStatic s;
    s.mmsi = g.aisTraffic.mmsi[slot];
    s.callSign = CallSign(s.mmsi);
    if (IsShipSlot(slot)) {
        // Every ship is drawn as the same feeder container ship, about six
        // times as long as she is broad.
        s.name = Pick(kShipNames, s.mmsi);
        s.shipType = kCargo;
        s.imo = ImoNumber(s.mmsi);
        std::tie(s.toBow, s.toStern, s.toPort, s.toStarboard, s.draught) = std::tuple(120, 30, 12, 12, 8.5);
        s.destination = Destination(g.areaGrid.areaCode, g.vessels.heading[slot]);
        return s;
    }
    const int32_t j = slot - kFleetSlot;
    const int32_t type = FleetBoatType(j);
    const bool fishing = g.areaGrid.region == 6 && g.ownBoat.x > 0.0;
    s.name = fishing ? Pick(kFishingNames, s.mmsi) : Pick(kYachtNames, s.mmsi);
    s.shipType = fishing ? kFishing : type >= 3 ? kPleasureCraft : kSailing;
    // A boat of size 1 is a 40-footer; catamarans are broad, trawlers beamy.
    const double length = 12.0 * FleetBoatScale(g.vessels.vesselSize[j]);
    const double beam = length / (type == 2 ? 1.9 : type >= 3 ? 3.0 : 3.3);
    s.toBow = static_cast<int32_t>(std::lround(length * 2.0 / 3.0));
    s.toStern = static_cast<int32_t>(std::lround(length)) - s.toBow;
    s.toPort = static_cast<int32_t>(std::lround(beam / 2.0));
    s.toStarboard = std::max(1, static_cast<int32_t>(std::lround(beam)) - s.toPort);
    return s;
}

namespace {

std::string Send(AisTraffic& t, const AisBits& bits) {
    const std::string out = AivdmSentences(bits, t.channel == 0 ? 'A' : 'B', t.sequence);
    t.channel ^= 1;
    if (bits.size() > kPayloadPerSentence * 6) t.sequence = (t.sequence + 1) % 10;
    return out;
}

}  // namespace

AisBits AisMessage1(const AisPosition& p) {
    AisBits b;
    PutHead(b, 1, p.mmsi);
    Put(b, 0, 4);     // under way using engine
    Put(b, -128, 8);  // rate of turn not available
    PutKinematics(b, p);
    Put(b, 0, 2 + 3 + 1 + 19);  // manoeuvre, spare, RAIM, radio status
    return b;
}

AisBits AisMessage5(const AisStatic& s) {
    AisBits b;
    PutHead(b, 5, s.mmsi);
    Put(b, 0, 2);  // AIS version
    Put(b, s.imo, 30);
    PutText(b, s.callSign, 7);
    PutText(b, s.name, 20);
    Put(b, s.shipType, 8);
    PutSize(b, s);
    Put(b, 0, 4 + 5);  // ETA month and day not available
    Put(b, 24, 5);     // hour
    Put(b, 60, 6);     // minute
    Put(b, std::clamp<int64_t>(std::llround(s.draught * 10.0), 0, 255), 8);
    PutText(b, s.destination, 20);
    Put(b, 0, 2);  // DTE ready, spare
    return b;
}

AisBits AisMessage18(const AisPosition& p) {
    AisBits b;
    PutHead(b, 18, p.mmsi);
    Put(b, 0, 8);
    PutKinematics(b, p);
    Put(b, 0, 2);
    // A carrier-sense unit, no display, no DSC, the whole band, no message
    // 22, autonomous, no RAIM; its fixed communication state.
    Put(b, 0b1001000, 7);
    Put(b, 1, 1);
    Put(b, 0b1100000000000000110, 19);
    return b;
}

AisBits AisMessage24A(const AisStatic& s) {
    AisBits b;
    PutHead(b, 24, s.mmsi);
    Put(b, 0, 2);
    PutText(b, s.name, 20);
    return b;
}

AisBits AisMessage24B(const AisStatic& s) {
    AisBits b;
    PutHead(b, 24, s.mmsi);
    Put(b, 1, 2);
    Put(b, s.shipType, 8);
    PutText(b, "", 7);  // vendor not available
    PutText(b, s.callSign, 7);
    PutSize(b, s);
    Put(b, 0, 2);
    return b;
}

std::string AivdmSentences(const AisBits& bits, char channel, int32_t sequence) {
    std::string payload;
    for (std::size_t i = 0; i < bits.size(); i += 6) {
        int v = 0;
        for (std::size_t k = i; k < i + 6; ++k) v = v * 2 + (k < bits.size() ? bits[k] : 0);
        payload += static_cast<char>(v < 40 ? v + 48 : v + 56);
    }
    const std::size_t fill = (6 - bits.size() % 6) % 6;
    const std::size_t count =
        std::max<std::size_t>(1, (payload.size() + kPayloadPerSentence - 1) / kPayloadPerSentence);
    std::string out;
    for (std::size_t n = 1; n <= count; ++n) {
        std::string body = "AIVDM," + std::to_string(count) + "," + std::to_string(n) + ",";
        if (count > 1) body += std::to_string(sequence % 10);
        body += std::string(",") + channel + "," + payload.substr((n - 1) * kPayloadPerSentence, kPayloadPerSentence);
        body += "," + std::to_string(n == count ? fill : 0);
        out += "!" + NmeaSentence(body).substr(1);
    }
    return out;
}

std::vector<std::string> CollectAis(Game& g, uint32_t tickCount) {
    AisTraffic& t = g.aisTraffic;
    const GeoProjection* p = ProjectionForArea(g.areaGrid.areaCode);
    if (g.nmeaOutput.enabled != 1 || g.nmeaOutput.ais != 1 || !p) {
        t.active = 0;
        return {};
    }
    const int32_t now = BoatSecond(g.simClock);
    if (t.active == 0) {
        // Switched on: every target's position and static data at once.
        t.active = 1;
        t.lastSentAt = static_cast<uint32_t>(tickCount - kNmeaMinIntervalMs);
        std::fill(std::begin(t.nextPosition), std::end(t.nextPosition), now);
        std::fill(std::begin(t.nextStatic), std::end(t.nextStatic), now);
        t.staticPart = {};
    }
    if (static_cast<uint32_t>(tickCount - static_cast<uint32_t>(t.lastSentAt)) < kNmeaMinIntervalMs) return {};
    // When more is due than the rate lets out (at high simulator speeds),
    // the report latest for its own interval goes first, a position before
    // static data: the ships' positions, which the plotter's CPA needs
    // most, are never held up behind the fleet's names.
    const double range = kAisRangeMiles * g.areaGrid.unitsPerMile;
    double best = -1.0;
    int32_t slot = -1;
    bool position = false;
    for (int32_t s = 1; s < kAisSlots; ++s) {
        if (!Present(g, s)) continue;
        Identify(g, s, now);
        const int32_t e = EntryOf(s);
        if (std::hypot(g.objectList.fbx[e] - g.ownBoat.x, g.objectList.fby[e] - g.ownBoat.y) > range) continue;
        const double every = IsShipSlot(s) ? kAisShipPositionEvery : kAisClassBPositionEvery;
        for (const bool isPosition : {true, false}) {
            const int32_t due = isPosition ? t.nextPosition[s] : t.nextStatic[s];
            const double late = (now - due) / (isPosition ? every : kAisStaticEvery);
            if (due > now || late <= best) continue;
            std::tie(best, slot, position) = std::tuple(late, s, isPosition);
        }
    }
    if (slot < 0) return {};
    t.lastSentAt = tickCount;
    const bool classA = IsShipSlot(slot);
    if (position) {
        const AisPosition at = PositionOf(g, *p, slot, now);
        const bool moving = at.sog > kClassBMovingKnots;
        t.nextPosition[slot] = now + (classA   ? kAisShipPositionEvery
                                      : moving ? kAisClassBMovingEvery
                                               : kAisClassBPositionEvery);
        return {Send(t, classA ? AisMessage1(at) : AisMessage18(at))};
    }
    const AisStatic s = AisStaticData(g, slot);
    if (classA) {
        t.nextStatic[slot] = now + kAisStaticEvery;
        return {Send(t, AisMessage5(s))};
    }
    // Part B follows part A as soon as the rate allows.
    if (t.staticPart[slot] == 0) {
        t.staticPart[slot] = 1;
        return {Send(t, AisMessage24A(s))};
    }
    t.staticPart[slot] = 0;
    t.nextStatic[slot] = now + kAisStaticEvery;
    return {Send(t, AisMessage24B(s))};
}

}  // namespace vel
