#include "app/nmea_output.h"

#include <QHostInfo>
#include <cstdio>

#include "app/settings_file.h"
#include "shell/nmea.h"

namespace vel {

NmeaSender::NmeaSender() = default;

NmeaSender::~NmeaSender() {
    if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
}

void NmeaSender::tell(const std::string& message) {
    // Only changes are worth a line: the status bar is not a log.
    if (message == lastReport_) return;
    lastReport_ = message;
    if (report_) report_(message);
}

void NmeaSender::aim(const std::string& host, int32_t port) {
    if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
    lookupId_ = -1;
    host_ = host;
    port_ = port;
    lastReport_.clear();
    const QString name = QString::fromStdString(host);
    if (address_.setAddress(name)) return;
    address_ = QHostAddress();
    lookupId_ = QHostInfo::lookupHost(name, &socket_, [this](const QHostInfo& info) {
        lookupId_ = -1;
        const QList<QHostAddress> found = info.addresses();
        for (const QHostAddress& a : found)
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                address_ = a;
                return;
            }
        if (!found.isEmpty()) {
            address_ = found.front();
            return;
        }
        tell("NMEA出力: ホスト " + host_ + " が見つかりません (" + info.errorString().toStdString() + ")");
    });
}

void NmeaSender::send(const std::string& host, int32_t port, const std::vector<std::string>& sentences) {
    if (host != host_ || port != port_) aim(host, port);
    const std::string destination = NmeaDestinationText(host_, port_);
    if (port_ < 1 || port_ > 65535) {
        tell("NMEA出力: ポートが正しくありません: " + destination);
        return;
    }
    if (address_.isNull()) return;
    for (const std::string& s : sentences) {
        const qint64 n = socket_.writeDatagram(s.data(), static_cast<qint64>(s.size()), address_,
                                               static_cast<quint16>(port_));
        if (n < 0) {
            tell("NMEA出力: " + destination + " へ送れません (" + socket_.errorString().toStdString() + ")");
            return;
        }
    }
    tell("NMEA出力: " + destination + " へ送信中");
}

std::string NmeaSettingsPath(const std::string& settingsPath) { return settingsPath + ".nmea"; }

void LoadNmeaSettingsFile(Game& g, const std::string& path) {
    // The file is a few lines; anything longer is not ours to read whole.
    std::vector<uint8_t> bytes;
    std::string why;
    if (ReadRegularFile(path, 4096, bytes, why) != FileRead::Ok) return;
    DecodeNmeaSettings(g.nmeaOutput, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool SaveNmeaSettingsFile(const Game& g, const std::string& path) {
    const std::string text = EncodeNmeaSettings(g.nmeaOutput);
    std::string why;
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    if (ReplaceFileSafely(path, std::span<const uint8_t>(data, text.size()), why)) return true;
    std::fprintf(stderr, "velmara: could not save the NMEA settings to %s: %s\n", path.c_str(), why.c_str());
    return false;
}

}  // namespace vel
