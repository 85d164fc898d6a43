#pragma once
// Harness commands of the NMEA output: send over UDP, record to a file.
#include "replay/script.h"

namespace vel::replay {

int NmeaCommand(Session& s, Args a);     // nmea HOST:PORT
int NmeaLogCommand(Session& s, Args a);  // nmea-log PATH
int AisTargetCommand(Session& s, Args a);  // ais-target SLOT

}  // namespace vel::replay
