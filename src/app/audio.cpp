#include "app/audio.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <map>
#include <mutex>

#include "shell/sound_synth.h"
#include "shell/voice.h"

namespace vel {
namespace {

struct Clip {
    QByteArray pcm;
    uint32_t durationMs = 0;
};
using Bank = std::map<int32_t, Clip>;

void PutSample(char*& out, double v, QAudioFormat::SampleFormat f) {
    v = std::clamp(v, -1.0, 1.0);
    switch (f) {
        case QAudioFormat::UInt8: *out++ = static_cast<char>(static_cast<uint8_t>(128 + v * 127)); break;
        case QAudioFormat::Int16: {
            const int16_t s = static_cast<int16_t>(v * 32767);
            std::memcpy(out, &s, 2);
            out += 2;
            break;
        }
        case QAudioFormat::Int32: {
            const int32_t s = static_cast<int32_t>(v * 2147483647.0);
            std::memcpy(out, &s, 4);
            out += 4;
            break;
        }
        default: {
            const float s = static_cast<float>(v);
            std::memcpy(out, &s, 4);
            out += 4;
            break;
        }
    }
}

// The synthesised samples in the device's own rate, channels and sample format.
QByteArray Convert(const std::vector<float>& wave, const QAudioFormat& f) {
    const double step = static_cast<double>(kSoundSampleRate) / f.sampleRate();
    const auto frames = static_cast<qsizetype>(static_cast<double>(wave.size()) / step);
    QByteArray out(frames * f.bytesPerFrame(), Qt::Uninitialized);
    char* p = out.data();
    for (qsizetype i = 0; i < frames; ++i) {
        const double at = static_cast<double>(i) * step;
        const std::size_t j = std::min(static_cast<std::size_t>(at), wave.size() - 1);
        const std::size_t k = std::min(j + 1, wave.size() - 1);
        const double v = wave[j] + (at - static_cast<double>(j)) * (wave[k] - wave[j]);
        for (int c = 0; c < f.channelCount(); ++c) PutSample(p, v, f.sampleFormat());
    }
    return out;
}

Bank MakeBank(QAudioFormat format) {
    PrepareSynthesisThread();
    Bank bank;
    for (int32_t id : SynthesisedSoundIds()) {
        const std::vector<float> wave = SynthesiseSound(id);
        if (wave.empty()) continue;
        Clip& c = bank[id];
        c.pcm = Convert(wave, format);
        c.durationMs = static_cast<uint32_t>(wave.size() * 1000 / kSoundSampleRate);
    }
    return bank;
}

// Streams the clip that plays and silence after it, so the sink never runs
// dry and a new clip starts without reopening the device.
class VoiceStream : public QIODevice {
public:
    explicit VoiceStream(char silence) : silence_(silence) {}
    void begin(const QByteArray* clip) {
        std::lock_guard<std::mutex> lock(mutex_);
        clip_ = clip;
        pos_ = 0;
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (1 << 16) + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 max) override {
        std::lock_guard<std::mutex> lock(mutex_);
        qint64 n = 0;
        if (clip_) {
            n = std::min<qint64>(max, clip_->size() - pos_);
            std::memcpy(data, clip_->constData() + pos_, static_cast<std::size_t>(n));
            pos_ += n;
            if (pos_ >= clip_->size()) clip_ = nullptr;
        }
        std::memset(data + n, silence_, static_cast<std::size_t>(max - n));
        return max;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::mutex mutex_;
    const QByteArray* clip_ = nullptr;
    qint64 pos_ = 0;
    char silence_;
};

QAudioFormat ChooseFormat(const QAudioDevice& device) {
    QAudioFormat f;
    f.setSampleRate(kSoundSampleRate);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return device.isFormatSupported(f) ? f : device.preferredFormat();
}

}  // namespace

struct AudioDevice::Impl {
    std::unique_ptr<VoiceStream> stream;
    std::unique_ptr<QAudioSink> sink;
    std::future<Bank> pending;
    Bank bank;
    bool ready = false;
    Voice voice;

    Impl() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            std::fprintf(stderr, "velmara: no audio output device; playing without sound\n");
            return;
        }
        const QAudioFormat format = ChooseFormat(device);
        stream = std::make_unique<VoiceStream>(format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0));
        stream->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(device, format);
        sink->start(stream.get());
        if (sink->error() != QAudio::NoError) {
            std::fprintf(stderr, "velmara: the audio output could not be opened; playing without sound\n");
            sink.reset();
            return;
        }
        pending = std::async(std::launch::async, MakeBank, format);
    }

    ~Impl() {
        if (sink) sink->stop();
        if (pending.valid()) pending.wait();
    }

    bool bankReady() {
        if (!ready && pending.valid() && pending.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            bank = pending.get();
            ready = true;
        }
        return ready;
    }

    void play(const SoundRequest& r, uint32_t nowMs) {
        if (!sink || !bankReady()) return;
        const auto clip = bank.find(r.id);
        if (clip == bank.end()) return;
        if (voice.request(r, nowMs, clip->second.durationMs)) stream->begin(&clip->second.pcm);
    }
};

AudioDevice::AudioDevice() : impl_(std::make_unique<Impl>()) {}
AudioDevice::~AudioDevice() = default;

void AudioDevice::play(const std::vector<SoundRequest>& requests, uint32_t nowMs) {
    for (const SoundRequest& r : requests) {
        if (r.id == 0)
            QApplication::beep();
        else
            impl_->play(r, nowMs);
    }
}

}  // namespace vel
