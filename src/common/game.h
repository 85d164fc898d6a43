#pragma once
// The whole program state: every record plus the random generator. Functions
// take the parts they need by reference; two games can live side by side.
#include <optional>
#include <vector>

#include "common/records.h"
#include "common/rng.h"
#include "common/shore_map.h"

namespace vel {

// How a sound is started, as the audio device understands it.
enum class PlayMode { Replace, NoInterrupt, Plain };

// A sound asked for by the simulation or a view; the frame driver hands the
// queue to the audio device after the frame. Id 0 is the system beep.
struct SoundRequest {
    int id = 0;
    PlayMode mode = PlayMode::Plain;
    bool operator==(const SoundRequest&) const = default;
};

struct Game {
    ScreenState screenState;
    CruiseOptions cruiseOptions;
    InputState inputState;
    SimClock simClock;
    OwnBoat ownBoat;
    Weather weather;
    BoatDesign boatDesign;
    WaveMotion waveMotion;
    AnchorState anchorState;
    Moorings moorings;
    Failures failures;
    Hazards hazards;
    AreaGrid areaGrid;
    RockList rockList;
    NavState navState;
    PassageState passageState;
    TideState tideState;
    Lighthouse lighthouse;
    MarkList markList;
    ViewState viewState;
    Projection projection;
    ChartView chartView;
    RadarState radarState;
    Score score;
    ObjectList objectList;
    Anchors anchors;
    Vessels vessels;
    TrigTables trigTables;
    RandomTable randomTable;
    NmeaOutput nmeaOutput;
    // The true shoreline and charted depths of a passage or real area,
    // kept from one cruise to the next while the area stays the same.
    ShoreMap shoreMap;
    AisTraffic aisTraffic;

    Rng rng;
    // Set by --seed, the harness and tests: the cruise start seeds with this instead
    // of the wall clock, which makes a whole cruise reproducible.
    std::optional<uint32_t> forcedSeed;
    std::vector<SoundRequest> soundRequests;

    // Visits every record as (name, record), in a fixed order.
    template <class Self, class V>
    static void forEachRecord(Self& g, V&& v) {
        v(ScreenState::recordName, g.screenState);
        v(CruiseOptions::recordName, g.cruiseOptions);
        v(InputState::recordName, g.inputState);
        v(SimClock::recordName, g.simClock);
        v(OwnBoat::recordName, g.ownBoat);
        v(Weather::recordName, g.weather);
        v(BoatDesign::recordName, g.boatDesign);
        v(WaveMotion::recordName, g.waveMotion);
        v(AnchorState::recordName, g.anchorState);
        v(Moorings::recordName, g.moorings);
        v(Failures::recordName, g.failures);
        v(Hazards::recordName, g.hazards);
        v(AreaGrid::recordName, g.areaGrid);
        v(RockList::recordName, g.rockList);
        v(NavState::recordName, g.navState);
        v(PassageState::recordName, g.passageState);
        v(TideState::recordName, g.tideState);
        v(Lighthouse::recordName, g.lighthouse);
        v(MarkList::recordName, g.markList);
        v(ViewState::recordName, g.viewState);
        v(Projection::recordName, g.projection);
        v(ChartView::recordName, g.chartView);
        v(RadarState::recordName, g.radarState);
        v(Score::recordName, g.score);
        v(ObjectList::recordName, g.objectList);
        v(Anchors::recordName, g.anchors);
        v(Vessels::recordName, g.vessels);
        v(TrigTables::recordName, g.trigTables);
        v(RandomTable::recordName, g.randomTable);
        v(NmeaOutput::recordName, g.nmeaOutput);
        v(AisTraffic::recordName, g.aisTraffic);
    }
};

}  // namespace vel
