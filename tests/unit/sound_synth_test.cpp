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

// The strongest repetition rate between lo and hi Hz of the loudness, by
// autocorrelation of the rectified, smoothed signal taken every tenth sample.
double PulseRate(const std::vector<float>& w, double lo, double hi) {
    constexpr int kStep = 10;
    const double rate = static_cast<double>(kSoundSampleRate) / kStep;
    std::vector<double> env;
    double z = 0, mean = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        z += 0.02 * (std::abs(w[i]) - z);
        if (i % kStep == 0) env.push_back(z), mean += z;
    }
    mean /= static_cast<double>(env.size());
    double best = -1, bestLag = 1;
    for (int lag = static_cast<int>(rate / hi); lag <= static_cast<int>(rate / lo); ++lag) {
        double s = 0;
        for (std::size_t i = 0; i + lag < env.size(); ++i) s += (env[i] - mean) * (env[i + lag] - mean);
        if (s > best) best = s, bestLag = lag;
    }
    return rate / bestLag;
}

// What each sound is for, and how long it may plausibly last.
const std::map<int32_t, std::pair<double, double>> kBank = {
    {138, {3, 8}},   {139, {3, 8}},   {140, {3, 7}},     {141, {3, 7}},   {142, {4, 8}},   {143, {2.5, 6}},
    {144, {2, 6}},   {145, {0.4, 2}}, {146, {1, 4}},     {147, {0.5, 3}}, {148, {0.5, 3}}, {149, {0.5, 3}},
    {150, {0.5, 3}}, {167, {1, 4}},   {168, {1, 4}},     {170, {1, 4}},   {171, {0.5, 3}}, {172, {0.5, 2.5}},
    {174, {1, 4}},
};

TEST(SoundSynth, TheNineteenSoundsAreAudibleFiniteInRangeDistinctAndRepeatable) {
    std::vector<int32_t> ids;
    std::map<int32_t, std::vector<float>> made;
    for (const auto& [id, seconds] : kBank) {
        ids.push_back(id);
        const std::vector<float> w = made[id] = SynthesiseSound(id);
        ASSERT_FALSE(w.empty()) << id;
        EXPECT_TRUE(Seconds(w) >= seconds.first && Seconds(w) <= seconds.second) << id << ": " << Seconds(w);
        float peak = 0;
        for (float v : w) peak = std::isfinite(v) ? std::max(peak, std::abs(v)) : 2.0f;
        EXPECT_TRUE(peak <= 1.0f && peak > 0.3f) << id << ": " << peak;
        EXPECT_GT(Rms(w), 0.03) << id;
        EXPECT_EQ(SynthesiseSound(id), w) << id;
    }
    for (const auto& [a, wa] : made)
        for (const auto& [b, wb] : made) EXPECT_TRUE(a >= b || wa != wb) << a << " and " << b;
    const std::span<const int32_t> bank = SynthesisedSoundIds();
    EXPECT_EQ(std::vector<int32_t>(bank.begin(), bank.end()), ids);
    for (int32_t none : {0, 137, 169, 173, 175}) EXPECT_TRUE(SynthesiseSound(none).empty()) << none;
}

// 12, 20 and 38 firings a second; the whole beat repeats with every turn of
// the crank, which takes two firings.
TEST(SoundSynth, TheEngineBeatsFasterAsTheThrottleOpens) {
    EXPECT_NEAR(PulseRate(SynthesiseSound(147), 3, 60), 6, 0.5);
    EXPECT_NEAR(PulseRate(SynthesiseSound(148), 3, 60), 10, 1);
    EXPECT_NEAR(PulseRate(SynthesiseSound(150), 3, 60), 19, 2);
}

}  // namespace
}  // namespace vel
