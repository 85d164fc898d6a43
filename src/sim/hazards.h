#pragma once
#include <cstdint>

#include "common/game.h"

namespace vel {

// Devices that can fail, in the order of the failure tables.
enum class Device : int32_t { Gps = 0, Radar = 1, DepthAlarm = 2, Engine = 3 };

// Depth under the boat, from the terrain and the tide.
void ReadDepth(Game& g);
// The beep of the depth alarm in shoal water.
void DepthAlarm(Game& g);
// Pier, pile and dock contact; a contact stops the boat for good.
void CheckPierContact(Game& g);

// Failure times of this cruise, by difficulty and departure.
void ResetFailures(Game& g);
// Equipment failures by the hour and difficulty; repairs at the pier.
void UpdateFailures(Game& g);
// A device is out when it has failed or its trouble option removes it.
bool DeviceOut(const Game& g, Device d);
// The failure banner to show now, or nullptr; banners that have run their
// 15 minutes are retired.
const char* FailureBanner(Game& g);

}  // namespace vel
