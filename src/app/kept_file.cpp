#include "app/kept_file.h"

#include <QDir>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vel {
namespace {

// Links followed before a chain counts as a loop, as the kernel counts.
constexpr int kMaxLinks = 40;

std::string SystemReason(const char* step, int err) { return std::string(step) + ": " + std::strerror(err); }

// Closes the descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    // The close that the caller checks: a late write error may only show here.
    int release() {
        const int rc = ::close(fd);
        fd = -1;
        return rc;
    }
};

// Reads up to `want` bytes; a short count means the file ended.
bool ReadUpTo(int fd, uint8_t* out, std::size_t want, std::size_t& got) {
    got = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, out + got, want - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, const uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link is written through, so that the link itself stays where the user
// put it; the end of a dangling chain is the file to create.
bool FollowLinks(std::string path, std::string& target, std::string& why) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = path;
            return true;
        }
        char to[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), to, sizeof to);
        if (n < 0 || n == static_cast<ssize_t>(sizeof to)) {
            why = SystemReason("following the link", n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string next(to, static_cast<std::size_t>(n));
        path = next.starts_with('/') ? next : FolderOf(path) + "/" + next;
    }
    why = SystemReason("following the link", ELOOP);
    return false;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file beside the target: written, flushed to the disk and
// checked before it may take the target's place; removed on any failure.
bool WriteTemporary(const std::string& tmp, int fd, std::span<const uint8_t> bytes, mode_t mode,
                    std::string& why) {
    Fd file{fd};
    struct stat st {};
    if (::fchmod(fd, mode) != 0) why = SystemReason("setting permissions", errno);
    else if (!WriteAll(fd, bytes.data(), bytes.size())) why = SystemReason("writing", errno);
    else if (::fsync(fd) != 0) why = SystemReason("flushing to disk", errno);
    else if (::fstat(fd, &st) != 0) why = SystemReason("checking the size", errno);
    else if (st.st_size != static_cast<off_t>(bytes.size()))
        why = "writing: " + std::to_string(st.st_size) + " of " + std::to_string(bytes.size()) + " bytes written";
    else if (file.release() != 0) why = SystemReason("closing", errno);
    if (why.empty()) return true;
    ::unlink(tmp.c_str());
    return false;
}

bool SyncFolder(const std::string& folder, std::string& why) {
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    // Some file systems cannot sync a folder at all; the rename stands there.
    if (dir.fd < 0) return true;
    if (::fsync(dir.fd) != 0 && errno != EINVAL) {
        why = SystemReason("flushing the folder to disk", errno);
        return false;
    }
    return true;
}

// What stands in the way of reading a file, for stderr and for the status bar.
struct Trouble {
    const char* english;
    const char* japanese;
};

Trouble TroubleOf(FileRead r) {
    switch (r) {
        case FileRead::NotRegular: return {"not a regular file", "通常のファイルではありません"};
        case FileRead::TooLarge: return {"too large for a settings file", "大きすぎます"};
        default: return {"cannot be read", "読めません"};
    }
}

}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t limit, std::vector<uint8_t>& out, std::string& why) {
    out.clear();
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return FileRead::Missing;
        why = std::strerror(errno);
        return FileRead::Unreadable;
    }
    if (!S_ISREG(st.st_mode)) return FileRead::NotRegular;
    if (st.st_size > static_cast<off_t>(limit)) return FileRead::TooLarge;
    // Without O_NONBLOCK a FIFO put there since would hold the program until
    // someone writes to it.
    Fd file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return FileRead::Missing;
        why = std::strerror(errno);
        return FileRead::Unreadable;
    }
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return FileRead::NotRegular;
    // One byte over the limit tells a file that grew since from one that fits.
    out.resize(limit + 1);
    std::size_t got = 0;
    if (!ReadUpTo(file.fd, out.data(), limit + 1, got)) {
        why = std::strerror(errno);
        out.clear();
        return FileRead::Unreadable;
    }
    out.resize(got);
    if (got <= limit) return FileRead::Ok;
    out.clear();
    return FileRead::TooLarge;
}

bool ReplaceFileSafely(const std::string& path, std::span<const uint8_t> bytes, std::string& why) {
    why.clear();
    std::string target;
    if (!FollowLinks(path, target, why)) return false;
    const std::string folder = FolderOf(target);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
    if (exists && !S_ISREG(st.st_mode)) {
        why = "not a regular file; left as it is";
    } else if (!QDir().mkpath(QString::fromStdString(folder))) {
        why = "cannot create the folder " + folder;
    } else {
        std::string tmp = target + ".XXXXXX";
        const int fd = ::mkstemp(tmp.data());
        if (fd < 0)
            why = SystemReason("creating a temporary file", errno);
        else if (WriteTemporary(tmp, fd, bytes, mode, why)) {
            if (::rename(tmp.c_str(), target.c_str()) != 0) {
                why = SystemReason("replacing the old file", errno);
                ::unlink(tmp.c_str());
            } else {
                SyncFolder(folder, why);
            }
        }
    }
    return why.empty();
}

std::vector<uint8_t> KeptFile::read() {
    std::vector<uint8_t> bytes;
    std::string why;
    const FileRead r = ReadRegularFile(path_, limit_, bytes, why);
    leftAlone_ = r != FileRead::Ok && r != FileRead::Missing;
    if (!leftAlone_) return bytes;
    const Trouble t = TroubleOf(r);
    const std::string detail = why.empty() ? "" : " (" + why + ")";
    std::fprintf(stderr, "velmara: %s %s%s; using the defaults and leaving it alone\n", path_.c_str(), t.english,
                 detail.c_str());
    // The status bar is one line: the file's name says which; stderr has the path.
    problem_ = name() + " は" + t.japanese + detail + "。既定値で続け、書き換えません";
    return bytes;
}

std::string KeptFile::name() const { return path_.substr(path_.rfind('/') + 1); }

bool KeptFile::save(std::span<const uint8_t> bytes, std::string& why) const {
    // Named once already, at start.
    if (leftAlone_) {
        why = "it could not be read at start; left as it is";
        return false;
    }
    if (ReplaceFileSafely(path_, bytes, why)) return true;
    std::fprintf(stderr, "velmara: could not save %s: %s\n", path_.c_str(), why.c_str());
    return false;
}

bool KeptFile::save(const std::string& text, std::string& why) const {
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    return save(std::span<const uint8_t>(data, text.size()), why);
}

}  // namespace vel
