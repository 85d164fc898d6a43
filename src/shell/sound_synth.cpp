#include "shell/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vel {
namespace {

constexpr double kRate = kSoundSampleRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Wave = std::vector<double>;

Wave Silence(double seconds) { return Wave(static_cast<std::size_t>(seconds * kRate), 0.0); }
double TimeOf(std::size_t i) { return static_cast<double>(i) / kRate; }

// Its own generator: a sound is the same on every start-up and draws nothing
// from the cruise's random numbers.
class Noise {
public:
    explicit Noise(uint32_t seed) : s_(seed * 2654435761u + 1u) {}
    double operator()() {  // -1..1
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return static_cast<double>(s_ >> 8) / 8388608.0 - 1.0;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * 0.5 * ((*this)() + 1.0); }

private:
    uint32_t s_;
};

class LowPass {
public:
    explicit LowPass(double hz) { set(hz); }
    void set(double hz) { a_ = 1.0 - std::exp(-kTwoPi * hz / kRate); }
    double operator()(double x) { return z_ += a_ * (x - z_); }

private:
    double a_ = 0, z_ = 0;
};

class HighPass {
public:
    explicit HighPass(double hz) : lp_(hz) {}
    double operator()(double x) { return x - lp_(x); }

private:
    LowPass lp_;
};

// Band-pass with a peak gain of one; the centre may move sample by sample.
class BandPass {
public:
    BandPass(double hz, double q) : q_(q) { set(hz); }
    void set(double hz) {
        const double w = kTwoPi * hz / kRate;
        const double alpha = std::sin(w) / (2.0 * q_);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double q_, b0_ = 0, a1_ = 0, a2_ = 0, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Rises over `attack`, holds, and falls over `release` before `length`.
double Envelope(double t, double attack, double release, double length) {
    if (t < 0 || t > length) return 0;
    double e = 1;
    if (attack > 0 && t < attack) e = t / attack;
    if (release > 0 && t > length - release) e = std::min(e, (length - t) / release);
    return e;
}

double Decay(double t, double tau) { return t < 0 ? 0 : std::exp(-t / tau); }

// Advances an oscillator's phase, kept within one turn so that the sines of
// long sounds stay quick and exact.
void Advance(double& phase, double hz) {
    phase += kTwoPi * hz / kRate;
    if (phase >= kTwoPi) phase -= kTwoPi;
}

void Normalise(Wave& w, double peak) {
    double m = 0;
    for (double v : w) m = std::max(m, std::abs(v));
    if (m > 0)
        for (double& v : w) v *= peak / m;
}

void FadeEdges(Wave& w, double seconds) {
    const std::size_t n = std::min(w.size() / 2, static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < n; ++i) {
        const double k = static_cast<double>(i) / static_cast<double>(n);
        w[i] *= k;
        w[w.size() - 1 - i] *= k;
    }
}

// A simple room: one feedback echo, enough to make a far sound sound far.
void Echo(Wave& w, double delaySeconds, double feedback) {
    const std::size_t d = static_cast<std::size_t>(delaySeconds * kRate);
    for (std::size_t i = d; i < w.size(); ++i) w[i] += feedback * w[i - d];
}

// An exponentially decaying sine by recursion: two multiplies a sample
// instead of a sine and an exponential.
class DampedSine {
public:
    DampedSine(double hz, double tau, double amplitude) {
        const double w = kTwoPi * hz / kRate;
        const double r = std::exp(-1.0 / (tau * kRate));
        c1_ = 2.0 * r * std::cos(w);
        c2_ = -r * r;
        y1_ = amplitude * r * std::sin(w);  // the value one sample after the start
    }
    double operator()() {
        const double y = y0_;
        y0_ = y1_;
        y1_ = c1_ * y1_ + c2_ * y;
        return y;
    }

private:
    double c1_ = 0, c2_ = 0, y0_ = 0, y1_ = 0;
};

// ---- thunder -------------------------------------------------------------------

// Rolling rumble: low-passed noise shaped by a few overlapping swells.
Wave Thunder(uint32_t seed, double seconds, double cutoff, bool clap) {
    Wave w = Silence(seconds);
    Noise n(seed);
    LowPass lp1(cutoff), lp2(cutoff);
    double bumpAt[5], bumpAmp[5], bumpTau[5];
    for (int k = 0; k < 5; ++k) {
        bumpAt[k] = k == 0 ? (clap ? 0.05 : 0.3) : n.uniform(0.2, seconds * 0.5);
        bumpAmp[k] = k == 0 ? 1.0 : n.uniform(0.3, 0.8);
        bumpTau[k] = n.uniform(0.5, 1.3);
    }
    BandPass crackle(2500, 0.7);
    double env = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        if (i % 32 == 0) {  // the swells change slowly: a control rate will do
            env = 0;
            for (int k = 0; k < 5; ++k)
                env += bumpAmp[k] * std::min(1.0, std::max(0.0, (t - bumpAt[k]) / 0.2)) *
                       Decay(t - bumpAt[k], bumpTau[k]);
            env *= 1.0 + 0.3 * std::sin(kTwoPi * 0.8 * t + seed);
        }
        double v = lp2(lp1(n())) * env * 8.0;
        if (clap) v += crackle(n() * (n() > 0.6 ? 1.0 : 0.2)) * Decay(t, 0.12) * 1.5;
        w[i] = v;
    }
    FadeEdges(w, 0.05);
    Normalise(w, clap ? 0.95 : 0.75);
    return w;
}

// ---- horns and bells -------------------------------------------------------------

struct Blast {
    double on, off;
};

// One cycle of a buzzy tone: twelve harmonics falling off as 1/k.
std::vector<double> HornCycle() {
    std::vector<double> table(4096);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double x = kTwoPi * static_cast<double>(i) / static_cast<double>(table.size());
        for (int k = 1; k <= 12; ++k) table[i] += std::sin(k * x) / k;
    }
    return table;
}

// A horn; far ones lose their highs and echo.
Wave Horn(double seconds, double fundamental, std::span<const Blast> blasts, bool far, double peak,
          double endPitch = 0) {
    static const std::vector<double> cycle = HornCycle();
    const double size = static_cast<double>(cycle.size());
    Wave w = Silence(seconds);
    LowPass tone1(far ? 320 : 2400), tone2(far ? 320 : 2400);
    Noise breath(static_cast<uint32_t>(fundamental));
    double pos = 0, vibrato = 1;
    const double release = far ? 0.3 : 0.15;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        double env = 0, f = fundamental;
        for (const Blast& b : blasts) {
            env = std::max(env, Envelope(t - b.on, 0.1, release, b.off - b.on));
            // A diaphone drops into its grunt at the end of the blast.
            if (endPitch > 0 && t > b.off - 0.7 && t < b.off)
                f = fundamental + (endPitch - fundamental) * (t - (b.off - 0.7)) / 0.7;
        }
        if (i % 32 == 0) vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.0 * t);
        pos += size * f * vibrato / kRate;
        if (pos >= size) pos -= size;
        const std::size_t j = static_cast<std::size_t>(pos);
        const double frac = pos - static_cast<double>(j);
        const double v = cycle[j] + frac * (cycle[(j + 1) % cycle.size()] - cycle[j]) + 0.05 * breath();
        w[i] = tone2(tone1(v)) * env;
    }
    if (far) Echo(w, 0.11, 0.45);
    Normalise(w, peak);
    return w;
}

