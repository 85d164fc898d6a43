#include "app/command_line.h"

#include <charconv>
#include <string_view>

#ifndef VELMARA_VERSION
#error "VELMARA_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace vel {
namespace {

constexpr std::string_view kUsage =
    "Usage: velmara [OPTION]... [QT OPTION]...\n"
    "A boat-handling simulator.\n"
    "\n"
    "  --seed N         start every cruise of this run from seed N (0 to 4294967295),\n"
    "                   so that the same options give the same cruise\n"
    "  --settings PATH  read and write the settings in PATH instead of\n"
    "                   ~/.config/velmara/p.vel\n"
    "  -h, --help       show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform offscreen or -style fusion, are accepted too.\n";

bool ParseSeed(std::string_view s, uint32_t& out) {
    // Plain decimal digits only: from_chars takes no sign for an unsigned type.
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

CommandLine Fail(std::string why) {
    CommandLine cl;
    cl.action = CommandLine::Action::Error;
    cl.error = std::move(why);
    return cl;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, UnknownArguments unknown) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            cl.action = CommandLine::Action::Help;
            return cl;
        }
        if (arg == "--version") {
            cl.action = CommandLine::Action::Version;
            return cl;
        }

        // --name VALUE or --name=VALUE
        std::string_view name = arg, value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (name != "--seed" && name != "--settings") {
            if (unknown == UnknownArguments::Reject)
                return Fail((arg.starts_with("-") ? "unknown option " : "unexpected argument ") + std::string(arg));
            continue;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) return Fail("option " + std::string(name) + " needs a value");
            value = args[++i];
        }
        if (name == "--seed") {
            uint32_t seed = 0;
            if (!ParseSeed(value, seed))
                return Fail("--seed takes a whole number from 0 to 4294967295, not '" + std::string(value) + "'");
            cl.seed = seed;
        } else {
            if (value.empty()) return Fail("--settings needs a file name");
            cl.settingsPath = std::string(value);
        }
    }
    return cl;
}

int ReportCommandLine(const CommandLine& cl, std::ostream& out, std::ostream& err) {
    switch (cl.action) {
        case CommandLine::Action::Run: return -1;
        case CommandLine::Action::Help: out << kUsage; return 0;
        case CommandLine::Action::Version: out << "velmara " VELMARA_VERSION "\n"; return 0;
        case CommandLine::Action::Error: err << "velmara: " << cl.error << "\n" << kUsage; return 2;
    }
    return 2;
}

}  // namespace vel
