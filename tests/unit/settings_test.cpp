#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "shell/options.h"

namespace vel {
namespace {

using Field = int32_t CruiseOptions::*;

// The file layout: byte offset of every option stored in it. 96 holds the
// high score, 108 is reserved.
struct Slot {
    int offset;
    Field field;
    const char* name;
};
#define STORED(off, f) \
    Slot { off, &CruiseOptions::f, #f }
const std::vector<Slot> kLayout = {
    STORED(0, areaCode),
    STORED(4, difficulty),
    STORED(8, region),
    STORED(12, boatType),
    STORED(16, designLength),
    STORED(20, designDisplacement),
    STORED(24, designSailArea),
    STORED(28, designRig),
    STORED(32, simSpeed),
    STORED(36, stepDivisor),
    STORED(40, spare),
    STORED(44, simpleGraphics),
    STORED(48, noFailElectronics),
    STORED(52, noFailEngine),
    STORED(56, troubleFog),
    STORED(60, troubleStrongWind),
    STORED(64, troubleNoGps),
    STORED(68, troubleNoEngine),
    STORED(72, simpleGraphics),
    STORED(76, troubleNoDepthAlarm),
    STORED(80, hullColour),
    STORED(84, currentsOn),
    STORED(88, helm),
    STORED(92, anchor1Chain),
    STORED(100, buttonHelp),
    STORED(104, introCourse),
    STORED(112, departureHour),
    STORED(116, troubleNoMoonlight),
    STORED(120, troubleNoMiniChart),
    STORED(124, soundLevel),
    STORED(128, noTimeSkip),
    STORED(132, cruisingSpinnaker),
    STORED(136, noFog),
    STORED(140, noBroaching),
};
#undef STORED

int32_t ReadLE(const std::vector<uint8_t>& b, int at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<int32_t>(u);
}

void WriteLE(std::vector<uint8_t>& b, int at, int32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

void Decode(Game& g, const std::vector<uint8_t>& bytes) { DecodeSettings(g, std::span<const uint8_t>(bytes)); }

// Every stored option away from its default, and valid, so that validation
// leaves it alone.
void SetEveryStoredField(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    o.areaCode = 20;
    o.difficulty = 7;
    o.region = 3;
    o.boatType = 4;
    o.designLength = 35;
    o.designDisplacement = 8;
    o.designSailArea = 11;
    o.designRig = 80;
    o.simSpeed = 13;
    o.stepDivisor = 23;
    o.spare = 4242;
    o.simpleGraphics = 1;
    o.noFailElectronics = 1;
    o.noFailEngine = 1;
    o.troubleFog = 1;
    o.troubleStrongWind = 0;
    o.troubleNoGps = 1;
    o.troubleNoEngine = 1;
    o.troubleNoDepthAlarm = 1;
    o.hullColour = 3;
    o.currentsOn = 0;
    o.helm = -1;
    o.anchor1Chain = 1;
    o.buttonHelp = 0;
    o.introCourse = 0;
    o.departureHour = 18;
    o.troubleNoMoonlight = 1;
    o.troubleNoMiniChart = 1;
    o.soundLevel = 2;
    o.noTimeSkip = 1;
    o.cruisingSpinnaker = 1;
    o.noFog = 1;
    o.noBroaching = 1;
    g.score.highScore = 98765;
}

void ExpectStoredFieldsEqual(const Game& want, const Game& got) {
    for (const Slot& s : kLayout) EXPECT_EQ(got.cruiseOptions.*s.field, want.cruiseOptions.*s.field) << s.name;
    EXPECT_EQ(got.score.highScore, want.score.highScore);
}

// ---- Layout -----------------------------------------------------------------

TEST(SettingsLayout, FileIsExactly144Bytes) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(EncodeSettings(*g).size(), 144u);
    SetEveryStoredField(*g);
    EXPECT_EQ(EncodeSettings(*g).size(), 144u);
}

TEST(SettingsLayout, EachFieldIsWrittenAtItsOffset) {
    auto g = std::make_unique<Game>();
    for (const Slot& s : kLayout) g->cruiseOptions.*s.field = 1000 + s.offset;
    g->cruiseOptions.simpleGraphics = 7;  // stands at 44 and 72
    g->score.highScore = 555;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    for (const Slot& s : kLayout) {
        const int32_t want = s.field == &CruiseOptions::simpleGraphics ? 7 : 1000 + s.offset;
        EXPECT_EQ(ReadLE(bytes, s.offset), want) << s.name << " at " << s.offset;
    }
    EXPECT_EQ(ReadLE(bytes, 96), 555);
    EXPECT_EQ(ReadLE(bytes, 108), 0);
}

TEST(SettingsLayout, SavingWritesFieldsUnvalidated) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.simSpeed = 40;
    g->cruiseOptions.stepDivisor = -3;
    g->cruiseOptions.hullColour = 9;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    EXPECT_EQ(ReadLE(bytes, 32), 40);
    EXPECT_EQ(ReadLE(bytes, 36), -3);
    EXPECT_EQ(ReadLE(bytes, 80), 9);
}

struct ByteCase {
    const char* what;
    int offset;
    void (*set)(Game&);
    uint8_t b0, b1, b2, b3;
};

void PrintTo(const ByteCase& c, std::ostream* os) { *os << c.what << " at " << c.offset; }

class SettingsLittleEndian : public ::testing::TestWithParam<ByteCase> {};

TEST_P(SettingsLittleEndian, LowByteFirst) {
    const ByteCase& c = GetParam();
    auto g = std::make_unique<Game>();
    c.set(*g);
    const std::vector<uint8_t> b = EncodeSettings(*g);
    EXPECT_EQ(b[c.offset + 0], c.b0) << c.what;
    EXPECT_EQ(b[c.offset + 1], c.b1) << c.what;
    EXPECT_EQ(b[c.offset + 2], c.b2) << c.what;
    EXPECT_EQ(b[c.offset + 3], c.b3) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, SettingsLittleEndian,
    ::testing::Values(
        ByteCase{"areaCode", 0, [](Game& g) { g.cruiseOptions.areaCode = 0x01020304; }, 0x04, 0x03, 0x02, 0x01},
        ByteCase{"highScore", 96, [](Game& g) { g.score.highScore = -2; }, 0xFE, 0xFF, 0xFF, 0xFF},
        ByteCase{"highScore", 96, [](Game& g) { g.score.highScore = 1234; }, 0xD2, 0x04, 0x00, 0x00},
        ByteCase{"reserved", 108, [](Game& g) { g.cruiseOptions.spare = -1; }, 0, 0, 0, 0},
        ByteCase{"noBroaching", 140, [](Game& g) { g.cruiseOptions.noBroaching = 0x7F000001; }, 0x01, 0x00, 0x00, 0x7F},
        ByteCase{"helm", 88, [](Game& g) { g.cruiseOptions.helm = -1; }, 0xFF, 0xFF, 0xFF, 0xFF}));

// ---- Reading ----------------------------------------------------------------

TEST(SettingsDecode, EachFieldIsReadFromItsOffset) {
    // Every slot a different number; the few that validation checks get a
    // valid one of their own.
    std::vector<uint8_t> bytes(144, 0);
    for (int i = 0; i < 36; ++i) WriteLE(bytes, 4 * i, 100 + i);
    WriteLE(bytes, 12, 3);   // boatType
    WriteLE(bytes, 32, 7);   // simSpeed
    WriteLE(bytes, 80, 2);   // hullColour
    WriteLE(bytes, 104, 0);  // introCourse
    WriteLE(bytes, 116, 1);  // troubleNoMoonlight
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    const CruiseOptions& o = g->cruiseOptions;
    for (const Slot& s : kLayout) {
        if (s.offset == 12 || s.offset == 32 || s.offset == 36 || s.offset == 44 || s.offset == 72 || s.offset == 80 ||
            s.offset == 104 || s.offset == 116)
            continue;
        EXPECT_EQ(o.*s.field, 100 + s.offset / 4) << s.name;
    }
    EXPECT_EQ(o.boatType, 3);
    EXPECT_EQ(o.simSpeed, 7);
    EXPECT_EQ(o.stepDivisor, 256);
    EXPECT_EQ(o.simpleGraphics, 100 + 72 / 4);
    EXPECT_EQ(o.hullColour, 2);
    EXPECT_EQ(o.introCourse, 0);
    EXPECT_EQ(o.troubleNoMoonlight, 1);
    EXPECT_EQ(g->score.highScore, 100 + 96 / 4);
}

TEST(SettingsDecode, RoundTripKeepsEveryStoredField) {
    auto original = std::make_unique<Game>();
    SetEveryStoredField(*original);
    const std::vector<uint8_t> bytes = EncodeSettings(*original);

    auto loaded = std::make_unique<Game>();
    Decode(*loaded, bytes);
    ExpectStoredFieldsEqual(*original, *loaded);
    EXPECT_EQ(loaded->weather.moonlight, 0);
}

TEST(SettingsDecode, RoundTripRecomputesTheDivisorFromTheSpeed) {
    auto original = std::make_unique<Game>();
    original->cruiseOptions.simSpeed = 4;
    original->cruiseOptions.stepDivisor = 999;  // stale
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, EncodeSettings(*original));
    EXPECT_EQ(loaded->cruiseOptions.simSpeed, 4);
    EXPECT_EQ(loaded->cruiseOptions.stepDivisor, 865);
}

TEST(SettingsDecode, OptionsOutsideTheFileStartFresh) {
    auto original = std::make_unique<Game>();
    original->cruiseOptions.troubleNoRadar = 1;
    original->viewState.monochrome = 1;
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, EncodeSettings(*original));
    EXPECT_EQ(loaded->cruiseOptions.troubleNoRadar, 0);
    EXPECT_EQ(loaded->viewState.monochrome, 0);
}

