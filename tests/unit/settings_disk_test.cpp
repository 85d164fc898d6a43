// The settings file under faults of the disk and the file system: a failed
// save keeps the old file byte for byte and says why; nothing at the path
// makes loading wait.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "app/nmea_output.h"
#include "app/settings_file.h"
#include "app/window_state.h"
#include "replay/script.h"

namespace vel {
namespace {

QByteArray ReadAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

std::unique_ptr<Game> WithHighScore(int32_t score) {
    auto g = std::make_unique<Game>();
    g->score.highScore = score;
    return g;
}

// A file-size limit of 0 bytes for this process, with the signal that would
// end it ignored, so writes fail with EFBIG as under `ulimit -f 0`.
struct NoFileGrowth {
    rlimit old{};
    void (*oldHandler)(int) = SIG_DFL;
    NoFileGrowth() {
        ::getrlimit(RLIMIT_FSIZE, &old);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileGrowth() {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

void ExpectOldFileKept(const QString& dir, const std::string& path, const QByteArray& before, bool ok,
                       const std::string& why, const char* reason) {
    EXPECT_FALSE(ok) << "a save that could not write reported success";
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(ReadAll(path), before) << "the old file changed";
    EXPECT_EQ(Entries(dir).filter(QStringLiteral("p.vel")), QStringList{QStringLiteral("p.vel")})
        << "a temporary file was left behind";
}

// Under a file-size limit, then on a full disk.
TEST(SettingsDiskFault, AFailedWriteKeepsTheOldFileAndSaysSo) {
    QTemporaryDir tmp;
    const std::string dir = tmp.path().toStdString(), path = dir + "/p.vel";
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(4321), path));
    const QByteArray before = ReadAll(path);
    ASSERT_EQ(before.size(), 144);
    std::string why;
    bool ok = true;
    {
        NoFileGrowth limit;
        ok = SaveSettingsFile(*WithHighScore(9), path, &why);
    }
    ExpectOldFileKept(tmp.path(), path, before, ok, why, std::strerror(EFBIG));

    // A 64 KiB file system of its own over the folder, where the test may
    // mount one (as root with the right to mount).
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k,nr_inodes=64") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
    struct Unmount {
        const std::string& dir;
        ~Unmount() { ::umount2(dir.c_str(), MNT_DETACH); }
    } unmount{dir};
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(4321), path));
    // Full but for the settings file: a filler grows until the disk refuses a byte.
    const int fd = ::open((dir + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
    char block[512] = {};
    while (::write(fd, block, sizeof block) > 0) continue;
    while (::write(fd, block, 1) > 0) continue;
    ASSERT_EQ(errno, ENOSPC);
    ::close(fd);
    why.clear();
    ok = SaveSettingsFile(*WithHighScore(9), path, &why);
    ExpectOldFileKept(tmp.path(), path, before, ok, why, std::strerror(ENOSPC));
}

TEST(SettingsDiskFault, TheHarnessSaveFailsWithTheReason) {
    QTemporaryDir tmp;
    const std::string path = (tmp.path() + "/p.vel").toStdString();
    std::istringstream script("save " + path + "\n");
    std::ostringstream out, err;
    {
        NoFileGrowth limit;
        EXPECT_EQ(replay::RunScript(script, out, err, "disk"), replay::kExpectationFailed);
    }
    EXPECT_NE(err.str().find(path), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(std::strerror(EFBIG)), std::string::npos) << err.str();
}

// Root reads any file: the loading thread takes an ordinary user's identity
// for the file system (Linux keeps it per thread) so that mode 000 holds.
struct AsOrdinaryUser {
    static constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    AsOrdinaryUser() {
        if (!root) return;
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
    }
    ~AsOrdinaryUser() {
        if (!root) return;
        ::setfsuid(0);
        ::setfsgid(0);
    }
    bool holds() const { return !root || ::setfsuid(static_cast<uid_t>(-1)) == kNobody; }
};

// Each kept file loaded and saved as the window does; load returns what the
// player is told at start.
struct Kept {
    const char* name;
    std::string (*load)(KeptFile&);
    bool (*save)(const KeptFile&, std::string&);
};
const Kept kKept[] = {
    {"p.vel", [](KeptFile& f) { LoadSettingsFile(*std::make_unique<Game>(), f); return f.problem(); },
     [](const KeptFile& f, std::string& why) { return SaveSettingsFile(*WithHighScore(4321), f, &why); }},
    {"p.vel.nmea", [](KeptFile& f) { return LoadNmeaSettingsFile(*std::make_unique<Game>(), f); },
     [](const KeptFile& f, std::string& why) { return SaveNmeaSettingsFile(*std::make_unique<Game>(), f, why); }},
    {"p.vel.window", [](KeptFile& f) { LoadWindowState(f); return f.problem(); },
     [](const KeptFile& f, std::string& why) { return SaveWindowState(f, {800, 600, false}, why); }},
};

enum class Found { Fifo, Folder, DeviceLink, DanglingLink, LinkLoop, Unreadable, TooLarge, RandomBytes, FullDisk };

// Enough to tell a file replaced (a new inode) or rewritten from one left alone.
std::tuple<mode_t, ino_t, off_t, QByteArray> Fingerprint(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    const bool small = S_ISREG(st.st_mode) && st.st_size < 4096;
    return {st.st_mode, st.st_ino, st.st_size, small ? ReadAll(path) : QByteArray()};
}

void Put(Found f, const std::string& path, const std::string& dir) {
    const auto old = [&] {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("output=1\nwidth=640\n");
    };
    switch (f) {
        case Found::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
        case Found::Folder: ASSERT_EQ(::mkdir(path.c_str(), 0700), 0); break;
        case Found::DeviceLink: ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); break;
        case Found::DanglingLink: ASSERT_EQ(::symlink("target", path.c_str()), 0); break;
        case Found::LinkLoop:
            ASSERT_EQ(::symlink("loop", path.c_str()), 0);
            ASSERT_EQ(::symlink(path.c_str(), (dir + "/loop").c_str()), 0);
            break;
        case Found::Unreadable: old(); ASSERT_EQ(::chmod(path.c_str(), 0), 0); break;
        case Found::TooLarge: old(); ASSERT_EQ(::truncate(path.c_str(), off_t{1} << 31), 0); break;
        case Found::RandomBytes: {
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            std::mt19937 bytes(7);
            for (int i = 0; i < 3000; ++i) file.putChar(static_cast<char>(bytes()));
            break;
        }
        case Found::FullDisk: old(); break;
    }
}

// What start-up says of each, and whether the exit save replaces it.
struct Expected {
    Found found;
    bool told;
    bool replaced;
};
constexpr Expected kExpected[] = {
    {Found::Fifo, true, false},          {Found::Folder, true, false},     {Found::DeviceLink, true, false},
    {Found::DanglingLink, false, true},  {Found::LinkLoop, true, false},   {Found::Unreadable, true, false},
    {Found::TooLarge, true, false},      {Found::RandomBytes, false, true}, {Found::FullDisk, false, false},
};

TEST(KeptFiles, WhateverIsFoundStartUpGoesOnAtOnceSaysSoAndLosesNothing) {
    bool ordinaryUser = true;
    for (const Kept& kept : kKept)
        for (const Expected& e : kExpected) {
            SCOPED_TRACE(testing::Message() << kept.name << ", case " << static_cast<int>(e.found));
            QTemporaryDir tmp;
            ::chmod(tmp.path().toUtf8().constData(), 0711);
            const std::string dir = tmp.path().toStdString(), path = dir + "/" + kept.name;
            Put(e.found, path, dir);
            const auto before = Fingerprint(path);
            KeptFile file(path);
            auto load = std::async(std::launch::async, [&] {
                const AsOrdinaryUser as;
                ordinaryUser &= as.holds();
                return kept.load(file);
            });
            const bool returned = load.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
            // Let a blocked open go, so the test ends and reports.
            while (load.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
                ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
            EXPECT_TRUE(returned) << "start-up waited";
            const std::string told = load.get();
            EXPECT_EQ(told.find(kept.name) != std::string::npos, e.told) << told;

            std::string why;
            bool saved = false;
            {
                std::optional<NoFileGrowth> full;
                if (e.found == Found::FullDisk) full.emplace();
                saved = kept.save(file, why);
            }
            EXPECT_EQ(saved, e.replaced) << why;
            EXPECT_EQ(why.find(std::strerror(EFBIG)) != std::string::npos, e.found == Found::FullDisk) << why;
            if (!e.replaced) {
                EXPECT_EQ(Fingerprint(path), before) << "replaced";
                continue;
            }
            EXPECT_EQ(QFileInfo(QString::fromStdString(path)).isSymLink(), e.found == Found::DanglingLink);
            KeptFile again(path);
            EXPECT_EQ(kept.load(again), "");
            EXPECT_FALSE(again.read().empty());
        }
    if (!ordinaryUser) GTEST_SKIP() << "cannot take an ordinary user's identity: mode 000 was not tried";
}

}  // namespace
}  // namespace vel
