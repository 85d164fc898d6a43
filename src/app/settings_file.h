#pragma once
// The settings file on disk, in the per-user configuration folder.
#include <string>

#include "common/game.h"

namespace vel {

// The file's full path (the folder is created on saving).
std::string DefaultSettingsPath();

// Missing or unreadable: the defaults. Short: what it holds, defaults for the rest.
void LoadSettingsFile(Game& g, const std::string& path);

// Written to a temporary file and renamed over the old one, so a failed save
// leaves the previous file intact. Returns false (and says why on stderr) on failure.
bool SaveSettingsFile(const Game& g, const std::string& path);

}  // namespace vel