// A bell struck a few times: inharmonic partials that ring down at their own rates.
Wave Bell(double seconds, double base, std::span<const double> strikes, double peak) {
    constexpr double kRatio[] = {0.5, 1.0, 1.183, 1.506, 2.0, 2.514, 2.662, 3.011};
    constexpr double kAmp[] = {0.6, 1.0, 0.5, 0.6, 0.4, 0.25, 0.2, 0.15};
    constexpr double kTau[] = {2.2, 1.6, 1.1, 0.9, 0.7, 0.45, 0.35, 0.25};
    Wave w = Silence(seconds);
    Noise n(7);
    for (double s : strikes) {
        const std::size_t from = static_cast<std::size_t>(s * kRate);
        for (int k = 0; k < 8; ++k) {
            DampedSine partial(base * kRatio[k], kTau[k], kAmp[k]);
            for (std::size_t i = from; i < w.size(); ++i) w[i] += partial();
        }
        HighPass click(2000);
        for (std::size_t i = from; i < w.size() && i < from + 400; ++i)
            w[i] += 0.8 * click(n()) * Decay(TimeOf(i - from), 0.004);
    }
    FadeEdges(w, 0.02);
    Normalise(w, peak);
    return w;
}

// ---- sails -----------------------------------------------------------------------

// The sail filling with a bang on the new side: a low whump, a crack, a rustle.
Wave SailsFilling() {
    Wave w = Silence(1.0);
    Noise n(145);
    BandPass crack(1500, 0.7), rustle(600, 0.6);
    double phase = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        const double f = 50.0 + 40.0 * Decay(t, 0.1);
        Advance(phase, f);
        double v = std::sin(phase) * Decay(t - 0.02, 0.09) * (t > 0.02 ? 1 : 0);
        v += 1.2 * crack(n()) * Decay(t - 0.01, 0.025) * (t > 0.01 ? 1 : 0);
        v += 0.5 * rustle(n()) * Decay(t, 0.3);
        w[i] = v;
    }
    FadeEdges(w, 0.005);
    Normalise(w, 0.9);
    return w;
}

