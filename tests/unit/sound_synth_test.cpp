#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ranges>

#include "shell/sound_synth.h"

namespace vel {
namespace {

double Seconds(const std::vector<float>& w) { return static_cast<double>(w.size()) / kSoundSampleRate; }

// What each sound is for, and how long it may plausibly last.
const std::map<int32_t, std::pair<double, double>> kBank = {
    {138, {3, 8}},   {139, {3, 8}},   {140, {3, 7}},     {141, {3, 7}},   {142, {4, 8}},   {143, {2.5, 6}},
    {144, {2, 6}},   {145, {0.4, 2}}, {146, {1, 4}},     {147, {0.5, 3}}, {148, {0.5, 3}}, {149, {0.5, 3}},
    {150, {0.5, 3}}, {167, {1, 4}},   {168, {1, 4}},     {170, {1, 4}},   {171, {0.5, 3}}, {172, {0.5, 2.5}},
    {174, {1, 4}},
};

TEST(SoundSynth, TheNineteenSoundsAreAudibleFiniteInRangeDistinctAndRepeatable) {
    std::map<int32_t, std::vector<float>> made;
    for (const auto& [id, seconds] : kBank) {
        const std::vector<float> w = made[id] = SynthesiseSound(id);
        ASSERT_FALSE(w.empty()) << id;
        EXPECT_TRUE(Seconds(w) >= seconds.first && Seconds(w) <= seconds.second) << id << ": " << Seconds(w);
        float peak = 0;
        double energy = 0;
        for (float v : w) {
            peak = std::isfinite(v) ? std::max(peak, std::abs(v)) : 2.0f;
            energy += static_cast<double>(v) * v;
        }
        EXPECT_TRUE(peak <= 1.0f && peak > 0.3f) << id << ": " << peak;
        EXPECT_GT(std::sqrt(energy / static_cast<double>(w.size())), 0.03) << id;  // root mean square
        EXPECT_EQ(SynthesiseSound(id), w) << id;
    }
    for (const auto& [a, wa] : made)
        for (const auto& [b, wb] : made) EXPECT_TRUE(a >= b || wa != wb) << a << " and " << b;
    EXPECT_TRUE(std::ranges::equal(SynthesisedSoundIds(), std::views::keys(kBank)));
    for (int32_t none : {0, 137, 169, 173, 175}) EXPECT_TRUE(SynthesiseSound(none).empty()) << none;
}

}  // namespace
}  // namespace vel
