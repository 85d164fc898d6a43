#include "shell/nmea.h"

#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/nmea_output.h"
#include "shell/commands.h"
#include "shell/dialogs.h"

namespace vel {
namespace {

using Sentences = std::vector<std::string>;

// The Exumas at 09:00 on day 1, the boat at the area's origin (24 deg 11.4'
// N, 76 deg 18.9' W), with every instrument reading something distinct.
std::unique_ptr<Game> Exumas() {
    auto g = std::make_unique<Game>();
    g->screenState.phase = 2;
    g->cruiseOptions.areaCode = g->areaGrid.areaCode = 30;
    g->areaGrid.unitsPerMile = 416;
    g->navState.variation = 7;
    g->simClock.cruiseMinutes = 9 * 60;
    g->boatDesign.draft = 6;
    OwnBoat& b = g->ownBoat;
    // The course over ground is magnetic.
    std::tie(b.headingExact, b.speedExact, b.speedOverGround, b.courseOverGround) = std::tuple(45.5, 55.0, 6.5, 97);
    std::tie(b.apparentWindAngle, b.apparentWindSpeed, b.tack, b.depth) = std::tuple(40, 12, -1, 20);
    return g;
}

// Field i of a sentence; field 0 is the talker and type.
std::string Field(const std::string& sentence, int i) {
    std::size_t at = 1;
    while (i-- > 0) at = sentence.find(',', at) + 1;
    return sentence.substr(at, sentence.find_first_of(",*", at) - at);
}

TEST(Nmea, ChecksumsMatchPublishedSentences) {
    EXPECT_EQ(NmeaSentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
              "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
    EXPECT_EQ(NmeaSentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
              "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
    EXPECT_EQ(NmeaChecksum(""), 0);
}

// Every field NMEA 0183 has (RMC and VTG with the mode indicator, DPT with
// its maximum range), talker GP for the GPS and II for the instruments.
// True = magnetic - variation (7 W); knots x 1.852 = km/h; feet x 0.3048 = m.
// Tack -1: the wind comes over the port bow, 40 degrees off it. 20 ft of water
// under the transducer at the waterline; the keel is 6 ft down.
TEST(Nmea, SentencesCarryTheBoatsPositionCoursesAndInstruments) {
    EXPECT_EQ(NmeaSentences(*Exumas()),
              (Sentences{NmeaSentence("GPRMC,140000.00,A,2410.0200,N,07619.0800,W,6.5,90.0,041124,7.0,W,A"),
                         NmeaSentence("GPGGA,140000.00,2410.0200,N,07619.0800,W,1,08,1.0,0.0,M,0.0,M,,"),
                         NmeaSentence("GPVTG,90.0,T,97.0,M,6.5,N,12.0,K,A"), NmeaSentence("IIHDT,45.5,T"),
                         NmeaSentence("IIHDM,52.5,M"), NmeaSentence("IIVHW,45.5,T,52.5,M,5.5,N,10.2,K"),
                         NmeaSentence("IIMWV,320.0,R,12.0,N,A"), NmeaSentence("IIDPT,6.1,-1.8,")}));
}

TEST(Nmea, HeadingsStayBelow360AndWrapPastNorth) {
    auto g = Exumas();
    // A magnetic course of 5 is 347 true.
    std::tie(g->ownBoat.headingExact, g->navState.variation, g->ownBoat.courseOverGround) = std::tuple(359.97, 18, 5);
    const Sentences s = NmeaSentences(*g);
    EXPECT_EQ(std::tuple(Field(s[3], 1), Field(s[4], 1), Field(s[0], 8)), std::tuple("0.0", "18.0", "347.0"));
}

// The boat's clock keeps the zone's standard time (UTC-5 in the Exumas, UTC-4
// on the Maine - Nova Scotia passage); day 1 is 4 November 2024.
TEST(Nmea, TimeAndDateAreTheBoatsClockInUtc) {
    for (auto [area, minutes, time, date] : {
             std::tuple{30, 9 * 60.0, "140000.00", "041124"},
             {30, 9 * 60 + 0.999, "140059.00", "041124"},             // seconds are whole, never rounded up
             {30, 19 * 60.0, "000000.00", "051124"},                  // evening ashore is the next day in UTC
             {30, 4 * 1440 + 23 * 60 + 59.5, "045930.00", "091124"},  // the last half-minute of day 5
             {7, 9 * 60.0, "130000.00", "041124"},
             {7, 27 * 60.0, "070000.00", "051124"},  // 03:00 on day 2
         }) {
        auto g = Exumas();
        g->areaGrid.areaCode = area;
        g->simClock.cruiseMinutes = minutes;
        const std::string rmc = NmeaSentences(*g)[0];
        EXPECT_EQ(std::tuple(Field(rmc, 1), Field(rmc, 9)), std::tuple(time, date)) << area << " " << minutes;
    }
}

// A broken GPS or the no-GPS trouble silences the GPS sentences, a broken
// depth sounder its depth; the no-depth-alarm trouble only mutes the alarm.
TEST(Nmea, BrokenInstrumentsFallSilent) {
    const Sentences all = {"GPRMC", "GPGGA", "GPVTG", "IIHDT", "IIHDM", "IIVHW", "IIMWV", "IIDPT"};
    const Sentences noGps(all.begin() + 3, all.end()), noDepth(all.begin(), all.end() - 1);
    const std::tuple<int32_t, int32_t, int32_t, int32_t, Sentences> rows[] = {
        {0, 0, 0, 0, all}, {1, 0, 0, 0, noGps}, {0, 1, 0, 0, noGps}, {0, 0, 1, 0, noDepth}, {0, 0, 0, 1, all}};
    for (const auto& [trouble, gps, sounder, alarmTrouble, types] : rows) {
        auto g = Exumas();
        std::tie(g->cruiseOptions.troubleNoGps, g->failures.failed[0], g->failures.failed[2],
                 g->cruiseOptions.troubleNoDepthAlarm) = std::tuple(trouble, gps, sounder, alarmTrouble);
        Sentences sent;
        for (const std::string& s : NmeaSentences(*g)) sent.push_back(Field(s, 0));
        EXPECT_EQ(sent, types) << trouble << gps << sounder << alarmTrouble;
    }
}

TEST(Nmea, OnlyAreasWithLatitudeAndLongitudeSendAndOfferTheSwitch) {
    for (int32_t area : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 20, 30}) {
        auto g = Exumas();
        g->areaGrid.areaCode = area;
        EXPECT_EQ(std::pair(!NmeaSentences(*g).empty(), FindCommand(32996)->enabled(*g)),
                  std::pair(area >= 5, area >= 5))
            << area;
        // On the title screen the area chosen decides, not the last one sailed.
        g->screenState.phase = 0;
        std::tie(g->cruiseOptions.areaCode, g->areaGrid.areaCode) = std::pair(area, 30);
        EXPECT_EQ(FindCommand(32996)->enabled(*g), area >= 5) << area;
    }
}

// Off until the menu switches it on; then once per new second of boat time,
// and no sooner than 100 ms of wall time after the last set; a new cruise
// starts its clock over and sends at once.
TEST(Nmea, TheSwitchTurnsItOnAndItSendsOncePerSimulatedSecondAtMostTenTimesAWallSecond) {
    auto g = Exumas();
    const Command& item = *FindCommand(32996);
    EXPECT_EQ(std::pair(item.checked(*g), CollectNmea(*g, 0).empty()), std::pair(false, true));
    EXPECT_EQ(RunCommand(*g, 32996), CommandResult::Done);
    EXPECT_TRUE(item.checked(*g));
    for (auto [boatSecond, tick, sent] : {
             std::tuple{32400.2, 1000u, true}, {32400.9, 1200u, false},  // same second
             {32401.1, 1050u, false},  // a new second, 50 ms after the last set
             {32401.5, 1100u, true}, {32460.0, 1150u, false}, {32460.0, 1199u, false}, {32460.0, 1200u, true},
             {600.0, 1300u, true},  // next cruise
             {601.0, 0xFFFFFFF0u, true}, {602.0, 0x00000060u, true}}) {  // the tick count wraps
        g->simClock.cruiseMinutes = boatSecond / 60.0;
        EXPECT_EQ(!CollectNmea(*g, tick).empty(), sent) << boatSecond << " at " << tick;
    }
    RunCommand(*g, 32996);
    g->simClock.cruiseMinutes = 700 / 60.0;
    EXPECT_EQ(std::pair(item.checked(*g), CollectNmea(*g, 5000).empty()), std::pair(false, true));
}

TEST(Nmea, DestinationsAreHostColonPort) {
    for (auto [text, want, wantPort] : {
             std::tuple{"127.0.0.1:10110", "127.0.0.1", 10110},
             {"  localhost:2000 ", "localhost", 2000},
             {"plotter-1.lan:65535", "plotter-1.lan", 65535},
             {"[::1]:10110", "::1", 10110},
             {"[fe80::1:2]:1", "fe80::1:2", 1},
             {"[::ffff:192.0.2.1]:5", "::ffff:192.0.2.1", 5},
             {"[1:2:3:4:5:6:7:8]:5", "1:2:3:4:5:6:7:8", 5},
             {"1e100.net:5", "1e100.net", 5},
             // Refused: the host and port stay as they were.
             {"0x7f.1:5", nullptr, 0}, {"127.1:5", nullptr, 0}, {"0x7f000001:5", nullptr, 0},
             {"127.000.0.1:5", nullptr, 0}, {"plotter.1:5", nullptr, 0}, {"0.0.0.0:10110", nullptr, 0},
             {"0.1.2.3:10110", nullptr, 0}, {"[::]:1", nullptr, 0}, {"[::ffff:0.0.0.0]:1", nullptr, 0},
             {"[1:2:3:4:5:6:7:8:9]:5", nullptr, 0}, {"[1::2::3]:5", nullptr, 0}, {"[12345::1]:5", nullptr, 0},
             {"[::1%eth0]:5", nullptr, 0}, {"::1", nullptr, 0},
             {"127.0.0.1", nullptr, 0}, {":10110", nullptr, 0}, {"127.0.0.1:0", nullptr, 0},
             {"127.0.0.1:65536", nullptr, 0}, {"127.0.0.1:10110x", nullptr, 0}, {"256.0.0.1:10110", nullptr, 0},
             {"10.0.1:10110", nullptr, 0}, {"my host:10110", nullptr, 0}, {"-plotter:10110", nullptr, 0},
             {"plotter..lan:10110", nullptr, 0}, {"::1:10110", nullptr, 0}, {"[::1]10110", nullptr, 0},
             {"[nohex]:10110", nullptr, 0}, {"127..0.1:10110", nullptr, 0},
         }) {
        SCOPED_TRACE(text);
        std::string host = "kept";
        int32_t port = 7;
        const std::optional<std::string> why = ParseNmeaDestination(text, host, port);
        EXPECT_EQ(std::tuple(!why, host, port), std::tuple(want != nullptr, want ? want : "kept", want ? wantPort : 7))
            << text << ": " << why.value_or("");
        EXPECT_TRUE(!why || why->find("NMEA") != std::string::npos) << *why;
    }
    std::string host;
    int32_t port = 0;
    for (const char* text : {"127.0.0.1", ":10110", "[::1]10110"})  // no colon where one belongs: say the form
        EXPECT_NE(ParseNmeaDestination(text, host, port).value_or("").find("の形"), std::string::npos) << text;
    // A host of 253 characters is the most a name may have; a longer one is
    // refused, and shown only by its start.
    std::string name;
    for (int i = 0; i < 3; ++i) name += std::string(63, 'a') + ".";
    name += std::string(61, 'b');
    EXPECT_EQ(ParseNmeaDestination(name + ":1", host, port), std::nullopt);
    EXPECT_LT(ParseNmeaDestination(name + "c:1", host, port).value_or("").size(), 200u);
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
    EXPECT_EQ(std::tuple(g->screenState.frozen, g->nmeaOutput.host, g->nmeaOutput.port),
              std::tuple(0, "127.0.0.1", 10110));
    EXPECT_NE(ChangeNmeaDestination(g->nmeaOutput, "10.1.2.3:2000").find("10.1.2.3:2000"), std::string::npos);
    EXPECT_EQ(g->nmeaOutput.port, 2000);
}

TEST(Nmea, SettingsFileKeepsSwitchAndDestinationAndSurvivesGarbage) {
    NmeaOutput saved, loaded, defaults;
    std::tie(saved.enabled, saved.host, saved.port, saved.ais) = std::tuple(1, "::1", 2000, 0);
    DecodeNmeaSettings(loaded, EncodeNmeaSettings(saved));
    EXPECT_EQ(std::tie(loaded.enabled, loaded.host, loaded.port, loaded.ais), std::tuple(1, "::1", 2000, 0));
    DecodeNmeaSettings(defaults, "output=2\r\nais=yes\nnoise\n=\n\xff\xfe");
    EXPECT_EQ(std::tie(defaults.enabled, defaults.host, defaults.port, defaults.ais),
              std::tuple(0, "127.0.0.1", kNmeaDefaultPort, 1));
    // A refused destination is said, stays in the file, and holds the output
    // until the player sets another.
    auto g = Exumas();
    EXPECT_TRUE(DecodeNmeaSettings(g->nmeaOutput, "output=1\ndestination=0.0.0.0:10110\n").has_value());
    EXPECT_TRUE(CollectNmea(*g, 5000).empty());
    EXPECT_NE(EncodeNmeaSettings(g->nmeaOutput).find("output=1\ndestination=0.0.0.0:10110\n"), std::string::npos);
    ChangeNmeaDestination(g->nmeaOutput, "10.1.2.3:2000");
    EXPECT_NE(EncodeNmeaSettings(g->nmeaOutput).find("destination=10.1.2.3:2000\n"), std::string::npos);
    EXPECT_FALSE(CollectNmea(*g, 5000).empty());
}

TEST(NmeaSender, SendsOneDatagramPerSentenceAndReportsChangesOnly) {
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    std::vector<std::string> reports;
    NmeaSender sender;
    sender.setReport([&](const std::string& m) { reports.push_back(m); });
    const Sentences sentences = NmeaSentences(*Exumas());
    for (int i = 0; i < 2; ++i) sender.send("127.0.0.1", receiver.localPort(), sentences);
    Sentences got;
    for (int waits = 0; got.size() < 2 * sentences.size() && waits < 50; ++waits) {
        receiver.waitForReadyRead(100);
        while (receiver.hasPendingDatagrams()) got.push_back(receiver.receiveDatagram().data().toStdString());
    }
    Sentences twice = sentences;
    twice.insert(twice.end(), sentences.begin(), sentences.end());
    EXPECT_EQ(got, twice);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("127.0.0.1:" + std::to_string(receiver.localPort())), std::string::npos);

    // A port no socket can have: said once, nothing sent, nothing waits.
    for (int i = 0; i < 2; ++i) sender.send("127.0.0.1", 70000, sentences);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("70000"), std::string::npos) << reports[1];
}

}  // namespace
}  // namespace vel
