#pragma once
// The replay harness: runs the real frame driver headless from a script, on a
// virtual millisecond clock, so pacing costs no real time and runs repeat.
#include <fstream>
#include <initializer_list>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/nmea_output.h"
#include "common/game.h"

namespace vel::replay {

// The platform as the harness plays it: time moves only between frames.
class VirtualHost : public FrameHost {
public:
    uint32_t now = 0;
    int32_t cursorX = 0, cursorY = 0;
    std::vector<SoundRequest> played;

    uint32_t tickCount() override { return now; }
    uint32_t wallClockSeed() override { return 12345; }
    bool cursor(int32_t& x, int32_t& y) override {
        x = cursorX;
        y = cursorY;
        return true;
    }
    void playSounds(const std::vector<SoundRequest>& r) override { played.insert(played.end(), r.begin(), r.end()); }

    // Set up by the nmea and nmea-log commands.
    std::unique_ptr<NmeaSender> nmeaSender;
    std::ofstream nmeaLog;
    std::string nmeaHost;
    int32_t nmeaPort = 0;
    void sendNmea(const std::vector<std::string>& sentences) override;
};

// Exit codes of a run.
inline constexpr int kOk = 0, kExpectationFailed = 1, kMalformed = 2;

struct Session {
    std::unique_ptr<Game> game = std::make_unique<Game>();
    Display display;
    VirtualHost host;
    std::unique_ptr<FrameDriver> driver;
    std::unique_ptr<gfx::Surface> picture;
    bool framePending = true;
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;

    Session();
    // One frame if the picture is not frozen; time moves on either way.
    void step();
    // After input: a picture left unfrozen asks for the next frame.
    void afterInput();
    FrameDriver& frameDriver();
};

using Args = std::span<const std::string>;
// Returns kOk, kExpectationFailed or kMalformed; writes its reasons to s.err.
using Handler = int (*)(Session& s, Args args);

struct ReplayCommand {
    const char* name;
    int minArgs;
    int maxArgs;
    Handler run;
    const char* usage;
};

std::span<const ReplayCommand> ReplayCommands();

// l OP r for OP in == != < <= > >=; known is false for any other OP.
bool CompareNumbers(double l, const std::string& op, double r, bool& known);
// For handlers: whole-number arguments in order (false when one is missing or
// malformed), and the malformed-script exit with its reason.
bool ParseInts(Args a, std::initializer_list<int32_t*> outs);
int Bad(Session& s, const std::string& why);

// Runs a whole script; the first failure ends it.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, const std::string& scriptName);

}  // namespace vel::replay
