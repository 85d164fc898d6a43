#include "shell/nmea.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/nmea_output.h"
#include "shell/commands.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "sim_fixture.h"

namespace vel {
namespace {

// The Exumas at 09:00 on day 1, the boat at the area's origin (24 deg 11.4'
// N, 76 deg 18.9' W), with every instrument reading something distinct.
std::unique_ptr<Game> Exumas() {
    auto g = std::make_unique<Game>();
    g->screenState.phase = 2;
    g->cruiseOptions.areaCode = 30;
    g->areaGrid.areaCode = 30;
    g->areaGrid.unitsPerMile = 416;
    g->navState.variation = 7;
    g->simClock.cruiseMinutes = 9 * 60;
    OwnBoat& b = g->ownBoat;
    b.headingExact = 45.5;
    b.heading = 45;
    b.speedExact = 55.0;
    b.speedOverGround = 6.5;
    b.courseOverGround = 97;  // magnetic
    b.apparentWindAngle = 40;
    b.apparentWindSpeed = 12;
    b.tack = -1;
    b.depth = 20;
    g->boatDesign.draft = 6;
    return g;
}

// The fields after the sentence type, checksum and CR LF stripped.
std::vector<std::string> Fields(const std::string& sentence) {
    const std::string body = sentence.substr(1, sentence.size() - 6);
    std::vector<std::string> out;
    std::size_t at = body.find(',');
    while (at != std::string::npos) {
        const std::size_t next = body.find(',', at + 1);
        out.push_back(body.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1));
        at = next;
    }
    return out;
}

std::string TypeOf(const std::string& sentence) { return sentence.substr(1, 5); }

std::vector<std::string> Types(const std::vector<std::string>& sentences) {
    std::vector<std::string> t;
    for (const std::string& s : sentences) t.push_back(TypeOf(s));
    return t;
}

std::vector<std::string> Find(const std::vector<std::string>& sentences, const std::string& type) {
    for (const std::string& s : sentences)
        if (TypeOf(s) == type) return Fields(s);
    ADD_FAILURE() << "no " << type;
    return {};
}

TEST(Nmea, ChecksumsMatchPublishedSentences) {
    EXPECT_EQ(NmeaSentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
              "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
    EXPECT_EQ(NmeaSentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
              "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
    EXPECT_EQ(NmeaChecksum(""), 0);
}

// Field counts of NMEA 0183 (RMC, VTG with the mode indicator; DPT with its
// maximum range), talker GP for the GPS and II for the instruments.
TEST(Nmea, EverySentenceIsFramedAndHasItsFieldCount) {
    const struct {
        const char* type;
        std::size_t fields;
    } kRows[] = {{"GPRMC", 12}, {"GPGGA", 14}, {"GPVTG", 9}, {"IIHDT", 2},
                 {"IIHDM", 2},  {"IIVHW", 8},  {"IIMWV", 5}, {"IIDPT", 3}};
    const std::vector<std::string> sentences = NmeaSentences(*Exumas());
    ASSERT_EQ(sentences.size(), std::size(kRows));
    for (std::size_t i = 0; i < sentences.size(); ++i) {
        const std::string& s = sentences[i];
        SCOPED_TRACE(s);
        EXPECT_EQ(TypeOf(s), kRows[i].type);
        ASSERT_GE(s.size(), 11u);
        EXPECT_EQ(s.front(), '$');
        EXPECT_EQ(s.substr(s.size() - 2), "\r\n");
        ASSERT_EQ(s[s.size() - 5], '*');
        EXPECT_EQ(std::stoi(s.substr(s.size() - 4, 2), nullptr, 16), NmeaChecksum(s.substr(1, s.size() - 6)));
        EXPECT_EQ(s.find_first_of("$*\r\n", 1), s.size() - 5) << "reserved characters inside";
        EXPECT_LE(s.size(), 82u);
        EXPECT_EQ(Fields(s).size(), kRows[i].fields);
    }
}

// True = magnetic - variation (7 W); knots x 1.852 = km/h; feet x 0.3048 = m.
TEST(Nmea, SentencesCarryTheBoatsPositionCoursesAndInstruments) {
    const std::vector<std::string> s = NmeaSentences(*Exumas());
    using V = std::vector<std::string>;
    EXPECT_EQ(Find(s, "GPRMC"), (V{"140000.00", "A", "2411.4000", "N", "07618.9000", "W", "6.5", "90.0", "041124",
                                  "7.0", "W", "A"}));
    EXPECT_EQ(Find(s, "GPGGA"),
              (V{"140000.00", "2411.4000", "N", "07618.9000", "W", "1", "08", "1.0", "0.0", "M", "0.0", "M", "", ""}));
    EXPECT_EQ(Find(s, "GPVTG"), (V{"90.0", "T", "97.0", "M", "6.5", "N", "12.0", "K", "A"}));
    EXPECT_EQ(Find(s, "IIHDT"), (V{"45.5", "T"}));
    EXPECT_EQ(Find(s, "IIHDM"), (V{"52.5", "M"}));
    EXPECT_EQ(Find(s, "IIVHW"), (V{"45.5", "T", "52.5", "M", "5.5", "N", "10.2", "K"}));
    // Tack -1: the wind comes over the port bow, 40 degrees off it.
    EXPECT_EQ(Find(s, "IIMWV"), (V{"320.0", "R", "12.0", "N", "A"}));
    // 20 ft of water under the transducer at the waterline; the keel is 6 ft down.
    EXPECT_EQ(Find(s, "IIDPT"), (V{"6.1", "-1.8", ""}));
}

TEST(Nmea, HeadingsStayBelow360AndWrapPastNorth) {
    auto g = Exumas();
    g->ownBoat.headingExact = 359.97;
    g->navState.variation = 18;
    g->ownBoat.courseOverGround = 5;  // 347 true
    const std::vector<std::string> s = NmeaSentences(*g);
    EXPECT_EQ(Find(s, "IIHDT")[0], "0.0");
    EXPECT_EQ(Find(s, "IIHDM")[0], "18.0");
    EXPECT_EQ(Find(s, "GPRMC")[7], "347.0");
}

// The boat's clock keeps the zone's standard time (UTC-5 in the Exumas, UTC-4
// on the Maine - Nova Scotia passage); day 1 is 4 November 2024.
TEST(Nmea, TimeAndDateAreTheBoatsClockInUtc) {
    const struct {
        int32_t area;
        double cruiseMinutes;
        const char* time;
        const char* date;
    } kRows[] = {
        {30, 9 * 60, "140000.00", "041124"},
        {30, 9 * 60 + 0.999, "140059.00", "041124"},             // seconds are whole, never rounded up
        {30, 19 * 60, "000000.00", "051124"},                    // evening ashore is the next day in UTC
        {30, 4 * 1440 + 23 * 60 + 59.5, "045930.00", "091124"},  // the last half-minute of day 5
        {7, 9 * 60, "130000.00", "041124"},
        {7, 27 * 60, "070000.00", "051124"},  // 03:00 on day 2
    };
    for (const auto& r : kRows) {
        auto g = Exumas();
        g->areaGrid.areaCode = r.area;
        g->simClock.cruiseMinutes = r.cruiseMinutes;
        const std::vector<std::string> rmc = Find(NmeaSentences(*g), "GPRMC");
        EXPECT_EQ(rmc[0], r.time) << r.area << " " << r.cruiseMinutes;
        EXPECT_EQ(rmc[8], r.date) << r.area << " " << r.cruiseMinutes;
    }
}

// A broken GPS or the no-GPS trouble silences the GPS sentences, a broken
// depth sounder its depth; the no-depth-alarm trouble only mutes the alarm.
TEST(Nmea, BrokenInstrumentsFallSilent) {
    const std::vector<std::string> all = {"GPRMC", "GPGGA", "GPVTG", "IIHDT", "IIHDM", "IIVHW", "IIMWV", "IIDPT"};
    const std::vector<std::string> noGps = {"IIHDT", "IIHDM", "IIVHW", "IIMWV", "IIDPT"};
    const std::vector<std::string> noDepth = {"GPRMC", "GPGGA", "GPVTG", "IIHDT", "IIHDM", "IIVHW", "IIMWV"};
    const struct {
        int32_t troubleNoGps, gpsFailed, sounderFailed, troubleNoDepthAlarm;
        const std::vector<std::string>& types;
    } kRows[] = {
        {0, 0, 0, 0, all}, {1, 0, 0, 0, noGps}, {0, 1, 0, 0, noGps}, {0, 0, 1, 0, noDepth}, {0, 0, 0, 1, all},
    };
    for (const auto& r : kRows) {
        auto g = Exumas();
        g->cruiseOptions.troubleNoGps = r.troubleNoGps;
        g->failures.failed[0] = r.gpsFailed;
        g->failures.failed[2] = r.sounderFailed;
        g->cruiseOptions.troubleNoDepthAlarm = r.troubleNoDepthAlarm;
        EXPECT_EQ(Types(NmeaSentences(*g)), r.types)
            << r.troubleNoGps << r.gpsFailed << r.sounderFailed << r.troubleNoDepthAlarm;
    }
}

TEST(Nmea, OnlyAreasWithLatitudeAndLongitudeSendAndOfferTheSwitch) {
    for (int32_t area : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 20, 30}) {
        auto g = Exumas();
        g->areaGrid.areaCode = area;
        const bool mapped = area >= 5;
        EXPECT_EQ(!NmeaSentences(*g).empty(), mapped) << area;
        EXPECT_EQ(FindCommand(32996)->enabled(*g), mapped) << area;
    }
    // On the title screen the area chosen decides, not the last one sailed.
    auto g = Exumas();
    g->screenState.phase = 0;
    g->cruiseOptions.areaCode = 1;
    EXPECT_FALSE(FindCommand(32996)->enabled(*g));
    g->cruiseOptions.areaCode = 12;
    EXPECT_TRUE(FindCommand(32996)->enabled(*g));
}

TEST(Nmea, TheMenuSwitchIsOffByDefaultAndToggles) {
    auto g = Exumas();
    const Command& item = *FindCommand(32996);
    EXPECT_FALSE(item.checked(*g));
    EXPECT_TRUE(CollectNmea(*g, 0).empty());
    EXPECT_EQ(RunCommand(*g, 32996), CommandResult::Done);
    EXPECT_TRUE(item.checked(*g));
    EXPECT_EQ(CollectNmea(*g, 0).size(), 8u);
    EXPECT_EQ(RunCommand(*g, 32996), CommandResult::Done);
    EXPECT_FALSE(item.checked(*g));
}

// Once per new second of boat time, and no sooner than 100 ms of wall time
// after the last set; a new cruise starts its clock over and sends at once.
TEST(Nmea, SendsOncePerSimulatedSecondAndAtMostTenTimesAWallSecond) {
    auto g = Exumas();
    g->nmeaOutput.enabled = 1;
    const struct {
        double boatSecond;
        uint32_t tick;
        bool sent;
    } kSteps[] = {
        {32400.2, 1000, true},  {32400.9, 1200, false},  // same second
        {32401.1, 1050, false},                          // a new second, 50 ms after the last set
        {32401.5, 1100, true},  {32460.0, 1150, false}, {32460.0, 1199, false}, {32460.0, 1200, true},
        {600.0, 1300, true},                             // next cruise
        {601.0, 0xFFFFFFF0u, true}, {602.0, 0x00000060u, true},  // the tick count wraps
    };
    for (const auto& s : kSteps) {
        g->simClock.cruiseMinutes = s.boatSecond / 60.0;
        EXPECT_EQ(!CollectNmea(*g, s.tick).empty(), s.sent) << s.boatSecond << " at " << s.tick;
    }
}

// Through the real clock: at the slowest speed a set per simulated second;
// at the fastest, many simulated seconds a frame but ten sets a wall second.
TEST(Nmea, TheTickingClockSetsTheRate) {
    const struct {
        int32_t speed;
        uint32_t frameMs;
        int frames;
    } kRows[] = {{1, 100, 300}, {15, 17, 60}};
    for (const auto& r : kRows) {
        auto g = testing::SailingGame();
        SetSpeed(g->cruiseOptions, r.speed);
        g->screenState.phase = 2;
        g->areaGrid.areaCode = 30;
        g->areaGrid.unitsPerMile = 416;
        g->nmeaOutput.enabled = 1;
        int sets = 0;
        double first = -1.0;
        for (int i = 0; i < r.frames; ++i) {
            testing::Ticks(*g, 1);
            if (first < 0) first = g->simClock.cruiseMinutes * 60.0;
            if (!CollectNmea(*g, 5000 + i * r.frameMs).empty()) ++sets;
        }
        const double last = g->simClock.cruiseMinutes * 60.0;
        if (r.speed == 1) {
            EXPECT_GT(last - first, 20.0);
            EXPECT_EQ(sets, static_cast<int>(std::floor(last) - std::floor(first)) + 1);
        } else {
            EXPECT_GT(last - first, 60.0 * 10);
            EXPECT_EQ(sets, 10);  // frames 0, 6, .. 54: 1020 ms of wall time
        }
    }
}

TEST(Nmea, DestinationsAreHostColonPort) {
    const struct {
        const char* text;
        const char* host;  // nullptr: refused
        int32_t port;
    } kRows[] = {
        {"127.0.0.1:10110", "127.0.0.1", 10110},
        {"  localhost:2000 ", "localhost", 2000},
        {"plotter-1.lan:65535", "plotter-1.lan", 65535},
        {"[::1]:10110", "::1", 10110},
        {"127.0.0.1", nullptr, 0},
        {":10110", nullptr, 0},
        {"", nullptr, 0},
        {"127.0.0.1:0", nullptr, 0},
        {"127.0.0.1:65536", nullptr, 0},
        {"127.0.0.1:-1", nullptr, 0},
        {"127.0.0.1:10110x", nullptr, 0},
        {"256.0.0.1:10110", nullptr, 0},
        {"10.0.1:10110", nullptr, 0},
        {"my host:10110", nullptr, 0},
        {"-plotter:10110", nullptr, 0},
        {"plotter..lan:10110", nullptr, 0},
        {"::1:10110", nullptr, 0},
        {"[::1]10110", nullptr, 0},
        {"[nohex]:10110", nullptr, 0},
    };
    for (const auto& r : kRows) {
        std::string host = "kept";
        int32_t port = 7;
        const std::optional<std::string> why = ParseNmeaDestination(r.text, host, port);
        if (r.host) {
            EXPECT_FALSE(why) << r.text << ": " << why.value_or("");
            EXPECT_EQ(host, r.host) << r.text;
            EXPECT_EQ(port, r.port) << r.text;
            EXPECT_EQ(ParseNmeaDestination(NmeaDestinationText(host, port), host, port), std::nullopt) << r.text;
        } else {
            ASSERT_TRUE(why) << r.text;
            EXPECT_NE(why->find("NMEA"), std::string::npos) << *why;
            EXPECT_EQ(host, "kept") << r.text;
            EXPECT_EQ(port, 7) << r.text;
        }
    }
}

// A bad entry in the dialog keeps the old destination, says why, and the
// picture runs again once the dialog closes.
TEST(Nmea, TheDestinationDialogRefusesBadEntriesAndTheGameGoesOn) {
    auto g = Exumas();
    g->screenState.startPlaced = 1;
    ASSERT_EQ(RunCommand(*g, 32997), CommandResult::OpenDialog);
    EXPECT_EQ(DialogOf(*FindCommand(32997)), Dialog::NmeaDestination);
    EXPECT_EQ(g->screenState.frozen, 1);
    const std::string refused = ChangeNmeaDestination(g->nmeaOutput, "plotter:99999");
    EXPECT_NE(refused.find("65535"), std::string::npos) << refused;
    EXPECT_NE(refused.find("127.0.0.1:10110"), std::string::npos) << refused;
    DialogClosed(*g);
    EXPECT_EQ(g->screenState.frozen, 0);
    EXPECT_EQ(g->nmeaOutput.host, "127.0.0.1");
    EXPECT_EQ(g->nmeaOutput.port, 10110);
    EXPECT_NE(ChangeNmeaDestination(g->nmeaOutput, "10.1.2.3:2000").find("10.1.2.3:2000"), std::string::npos);
    EXPECT_EQ(g->nmeaOutput.port, 2000);
}

TEST(Nmea, SettingsFileKeepsSwitchAndDestinationAndSurvivesGarbage) {
    NmeaOutput saved;
    saved.enabled = 1;
    saved.host = "::1";
    saved.port = 2000;
    NmeaOutput loaded;
    DecodeNmeaSettings(loaded, EncodeNmeaSettings(saved));
    EXPECT_EQ(loaded.enabled, 1);
    EXPECT_EQ(loaded.host, "::1");
    EXPECT_EQ(loaded.port, 2000);

    NmeaOutput defaults;
    DecodeNmeaSettings(defaults, "output=2\r\ndestination=nowhere\nnoise\n=\n\xff\xfe");
    EXPECT_EQ(defaults.enabled, 0);
    EXPECT_EQ(defaults.host, "127.0.0.1");
    EXPECT_EQ(defaults.port, kNmeaDefaultPort);
}

TEST(NmeaSender, SendsOneDatagramPerSentenceAndReportsChangesOnly) {
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    std::vector<std::string> reports;
    NmeaSender sender;
    sender.setReport([&](const std::string& m) { reports.push_back(m); });
    const std::vector<std::string> sentences = NmeaSentences(*Exumas());
    sender.send("127.0.0.1", receiver.localPort(), sentences);
    sender.send("127.0.0.1", receiver.localPort(), sentences);
    std::vector<std::string> got;
    QElapsedTimer waited;
    waited.start();
    while (got.size() < 2 * sentences.size() && waited.elapsed() < 5000) {
        if (!receiver.hasPendingDatagrams()) receiver.waitForReadyRead(100);
        while (receiver.hasPendingDatagrams()) {
            QByteArray d(static_cast<int>(receiver.pendingDatagramSize()), '\0');
            receiver.readDatagram(d.data(), d.size());
            got.push_back(d.toStdString());
        }
    }
    ASSERT_EQ(got.size(), 2 * sentences.size());
    EXPECT_TRUE(std::equal(sentences.begin(), sentences.end(), got.begin()));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("127.0.0.1:" + std::to_string(receiver.localPort())), std::string::npos);

    // A port no socket can have: said once, nothing sent, nothing waits.
    sender.send("127.0.0.1", 70000, sentences);
    sender.send("127.0.0.1", 70000, sentences);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("70000"), std::string::npos) << reports[1];
}

}  // namespace
}  // namespace vel
