#include "replay/nmea_commands.h"

#include <QCoreApplication>

#include "shell/ais.h"
#include "shell/nmea.h"

namespace vel::replay {

void VirtualHost::sendNmea(const std::vector<std::string>& sentences) {
    if (nmeaLog.is_open())
        for (const std::string& s : sentences) nmeaLog << s;
    if (!nmeaSender) return;
    // A host name is answered through the event loop, which nothing else runs here.
    QCoreApplication::processEvents();
    nmeaSender->send(nmeaHost, nmeaPort, sentences);
}

int NmeaCommand(Session& s, Args a) {
    std::string host;
    int32_t port = 0;
    if (const auto why = ParseNmeaDestination(a[0], host, port)) return Bad(s, *why);
    // The game's own destination too, as the dialog would set it.
    s.game->nmeaOutput.host = s.host.nmeaHost = host;
    s.game->nmeaOutput.port = s.host.nmeaPort = port;
    s.game->nmeaOutput.enabled = 1;
    if (!s.host.nmeaSender) {
        s.host.nmeaSender = std::make_unique<NmeaSender>();
        std::ostream* out = s.out;
        s.host.nmeaSender->setReport([out](const std::string& m) { *out << m << "\n"; });
    }
    return kOk;
}

int NmeaLogCommand(Session& s, Args a) {
    s.host.nmeaLog.close();
    s.host.nmeaLog.clear();
    s.host.nmeaLog.open(a[0], std::ios::binary | std::ios::trunc);
    if (!s.host.nmeaLog) {
        *s.err << "could not write " << a[0] << "\n";
        return kExpectationFailed;
    }
    s.game->nmeaOutput.enabled = 1;
    return kOk;
}

// What the game sends of the vessel in AIS slot SLOT: MMSI, call sign, IMO
// number, ship type, the four distances from the antenna, then the name.
int AisTargetCommand(Session& s, Args a) {
    int32_t slot = 0;
    if (!ParseInts(a, {&slot}) || slot < 1 || slot >= kAisSlots || s.game->aisTraffic.mmsi[slot] == 0)
        return Bad(s, "ais-target takes the slot of a vessel the AIS output has named (ship i: i, fleet j: 6 + j)");
    const AisStatic d = AisStaticData(*s.game, slot);
    *s.out << d.mmsi << " " << d.callSign << " " << d.imo << " " << d.shipType << " " << d.toBow << " " << d.toStern
           << " " << d.toPort << " " << d.toStarboard << " " << d.name << "\n";
    return kOk;
}

}  // namespace vel::replay
