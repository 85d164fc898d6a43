#pragma once
// The boat's instruments as NMEA 0183 sentences, for a chart plotter or a GPS
// daemon running beside the game. Only the passages and the real areas have
// latitude and longitude, so only they send. The window and the harness put
// the sentences on the wire; this file only decides what and when.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/game.h"

namespace vel {

// The port chart plotters listen on for NMEA over UDP.
inline constexpr int32_t kNmeaDefaultPort = 10110;
// At most ten sets of sentences a second of wall time, whatever the
// simulator speed: plotters and daemons are built for 1 to 10 Hz.
inline constexpr uint32_t kNmeaMinIntervalMs = 100;

// Whole seconds of boat time since the midnight before day 1.
int32_t BoatSecond(const SimClock& c);

// XOR of the characters between '$' and '*'.
uint8_t NmeaChecksum(std::string_view body);
// '$', the body, '*', the checksum in two upper-case hex digits, CR LF.
std::string NmeaSentence(std::string_view body);

// Whether the area has latitude and longitude: the area being sailed, or on
// the title screen the area chosen.
bool NmeaAvailable(const Game& g);

// The sentences of this instant, in this order: RMC, GGA and VTG (talker GP)
// while the GPS works; HDT, HDM, VHW and MWV (talker II); DPT while the depth
// sounder works. Empty where the area has no latitude and longitude.
std::vector<std::string> NmeaSentences(const Game& g);

// The sentences due after a tick: once per new second of boat time and no
// sooner than kNmeaMinIntervalMs after the last set (`tickCount` in ms).
// Empty while the output is off.
std::vector<std::string> CollectNmea(Game& g, uint32_t tickCount);

// "HOST:PORT", an IPv6 host in brackets. On success fills host and port and
// returns nothing; otherwise a message for the user, and host and port stay.
std::optional<std::string> ParseNmeaDestination(std::string_view text, std::string& host, int32_t& port);
std::string NmeaDestinationText(const std::string& host, int32_t port);
// What the destination dialog does with its text: the new destination, or
// the old one kept when the text is malformed. Returns the status-bar line.
std::string ChangeNmeaDestination(NmeaOutput& o, std::string_view text);

// The small settings file kept beside the main one: "output=0|1",
// "destination=HOST:PORT" and "ais=0|1" lines. A missing or bad line keeps what was there.
std::string EncodeNmeaSettings(const NmeaOutput& o);
void DecodeNmeaSettings(NmeaOutput& o, std::string_view text);

}  // namespace vel
