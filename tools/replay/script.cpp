#include "replay/script.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "app/settings_file.h"
#include "common/helpers.h"
#include "replay/nmea_commands.h"
#include "replay/reflect.h"
#include "replay/ui_commands.h"
#include "replay/world_commands.h"
#include "replay/passage_commands.h"
#include "replay/sim_commands.h"
#include "replay/sound_commands.h"
#include "replay/vessel_commands.h"
#include "replay/view_commands.h"
#include "shell/commands.h"
#include "shell/dialogs.h"
#include "shell/input.h"
#include "shell/settings.h"

namespace vel::replay {
namespace {

// The frame rate cap of the window, so virtual time runs as a real session would.
constexpr uint32_t kMinFrameMs = 17;

template <class T>
bool Parse(const std::string& s, T& v) {
    const char* e = s.data() + s.size();
    auto r = std::from_chars(s.data(), e, v);
    return r.ec == std::errc() && r.ptr == e;
}

}  // namespace

int Bad(Session& s, const std::string& why) {
    *s.err << why << "\n";
    return kMalformed;
}

bool ParseInts(Args a, std::initializer_list<int32_t*> outs) {
    std::size_t i = 0;
    for (int32_t* o : outs)
        if (i >= a.size() || !Parse(a[i++], *o)) return false;
    return true;
}

namespace {

// ---- handlers -----------------------------------------------------------------

// The display the frames are drawn for; an optional colour depth reaches the
// palette-safe branches of the views (8 bits per pixel or fewer).
int Size(Session& s, Args a) {
    int32_t w = 0, h = 0, bpp = 32;
    if (!ParseInts(a.first(2), {&w, &h}) || w < 1 || h < 1) return Bad(s, "size takes two positive whole numbers");
    if (a.size() == 3 && (!Parse(a[2], bpp) || bpp < 1)) return Bad(s, "the colour depth is a positive whole number");
    s.display.width = w;
    s.display.height = h;
    s.display.bitsPerPixel = bpp;
    return kOk;
}

int Seed(Session& s, Args a) {
    uint32_t seed = 0;
    if (!Parse(a[0], seed)) return Bad(s, "seed takes a whole number");
    s.game->forcedSeed = seed;
    return kOk;
}

int Settings(Session& s, Args a) {
    LoadSettingsFile(*s.game, a[0]);
    return kOk;
}

int Save(Session& s, Args a) {
    std::string why;
    if (!SaveSettingsFile(*s.game, a[0], &why)) {
        *s.err << "could not save " << a[0] << ": " << why << "\n";
        return kExpectationFailed;
    }
    return kOk;
}

int Frames(Session& s, Args a) {
    int32_t n = 0;
    if (!Parse(a[0], n) || n < 0) return Bad(s, "frames takes a count");
    for (int32_t i = 0; i < n; ++i) s.step();
    return kOk;
}

struct KeyName {
    const char* name;
    int32_t code;
};
constexpr KeyName kKeys[] = {
    {"SPACE", vk::Space}, {"F1", vk::F1},       {"F2", vk::F2},         {"UP", vk::Up},
    {"DOWN", vk::Down},   {"LEFT", vk::Left},   {"RIGHT", vk::Right},   {"PGUP", vk::PageUp},
    {"PGDN", vk::PageDown}, {"SHIFT", vk::Shift}, {"PLUS", vk::Plus},   {"MINUS", vk::Minus},
    {"PERIOD", vk::Period}, {"COMMA", vk::Comma},
};

int Key(Session& s, Args a) {
    const std::string& n = a[0];
    int32_t code = 0;
    if (n.size() == 1 && ((n[0] >= 'A' && n[0] <= 'Z') || (n[0] >= '0' && n[0] <= '9'))) code = vk::Letter(n[0]);
    for (const KeyName& k : kKeys)
        if (n == k.name) code = k.code;
    if (code == 0) return Bad(s, "unknown key " + n);
    OnKeyDown(*s.game, code);
    s.afterInput();
    return kOk;
}

template <void (*Handler)(Game&, int32_t, int32_t)>
int Pointer(Session& s, Args a) {
    int32_t x = 0, y = 0;
    if (!ParseInts(a, {&x, &y})) return Bad(s, "expected X Y");
    s.host.cursorX = x;
    s.host.cursorY = y;
    Handler(*s.game, x, y);
    s.afterInput();
    return kOk;
}

int Move(Session& s, Args a) {
    int32_t x = 0, y = 0;
    if (!ParseInts(a, {&x, &y})) return Bad(s, "expected X Y");
    s.host.cursorX = x;
    s.host.cursorY = y;
    OnMouseMove(*s.game, x, y);
    return kOk;
}

int Wheel(Session& s, Args a) {
    int32_t d = 0;
    if (!Parse(a[0], d)) return Bad(s, "wheel takes a delta");
    OnMouseWheel(*s.game, d);
    s.afterInput();
    return kOk;
}

int Menu(Session& s, Args a) {
    int32_t id = 0;
    if (!Parse(a[0], id)) return Bad(s, "command takes an id");
    switch (RunCommand(*s.game, id)) {
        case CommandResult::Unknown: return Bad(s, "no command " + a[0]);
        case CommandResult::Disabled: *s.out << "command " << id << " is disabled; nothing done\n"; break;
        case CommandResult::Exit: *s.out << "command " << id << ": exit\n"; break;
        case CommandResult::Done: s.afterInput(); break;
        case CommandResult::OpenDialog:
            // No one presses a button headless: the dialog closes as it opens.
            DialogClosed(*s.game);
            *s.out << "command " << id << ": dialog opened and closed\n";
            s.afterInput();
            break;
    }
    return kOk;
}

int Set(Session& s, Args a) {
    std::string why;
    auto f = ResolveField(*s.game, a[0], why);
    if (!f) return Bad(s, a[0] + ": " + why);
    if (!f->assign(a[1])) return Bad(s, a[0] + ": cannot take the value " + a[1]);
    return kOk;
}

int Png(Session& s, Args a) {
    if (!s.picture) s.step();
    if (!s.picture || !s.picture->savePng(a[0].c_str())) {
        *s.err << "could not write " << a[0] << "\n";
        return kExpectationFailed;
    }
    return kOk;
}

int Dump(Session& s, Args a) {
    if (a[0] == "-") {
        DumpJson(*s.game, *s.out);
        return kOk;
    }
    std::ofstream f(a[0]);
    DumpJson(*s.game, f);
    if (!f) {
        *s.err << "could not write " << a[0] << "\n";
        return kExpectationFailed;
    }
    return kOk;
}

int Expect(Session& s, Args a) {
    std::string why;
    auto f = ResolveField(*s.game, a[0], why);
    if (!f) return Bad(s, a[0] + ": " + why);
    const std::string& op = a[1];
    bool held = false;
    if (auto n = f->number()) {
        double want = 0;
        if (!Parse(a[2], want)) return Bad(s, a[0] + ": " + a[2] + " is not a number");
        bool known = false;
        held = CompareNumbers(*n, op, want, known);
        if (!known) return Bad(s, "unknown comparison " + op);
    } else {
        if (op != "==" && op != "!=") return Bad(s, "text compares only with == or !=");
        held = (f->text() == a[2]) == (op == "==");
    }
    if (!held) {
        *s.err << "expectation failed: " << a[0] << " " << op << " " << a[2] << " (actual " << f->text() << ")\n";
        return kExpectationFailed;
    }
    return kOk;
}

int Bearing(Session& s, Args a) {
    double dx = 0, dy = 0;
    if (!Parse(a[0], dx) || !Parse(a[1], dy)) return Bad(s, "bearing takes DX DY");
    *s.out << BearingOf(dx, dy) << "\n";
    return kOk;
}

int Distance(Session& s, Args a) {
    double v[4] = {};
    for (int i = 0; i < 4; ++i)
        if (!Parse(a[i], v[i])) return Bad(s, "distance takes X1 Y1 X2 Y2");
    const int32_t upm = s.game->areaGrid.unitsPerMile > 0 ? s.game->areaGrid.unitsPerMile : 300;
    *s.out << DistanceTenths(v[0], v[1], v[2], v[3], upm) << "\n";
    return kOk;
}

constexpr ReplayCommand kTable[] = {
    {"size", 2, 3, Size, "size W H [BITS_PER_PIXEL]"},
    {"seed", 1, 1, Seed, "seed N"},
    {"settings", 1, 1, Settings, "settings PATH"},
    {"save", 1, 1, Save, "save PATH"},
    {"frames", 1, 1, Frames, "frames N"},
    {"key", 1, 1, Key, "key NAME"},
    {"click", 2, 2, Pointer<OnLButtonDown>, "click X Y"},
    {"rclick", 2, 2, Pointer<OnRButtonDown>, "rclick X Y"},
    {"dblclick", 2, 2, Pointer<OnLButtonDblClk>, "dblclick X Y"},
    {"move", 2, 2, Move, "move X Y"},
    {"wheel", 1, 1, Wheel, "wheel DELTA"},
    {"command", 1, 1, Menu, "command ID"},
    {"menu", 0, 0, MenuStates, "menu"},
    {"set", 2, 2, Set, "set Record.field VALUE"},
    {"png", 1, 1, Png, "png PATH"},
    {"dump", 1, 1, Dump, "dump PATH|-"},
    {"expect", 3, 3, Expect, "expect Record.field OP VALUE"},
    {"bearing", 2, 2, Bearing, "bearing DX DY"},
    {"distance", 4, 4, Distance, "distance X1 Y1 X2 Y2"},
    {"depthmap", 1, 2, DepthMapCommand, "depthmap PATH [UNITS_PER_PIXEL]"},
    {"click-world", 2, 2, ClickWorld, "click-world X Y"},
    {"drift", 2, 2, Drift, "drift OP DEGREES"},
    {"passage-bonus", 2, 2, PassageBonusIs, "passage-bonus OP VALUE"},
    {"tide", 0, 0, TideCommand, "tide"},
    {"depth", 3, 5, DepthCommand, "depth X Y KIND [OP VALUE]"},
    {"geo", 2, 2, GeoCommand, "geo X Y"},
    {"world", 2, 2, WorldCommand, "world LAT LON"},
    {"nmea", 1, 1, NmeaCommand, "nmea HOST:PORT"},
    {"nmea-log", 1, 1, NmeaLogCommand, "nmea-log PATH"},
    {"ais-target", 1, 1, AisTargetCommand, "ais-target SLOT"},
    {"polar", 2, 2, Polar, "polar BOATTYPE WIND"},
    {"state", 0, 0, State, "state"},
    {"wav", 2, 2, WriteWav, "wav SOUND_ID PATH"},
    {"heard", 1, 2, Heard, "heard SOUND_ID [replace|nointerrupt|plain]"},
    {"notheard", 1, 1, NotHeard, "notheard SOUND_ID"},
    {"forget", 0, 0, Forget, "forget"},
    {"boat-at", 3, 3, BoatAt, "boat-at FEATURE DX DY"},
    {"boat-near", 4, 4, BoatNear, "boat-near FEATURE DX DY TOLERANCE"},
    {"boat-off", 3, 3, BoatOff, "boat-off FEATURE DISTANCE TOLERANCE"},
    {"course", 1, 1, Course, "course DEG"},
    {"moor", 1, 2, Moor, "moor letgo 1|2 | tender DEG | weigh | castoff | release"},
    {"time", 1, 2, TimeOfDay, "time HOUR [MINUTE]"},
    {"weather", 1, 1, WeatherKind, "weather clear|fog|thunder|storm|overcast"},
};

// Words split on blanks; "double quotes" keep blanks inside one word.
bool Tokenize(const std::string& line, std::vector<std::string>& words) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string w;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return false;
            w = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') w += line[i++];
        }
        words.push_back(std::move(w));
    }
    return true;
}

}  // namespace