// Cloth flogging in the wind: irregular cracks about nine times a second.
Wave SailsFlapping() {
    Wave w = Silence(1.4);
    Noise n(171);
    BandPass crack(1200, 0.8), body(250, 0.8);
    double next = 0.02, last = -1, amp = 1;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        if (t >= next) {
            last = next;
            amp = n.uniform(0.5, 1.0);
            next += n.uniform(0.09, 0.14);
        }
        const double dt = t - last;
        double v = amp * (crack(n()) * Decay(dt, 0.015) + 0.8 * body(n()) * Decay(dt, 0.04));
        v += 0.08 * body(n());
        w[i] = v * Envelope(t, 0.05, 0.25, 1.4);
    }
    Normalise(w, 0.85);
    return w;
}

// ---- water -----------------------------------------------------------------------

// Water along the hull: band-limited wash that laps at a slow rate, with bubbles.
Wave HullWater(uint32_t seed, double seconds, double lapHz, double centre, double peak) {
    Wave w = Silence(seconds);
    Noise n(seed);
    BandPass wash(centre, 0.8);
    LowPass soft(2500);
    double bubbleAt = -1, bubbleF = 0, bubblePhase = 0, nextBubble = n.uniform(0.05, 0.2);
    const double phi = n.uniform(0, kTwoPi);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        const double lap = std::max(0.0, std::sin(kTwoPi * lapHz * t + phi));
        double v = soft(wash(n())) * (0.35 + 0.65 * lap * lap);
        if (t >= nextBubble) {
            bubbleAt = t;
            bubbleF = n.uniform(300, 600);
            nextBubble = t + n.uniform(0.04, 0.15);
        }
        if (bubbleAt >= 0 && t - bubbleAt < 0.03) {
            const double dt = t - bubbleAt;
            Advance(bubblePhase, bubbleF * (1.0 + 20.0 * dt));
            v += 0.25 * std::sin(bubblePhase) * Decay(dt, 0.01);
        }
        w[i] = v;
    }
    FadeEdges(w, 0.2);
    Normalise(w, peak);
    return w;
}

// Water rushing past at speed: loud hiss that surges, with a gurgle riding on it.
Wave WaterRushing() {
    Wave w = Silence(2.5);
    Noise n(146);
    HighPass hp(300);
    LowPass lp(5000), surge(1.5);
    BandPass gurgle(1000, 2.0);
    LowPass wander(0.8);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        const double s = surge(n()) * 20.0;
        gurgle.set(1100 + 2000 * std::clamp(wander(n()) * 20.0, -0.2, 0.2));
        const double x = n();
        w[i] = (lp(hp(x)) * (0.7 + 0.3 * s) + 0.6 * gurgle(x)) * Envelope(t, 0.15, 0.2, 2.5);
    }
    Normalise(w, 0.8);
    return w;
}

// A wave passing under the boat: a swell of wash whose brightness follows it.
Wave Waves() {
    const double length = 2.6;
    Wave w = Silence(length);
    Noise n(174);
    LowPass lp(400), rumble(120);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        const double s = std::sin(std::numbers::pi * t / length);
        const double env = s * s;
        lp.set(300 + 1800 * env);
        const double x = n();
        w[i] = (lp(x) + 1.5 * rumble(x)) * env;
    }
    Normalise(w, 0.6);
    return w;
}

// The bow dropping into a sea: a heavy thud, then the splash and the spray.
Wave BowSlam() {
    Wave w = Silence(1.3);
    Noise n(172);
    HighPass hp(800);
    LowPass lp(6000);
    double phase = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        Advance(phase, 35.0 + 25.0 * Decay(t, 0.08));
        double v = std::sin(phase) * Decay(t, 0.12);
        const double splash = std::min(1.0, std::max(0.0, (t - 0.02) / 0.03)) * Decay(t - 0.05, 0.35);
        v += 0.6 * lp(hp(n())) * splash;
        w[i] = v;
    }
    FadeEdges(w, 0.01);
    Normalise(w, 0.95);
    return w;
}

