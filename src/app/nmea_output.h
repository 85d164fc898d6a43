#pragma once
// NMEA output on this platform: sentences go out as UDP datagrams, and the
// switch and destination live in a small file beside the settings file.
#include <QHostAddress>
#include <QUdpSocket>
#include <functional>
#include <string>
#include <vector>

#include "app/kept_file.h"
#include "common/game.h"

namespace vel {

class NmeaSender {
public:
    // Told what went wrong (and once more after a recovery), for the status bar.
    using Report = std::function<void(const std::string&)>;

    NmeaSender();
    ~NmeaSender();
    void setReport(Report report) { report_ = std::move(report); }

    // One datagram per sentence to host:port. Never waits: a host name is
    // looked up in the background, and what comes before the answer is dropped.
    void send(const std::string& host, int32_t port, const std::vector<std::string>& sentences);

private:
    void aim(const std::string& host, int32_t port);
    void tell(const std::string& message);

    QUdpSocket socket_;
    std::string host_;
    int32_t port_ = 0;
    QHostAddress address_;
    int lookupId_ = -1;
    std::string lastReport_;
    Report report_;
};

// "p.vel" → "p.vel.nmea": two settings files never share one.
std::string NmeaSettingsPath(const std::string& settingsPath);
// A missing or unusable file leaves the defaults. Returns what the player is
// told at start: why the file or its destination cannot be used, or nothing.
std::string LoadNmeaSettingsFile(Game& g, KeptFile& file);
// False with the reason when the file could not be replaced.
bool SaveNmeaSettingsFile(const Game& g, const KeptFile& file, std::string& why);

}  // namespace vel
