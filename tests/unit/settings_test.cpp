#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings_file.h"
#include "shell/options.h"

namespace vel {
namespace {

using Field = int32_t CruiseOptions::*;

// The file layout: byte offset of every option stored in it, each set to a
// valid value away from its default. 96 holds the high score, 108 is
// reserved, simpleGraphics stands at 44 and again at 72.
struct Slot {
    int offset;
    Field field;
    int32_t value;
};
const Slot kLayout[] = {
    {0, &CruiseOptions::areaCode, 20},          {4, &CruiseOptions::difficulty, 7},
    {8, &CruiseOptions::region, 3},             {12, &CruiseOptions::boatType, 4},
    {16, &CruiseOptions::designLength, 35},     {20, &CruiseOptions::designDisplacement, 8},
    {24, &CruiseOptions::designSailArea, 11},   {28, &CruiseOptions::designRig, 80},
    {32, &CruiseOptions::simSpeed, 13},         {36, &CruiseOptions::stepDivisor, 23},
    {40, &CruiseOptions::spare, 4242},          {48, &CruiseOptions::noFailElectronics, 1},
    {52, &CruiseOptions::noFailEngine, 1},      {56, &CruiseOptions::troubleFog, 1},
    {60, &CruiseOptions::troubleStrongWind, 0}, {64, &CruiseOptions::troubleNoGps, 1},
    {68, &CruiseOptions::troubleNoEngine, 1},   {72, &CruiseOptions::simpleGraphics, 1},
    {76, &CruiseOptions::troubleNoDepthAlarm, 1}, {80, &CruiseOptions::hullColour, 3},
    {84, &CruiseOptions::currentsOn, 0},        {88, &CruiseOptions::helm, -1},
    {92, &CruiseOptions::anchor1Chain, 1},      {100, &CruiseOptions::buttonHelp, 0},
    {104, &CruiseOptions::introCourse, 0},      {112, &CruiseOptions::departureHour, 18},
    {116, &CruiseOptions::troubleNoMoonlight, 1}, {120, &CruiseOptions::troubleNoMiniChart, 1},
    {124, &CruiseOptions::soundLevel, 2},       {128, &CruiseOptions::noTimeSkip, 1},
    {132, &CruiseOptions::cruisingSpinnaker, 1}, {136, &CruiseOptions::noFog, 1},
    {140, &CruiseOptions::noBroaching, 1},
};

int32_t ReadLE(const std::vector<uint8_t>& b, int at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<int32_t>(u);
}

void WriteLE(std::vector<uint8_t>& b, int at, int32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

std::unique_ptr<Game> EveryFieldSet() {
    auto g = std::make_unique<Game>();
    for (const Slot& s : kLayout) g->cruiseOptions.*s.field = s.value;
    g->score.highScore = 98765;
    return g;
}

std::unique_ptr<Game> Decoded(const std::vector<uint8_t>& bytes) {
    auto g = std::make_unique<Game>();
    DecodeSettings(*g, std::span<const uint8_t>(bytes));
    return g;
}

void ExpectStoredFieldsEqual(const Game& want, const Game& got) {
    for (const Slot& s : kLayout) EXPECT_EQ(got.cruiseOptions.*s.field, want.cruiseOptions.*s.field) << s.offset;
    EXPECT_EQ(got.score.highScore, want.score.highScore);
}

TEST(SettingsLayout, EachFieldIsWrittenUnvalidatedLowByteFirstAtItsOffsetIn144Bytes) {
    auto g = EveryFieldSet();
    g->cruiseOptions.simSpeed = 40;  // saving writes what it holds
    g->cruiseOptions.hullColour = 9;
    g->score.highScore = -2;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    ASSERT_EQ(bytes.size(), 144u);
    for (const Slot& s : kLayout) EXPECT_EQ(ReadLE(bytes, s.offset), g->cruiseOptions.*s.field) << s.offset;
    EXPECT_EQ(ReadLE(bytes, 44), 1);
    EXPECT_EQ(std::tuple(bytes[96], bytes[97], bytes[99], ReadLE(bytes, 108)), std::tuple(0xFE, 0xFF, 0xFF, 0));
    g->cruiseOptions.areaCode = 0x01020304;
    const std::vector<uint8_t> again = EncodeSettings(*g);
    EXPECT_EQ(std::tuple(again[0], again[1], again[2], again[3]), std::tuple(4, 3, 2, 1));
}

TEST(SettingsDecode, RoundTripKeepsEveryStoredFieldAndIgnoresTheReservedSlotAndExtraBytes) {
    auto original = EveryFieldSet();
    std::vector<uint8_t> bytes = EncodeSettings(*original);
    WriteLE(bytes, 108, 0x5A5A5A5A);
    bytes.insert(bytes.end(), 12, 0x11);
    auto loaded = Decoded(bytes);
    ExpectStoredFieldsEqual(*original, *loaded);
    EXPECT_EQ(loaded->weather.moonlight, 0);
    // Options outside the file start fresh; loading unfreezes the frame loop.
    original->cruiseOptions.troubleNoRadar = original->viewState.monochrome = 1;
    loaded = std::make_unique<Game>();
    loaded->screenState.frozen = 1;
    DecodeSettings(*loaded, EncodeSettings(*original));
    EXPECT_EQ(std::tuple(loaded->cruiseOptions.troubleNoRadar, loaded->viewState.monochrome,
                         loaded->screenState.frozen),
              std::tuple(0, 0, 0));
    // The later simple-graphics slot wins.
    for (auto [at44, at72] : {std::pair{1, 0}, {0, 1}}) {
        WriteLE(bytes, 44, at44);
        WriteLE(bytes, 72, at72);
        EXPECT_EQ(Decoded(bytes)->cruiseOptions.simpleGraphics, at72);
    }
}

TEST(SettingsValidation, SpeedAbove15LoadsAsNineAndTheDivisorFollowsTheSpeed) {
    // Outside 1..15 from below, speed and divisor stay as stored.
    for (auto [storedSpeed, storedDivisor, speed, divisor] :
         {std::tuple{16, 5, 9, 114}, {1000, 5, 9, 114}, {15, 7, 15, 10}, {1, 0, 1, 2919}, {4, 999, 4, 865},
          {9, 3, 9, 114}, {0, 500, 0, 500}, {-3, 77, -3, 77}}) {
        auto src = std::make_unique<Game>();
        src->cruiseOptions.simSpeed = storedSpeed;
        src->cruiseOptions.stepDivisor = storedDivisor;
        auto g = Decoded(EncodeSettings(*src));
        EXPECT_EQ(std::pair(g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor), std::pair(speed, divisor))
            << storedSpeed << " " << storedDivisor;
    }
}

TEST(SettingsValidation, OutOfRangeValuesAreRepairedTheMoonAndThePassageFlagFollow) {
    // Only hull colour, boat type and the no-moonlight trouble are repaired.
    for (auto [field, stored, loaded] :
         {std::tuple{&CruiseOptions::hullColour, 5, 1}, {&CruiseOptions::hullColour, 0, 1},
          {&CruiseOptions::hullColour, -1, 1}, {&CruiseOptions::hullColour, 4, 4}, {&CruiseOptions::boatType, 0, 1},
          {&CruiseOptions::boatType, -7, 1}, {&CruiseOptions::boatType, 3, 3}, {&CruiseOptions::difficulty, 99, 99},
          {&CruiseOptions::departureHour, 31, 31}, {&CruiseOptions::troubleNoMoonlight, 2, 0},
          {&CruiseOptions::troubleNoMoonlight, -1, 0}, {&CruiseOptions::troubleNoMoonlight, 1, 1}}) {
        auto src = std::make_unique<Game>();
        src->cruiseOptions.*field = stored;
        auto g = std::make_unique<Game>();
        g->weather.moonlight = 7;
        DecodeSettings(*g, EncodeSettings(*src));
        EXPECT_EQ(g->cruiseOptions.*field, loaded) << stored;
        EXPECT_EQ(g->weather.moonlight, g->cruiseOptions.troubleNoMoonlight ? 0 : 1);
    }
    for (auto [area, passage] : {std::pair{1, 0}, {4, 0}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 0}, {11, 0}, {30, 0}}) {
        auto src = std::make_unique<Game>();
        src->cruiseOptions.areaCode = area;
        auto g = std::make_unique<Game>();
        g->cruiseOptions.isPassage = 1 - passage;
        DecodeSettings(*g, EncodeSettings(*src));
        EXPECT_EQ(g->cruiseOptions.isPassage, passage) << area;
    }
}

void ExpectFirstRunDefaults(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    EXPECT_EQ(std::tuple(o.difficulty, o.areaCode, o.region, o.boatType, o.simSpeed, o.stepDivisor, o.soundLevel),
              std::tuple(5, 1, 2, 1, 9, 114, 3));
    EXPECT_EQ(std::tuple(o.troubleStrongWind, o.helm, o.departureHour, o.hullColour, o.currentsOn, o.buttonHelp),
              std::tuple(1, 1, 9, 1, 1, 1));
    EXPECT_EQ(std::tuple(o.introCourse, o.isPassage, g.score.highScore, g.weather.moonlight), std::tuple(0, 0, 0, 1));
}

TEST(SettingsShortFile, AnEmptyFileGivesTheDefaultsAShortOneKeepsWholeValues) {
    auto empty = std::make_unique<Game>();
    empty->weather.moonlight = 0;
    DecodeSettings(*empty, {});
    ExpectFirstRunDefaults(*empty);
    auto src = std::make_unique<Game>();
    std::tie(src->cruiseOptions.areaCode, src->cruiseOptions.difficulty, src->cruiseOptions.region) =
        std::tuple(7, 8, 0x0303);
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    bytes.resize(10);  // two values and two stray bytes of the third
    auto g = Decoded(bytes);
    const CruiseOptions& o = g->cruiseOptions;
    // Validation ran on what was read.
    EXPECT_EQ(std::tuple(o.areaCode, o.difficulty, o.region, o.simSpeed, o.stepDivisor, o.isPassage),
              std::tuple(7, 8, 2, 9, 114, 1));

}

std::string PathIn(const QTemporaryDir& dir, const char* rel) { return dir.filePath(QString::fromUtf8(rel)).toStdString(); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray{};
}

bool WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TEST(SettingsFile, SaveCreatesTheFolderReplacesAnOlderFileAndLoadReadsItBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "config/velmara/p.vel");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(PathIn(dir, "config/velmara"))));
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), QByteArray(300, 'x')));
    auto original = EveryFieldSet();
    ASSERT_TRUE(SaveSettingsFile(*original, path));
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 144);
    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    ExpectStoredFieldsEqual(*original, *loaded);
    ASSERT_TRUE(SaveSettingsFile(*original, PathIn(dir, "new/folder/p.vel")));
    // A short file on disk keeps what it holds; a missing one gives the defaults.
    QByteArray data(8, '\0');
    data[0] = 6;
    data[4] = 2;
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), data));
    loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    EXPECT_EQ(std::tuple(loaded->cruiseOptions.areaCode, loaded->cruiseOptions.difficulty,
                         loaded->cruiseOptions.isPassage, loaded->cruiseOptions.region),
              std::tuple(6, 2, 1, 2));
    loaded = std::make_unique<Game>();
    loaded->score.highScore = 50;
    LoadSettingsFile(*loaded, PathIn(dir, "absent/p.vel"));
    ExpectFirstRunDefaults(*loaded);
}

// A failed save leaves what was there alone and reports the failure. Root
// ignores permissions, so targets that cannot be replaced are used instead.
TEST(SettingsFile, SaveUnderAFileOrOverAFolderFailsAndLeavesThemAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(WriteAll(blocker, QByteArrayLiteral("keep me")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "notes.txt/p.vel")));
    EXPECT_EQ(ReadAll(blocker), QByteArrayLiteral("keep me"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("p.vel/inside")));
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "p.vel")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("p.vel/inside"))).isDir());
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("notes.txt"), QStringLiteral("p.vel")}));
}

}  // namespace
}  // namespace vel
