// The settings file under faults of the disk and the file system: a failed
// save keeps the old file byte for byte and says why; nothing at the path
// makes loading wait.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
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
#include <sstream>
#include <string>

#include "app/nmea_output.h"
#include "app/settings_file.h"
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

// The settings file and the NMEA file beside it.
TEST(SettingsSpecialFile, AFifoReadsAsNoSettingsAtOnceAndIsNeverReplaced) {
    QTemporaryDir tmp;
    const std::string path = (tmp.path() + "/p.vel").toStdString(), nmea = NmeaSettingsPath(path);
    for (const std::string& p : {path, nmea}) ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0) << std::strerror(errno);

    auto g = WithHighScore(77);
    g->nmeaOutput.port = 7;
    auto load = std::async(std::launch::async, [&] {
        LoadSettingsFile(*g, path);
        LoadNmeaSettingsFile(*g, nmea);
    });
    const bool returned = load.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    // Let a blocked open go, so the test ends and reports.
    while (load.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        for (const std::string& p : {path, nmea}) ::close(::open(p.c_str(), O_WRONLY | O_NONBLOCK));
    ASSERT_TRUE(returned) << "loading waited on the FIFO";
    EXPECT_EQ(std::pair(g->score.highScore, g->nmeaOutput.port), std::pair(0, 7));

    std::string why;
    EXPECT_FALSE(SaveSettingsFile(*g, path, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(SaveNmeaSettingsFile(*g, nmea));
    for (const std::string& p : {path, nmea}) {
        struct stat st {};
        ASSERT_EQ(::lstat(p.c_str(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << p << " was replaced";
    }
    EXPECT_EQ(Entries(tmp.path()), (QStringList{QStringLiteral("p.vel"), QStringLiteral("p.vel.nmea")}));
}

TEST(SettingsSpecialFile, ALinkIsWrittenThroughAndStaysALink) {
    QTemporaryDir tmp;
    const std::string real = (tmp.path() + "/real.vel").toStdString(), link = (tmp.path() + "/p.vel").toStdString();
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(1), real));
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(4321), link));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(link)).isSymLink());
    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, real);
    EXPECT_EQ(loaded->score.highScore, 4321);
}

}  // namespace
}  // namespace vel
