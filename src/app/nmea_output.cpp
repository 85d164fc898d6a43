#include "app/nmea_output.h"

#include <QHostInfo>
#include <cstdio>

#include "app/kept_file.h"
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
        // A name may stand for an address that reaches no host (0.0.0.0).
        QList<QHostAddress> usable;
        for (const QHostAddress& a : found)
            if (a != QHostAddress::AnyIPv4 && a != QHostAddress::AnyIPv6) usable.push_back(a);
        for (const QHostAddress& a : usable)
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                address_ = a;
                return;
            }
        if (!usable.isEmpty()) {
            address_ = usable.front();
            return;
        }
        if (!found.isEmpty())
            tell("NMEA出力: ホスト " + host_ + " は送信先にできないアドレス (0.0.0.0 か ::) を指しています");
        else
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

std::string LoadNmeaSettingsFile(Game& g, KeptFile& file) {
    const std::vector<uint8_t> bytes = file.read();
    const std::optional<std::string> refused =
        DecodeNmeaSettings(g.nmeaOutput, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!refused) return file.problem();
    std::fprintf(stderr, "velmara: %s: the NMEA destination is refused; nothing is sent until it is changed\n",
                 file.path().c_str());
    return file.name() + ": " + *refused + "。設定し直すまで送信しません";
}

bool SaveNmeaSettingsFile(const Game& g, const KeptFile& file, std::string& why) {
    return file.save(EncodeNmeaSettings(g.nmeaOutput), why);
}

}  // namespace vel
