#include "replay/sound_commands.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "shell/sound_synth.h"

namespace vel::replay {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

bool ParseId(const std::string& text, int32_t& id) {
    auto r = std::from_chars(text.data(), text.data() + text.size(), id);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

bool ParseMode(const std::string& text, PlayMode& mode) {
    if (text == "replace") mode = PlayMode::Replace;
    else if (text == "nointerrupt") mode = PlayMode::NoInterrupt;
    else if (text == "plain") mode = PlayMode::Plain;
    else return false;
    return true;
}

bool WasHeard(const Session& s, int32_t id, const PlayMode* mode) {
    return std::any_of(s.host.played.begin(), s.host.played.end(),
                       [&](const SoundRequest& r) { return r.id == id && (!mode || r.mode == *mode); });
}

}  // namespace

std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples, int sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(sampleRate));
    Put32(out, static_cast<uint32_t>(sampleRate * 2));
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (int16_t v : samples) Put16(out, static_cast<uint16_t>(v));
    return out;
}

int WriteWav(Session& s, Args a) {
    int32_t id = 0;
    if (!ParseId(a[0], id)) {
        *s.err << "wav takes a sound id\n";
        return kMalformed;
    }
    const std::vector<float> wave = SynthesiseSound(id);
    if (wave.empty()) {
        *s.err << "no sound " << id << "\n";
        return kExpectationFailed;
    }
    const std::vector<uint8_t> bytes = EncodeWav(ToPcm16(wave), kSoundSampleRate);
    std::ofstream f(a[1], std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        *s.err << "could not write " << a[1] << "\n";
        return kExpectationFailed;
    }
    return kOk;
}

int Heard(Session& s, Args a) {
    int32_t id = 0;
    PlayMode mode{};
    if (!ParseId(a[0], id) || (a.size() > 1 && !ParseMode(a[1], mode))) {
        *s.err << "heard takes a sound id and optionally replace, nointerrupt or plain\n";
        return kMalformed;
    }
    if (WasHeard(s, id, a.size() > 1 ? &mode : nullptr)) return kOk;
    *s.err << "sound " << id << " was not asked for\n";
    return kExpectationFailed;
}

int NotHeard(Session& s, Args a) {
    int32_t id = 0;
    if (!ParseId(a[0], id)) {
        *s.err << "notheard takes a sound id\n";
        return kMalformed;
    }
    if (!WasHeard(s, id, nullptr)) return kOk;
    *s.err << "sound " << id << " was asked for\n";
    return kExpectationFailed;
}

int Forget(Session& s, Args) {
    s.host.played.clear();
    return kOk;
}

}  // namespace vel::replay