TEST(SettingsDecode, LaterSimpleGraphicsSlotWins) {
    auto base = std::make_unique<Game>();
    std::vector<uint8_t> bytes = EncodeSettings(*base);

    WriteLE(bytes, 44, 1);
    WriteLE(bytes, 72, 0);
    auto a = std::make_unique<Game>();
    Decode(*a, bytes);
    EXPECT_EQ(a->cruiseOptions.simpleGraphics, 0);

    WriteLE(bytes, 44, 0);
    WriteLE(bytes, 72, 1);
    auto b = std::make_unique<Game>();
    Decode(*b, bytes);
    EXPECT_EQ(b->cruiseOptions.simpleGraphics, 1);
}

TEST(SettingsDecode, ReservedSlotIsIgnored) {
    auto base = std::make_unique<Game>();
    SetEveryStoredField(*base);
    std::vector<uint8_t> bytes = EncodeSettings(*base);
    WriteLE(bytes, 108, 0x5A5A5A5A);
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, bytes);
    ExpectStoredFieldsEqual(*base, *loaded);
}

// ---- Validation ---------------------------------------------------------------

struct SpeedCase {
    int32_t storedSpeed, storedDivisor;
    int32_t speed, divisor;
};

void PrintTo(const SpeedCase& c, std::ostream* os) {
    *os << "speed " << c.storedSpeed << ", divisor " << c.storedDivisor;
}