// ---- engines ---------------------------------------------------------------------

// A diesel: one knock per firing, ringing the engine block and the valve gear.
// Whole firing cycles, so a sound that is asked for again runs on seamlessly.
Wave Engine(double firingHz, double valveMix, double peak) {
    const double cycles = std::round(1.6 * firingHz);
    Wave w = Silence(cycles / firingHz);
    Noise n(static_cast<uint32_t>(firingHz * 10));
    BandPass block(120, 1.5), valves(700, 1.2);
    LowPass lp(2200);
    double strength = 1;
    int lastCycle = -1;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = TimeOf(i);
        const double c = t * firingHz;
        const int cycle = static_cast<int>(c);
        if (cycle != lastCycle) {
            lastCycle = cycle;
            strength = n.uniform(0.85, 1.15);
        }
        const double p = c - cycle;
        const double knock = strength * std::exp(-p * 7.0) * (0.6 + 0.4 * n());
        double v = 2.0 * block(knock) + valveMix * valves(knock * n());
        v += 0.3 * std::sin(kTwoPi * firingHz * 0.5 * t);
        w[i] = lp(v);
    }
    FadeEdges(w, 0.01);
    Normalise(w, peak);
    return w;
}

// ---- the bank --------------------------------------------------------------------

Wave Make(int32_t id) {
    static constexpr Blast kProlonged[] = {{0.1, 4.3}};
    static constexpr Blast kProlongedAndTwoShort[] = {{0.1, 2.9}, {3.3, 4.0}, {4.4, 5.1}};
    static constexpr Blast kDiaphone[] = {{0.1, 2.9}};
    static constexpr double kBellStrikes[] = {0.0, 0.9, 2.1};
    switch (id) {
        case 138: return Thunder(138, 5.0, 110, false);
        case 139: return Thunder(139, 4.5, 260, true);
        case 140: return Horn(5.0, 110, kProlonged, true, 0.35);
        case 141: return Horn(5.0, 110, kProlonged, false, 0.9);
        case 142: return Horn(5.6, 150, kProlongedAndTwoShort, false, 0.85);
        case 143: return Horn(4.0, 180, kDiaphone, true, 0.4, 120);
        case 144: return Bell(4.5, 520, kBellStrikes, 0.8);
        case 145: return SailsFilling();
        case 146: return WaterRushing();
        case 147: return Engine(12, 0.3, 0.5);
        case 148: return Engine(20, 0.5, 0.6);
        case 149: return Engine(28, 0.6, 0.7);
        case 150: return Engine(38, 0.9, 0.85);
        case 167: return HullWater(167, 3.0, 0.7, 450, 0.35);
        case 168: return HullWater(168, 2.2, 1.4, 550, 0.55);
        case 170: return HullWater(170, 2.6, 1.1, 480, 0.5);
        case 171: return SailsFlapping();
        case 172: return BowSlam();
        case 174: return Waves();
        default: return {};
    }
}

constexpr int32_t kIds[] = {138, 139, 140, 141, 142, 143, 144, 145, 146, 147,
                            148, 149, 150, 167, 168, 170, 171, 172, 174};

}  // namespace

#if defined(__x86_64__)
__attribute__((target("avx"))) static void ClearUpperVectorState() { _mm256_zeroupper(); }
void PrepareSynthesisThread() {
    if (__builtin_cpu_supports("avx")) ClearUpperVectorState();
}
#else
void PrepareSynthesisThread() {}
#endif

std::span<const int32_t> SynthesisedSoundIds() { return kIds; }

std::vector<float> SynthesiseSound(int32_t id) {
    const Wave w = Make(id);
    std::vector<float> out(w.size());
    std::transform(w.begin(), w.end(), out.begin(), [](double v) { return static_cast<float>(v); });
    return out;
}

std::vector<int16_t> ToPcm16(std::span<const float> wave) {
    std::vector<int16_t> out(wave.size());
    std::transform(wave.begin(), wave.end(), out.begin(), [](float v) {
        const float c = std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        return static_cast<int16_t>(std::lround(c * 32767.0f));
    });
    return out;
}

}  // namespace vel
