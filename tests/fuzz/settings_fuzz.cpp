// libFuzzer entry: arbitrary bytes as the settings file, then a cruise.
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELMARA_FUZZ=ON -DVELMARA_BENCH=OFF
//   cmake --build build-fuzz --target velmara_settings_fuzz
//   build-fuzz/tests/velmara_settings_fuzz -max_total_time=300 tests/fuzz/corpus
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "fuzz/sail_from_settings.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Text is measured with real fonts; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vel::fuzz::SailFromSettings({data, size});
    return 0;
}