class SettingsSpeedValidation : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SettingsSpeedValidation, SpeedAbove15LoadsAsNineAndOthersKeepTheirDivisorRule) {
    const SpeedCase& c = GetParam();
    auto src = std::make_unique<Game>();
    src->cruiseOptions.simSpeed = c.storedSpeed;
    src->cruiseOptions.stepDivisor = c.storedDivisor;
    auto g = std::make_unique<Game>();
    Decode(*g, EncodeSettings(*src));
    EXPECT_EQ(g->cruiseOptions.simSpeed, c.speed);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, c.divisor);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsSpeedValidation,
                         ::testing::Values(SpeedCase{16, 5, 9, 114}, SpeedCase{1000, 5, 9, 114},
                                           SpeedCase{15, 7, 15, 10}, SpeedCase{1, 0, 1, 2919}, SpeedCase{9, 3, 9, 114},
                                           // Outside 1..15 from below: speed and divisor stay.
                                           SpeedCase{0, 500, 0, 500}, SpeedCase{-3, 77, -3, 77}));

struct RepairCase {
    const char* what;
    Field field;
    int32_t stored;
    int32_t loaded;
};

void PrintTo(const RepairCase& c, std::ostream* os) { *os << c.what << " " << c.stored; }

class SettingsRepair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(SettingsRepair, OutOfRangeValuesAreRepaired) {
    const RepairCase& c = GetParam();
    auto src = std::make_unique<Game>();
    src->cruiseOptions.*c.field = c.stored;
    auto g = std::make_unique<Game>();
    Decode(*g, EncodeSettings(*src));
    EXPECT_EQ(g->cruiseOptions.*c.field, c.loaded) << c.what << " stored as " << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsRepair,
                         ::testing::Values(RepairCase{"hullColour", &CruiseOptions::hullColour, 5, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 0, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, -1, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 1, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 4, 4},
                                           RepairCase{"boatType", &CruiseOptions::boatType, 0, 1},
                                           RepairCase{"boatType", &CruiseOptions::boatType, -7, 1},
                                           RepairCase{"boatType", &CruiseOptions::boatType, 3, 3},
                                           // Only the three fields above are repaired.
                                           RepairCase{"difficulty", &CruiseOptions::difficulty, 99, 99},
                                           RepairCase{"departureHour", &CruiseOptions::departureHour, 31, 31}));

