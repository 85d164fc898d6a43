#pragma once
// The other vessels as AIS targets for a chart plotter: ITU-R M.1371 messages
// carried in NMEA 0183 !AIVDM sentences, sent through the NMEA output. The
// ships report as class A (messages 1 and 5), the anchored and fishing fleet
// as class B (messages 18 and 24). Like shell/nmea.h this file decides what
// and when; the window and the harness put it on the wire.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/game.h"

namespace vel {

// Reporting intervals in seconds of boat time.
inline constexpr int32_t kAisShipPositionEvery = 10;
inline constexpr int32_t kAisClassBPositionEvery = 180;
inline constexpr int32_t kAisClassBMovingEvery = 30;
inline constexpr int32_t kAisStaticEvery = 360;
// A plotter's receiver hears a vessel this far off, in nautical miles.
inline constexpr double kAisRangeMiles = 20.0;

// A message as its bits, most significant first, each 0 or 1.
using AisBits = std::vector<uint8_t>;

struct AisPosition {
    int32_t mmsi = 0;
    double lat = 0.0, lon = 0.0;
    double sog = -1.0;      // knots; negative: not available
    double cog = -1.0;      // degrees true; negative: not available
    int32_t heading = 511;  // degrees true; 511: not available
    int32_t second = 60;    // UTC second of the fix; 60: not available
};

struct AisStatic {
    int32_t mmsi = 0;
    std::string name, callSign, destination;
    int32_t imo = 0;  // class A only; 0: none
    int32_t shipType = 0;
    int32_t toBow = 0, toStern = 0, toPort = 0, toStarboard = 0;  // metres from the GPS antenna
    double draught = 0.0;                                         // metres
};

// Class A position report, under way using engine, rate of turn unknown.
AisBits AisMessage1(const AisPosition& p);
// Class A static and voyage data; no ETA.
AisBits AisMessage5(const AisStatic& s);
// Class B position report of a carrier-sense unit.
AisBits AisMessage18(const AisPosition& p);
// Class B static data, part A (the name) and part B (type, call sign, size).
AisBits AisMessage24A(const AisStatic& s);
AisBits AisMessage24B(const AisStatic& s);

// What the vessel in an AIS slot (ship i: slot i; fleet vessel j: slot
// 6 + j) says of itself, once it has an MMSI.
AisStatic AisStaticData(const Game& g, int32_t slot);

// A message's !AIVDM sentences, concatenated with their CR LF: at most 60
// payload characters each, the fill bits on the last one, the sequential
// message id (0..9) only when there is more than one sentence.
std::string AivdmSentences(const AisBits& bits, char channel, int32_t sequence);

// The AIS message due after a tick, as one datagram holding every sentence
// of it, or nothing: one datagram at most every kNmeaMinIntervalMs
// (`tickCount` in ms), only while both the NMEA and the AIS output are on,
// only for vessels within kAisRangeMiles of the own boat.
std::vector<std::string> CollectAis(Game& g, uint32_t tickCount);

}  // namespace vel
