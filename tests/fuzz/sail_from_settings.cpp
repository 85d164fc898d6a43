#include "fuzz/sail_from_settings.h"

#include <memory>

#include "app/frame.h"
#include "shell/input.h"
#include "shell/pacer.h"
#include "shell/settings.h"
#include "unit/fake_host.h"

namespace vel::fuzz {
namespace {

uint32_t SeedOf(std::span<const uint8_t> bytes) {
    uint32_t h = 2166136261u;  // FNV-1a
    for (uint8_t b : bytes) h = (h ^ b) * 16777619u;
    return h;
}

bool Sailing(const ScreenState& s) {
    return s.phase == 2 && s.resultsState == 0 && s.resultsStep == 0 && s.chartShown == 0 &&
           s.forecastShown == 0 && s.startPlaced == 1;
}

}  // namespace

void SailFromSettings(std::span<const uint8_t> bytes, int ticks) {
    auto g = std::make_unique<Game>();
    DecodeSettings(*g, bytes);
    g->forcedSeed = SeedOf(bytes);
    testing::FakeHost host;
    FrameDriver driver(768);
    const Display display{};
    const auto frame = [&] {
        driver.run(*g, host, display);
        host.ticks += 200;
    };

    frame();                      // title
    OnKeyDown(*g, vk::Space);     // start
    frame();                      // cruise set-up and forecast
    OnKeyDown(*g, vk::Space);
    frame();                      // chart
    OnLButtonDown(*g, display.width / 2, display.height / 2);
    frame();                      // the start placed
    OnKeyDown(*g, vk::Space);

    ScreenState& s = g->screenState;
    if (!Sailing(s)) return;
    Pacer pacer(host.ticks);
    for (int i = 0; i < ticks && Sailing(s); ++i) {
        SimulationTick(*g, pacer);
        g->soundRequests.clear();
    }
    frame();
}

}  // namespace vel::fuzz
