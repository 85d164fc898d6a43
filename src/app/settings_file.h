#pragma once
// The settings file on disk, in the per-user configuration folder.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/game.h"

namespace vel {

// The file's full path (the folder is created on saving).
std::string DefaultSettingsPath();

// Missing or unreadable: the defaults. Short: what it holds, defaults for the rest.
// Anything but a regular file (a FIFO, a device, a folder) reads as no
// settings at once, with a line on stderr.
void LoadSettingsFile(Game& g, const std::string& path);

// Only a complete file replaces the old one: written to a temporary file
// beside it, synced and checked, then renamed over it and the folder synced.
// On failure the old file stays byte for byte, the temporary file is gone,
// and false is returned with the reason in `why` (also said on stderr).
// Something other than a regular file at the path is never replaced.
bool SaveSettingsFile(const Game& g, const std::string& path, std::string* why = nullptr);

// The small files kept beside the settings file share the same care.
enum class FileRead { Ok, Missing, NotRegular, Unreadable };
// At most `limit` bytes of a regular file, never blocking on anything else
// found at the path; `why` says what went wrong for Unreadable.
FileRead ReadRegularFile(const std::string& path, std::size_t limit, std::vector<uint8_t>& out, std::string& why);
// Replaces the file as SaveSettingsFile does; false with the reason.
bool ReplaceFileSafely(const std::string& path, std::span<const uint8_t> bytes, std::string& why);

}  // namespace vel
