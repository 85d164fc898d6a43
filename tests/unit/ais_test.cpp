#include "shell/ais.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>

#include "common/helpers.h"
#include "shell/commands.h"
#include "shell/nmea.h"

namespace vel {
namespace {

// The payload bits of a datagram's sentences. Each sentence must carry a
// good checksum and its place in a whole message: 1 of n up to n of n.
AisBits Unarmour(const std::string& datagram) {
    AisBits bits;
    std::istringstream in(datagram);
    std::string line, field;
    int number = 0, count = 0;
    while (std::getline(in, line)) {
        const std::string body = line.substr(1, line.find('*') - 1);
        EXPECT_EQ("!" + NmeaSentence(body).substr(1), line + "\n");
        std::vector<std::string> f;
        for (std::istringstream fields(body); std::getline(fields, field, ',');) f.push_back(field);
        count = std::stoi(f[1]);
        EXPECT_EQ(std::stoi(f[2]), ++number) << datagram;
        for (char c : f[5])
            for (int i = 5, v = c - 48 > 40 ? c - 56 : c - 48; i >= 0; --i) bits.push_back((v >> i) & 1);
        bits.resize(bits.size() - std::stoul(f[6]));
    }
    EXPECT_EQ(number, count) << datagram;
    return bits;
}

int64_t Get(const AisBits& b, std::size_t at, std::size_t width) {
    int64_t v = 0;
    for (std::size_t i = at; i < at + width && i < b.size(); ++i) v = v * 2 + b[i];
    return v;
}

// Six-bit text up to its '@' fill or trailing spaces.
std::string Text(const AisBits& b, std::size_t at, std::size_t chars) {
    std::string s;
    for (std::size_t i = 0; i < chars; ++i) s += static_cast<char>((Get(b, at + 6 * i, 6) + 32) % 64 + 32);
    return s.erase(s.find_last_not_of("@ ") + 1);
}

// Decoded examples of the gpsd project's test data, as published in
// https://grok.dragonflybsd.org/source/xref/dports/astro/gpsd/gpsd-3.20/test/sample.aivdm
// Our encoder gets the decoded values; every field it sets must match: bits
// [at, at + width), or for a negative width that many characters of text.
TEST(Ais, EncoderMatchesPublishedSentencesAndArmoursTheEdges) {
    const AisStatic m5{351759000, "EVER DIADEM", "3FOF8", "NEW YORK", 9134270, 70, 225, 70, 1, 31, 12.2};
    const AisStatic m24{271041815, "PROGUY", "TC6163", "", 0, 60, 0, 15, 0, 5};
    const std::tuple<std::string, std::string, std::vector<std::pair<std::size_t, int>>> cases[] = {
        {"!AIVDM,1,1,,A,16SteH0P00Jt63hHaa6SagvJ087r,0*42\r\n",
         AivdmSentences(AisMessage1({440348000, 43.08015, -70.7582, 0.0, 93.4, 511, 13}), 'A', 0),
         {{0, 50}, {50, 39}, {89, 39}, {128, 15}}},
        {"!AIVDM,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4C\r\n",
         AivdmSentences(AisMessage18({338087471, 40.68454, -74.07213166666666, 0.1, 79.6, 511, 49}), 'A', 0),
         {{0, 46}, {46, 39}, {85, 39}, {124, 15}}},
        {"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n"
         "!AIVDM,2,2,1,A,88888888880,2*25\r\n", AivdmSentences(AisMessage5(m5), 'A', 1),
         {{0, 40}, {40, 30}, {70, -7}, {112, -20}, {232, 42}, {294, 8}, {302, -20}}},
        {"!AIVDM,1,1,,A,H42O55lti4hhhilD3nink000?050,0*40\r\n", AivdmSentences(AisMessage24B(m24), 'A', 0),
         {{0, 48}, {90, -7}, {132, 30}}},
    };
    for (const auto& [published, ours, fields] : cases) {
        const AisBits want = Unarmour(published), got = Unarmour(ours);
        EXPECT_EQ(std::pair(got.size(), ours.substr(0, 15)), std::pair(want.size(), published.substr(0, 15)));
        for (const auto& [at, w] : fields) {
            const auto f = [&](const AisBits& b) { return w < 0 ? Text(b, at, -w) : std::to_string(Get(b, at, w)); };
            EXPECT_EQ(f(got), f(want)) << at << " in " << ours;
        }
    }
    // '@' fills the name exactly as the published part A does.
    EXPECT_EQ(AivdmSentences(AisMessage24A(m24), 'A', 0), "!AIVDM,1,1,,A,H42O55i18tMET00000000000000,2*6D\r\n");
    // 39 and 40 straddle the gap in the armour; 63 is the last character.
    EXPECT_EQ(AivdmSentences({1, 0, 0, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1}, 'B', 0),
              "!" + NmeaSentence("AIVDM,1,1,,B,W`wP,5").substr(1));
    for (const auto& [name, shown] : {std::pair("Twenty characters ok", "TWENTY CHARACTERS OK"),
                                      std::pair("a~b{c\303\251d_e@ longer than twenty", "A B C  D_E@ LONGER T")})
        EXPECT_EQ(Text(Unarmour(AivdmSentences(AisMessage24A({1, name, "", ""}), 'A', 0)), 40, 20), shown);
    // 424 bits: 60 characters, then 11 with 2 fill bits; the id wraps at 9.
    const std::string two = AivdmSentences(AisMessage5({1, "", "", ""}), 'A', 13);
    EXPECT_EQ(std::pair(two.substr(0, 17), two.find(",0*")), std::pair(std::string("!AIVDM,2,1,3,A,50"), 75ul));
    EXPECT_EQ(std::pair(two.find("!AIVDM,2,2,3,A,"), Unarmour(two).size()), std::pair(82ul, 424ul));
}

// The Exumas: ship 1 under way a mile off, ship 2 thirty miles off, fleet
// vessel 3 at anchor near the boat (object entries 35, 36 and 43); the
// output on.
std::unique_ptr<Game> Traffic() {
    auto g = std::make_unique<Game>();
    std::tie(g->screenState.phase, g->areaGrid.areaCode, g->areaGrid.unitsPerMile) = std::tuple(2, 30, 416);
    std::tie(g->nmeaOutput.enabled, g->vessels.shipCount, g->cruiseOptions.difficulty) = std::tuple(1, 2, 5);
    BuildTrigTables(g->trigTables);
    for (const auto& [e, kind, x, y] :
         {std::tuple(35, 11, 0.0, -416.0), std::tuple(36, 12, 12480.0, 0.0), std::tuple(43, 15, 200.0, 200.0)})
        std::tie(g->objectList.kind[e], g->objectList.fbx[e], g->objectList.fby[e]) = std::tuple(kind, x, y);
    std::tie(g->vessels.heading[1], g->vessels.placements) = std::tuple(90, ShipInts{0, 1, 1});
    return g;
}

// Runs `seconds` of boat time at `boatPerFrame` boat seconds a 20 ms frame;
// counts each MMSI's messages by type (24 part B as 25).
std::map<int64_t, std::map<int64_t, int>> Drive(Game& g, uint32_t& tick, double seconds, double boatPerFrame) {
    std::map<int64_t, std::map<int64_t, int>> sent;
    uint32_t last = tick - 100;
    for (double s = 0; s < seconds; s += boatPerFrame, tick += 20) {
        g.simClock.cruiseMinutes += boatPerFrame / 60.0;
        for (const std::string& d : CollectAis(g, tick)) {
            EXPECT_GE(tick - last, kNmeaMinIntervalMs);
            last = tick;
            const AisBits b = Unarmour(d);
            sent[Get(b, 8, 30)][Get(b, 0, 6) + (Get(b, 0, 6) == 24 ? Get(b, 38, 2) : 0)] += 1;
        }
    }
    return sent;
}

TEST(Ais, SchedulesByBoatTimeAtMostTenDatagramsAWallSecondOnlyInRange) {
    auto g = Traffic();
    uint32_t tick = 5000;
    auto sent = Drive(*g, tick, 1800, 0.3);  // 15 times real time
    const int64_t ship = g->aisTraffic.mmsi[1], boat = g->aisTraffic.mmsi[9];
    ASSERT_EQ(std::pair(sent.size(), ship / 1000000), std::pair(2ul, 311l)) << "ship 2, 30 miles off, is not sent";
    EXPECT_EQ(sent[ship], (std::map<int64_t, int>{{1, 180}, {5, 5}}));
    EXPECT_EQ(sent[boat], (std::map<int64_t, int>{{18, 10}, {24, 5}, {25, 5}}));
    // Speed 15 (3 time units a tick, 26.5 s here): the rate holds, neither starves.
    sent = Drive(*g, tick, 26500, 26.5);
    const int all = sent[ship][1] + sent[ship][5] + sent[boat][18] + sent[boat][24] + sent[boat][25];
    EXPECT_EQ(std::pair(all, sent[boat][18] > 5), std::pair(200, true));
    // Off, then on from the menu: nothing while off, then the static data again at once.
    EXPECT_EQ(RunCommand(*g, 32998), CommandResult::Done);
    EXPECT_FALSE(FindCommand(32998)->checked(*g));
    EXPECT_TRUE(Drive(*g, tick, 60, 1.0).empty());
    for (int twice = 0; twice < 2; ++twice) {  // the second time a minute after the first: not yet due
        RunCommand(*g, 32998);
        sent = Drive(*g, tick, 3, 0.1);
        EXPECT_EQ(std::pair(sent[ship][5] + sent[boat][24], FindCommand(32998)->checked(*g)), std::pair(2, true))
            << twice;
        if (twice == 0) RunCommand(*g, 32998), Drive(*g, tick, 60, 1.0);
    }
    // A ship placed again is another ship; the same cruise, the same MMSIs.
    g->vessels.placements[1] = 2;
    Drive(*g, tick, 10, 1.0);
    EXPECT_NE(g->aisTraffic.mmsi[1], ship);
    const auto again = Traffic();
    EXPECT_EQ((Drive(*again, tick, 1, 1.0), again->aisTraffic.mmsi[1]), ship);
}

}  // namespace
}  // namespace vel
