#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "shell/sound_synth.h"

namespace vel {
namespace {

double Seconds(const std::vector<float>& w) { return static_cast<double>(w.size()) / kSoundSampleRate; }

double Rms(const std::vector<float>& w) {
    double s = 0;
    for (float v : w) s += static_cast<double>(v) * v;
    return std::sqrt(s / static_cast<double>(w.size()));
}

// Sign changes per second: a rough measure of where the energy lies.
double ZeroCrossingRate(const std::vector<float>& w) {
    int n = 0;
    for (std::size_t i = 1; i < w.size(); ++i) n += (w[i - 1] < 0) != (w[i] < 0);
    return n / Seconds(w);
}

// The strongest repetition rate between lo and hi Hz of the loudness,
// by autocorrelation of the rectified, smoothed signal.
double PulseRate(const std::vector<float>& w, double lo, double hi) {
    std::vector<double> env(w.size());
    double z = 0;
    for (std::size_t i = 0; i < w.size(); ++i) env[i] = z += 0.02 * (std::abs(w[i]) - z);
    double mean = 0;
    for (double v : env) mean += v;
    mean /= static_cast<double>(env.size());
    double best = -1, bestLag = 0;
    for (int lag = static_cast<int>(kSoundSampleRate / hi); lag <= static_cast<int>(kSoundSampleRate / lo); ++lag) {
        double s = 0;
        for (std::size_t i = 0; i + lag < env.size(); ++i) s += (env[i] - mean) * (env[i + lag] - mean);
        if (s > best) best = s, bestLag = lag;
    }
    return kSoundSampleRate / bestLag;
}

struct Expected {
    double minSeconds, maxSeconds;
};

// What each sound is for, and how long it may plausibly last.
const std::map<int32_t, Expected> kBank = {
    {138, {3, 8}},     {139, {3, 8}},     {140, {3, 7}},     {141, {3, 7}},     {142, {4, 8}},
    {143, {2.5, 6}},   {144, {2, 6}},     {145, {0.4, 2}},   {146, {1, 4}},     {147, {0.5, 3}},
    {148, {0.5, 3}},   {149, {0.5, 3}},   {150, {0.5, 3}},   {167, {1, 4}},     {168, {1, 4}},
    {170, {1, 4}},     {171, {0.5, 3}},   {172, {0.5, 2.5}}, {174, {1, 4}},
};

TEST(SoundSynth, TheBankHoldsTheNineteenSounds) {
    std::vector<int32_t> ids;
    for (const auto& [id, e] : kBank) ids.push_back(id);
    const std::span<const int32_t> bank = SynthesisedSoundIds();
    EXPECT_EQ(std::vector<int32_t>(bank.begin(), bank.end()), ids);
    for (int32_t none : {0, 137, 169, 173, 175}) EXPECT_TRUE(SynthesiseSound(none).empty()) << none;
}

TEST(SoundSynth, EverySoundIsAudibleFiniteInRangeAndOfAPlausibleLength) {
    for (const auto& [id, e] : kBank) {
        const std::vector<float> w = SynthesiseSound(id);
        ASSERT_FALSE(w.empty()) << id;
        EXPECT_GE(Seconds(w), e.minSeconds) << id;
        EXPECT_LE(Seconds(w), e.maxSeconds) << id;
        bool finite = true;
        float peak = 0;
        for (float v : w) {
            finite = finite && std::isfinite(v);
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_TRUE(finite) << id;
        EXPECT_LE(peak, 1.0f) << id;
        EXPECT_GT(peak, 0.3f) << id;
        EXPECT_GT(Rms(w), 0.03) << id;
    }
}

TEST(SoundSynth, NoTwoSoundsAreTheSameAndEachIsTheSameEveryTime) {
    std::map<int32_t, std::vector<float>> made;
    for (const auto& [id, e] : kBank) made[id] = SynthesiseSound(id);
    for (const auto& [a, wa] : made) {
        EXPECT_EQ(SynthesiseSound(a), wa) << a;
        for (const auto& [b, wb] : made) {
            if (a < b) {
                EXPECT_NE(wa, wb) << a << " and " << b;
            }
        }
    }
}

// 12, 20 and 38 firings a second; the whole beat repeats with every turn of
// the crank, which takes two firings.
TEST(SoundSynth, TheEngineBeatsFasterAsTheThrottleOpens) {
    EXPECT_NEAR(PulseRate(SynthesiseSound(147), 3, 60), 6, 0.5);
    EXPECT_NEAR(PulseRate(SynthesiseSound(148), 3, 60), 10, 1);
    EXPECT_NEAR(PulseRate(SynthesiseSound(150), 3, 60), 19, 2);
}

TEST(SoundSynth, EngineSoundsRunOnWithoutAClickWhenRepeated) {
    for (int32_t id : {147, 148, 149, 150}) {
        const std::vector<float> w = SynthesiseSound(id);
        EXPECT_LT(std::abs(w.front()), 0.01f) << id;
        EXPECT_LT(std::abs(w.back()), 0.01f) << id;
    }
}

TEST(SoundSynth, SailsFlogAboutNineTimesASecond) {
    EXPECT_NEAR(PulseRate(SynthesiseSound(171), 4, 20), 9, 2);
}

TEST(SoundSynth, ThunderRumblesLowAndRushingWaterHisses) {
    const double thunder = ZeroCrossingRate(SynthesiseSound(138));
    const double rushing = ZeroCrossingRate(SynthesiseSound(146));
    const double hull = ZeroCrossingRate(SynthesiseSound(168));
    EXPECT_LT(thunder, 400);
    EXPECT_GT(rushing, 2000);
    EXPECT_GT(hull, thunder * 3);
}

TEST(SoundSynth, ANearHornIsLouderAndBrighterThanAFarOne) {
    const std::vector<float> nearHorn = SynthesiseSound(141), farHorn = SynthesiseSound(140);
    EXPECT_GT(Rms(nearHorn), 2 * Rms(farHorn));
    EXPECT_GT(ZeroCrossingRate(nearHorn), ZeroCrossingRate(farHorn));
}

TEST(SoundSynth, TheTowSignalIsOneLongAndTwoShortBlasts) {
    const std::vector<float> w = SynthesiseSound(142);
    // Loudness in tenths of a second; count the separate blasts.
    int blasts = 0;
    bool on = false;
    for (std::size_t from = 0; from + 2205 <= w.size(); from += 2205) {
        double s = 0;
        for (std::size_t i = from; i < from + 2205; ++i) s += std::abs(w[i]);
        const bool loud = s / 2205 > 0.05;
        blasts += loud && !on;
        on = loud;
    }
    EXPECT_EQ(blasts, 3);
}

TEST(SoundSynth, SixteenBitSamplesAreClampedAndScaled) {
    const std::vector<float> w = {0.0f, 1.0f, -1.0f, 2.0f, -3.0f, 0.5f, NAN};
    EXPECT_EQ(ToPcm16(w), (std::vector<int16_t>{0, 32767, -32767, 32767, -32767, 16384, 0}));
}

}  // namespace
}  // namespace vel
