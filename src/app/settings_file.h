#pragma once
// The settings file on disk, in the per-user configuration folder.
#include <string>

#include "app/kept_file.h"
#include "common/game.h"

namespace vel {

// The file's full path (the folder is created on saving).
std::string DefaultSettingsPath();

// Missing or unusable: the defaults. Short: what it holds, defaults for the rest.
void LoadSettingsFile(Game& g, KeptFile& file);
void LoadSettingsFile(Game& g, const std::string& path);

// False with the reason in `why` when the file could not be replaced; the
// old file then stays byte for byte (kept_file.h).
bool SaveSettingsFile(const Game& g, const KeptFile& file, std::string* why = nullptr);
bool SaveSettingsFile(const Game& g, const std::string& path, std::string* why = nullptr);

}  // namespace vel
