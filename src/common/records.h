#pragma once
// Every record of the program state, with the field names the design uses.
// Plain data only: behaviour lives with the subsystem that owns the record.
//
// Array types get an alias first: a comma inside a field list would split the
// macro argument. Tables indexed from 1 carry one unused entry at index 0.
#include "common/record.h"

namespace vel {

// Initialiser for an array whose entries all start at a sentinel.
template <class A>
constexpr A Filled(typename A::value_type v) {
    A a{};
    a.fill(v);
    return a;
}

// ---- Screen phases, flags and layout metrics -------------------------------
#define VEL_SCREEN_STATE(F)                                                    \
    F(int32_t, phase)                                                          \
    F(int32_t, forecastShown)                                                  \
    F(int32_t, chartShown, 1)                                                  \
    F(int32_t, startPlaced)                                                    \
    F(int32_t, resultsState)                                                   \
    F(int32_t, resultsStep)                                                    \
    F(int32_t, paused)                                                         \
    F(int32_t, frozen)                                                         \
    F(int32_t, helpPage)                                                       \
    F(int32_t, radarOn)                                                        \
    F(int32_t, miniChartMode)                                                  \
    F(int32_t, slowFrames)                                                     \
    F(int32_t, fullWidth)                                                      \
    F(int32_t, width)                                                          \
    F(int32_t, halfWidth)                                                      \
    F(int32_t, fullHeight)                                                     \
    F(int32_t, height)                                                         \
    F(int32_t, heightCopy)                                                     \
    F(double, vScale)                                                          \
    F(double, hScale)                                                          \
    F(double, widthD)                                                          \
    F(double, heightD)                                                         \
    F(int32_t, panelTop)                                                       \
    F(int32_t, bitsPerPixel, 32)                                               \
    F(int64_t, moduleInstance)                                                 \
    F(int32_t, steerMouseX)                                                    \
    F(int32_t, steerMouseY)                                                    \
    F(int32_t, steerZoneY)                                                     \
    F(int32_t, steerZoneTop)                                                   \
    F(int32_t, steerZoneLeft)                                                  \
    F(int32_t, steerZoneRight)                                                 \
    F(int32_t, steerZoneBottom)                                                \
    F(int32_t, steerCenterX)                                                   \
    F(int32_t, buttonHovered)                                                  \
    F(std::string, buttonText)                                                 \
    F(int32_t, helpButtonTop)                                                  \
    F(int32_t, helpNextLeft)                                                   \
    F(int32_t, helpPrevLeft)                                                   \
    F(int32_t, smallScreen)                                                    \
    F(int32_t, largeFonts)                                                     \
    F(int32_t, panelTextBottom)                                                \
    F(int32_t, bearingSavedFrames)                                             \
    F(int32_t, ownBoatScreenX)                                                 \
    F(int32_t, ownBoatScreenY)
VEL_RECORD(ScreenState, VEL_SCREEN_STATE)

// ---- Options (most of them persist in the settings file) -------------------
#define VEL_CRUISE_OPTIONS(F)                                                  \
    F(int32_t, areaCode, 1)                                                    \
    F(int32_t, region, 2)                                                      \
    F(int32_t, difficulty, 5)                                                  \
    F(int32_t, boatType, 1)                                                    \
    F(int32_t, designLength)                                                   \
    F(int32_t, designDisplacement)                                             \
    F(int32_t, designSailArea)                                                 \
    F(int32_t, designRig)                                                      \
    F(int32_t, simSpeed, 9)                                                    \
    F(int32_t, stepDivisor, 114)                                               \
    F(int32_t, spare)                                                          \
    F(int32_t, simpleGraphics)                                                 \
    F(int32_t, noFailElectronics)                                              \
    F(int32_t, noFailEngine)                                                   \
    F(int32_t, troubleFog)                                                     \
    F(int32_t, troubleStrongWind, 1)                                           \
    F(int32_t, troubleNoGps)                                                   \
    F(int32_t, troubleNoRadar)                                                 \
    F(int32_t, troubleNoDepthAlarm)                                            \
    F(int32_t, troubleNoEngine)                                                \
    F(int32_t, troubleNoMiniChart)                                             \
    F(int32_t, troubleNoMoonlight)                                             \
    F(int32_t, hullColour)                                                     \
    F(int32_t, currentsOn, 1)                                                  \
    F(int32_t, helm, 1)                                                        \
    F(int32_t, anchor1Chain)                                                   \
    F(int32_t, buttonHelp, 1)                                                  \
    F(int32_t, introCourse)                                                    \
    F(int32_t, departureHour, 9)                                               \
    F(int32_t, soundLevel, 3)                                                  \
    F(int32_t, noTimeSkip)                                                     \
    F(int32_t, cruisingSpinnaker)                                              \
    F(int32_t, noFog)                                                          \
    F(int32_t, noBroaching)                                                    \
    F(int32_t, isPassage)                                                      \
    F(int32_t, isRealArea)                                                     \
    F(int32_t, depthAlarm, 1)                                                  \
    F(int32_t, savedSpeed, 9)                                                  \
    F(int32_t, savedStepDivisor, 75)
VEL_RECORD(CruiseOptions, VEL_CRUISE_OPTIONS)

// ---- Recorded input --------------------------------------------------------
#define VEL_INPUT_STATE(F)                                                     \
    F(int32_t, lastKey)                                                        \
    F(int32_t, clickX, -100)                                                   \
    F(int32_t, clickY)                                                         \
    F(int32_t, prevClickX)                                                     \
    F(int32_t, prevClickY)                                                     \
    F(int32_t, rightClickX)                                                    \
    F(int32_t, rightClickY)                                                    \
    F(int32_t, leftClicked)
VEL_RECORD(InputState, VEL_INPUT_STATE)

// ---- Simulated clock -------------------------------------------------------
#define VEL_SIM_CLOCK(F)                                                       \
    F(int32_t, day, 1)                                                         \
    F(int32_t, hour)                                                           \
    F(int32_t, minute)                                                         \
    F(double, timeStep)                                                        \
    F(double, minutesPerUnit)                                                  \
    F(double, elapsed)                                                         \
    F(double, elapsedToday)                                                    \
    F(double, cruiseMinutes)                                                   \
    F(double, dayMinutes)                                                      \
    F(double, dayHours)                                                        \
    F(int32_t, cruiseHours)                                                    \
    F(int32_t, speedBeforeStop, 9)                                             \
    F(int32_t, divisorBeforeStop, 75)                                          \
    F(int32_t, stopHour, -1)                                                   \
    F(int32_t, jumpBanner)                                                     \
    F(int32_t, dawnSpeedRestored)                                              \
    F(int32_t, cycleA)                                                         \
    F(int32_t, cycleB)                                                         \
    F(int32_t, cycleC)                                                         \
    F(int32_t, cycle60)
VEL_RECORD(SimClock, VEL_SIM_CLOCK)

// ---- The own boat's dynamic state ------------------------------------------
// Motion first, then sail plan and trim, engine and helm, ground tackle and
// made-fast states, as the subsystems that write them are ordered.
#define VEL_OWN_BOAT(F)                                                        \
    F(double, x)                                                               \
    F(double, y)                                                               \
    F(int32_t, cellX)                                                          \
    F(int32_t, cellY)                                                          \
    F(double, headingExact)                                                    \
    F(int32_t, heading)                                                        \
    F(double, speedExact)                                                      \
    F(int32_t, speed)                                                          \
    F(int32_t, heel)                                                           \
    F(int32_t, trueWindAngle)                                                  \
    F(int32_t, tack, 1)                                                        \
    F(int32_t, apparentWindAngle)                                              \
    F(int32_t, apparentWindSpeed)                                              \
    F(int32_t, leeway)                                                         \
    F(double, speedOverGround)                                                 \
    F(int32_t, speedOverGroundTenths)                                          \
    F(int32_t, courseOverGround)                                               \
    F(double, log)                                                             \
    F(int32_t, depth, 10)                                                      \
    F(int32_t, anchored)                                                       \
    F(int32_t, docked)                                                         \
    F(int32_t, onBuoy)                                                         \
    F(int32_t, alongside)                                                      \
    F(int32_t, screws, 1)                                                      \
    F(int32_t, sailsUp)                                                        \
    F(int32_t, headsail)                                                       \
    F(int32_t, spinnaker)                                                      \
    F(int32_t, reefed)                                                         \
    F(int32_t, wingAndWing)                                                    \
    F(int32_t, sheet, 47)                                                      \
    F(int32_t, autoTrim, 1)                                                    \
    F(int32_t, sheetAngle)                                                     \
    F(int32_t, luffing)                                                        \
    F(int32_t, overTrimmed)                                                    \
    F(int32_t, sailForce)                                                      \
    F(int32_t, apparentWindAngleSeen)                                          \
    F(int32_t, slammed)                                                        \
    F(int32_t, throttle)                                                       \
    F(int32_t, gear)                                                           \
    F(int32_t, twinSplit)                                                      \
    F(int32_t, rudder)                                                         \
    F(int32_t, tackRequest)                                                    \
    F(int32_t, closeHauled)                                                    \
    F(int32_t, prevTack)                                                       \
    F(int32_t, anchorRode, 100)                                                \
    F(int32_t, rodeChangeRequest)                                              \
    F(int32_t, tenderAnchorBearing, -1)                                        \
    F(int32_t, kellet)                                                         \
    F(int32_t, atPier)                                                         \
    F(int32_t, castOff)                                                        \
    F(int32_t, mooringLine)                                                    \
    F(int32_t, hardAground)                                                    \
    F(int32_t, anchorStatusShown)
VEL_RECORD(OwnBoat, VEL_OWN_BOAT)

// ---- Wind, synoptic weather, fog, storms and sea state ---------------------
#define VEL_WEATHER(F)                                                         \
    F(int32_t, windDirection)                                                  \
    F(int32_t, windSpeed)                                                      \
    F(int32_t, gust)                                                           \
    F(int32_t, gustShift)                                                      \
    F(int32_t, baseDirection)                                                  \
    F(int32_t, baseSpeed)                                                      \
    F(int32_t, cruiseWind)                                                     \
    F(int32_t, dailyTrend)                                                     \
    F(int32_t, systemStart)                                                    \
    F(int32_t, systemPosition)                                                 \
    F(int32_t, windOctant)                                                     \
    F(int32_t, highPressure)                                                   \
    F(int32_t, veer)                                                           \
    F(int32_t, frontType)                                                      \
    F(int32_t, frontHour, 240)                                                 \
    F(int32_t, frontArrived)                                                   \
    F(int32_t, afterFrontSoutherly)                                            \
    F(int32_t, regionWarmth)                                                   \
    F(int32_t, floorTemperature)                                               \
    F(int32_t, highTemperature)                                                \
    F(int32_t, cloudCover)                                                     \
    F(int32_t, humidity)                                                       \
    F(int32_t, fog)                                                            \
    F(int32_t, fogSeen)                                                        \
    F(int32_t, storm)                                                          \
    F(double, stormHour)                                                       \
    F(int32_t, exposure)                                                       \
    F(int32_t, exposureMin)                                                    \
    F(double, waveHeight)                                                      \
    F(int32_t, waveState)                                                      \
    F(int32_t, windAgainstCurrent)                                             \
    F(int32_t, maxWind)                                                        \
    F(int32_t, moonlight)
VEL_RECORD(Weather, VEL_WEATHER)

// ---- Working dimensions of the boat, fixed for a cruise --------------------
// The title screen derives them from the design options; draft has no
// default of its own until then.
#define VEL_BOAT_DESIGN(F)                                                     \
    F(int32_t, length, 40)                                                     \
    F(int32_t, displacement, 10)                                               \
    F(int32_t, sailArea, 10)                                                   \
    F(int32_t, rig, 100)                                                       \
    F(int32_t, draft)
VEL_RECORD(BoatDesign, VEL_BOAT_DESIGN)

// ---- Pitching, advanced once per drawn frame -------------------------------
// crestDistance and crestDistancePrev: this and last frame's distance to the
// nearest wave crest; a slam needs it shrinking.
#define VEL_WAVE_MOTION(F)                                                     \
    F(int32_t, bouncecount)                                                    \
    F(int32_t, pitch)                                                          \
    F(int32_t, slamCooldown)                                                   \
    F(double, crestDistance)                                                   \
    F(double, crestDistancePrev)
VEL_RECORD(WaveMotion, VEL_WAVE_MOTION)

// ---- The own boat's ground tackle ------------------------------------------
#define VEL_ANCHOR_STATE(F)                                                    \
    F(int32_t, lineLength1)                                                    \
    F(int32_t, lineLength2)                                                    \
    F(int32_t, payingOut)                                                      \
    F(int32_t, distance)                                                       \
    F(int32_t, lineBearing)                                                    \
    F(int32_t, holdX)                                                          \
    F(int32_t, holdY)
VEL_RECORD(AnchorState, VEL_ANCHOR_STATE)

// ---- The two mooring buoys (truncated object-list positions) ---------------
// Unplaced buoys lie far off every area, where nothing can pick them up.
inline constexpr int32_t kParkedPosition = -30000;
using BuoyXs = Arr<int32_t, 2>;
#define VEL_MOORINGS(F)                                                        \
    F(BuoyXs, buoyX, Filled<BuoyXs>(kParkedPosition))                          \
    F(int32_t, buoy1Y, kParkedPosition)                                        \
    F(int32_t, buoy2Y, kParkedPosition)
VEL_RECORD(Moorings, VEL_MOORINGS)

// ---- Equipment failures ----------------------------------------------------
// Indexed by device: 0 GPS, 1 radar, 2 depth alarm, 3 engine; lastKind is the
// device number plus one. shownAt -400 means no banner.
using DeviceInts = Arr<int32_t, 4>;
using DeviceDoubles = Arr<double, 4>;
#define VEL_FAILURES(F)                                                        \
    F(DeviceInts, time)                                                        \
    F(DeviceInts, failed)                                                      \
    F(DeviceInts, reported)                                                    \
    F(DeviceDoubles, shownAt, Filled<DeviceDoubles>(-400.0))                   \
    F(int32_t, lastKind)
VEL_RECORD(Failures, VEL_FAILURES)

// ---- Contacts with piers, piles and anchored vessels -----------------------
#define VEL_HAZARDS(F)                                                         \
    F(int32_t, contact)                                                        \
    F(int32_t, closestVessel, 1000)                                            \
    F(int32_t, contactBeeped)
VEL_RECORD(Hazards, VEL_HAZARDS)

// ---- Terrain tables of the current area ------------------------------------
// Generated islands and passage landmasses share slots 1..38; real-area
// islands and shoals are ellipses with tables of their own. Slot counts for
// the real areas are not fixed by the data, so they are sized with room:
// the largest known lists are Maine's 70 islands and 132 shoals.
inline constexpr int kIslandSlots = 39;
inline constexpr int kRealIslandSlots = 121;
inline constexpr int kShoalSlots = 161;
// Index 284 is the eastern closing point of the coastline.
using CoastInts = Arr<int32_t, 285>;
using CoveInts = Arr<int32_t, 3>;
using IslandInts = Arr<int32_t, kIslandSlots>;
using IslandDoubles = Arr<double, kIslandSlots>;
// The sector radii use 36 of each 181-entry row, the landmass outlines all.
using IslandRows = Arr2<int32_t, kIslandSlots, 181>;
// [island][point][0 = x, 1 = y]; 37 points for generated islands, 73 for
// real-area islands and shoals, the last equal to the first.
using IslandOutlines = Arr<Arr2<int32_t, 73, 2>, kRealIslandSlots>;
using ShoalOutlines = Arr<Arr2<int32_t, 73, 2>, kShoalSlots>;
using RealIslandInts = Arr<int32_t, kRealIslandSlots>;
using RealIslandDoubles = Arr<double, kRealIslandSlots>;
using ShoalInts = Arr<int32_t, kShoalSlots>;
using ShoalDoubles = Arr<double, kShoalSlots>;
using ShoreInts = Arr<int32_t, 301>;
using PierInts = Arr<int32_t, 6>;
// Ten hills in the generated areas, 39 in Southern New England.
using HillInts = Arr<int32_t, 64>;
// Landmarks A (a pair of points), B, C, D, E.
using LandmarkInts = Arr<int32_t, 6>;
using DockOutlineInts = Arr<int32_t, 10>;
using StartCircleInts = Arr<int32_t, 3>;
// The real areas' depth index: a grid of 1000-unit cells over +-26000, each
// listing the islands (i) and shoals (1000 + k) that can be the shallowest
// there; a start of -1 means "ask every one".
inline constexpr int kRealCellsAcross = 52;
inline constexpr int kRealCellSize = 1000;
using RealCellStarts = Arr<int32_t, kRealCellsAcross * kRealCellsAcross + 1>;
using RealCellItems = Arr<int32_t, 40000>;
#define VEL_AREA_GRID(F)                                                       \
    F(int32_t, areaCode)                                                       \
    F(int32_t, region)                                                         \
    F(int32_t, isPassage)                                                      \
    F(int32_t, isRealArea)                                                     \
    F(int32_t, unitsPerMile)                                                   \
    F(int32_t, mainlandSide)                                                   \
    F(int32_t, coastBaseY)                                                     \
    F(int32_t, seaSign)                                                        \
    F(int32_t, mirrored)                                                       \
    F(CoastInts, coastX)                                                       \
    F(CoastInts, coastY)                                                       \
    F(int32_t, coastStep)                                                      \
    F(int32_t, riverBend)                                                      \
    F(int32_t, straightBanks)                                                  \
    F(CoveInts, coveStart)                                                     \
    F(CoveInts, coveEnd)                                                       \
    F(CoveInts, coveInnerY)                                                    \
    F(CoveInts, coveStartX)                                                    \
    F(CoveInts, coveEndX)                                                      \
    F(int32_t, islandCount)                                                    \
    F(IslandInts, islandX)                                                     \
    F(IslandInts, islandY)                                                     \
    F(IslandInts, islandRadius)                                                \
    F(IslandDoubles, islandAspect)                                             \
    F(IslandDoubles, islandRotation)                                           \
    F(IslandRows, islandSectorRadius)                                          \
    F(IslandOutlines, islandOutline)                                           \
    F(IslandInts, isLandmass)                                                  \
    F(IslandInts, islandNotch)                                                 \
    F(IslandInts, islandReach)                                                 \
    F(IslandRows, landX)                                                       \
    F(IslandRows, landY)                                                       \
    F(RealIslandInts, realIslandX)                                             \
    F(RealIslandInts, realIslandY)                                             \
    F(RealIslandInts, R)                                                       \
    F(RealIslandDoubles, aspect)                                               \
    F(RealIslandDoubles, rotation)                                             \
    F(RealIslandInts, skewSector)                                              \
    F(RealIslandInts, bulgeSector)                                             \
    F(RealIslandInts, radarFirst)                                              \
    F(RealIslandInts, radarLast, Filled<RealIslandInts>(72))                   \
    F(int32_t, islandCountA)                                                   \
    F(int32_t, islandCountB)                                                   \
    F(int32_t, islandCountExtra)                                               \
    F(ShoalInts, shoalX)                                                       \
    F(ShoalInts, shoalY)                                                       \
    F(ShoalInts, shoalR)                                                       \
    F(ShoalDoubles, shoalAspect)                                               \
    F(ShoalDoubles, shoalRotation)                                             \
    F(ShoalInts, shoalSkewSector)                                              \
    F(ShoalInts, shoalBulgeSector)                                             \
    F(ShoalInts, shoalRadarFirst)                                              \
    F(ShoalInts, shoalRadarLast, Filled<ShoalInts>(72))                        \
    F(ShoalInts, shoalDisabled)                                                \
    F(ShoalOutlines, shoalOutline)                                             \
    F(int32_t, shoalCount)                                                     \
    F(int32_t, shoalCountExtra)                                                \
    F(ShoreInts, shoreX)                                                       \
    F(ShoreInts, shoreY)                                                       \
    F(double, shoreStep)                                                       \
    F(int32_t, shoreXMin, -30000)                                              \
    F(int32_t, shoreXMax, -30000)                                              \
    F(ShoreInts, westShoreY)                                                   \
    F(ShoreInts, westShoreX)                                                   \
    F(double, westStep)                                                        \
    F(int32_t, westYMin, -30000)                                               \
    F(int32_t, westYMax, -30000)                                               \
    F(ShoreInts, eastShoreY)                                                   \
    F(ShoreInts, eastShoreX)                                                   \
    F(double, eastStep)                                                        \
    F(int32_t, eastYMin, -30000)                                               \
    F(int32_t, eastYMax, -30000)                                               \
    F(PierInts, pierCornerX)                                                   \
    F(PierInts, pierCornerY)                                                   \
    F(int32_t, pierBerthX, kParkedPosition)                                    \
    F(int32_t, pierBerthY, kParkedPosition)                                    \
    F(int32_t, pierCorner1X)                                                   \
    F(int32_t, pierCorner2X)                                                   \
    F(int32_t, pierCorner2Y)                                                   \
    F(int32_t, pierCorner3X)                                                   \
    F(int32_t, pierCorner3Y)                                                   \
    F(int32_t, realDockX)                                                      \
    F(int32_t, realDockY)                                                      \
    F(int32_t, realDockSide)                                                   \
    F(int32_t, realDockHeading1)                                               \
    F(int32_t, realDockHeading2)                                               \
    F(DockOutlineInts, realDockOutlineX)                                       \
    F(DockOutlineInts, realDockOutlineY)                                       \
    F(int32_t, hillCount)                                                      \
    F(HillInts, hillX)                                                         \
    F(HillInts, hillY)                                                         \
    F(HillInts, hillSize)                                                      \
    F(LandmarkInts, landmarkX)                                                 \
    F(LandmarkInts, landmarkY)                                                 \
    F(int32_t, landmarkVariant)                                                \
    F(int32_t, harbourX)                                                       \
    F(int32_t, harbourY)                                                       \
    F(int32_t, gulfWestX, -15500)                                              \
    F(int32_t, gulfEastX, -6500)                                               \
    F(int32_t, startCircleCount)                                               \
    F(StartCircleInts, startCircleX)                                           \
    F(StartCircleInts, startCircleY)                                           \
    F(int32_t, inDeepSound)                                                    \
    F(int32_t, onWestBank)                                                     \
    F(RealIslandDoubles, realCos)                                              \
    F(RealIslandDoubles, realSin)                                              \
    F(ShoalDoubles, shoalCos)                                                  \
    F(ShoalDoubles, shoalSin)                                                  \
    F(RealCellStarts, realCellStart)                                           \
    F(RealCellItems, realCellItems)
VEL_RECORD(AreaGrid, VEL_AREA_GRID)

// ---- Rocks of the current area ---------------------------------------------
// Up to 80 in the Bahamian generated islands; the stored real-area lists are
// not bounded by the data, hence the room.
using RockInts = Arr<int32_t, 200>;
#define VEL_ROCK_LIST(F)                                                       \
    F(int32_t, count)                                                          \
    F(int32_t, realCount)                                                      \
    F(RockInts, x)                                                             \
    F(RockInts, y)                                                             \
    F(RockInts, visible)
VEL_RECORD(RockList, VEL_ROCK_LIST)

// ---- Magnetic variation and waypoint approach ------------------------------
#define VEL_NAV_STATE(F)                                                       \
    F(int32_t, variation)                                                      \
    F(int32_t, waypointApproach)
VEL_RECORD(NavState, VEL_NAV_STATE)

// ---- Gulf Stream bank test of the Florida-Bahamas passages -----------------
// zoneX: the boat's x at the last zone check of a passage (its anchorage
// moves when a zone line is crossed).
#define VEL_PASSAGE_STATE(F)                                                   \
    F(int32_t, bankEastX, 19970)                                               \
    F(int32_t, bankLineY, 20000)                                               \
    F(int32_t, onBank)                                                         \
    F(double, zoneX)
VEL_RECORD(PassageState, VEL_PASSAGE_STATE)

// ---- Tide and current ------------------------------------------------------
#define VEL_TIDE_STATE(F)                                                      \
    F(int32_t, maxCurrent)                                                     \
    F(int32_t, range)                                                          \
    F(int32_t, gulfStreamSpeed)                                                \
    F(int32_t, dailyOffset)                                                    \
    F(int32_t, lowWaterHour)                                                   \
    F(int32_t, localLowWaterHour)                                              \
    F(int32_t, height)                                                         \
    F(int32_t, currentSpeed)                                                   \
    F(int32_t, currentFrom)                                                    \
    F(int32_t, boatCurrentSpeed)                                               \
    F(int32_t, boatCurrentFrom)                                                \
    F(int32_t, virtualFrom)                                                    \
    F(int32_t, chartHoursAhead)
VEL_RECORD(TideState, VEL_TIDE_STATE)

// ---- Lighthouses (entries 1..7; 30000 means none) --------------------------
using LighthouseInts = Arr<int32_t, 8>;
#define VEL_LIGHTHOUSE(F)                                                      \
    F(LighthouseInts, x, Filled<LighthouseInts>(30000))                        \
    F(LighthouseInts, y, Filled<LighthouseInts>(30000))                        \
    F(int32_t, count)
VEL_RECORD(Lighthouse, VEL_LIGHTHOUSE)

// ---- Navigation marks of the real areas ------------------------------------
// The longest stored list has 91 marks.
using MarkInts = Arr<int32_t, 128>;
#define VEL_MARK_LIST(F)                                                       \
    F(int32_t, count)                                                          \
    F(MarkInts, x)                                                             \
    F(MarkInts, y)                                                             \
    F(MarkInts, kind)
VEL_RECORD(MarkList, VEL_MARK_LIST)

// ---- Sailing-view switches, camera and hand-bearing compass ----------------
#define VEL_VIEW_STATE(F)                                                      \
    F(int32_t, simpleGraphics)                                                 \
    F(int32_t, monochrome)                                                     \
    F(int32_t, viewMode)                                                       \
    F(int32_t, closeUpChosen)                                                  \
    F(int32_t, transparentSails)                                               \
    F(int32_t, lookOffset)                                                     \
    F(int32_t, compassMode)                                                    \
    F(int32_t, binoculars)                                                     \
    F(int32_t, viewHeading)                                                    \
    F(int32_t, eyeHeading)                                                     \
    F(int32_t, horizonY)                                                       \
    F(int32_t, night)                                                          \
    F(int32_t, twilight)                                                       \
    F(int32_t, fogLine)                                                        \
    F(int32_t, sunX)                                                           \
    F(int32_t, sunGlare)                                                       \
    F(int32_t, savedBearing)                                                   \
    F(int32_t, savedBearingPrev)                                               \
    F(int32_t, headingOffView)                                                 \
    F(double, compassBearingExact)                                             \
    F(int32_t, handBearing)                                                    \
    F(int32_t, compassHour)                                                    \
    F(int32_t, miniChartScale, 4)
VEL_RECORD(ViewState, VEL_VIEW_STATE)

// ---- The world-to-screen projection and its result slots -------------------
// Slots belong to the callers; the widest user projects the shore line by
// point index (up to 284), so the arrays leave room beyond that.
using ProjectionSlots = Arr<int32_t, 1000>;
#define VEL_PROJECTION(F)                                                      \
    F(int32_t, centerX)                                                        \
    F(int32_t, baseY)                                                          \
    F(double, distance)                                                        \
    F(int32_t, relBearing)                                                     \
    F(ProjectionSlots, screenX)                                                \
    F(ProjectionSlots, screenY)
VEL_RECORD(Projection, VEL_PROJECTION)

// ---- Chart zoom, pan, waypoints, marks, lines, circles ---------------------
// Waypoint x -11000 means an empty slot; slot 0 is the one set at the boat.
// The bearing and radius digits come from the plotting dialogs; -1 is unset.
using WaypointInts = Arr<int32_t, 6>;
using MarkSlotInts = Arr<int32_t, 4>;
using PlotInts = Arr<int32_t, 3>;
#define VEL_CHART_VIEW(F)                                                      \
    F(int32_t, scale)                                                          \
    F(int32_t, fullScale)                                                      \
    F(int32_t, panX)                                                           \
    F(int32_t, panY)                                                           \
    F(int32_t, centreX)                                                        \
    F(int32_t, centreY)                                                        \
    F(int32_t, centreOnBoat)                                                   \
    F(int32_t, showCurrents)                                                   \
    F(int32_t, showMarkNames, 1)                                               \
    F(int32_t, waypointMode)                                                   \
    F(int32_t, selectTarget)                                                   \
    F(int32_t, waypointAdvanceCount, -1)                                       \
    F(int32_t, markAtClick)                                                    \
    F(int32_t, rangeBearingTool)                                               \
    F(int32_t, eraseLines)                                                     \
    F(int32_t, lineRequest)                                                    \
    F(int32_t, circleRequest)                                                  \
    F(int32_t, mouseWorldX)                                                    \
    F(int32_t, mouseWorldY)                                                    \
    F(int32_t, zoomAtClick)                                                    \
    F(int32_t, zoomClickScale)                                                 \
    F(int32_t, openedThisCruise)                                               \
    F(WaypointInts, waypointX, Filled<WaypointInts>(-11000))                   \
    F(WaypointInts, waypointY)                                                 \
    F(WaypointInts, waypointScreenX)                                           \
    F(WaypointInts, waypointScreenY)                                           \
    F(int32_t, nextWaypoint, 1)                                                \
    F(MarkSlotInts, markX)                                                     \
    F(MarkSlotInts, markY)                                                     \
    F(MarkSlotInts, markSet)                                                   \
    F(int32_t, nextMark)                                                       \
    F(PlotInts, lineX)                                                         \
    F(PlotInts, lineY)                                                         \
    F(PlotInts, lineBearing)                                                   \
    F(PlotInts, lineSet)                                                       \
    F(int32_t, nextLine)                                                       \
    F(PlotInts, circleX)                                                       \
    F(PlotInts, circleY)                                                       \
    F(PlotInts, circleRadius)                                                  \
    F(int32_t, nextCircle)                                                     \
    F(int32_t, toolAnchorSet)                                                  \
    F(int32_t, toolAnchorX)                                                    \
    F(int32_t, toolAnchorY)                                                    \
    F(int32_t, toolDistance)                                                   \
    F(int32_t, toolBearing)                                                    \
    F(int32_t, bearingHundreds)                                                \
    F(int32_t, bearingTens, -1)                                                \
    F(int32_t, bearingUnits, -1)                                               \
    F(int32_t, radiusTens)                                                     \
    F(int32_t, radiusUnits, -1)                                                \
    F(int32_t, radiusTenths, -1)
VEL_RECORD(ChartView, VEL_CHART_VIEW)

// ---- Radar range, EBL and VRM ----------------------------------------------
#define VEL_RADAR_STATE(F)                                                     \
    F(int32_t, range, 6)                                                       \
    F(int32_t, ebl)                                                            \
    F(int32_t, vrm)                                                            \
    F(int32_t, eblBearing)                                                     \
    F(int32_t, vrmDistance)                                                    \
    F(int32_t, savedEbl)                                                       \
    F(int32_t, savedEblPrev)                                                   \
    F(int32_t, savedVrm)                                                       \
    F(int32_t, savedVrmPrev)                                                   \
    F(int32_t, sweep)
VEL_RECORD(RadarState, VEL_RADAR_STATE)

// ---- Scoring ---------------------------------------------------------------
#define VEL_SCORE(F)                                                           \
    F(int32_t, endReason)                                                      \
    F(int32_t, highScore)                                                      \
    F(int32_t, tooClose)                                                       \
    F(int32_t, anchorageCalm, 10)                                              \
    F(int32_t, passageStartValid)
VEL_RECORD(Score, VEL_SCORE)

// ---- Shared tables ---------------------------------------------------------
inline constexpr int kObjectSlots = 100;
using ObjectDoubles = Arr<double, kObjectSlots>;
using ObjectInts = Arr<int32_t, kObjectSlots>;
using AnchorInts = Arr2<int32_t, 10, 3>;
using AnchorDoubles = Arr2<double, 10, 3>;
using DegreeTable = Arr<int32_t, 362>;
using RandomValues = Arr<int32_t, 901>;
#define VEL_OBJECT_LIST(F)                                                     \
    F(ObjectDoubles, fbx)                                                      \
    F(ObjectDoubles, fby)                                                      \
    F(ObjectInts, kind)                                                        \
    F(int32_t, count)
VEL_RECORD(ObjectList, VEL_OBJECT_LIST)

// ---- Ships under way, the anchored fleet, drifting sea-surface items --------
// Ships are numbered 1..5 (object entries 35..39), route points 1..16; the
// fleet is indexed by vessel number 0 and 2..9 (object entries 40 + j).
inline constexpr int kShipSlots = 6;
inline constexpr int kRoutePoints = 17;
inline constexpr int kFleetSlots = 10;
inline constexpr int kWaveCrests = 80;
inline constexpr int kRipples = 200;
using ShipInts = Arr<int32_t, kShipSlots>;
using RouteInts = Arr2<int32_t, kShipSlots, kRoutePoints>;
using FleetInts = Arr<int32_t, kFleetSlots>;
using CrestDoubles = Arr<double, kWaveCrests>;
using RippleDoubles = Arr<double, kRipples>;
#define VEL_VESSELS(F)                                                         \
    F(int32_t, shipCount, 0)                                                   \
    F(int32_t, convoy)                                                         \
    F(ShipInts, heading)                                                       \
    F(ShipInts, placements)                                                    \
    F(ShipInts, routeIndex)                                                    \
    F(ShipInts, routeLength)                                                   \
    F(RouteInts, routeX)                                                       \
    F(RouteInts, routeY)                                                       \
    F(FleetInts, onMooring)                                                    \
    F(FleetInts, vesselHeading)                                                \
    F(FleetInts, vesselSize)                                                   \
    F(FleetInts, vesselColour)                                                 \
    F(int32_t, fleetLieFrom, -1)                                               \
    F(CrestDoubles, crestX)                                                    \
    F(CrestDoubles, crestY)                                                    \
    F(CrestDoubles, crestScale)                                                \
    F(CrestDoubles, crestFactor)                                               \
    F(RippleDoubles, rippleX)                                                  \
    F(RippleDoubles, rippleY)
VEL_RECORD(Vessels, VEL_VESSELS)

// anchor/xanch/yanch[vessel][anchor]: vessel 1 is the own boat, 2..9 and 0
// the anchored fleet; anchors 1 and 2 (index 0 unused).
#define VEL_ANCHORS(F)                                                         \
    F(AnchorInts, anchor)                                                      \
    F(AnchorDoubles, xanch)                                                    \
    F(AnchorDoubles, yanch)
VEL_RECORD(Anchors, VEL_ANCHORS)

#define VEL_TRIG_TABLES(F)                                                     \
    F(DegreeTable, sin100)                                                     \
    F(DegreeTable, cos100)
VEL_RECORD(TrigTables, VEL_TRIG_TABLES)

#define VEL_RANDOM_TABLE(F) F(RandomValues, r100)
VEL_RECORD(RandomTable, VEL_RANDOM_TABLE)

// ---- NMEA 0183 output to a chart plotter -----------------------------------
// The switch and destination persist beside the settings file; lastSecond is
// the boat-time second of the last sentences sent, lastSentAt its tick count;
// ais adds the other vessels as AIS targets.
#define VEL_NMEA_OUTPUT(F)                                                     \
    F(int32_t, enabled)                                                        \
    F(int32_t, ais, 1)                                                         \
    F(std::string, host, "127.0.0.1")                                          \
    F(int32_t, port, 10110)                                                    \
    F(int32_t, lastSecond, -1)                                                 \
    F(int64_t, lastSentAt)
VEL_RECORD(NmeaOutput, VEL_NMEA_OUTPUT)

// ---- AIS targets: the ships and the fleet as a plotter sees them -----------
// Slot i (1..5) is ship i, slot 6 + j the fleet vessel j. identity changes
// when the game puts a different vessel in the slot; next* are boat-time
// seconds; lastX/lastY/lastAt the position of the last report (lastAt -1:
// none); staticPart 1 while part B of a class B static report is due.
// sequence and channel belong to the next message; lastSentAt is the tick
// count of the last datagram, active whether the output ran last frame.
inline constexpr int kAisSlots = 16;
using AisInts = Arr<int32_t, kAisSlots>;
using AisDoubles = Arr<double, kAisSlots>;
#define VEL_AIS_TRAFFIC(F)                                                     \
    F(AisInts, mmsi)                                                           \
    F(AisInts, identity)                                                       \
    F(AisInts, nextPosition)                                                   \
    F(AisInts, nextStatic)                                                     \
    F(AisInts, staticPart)                                                     \
    F(AisDoubles, lastX)                                                       \
    F(AisDoubles, lastY)                                                       \
    F(AisInts, lastAt)                                                         \
    F(int32_t, sequence)                                                       \
    F(int32_t, channel)                                                        \
    F(int32_t, active)                                                         \
    F(int64_t, lastSentAt)
VEL_RECORD(AisTraffic, VEL_AIS_TRAFFIC)

}  // namespace vel