struct MoonCase {
    int32_t stored;
    int32_t trouble;
    int32_t moonlight;
};

void PrintTo(const MoonCase& c, std::ostream* os) { *os << "no moonlight " << c.stored; }

class SettingsMoonlight : public ::testing::TestWithParam<MoonCase> {};

TEST_P(SettingsMoonlight, NoMoonlightTroubleDarkensTheNights) {
    const MoonCase& c = GetParam();
    auto src = std::make_unique<Game>();
    src->cruiseOptions.troubleNoMoonlight = c.stored;
    auto g = std::make_unique<Game>();
    g->weather.moonlight = 7;
    Decode(*g, EncodeSettings(*src));
    EXPECT_EQ(g->cruiseOptions.troubleNoMoonlight, c.trouble);
    EXPECT_EQ(g->weather.moonlight, c.moonlight);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsMoonlight,
                         ::testing::Values(MoonCase{1, 1, 0}, MoonCase{0, 0, 1}, MoonCase{2, 0, 1},
                                           MoonCase{-1, 0, 1}));

TEST(SettingsValidation, PassageFlagFollowsTheAreaCode) {
    const std::vector<std::pair<int32_t, int32_t>> cases = {{1, 0}, {4, 0}, {5, 1},  {6, 1},  {7, 1},
                                                            {8, 1}, {9, 0}, {11, 0}, {20, 0}, {30, 0}};
    for (const auto& [area, passage] : cases) {
        auto src = std::make_unique<Game>();
        src->cruiseOptions.areaCode = area;
        auto g = std::make_unique<Game>();
        g->cruiseOptions.isPassage = 1 - passage;
        Decode(*g, EncodeSettings(*src));
        EXPECT_EQ(g->cruiseOptions.isPassage, passage) << "area " << area;
    }
}

TEST(SettingsValidation, IntroCourseFileLoadsWithItsOwnSwitchesUntilTheTitleReconciles) {
    auto src = std::make_unique<Game>();
    CruiseOptions& s = src->cruiseOptions;
    s.introCourse = 1;
    s.currentsOn = 0;
    s.noFailElectronics = 1;
    s.noFailEngine = 1;
    s.difficulty = 1;
    auto g = std::make_unique<Game>();
    Decode(*g, EncodeSettings(*src));
    const CruiseOptions& o = g->cruiseOptions;
    EXPECT_EQ(o.difficulty, 5);
    EXPECT_EQ(o.currentsOn, 1);
    EXPECT_EQ(o.noFailElectronics, 0);
    EXPECT_EQ(o.noFailEngine, 0);

    ReconcileCourseSwitches(g->cruiseOptions);  // the first title frame
    EXPECT_EQ(o.currentsOn, 0);
    EXPECT_EQ(o.noFailElectronics, 1);
    EXPECT_EQ(o.noFailEngine, 1);
    EXPECT_EQ(o.difficulty, 5);
}

TEST(SettingsValidation, LoadingUnfreezesTheFrameLoop) {
    auto g = std::make_unique<Game>();
    g->screenState.frozen = 1;
    Decode(*g, EncodeSettings(*g));
    EXPECT_EQ(g->screenState.frozen, 0);
}

// ---- Missing, short and long files ---------------------------------------------

void ExpectFirstRunDefaults(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    EXPECT_EQ(o.difficulty, 5);
    EXPECT_EQ(o.areaCode, 1);
    EXPECT_EQ(o.region, 2);
    EXPECT_EQ(o.boatType, 1);
    EXPECT_EQ(o.simSpeed, 9);
    EXPECT_EQ(o.stepDivisor, 114);
    EXPECT_EQ(o.soundLevel, 3);
    EXPECT_EQ(o.troubleStrongWind, 1);
    EXPECT_EQ(o.helm, 1);
    EXPECT_EQ(o.departureHour, 9);
    EXPECT_EQ(o.hullColour, 1);
    EXPECT_EQ(o.currentsOn, 1);
    EXPECT_EQ(o.buttonHelp, 1);
    EXPECT_EQ(o.introCourse, 0);
    EXPECT_EQ(o.isPassage, 0);
    EXPECT_EQ(g.score.highScore, 0);
    EXPECT_EQ(g.weather.moonlight, 1);
}

