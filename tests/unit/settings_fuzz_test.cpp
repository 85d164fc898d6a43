// Settings files of any content start a cruise and sail it: the bounded run
// of the settings fuzz target, and the inputs it once found faulty.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/rng.h"
#include "fuzz/sail_from_settings.h"

namespace vel {
namespace {

TEST(SettingsFuzz, FilesOfRandomBytesAndLengthStartACruiseAndSail) {
    Rng r;
    r.srand(20250);
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> bytes(static_cast<std::size_t>(r.rand() % 300));
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(r.rand());
        SCOPED_TRACE(::testing::Message() << "file " << i << ", " << bytes.size() << " bytes");
        fuzz::SailFromSettings(bytes);
    }
}

TEST(SettingsFuzz, KeptFaultyInputsSail) {
    namespace fs = std::filesystem;
    int cases = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(VELMARA_FUZZ_CORPUS)) {
        std::ifstream f(e.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(e.path().filename().string());
        fuzz::SailFromSettings(bytes);
        ++cases;
    }
    EXPECT_GT(cases, 0);
}

}  // namespace
}  // namespace vel
