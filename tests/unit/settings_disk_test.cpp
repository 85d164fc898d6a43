// The settings file under faults of the disk and the file system: a failed
// save keeps the old file byte for byte and says why; nothing at the path
// makes loading wait.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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
    g->cruiseOptions.difficulty = 8;
    return g;
}

// A 64 KiB file system of its own, mounted where the test may (as root with
// the right to mount); left full but for the settings file.
class TinyDisk {
public:
    explicit TinyDisk(const QString& dir) : dir_(dir.toStdString()) {
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k,nr_inodes=64") == 0;
        if (!mounted_) why_ = std::strerror(errno);
    }
    ~TinyDisk() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }

    // Writes a filler file until the disk refuses another byte.
    bool fill() {
        const std::string filler = dir_ + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return false;
        char block[512] = {};
        ssize_t n = 0;
        while ((n = ::write(fd, block, sizeof block)) > 0) {
        }
        while ((n = ::write(fd, block, 1)) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    std::string dir_;
    bool mounted_ = false;
    std::string why_;
};

// A file-size limit of 0 bytes for this process, with the signal that would
// end it ignored, so writes fail with EFBIG as under `ulimit -f 0`.
class NoFileGrowth {
public:
    NoFileGrowth() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = old_;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileGrowth() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

void ExpectOldFileKept(const QString& dir, const std::string& path, const QByteArray& before, bool ok,
                       const std::string& why, const char* reason) {
    EXPECT_FALSE(ok) << "a save that could not write reported success";
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(ReadAll(path), before) << "the old file changed";
    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    EXPECT_EQ(loaded->score.highScore, 4321);
    const QStringList left = Entries(dir).filter(QStringLiteral("p.vel"));
    EXPECT_EQ(left, QStringList{QStringLiteral("p.vel")}) << "a temporary file was left behind";
}

TEST(SettingsDiskFault, AFullDiskKeepsTheOldFileAndSaysSo) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    TinyDisk disk(tmp.path());
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << disk.why();
    const std::string path = (tmp.path() + "/p.vel").toStdString();
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(4321), path));
    const QByteArray before = ReadAll(path);
    ASSERT_EQ(before.size(), 144);
    ASSERT_TRUE(disk.fill());

    std::string why;
    const bool ok = SaveSettingsFile(*WithHighScore(9), path, &why);
    ExpectOldFileKept(tmp.path(), path, before, ok, why, std::strerror(ENOSPC));
}

TEST(SettingsDiskFault, AFileSizeLimitKeepsTheOldFileAndSaysSo) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string path = (tmp.path() + "/p.vel").toStdString();
    ASSERT_TRUE(SaveSettingsFile(*WithHighScore(4321), path));
    const QByteArray before = ReadAll(path);

    std::string why;
    bool ok = true;
    {
        NoFileGrowth limit;
        ok = SaveSettingsFile(*WithHighScore(9), path, &why);
    }
    ExpectOldFileKept(tmp.path(), path, before, ok, why, std::strerror(EFBIG));
}

TEST(SettingsDiskFault, TheHarnessSaveFailsWithTheReason) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
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

TEST(SettingsSpecialFile, AFifoReadsAsNoSettingsAtOnceAndIsNeverReplaced) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string path = (tmp.path() + "/p.vel").toStdString();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << std::strerror(errno);

    auto g = WithHighScore(77);
    auto load = std::async(std::launch::async, [&] { LoadSettingsFile(*g, path); });
    const bool returned = load.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    if (!returned) {
        // Let the blocked open go, so the test ends and reports.
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd >= 0) ::close(fd);
    }
    load.wait();
    ASSERT_TRUE(returned) << "loading waited on the FIFO";
    EXPECT_EQ(g->score.highScore, 0);

    std::string why;
    EXPECT_FALSE(SaveSettingsFile(*g, path, &why));
    EXPECT_FALSE(why.empty());
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
    EXPECT_EQ(Entries(tmp.path()), QStringList{QStringLiteral("p.vel")});
}

TEST(SettingsSpecialFile, ALinkIsWrittenThroughAndStaysALink) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string real = (tmp.path() + "/real.vel").toStdString();
    const std::string link = (tmp.path() + "/p.vel").toStdString();
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