TEST(SettingsMissing, FirstRunGivesTheDefaults) {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsMissing, ResetsHighScoreBoatAndArea) {
    auto g = std::make_unique<Game>();
    g->score.highScore = 800;
    g->cruiseOptions.boatType = 3;
    g->cruiseOptions.areaCode = 12;
    ApplyMissingSettings(*g);
    EXPECT_EQ(g->score.highScore, 0);
    EXPECT_EQ(g->cruiseOptions.boatType, 1);
    EXPECT_EQ(g->cruiseOptions.areaCode, 1);
}

TEST(SettingsShortFile, KeepsWholeValuesAndDefaultsTheRest) {
    auto src = std::make_unique<Game>();
    src->cruiseOptions.areaCode = 7;
    src->cruiseOptions.difficulty = 8;
    src->cruiseOptions.region = 0x0303;
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    bytes.resize(10);  // two values and two stray bytes of the third

    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    EXPECT_EQ(g->cruiseOptions.areaCode, 7);
    EXPECT_EQ(g->cruiseOptions.difficulty, 8);
    EXPECT_EQ(g->cruiseOptions.region, 2);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
    EXPECT_EQ(g->cruiseOptions.isPassage, 1);  // validation ran on what was read
    EXPECT_EQ(g->weather.moonlight, 1);
}

TEST(SettingsShortFile, EmptyFileIsAllDefaults) {
    auto g = std::make_unique<Game>();
    g->weather.moonlight = 0;
    Decode(*g, {});
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsShortFile, FileCutInsideTheSpeedKeepsTheDefaultSpeed) {
    auto src = std::make_unique<Game>();
    src->cruiseOptions.designRig = 80;
    src->cruiseOptions.simSpeed = 3;
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    bytes.resize(35);
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    EXPECT_EQ(g->cruiseOptions.designRig, 80);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
}

TEST(SettingsLongFile, ExtraBytesAreIgnored) {
    auto src = std::make_unique<Game>();
    SetEveryStoredField(*src);
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    for (int i = 0; i < 12; ++i) bytes.push_back(0x11);
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    ExpectStoredFieldsEqual(*src, *g);
}

// ---- On disk --------------------------------------------------------------------

std::string PathIn(const QTemporaryDir& dir, const char* rel) {
    return dir.filePath(QString::fromUtf8(rel)).toStdString();
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TEST(SettingsFile, SaveCreatesTheFolderAndLoadReadsItBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "config/velmara/p.vel");
    auto original = std::make_unique<Game>();
    SetEveryStoredField(*original);
    ASSERT_TRUE(SaveSettingsFile(*original, path));
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 144);

    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    ExpectStoredFieldsEqual(*original, *loaded);
}

TEST(SettingsFile, SaveReplacesAnOlderFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "p.vel");
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), QByteArray(300, 'x')));
    auto g = std::make_unique<Game>();
    ASSERT_TRUE(SaveSettingsFile(*g, path));
    const QByteArray bytes = ReadAll(QString::fromStdString(path));
    EXPECT_EQ(bytes.size(), 144);
    EXPECT_EQ(bytes.at(0), 1);  // areaCode 1
}

TEST(SettingsFile, MissingFileLoadsTheDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto g = std::make_unique<Game>();
    g->score.highScore = 50;
    LoadSettingsFile(*g, PathIn(dir, "absent/p.vel"));
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsFile, ShortFileOnDiskKeepsWhatItHolds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "p.vel");
    QByteArray data(8, '\0');
    data[0] = 6;  // areaCode
    data[4] = 2;  // difficulty
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), data));
    auto g = std::make_unique<Game>();
    LoadSettingsFile(*g, path);
    EXPECT_EQ(g->cruiseOptions.areaCode, 6);
    EXPECT_EQ(g->cruiseOptions.difficulty, 2);
    EXPECT_EQ(g->cruiseOptions.isPassage, 1);
    EXPECT_EQ(g->cruiseOptions.region, 2);
}

TEST(SettingsFile, SaveUnderARegularFileFailsAndLeavesItAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(WriteAll(blocker, QByteArrayLiteral("keep me")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "notes.txt/p.vel")));
    EXPECT_EQ(ReadAll(blocker), QByteArrayLiteral("keep me"));
}

TEST(SettingsFile, SaveOverAFolderFailsAndLeavesNoTemporaryFile) {
    // Root ignores permissions, so a target that cannot be replaced is used
    // instead of a read-only one.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("p.vel/inside")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "p.vel")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("p.vel/inside"))).isDir());
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("p.vel")});
}

TEST(SettingsFile, LivesInTheUserConfigFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const std::string path = DefaultSettingsPath();
    if (had)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(path, PathIn(dir, "velmara/p.vel"));
}

}  // namespace
}  // namespace vel
