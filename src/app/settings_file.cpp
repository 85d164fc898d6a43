#include "app/settings_file.h"

#include <QDir>
#include <QStandardPaths>

#include "shell/settings.h"

namespace vel {

std::string DefaultSettingsPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/velmara";
    return QDir(dir).filePath(QStringLiteral("p.vel")).toStdString();
}

void LoadSettingsFile(Game& g, KeptFile& file) {
    const std::vector<uint8_t> bytes = file.read();
    if (bytes.empty()) {
        ApplyMissingSettings(g);
        return;
    }
    DecodeSettings(g, std::span<const uint8_t>(bytes.data(), bytes.size()));
}

void LoadSettingsFile(Game& g, const std::string& path) {
    KeptFile file(path);
    LoadSettingsFile(g, file);
}

bool SaveSettingsFile(const Game& g, const KeptFile& file, std::string* whyOut) {
    std::string why;
    if (file.save(EncodeSettings(g), why)) return true;
    if (whyOut) *whyOut = why;
    return false;
}

bool SaveSettingsFile(const Game& g, const std::string& path, std::string* why) {
    return SaveSettingsFile(g, KeptFile(path), why);
}

}  // namespace vel
