#pragma once
// The small files the game keeps beside one another (the settings, the NMEA
// output, the window's size, and any later one): each read once at start and
// replaced whole at exit, with the same care for all of them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vel {

// Every kept file is 144 bytes or a few lines: a larger one is not ours.
inline constexpr std::size_t kKeptFileLimit = 4096;

enum class FileRead { Ok, Missing, NotRegular, TooLarge, Unreadable };

// At most `limit` bytes of a regular file. Nothing found at the path makes
// this wait or opens a device; `why` says what went wrong for Unreadable.
FileRead ReadRegularFile(const std::string& path, std::size_t limit, std::vector<uint8_t>& out, std::string& why);

// Only a complete file replaces the old one: written to a temporary file
// beside it, synced and checked, then renamed over it and the folder synced.
// A link is written through (a dangling one creates its target) and stays.
// On failure the old file stays byte for byte, the temporary file is gone,
// and false is returned with the reason. Something other than a regular
// file at the path is never replaced.
bool ReplaceFileSafely(const std::string& path, std::span<const uint8_t> bytes, std::string& why);

class KeptFile {
public:
    explicit KeptFile(std::string path, std::size_t limit = kKeptFileLimit)
        : path_(std::move(path)), limit_(limit) {}

    const std::string& path() const { return path_; }
    std::string name() const;

    // The file's bytes, empty when there is none to use. A file that is
    // there but cannot be used is named once on stderr, and problem() holds
    // the line for the status bar.
    std::vector<uint8_t> read();
    const std::string& problem() const { return problem_; }
    // A file that was there but could not be read is left alone: replacing
    // it would lose what it holds.
    bool leftAlone() const { return leftAlone_; }

    // Replaces the file; false with the reason, also said on stderr.
    bool save(std::span<const uint8_t> bytes, std::string& why) const;
    bool save(const std::string& text, std::string& why) const;

private:
    std::string path_;
    std::size_t limit_;
    std::string problem_;
    bool leftAlone_ = false;
};

}  // namespace vel