bool CompareNumbers(double l, const std::string& op, double r, bool& ok) {
    ok = true;
    if (op == "==") return l == r;
    if (op == "!=") return l != r;
    if (op == "<") return l < r;
    if (op == "<=") return l <= r;
    if (op == ">") return l > r;
    if (op == ">=") return l >= r;
    ok = false;
    return false;
}

Session::Session() { ApplyMissingSettings(*game); }

FrameDriver& Session::frameDriver() {
    if (!driver) driver = std::make_unique<FrameDriver>(display.height);
    return *driver;
}

void Session::step() {
    const uint32_t start = host.now;
    if (!framePending) {
        host.now += kMinFrameMs;
        return;
    }
    FrameResult r = frameDriver().run(*game, host, display);
    picture = std::move(r.picture);
    framePending = r.invalidate;
    const uint32_t capped = start + kMinFrameMs;
    host.now = static_cast<int32_t>(r.notBefore - capped) > 0 ? r.notBefore : capped;
}

void Session::afterInput() {
    if (game->screenState.frozen == 0) framePending = true;
}

std::span<const ReplayCommand> ReplayCommands() { return kTable; }

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, const std::string& scriptName) {
    Session s;
    s.out = &out;
    s.err = &err;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> words;
        if (!Tokenize(line, words)) {
            err << scriptName << ":" << number << ": unclosed quote\n";
            return kMalformed;
        }
        if (words.empty()) continue;
        const ReplayCommand* cmd = nullptr;
        for (const ReplayCommand& c : kTable)
            if (words[0] == c.name) cmd = &c;
        if (!cmd) {
            err << scriptName << ":" << number << ": unknown command " << words[0] << "\n";
            return kMalformed;
        }
        const int argc = static_cast<int>(words.size()) - 1;
        if (argc < cmd->minArgs || argc > cmd->maxArgs) {
            err << scriptName << ":" << number << ": usage: " << cmd->usage << "\n";
            return kMalformed;
        }
        std::ostringstream why;
        std::ostream* realErr = s.err;
        s.err = &why;
        const int rc = cmd->run(s, Args(words).subspan(1));
        s.err = realErr;
        if (rc != kOk) {
            err << scriptName << ":" << number << ": " << line << "\n  " << why.str();
            return rc;
        }
    }
    return kOk;
}

}  // namespace vel::replay
