#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "shell/settings.h"

namespace vel {

std::string DefaultSettingsPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/velmara";
    return QDir(dir).filePath(QStringLiteral("p.vel")).toStdString();
}

void LoadSettingsFile(Game& g, const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) {
        ApplyMissingSettings(g);
        return;
    }
    const QByteArray bytes = f.read(kSettingsBytes);
    DecodeSettings(g, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                               static_cast<std::size_t>(bytes.size())));
}

bool SaveSettingsFile(const Game& g, const std::string& path) {
    const QString qpath = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(qpath).absolutePath());
    const std::vector<uint8_t> bytes = EncodeSettings(g);
    QSaveFile f(qpath);
    bool ok = f.open(QIODevice::WriteOnly);
    ok = ok && f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
                   static_cast<qint64>(bytes.size());
    ok = ok && f.commit();
    if (!ok) {
        std::fprintf(stderr, "velmara: could not save settings to %s: %s\n", path.c_str(),
                     f.errorString().toLocal8Bit().constData());
        f.cancelWriting();
    }
    return ok;
}

}  // namespace vel
