#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vel {
namespace {

using Action = CommandLine::Action;
constexpr auto kSkip = UnknownArguments::Skip;
constexpr auto kReject = UnknownArguments::Reject;

struct Case {
    std::vector<std::string> args;
    UnknownArguments unknown;
    Action action;
    std::optional<uint32_t> seed = std::nullopt;
    std::optional<std::string> settings = std::nullopt;
    std::string errorPart = "";  // must appear in the error message
};

void PrintTo(const Case& c, std::ostream* os) {
    for (const std::string& a : c.args) *os << "'" << a << "' ";
    *os << (c.unknown == kSkip ? "(skip)" : "(reject)");
}

class CommandLineCase : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineCase, ParsesAsExpected) {
    const Case& c = GetParam();
    const CommandLine cl = ParseCommandLine(c.args, c.unknown);
    EXPECT_EQ(std::tuple(cl.action, cl.seed, cl.settingsPath), std::tuple(c.action, c.seed, c.settings)) << cl.error;
    EXPECT_NE(cl.error.find(c.errorPart), std::string::npos) << cl.error;
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineCase,
    ::testing::Values(
        Case{{}, kReject, Action::Run},
        Case{{"--help"}, kReject, Action::Help},
        Case{{"-h"}, kReject, Action::Help},
        Case{{"--version"}, kReject, Action::Version},
        // The first of help and version wins; nothing after them is looked at.
        Case{{"--version", "--help"}, kReject, Action::Version},
        Case{{"--help", "--nonsense"}, kReject, Action::Help},
        Case{{"--seed", "42"}, kReject, Action::Run, 42u},
        Case{{"--seed=42"}, kReject, Action::Run, 42u},
        Case{{"--seed", "4294967295"}, kReject, Action::Run, 4294967295u},
        Case{{"--seed", "1", "--seed", "2"}, kReject, Action::Run, 2u},
        Case{{"--settings", "/tmp/a.vel"}, kReject, Action::Run, std::nullopt, "/tmp/a.vel"},
        Case{{"--settings=rel/p.vel"}, kReject, Action::Run, std::nullopt, "rel/p.vel"},
        // A value is taken as it stands, even one that looks like an option.
        Case{{"--settings", "--help"}, kReject, Action::Run, std::nullopt, "--help"},
        // Bad values.
        Case{{"--seed", "4294967296"}, kReject, Action::Error, {}, {}, "--seed"},
        Case{{"--seed", "-1"}, kReject, Action::Error, {}, {}, "'-1'"},
        Case{{"--seed", "12abc"}, kReject, Action::Error, {}, {}, "'12abc'"},
        Case{{"--seed="}, kReject, Action::Error, {}, {}, "--seed"},
        Case{{"--seed"}, kReject, Action::Error, {}, {}, "needs a value"},
        Case{{"--settings"}, kReject, Action::Error, {}, {}, "needs a value"},
        Case{{"--settings="}, kReject, Action::Error, {}, {}, "file name"},
        // Anything else is refused once Qt has taken its own options...
        Case{{"--nonsense"}, kReject, Action::Error, {}, {}, "unknown option --nonsense"},
        Case{{"--seeds=3"}, kReject, Action::Error, {}, {}, "unknown option --seeds=3"},
        Case{{"-platform", "offscreen"}, kReject, Action::Error, {}, {}, "-platform"},
        Case{{"cruise.vm"}, kReject, Action::Error, {}, {}, "unexpected argument cruise.vm"},
        // ...and passed over before, so that Qt can still take its own.
        Case{{"-platform", "offscreen", "--seed", "5"}, kSkip, Action::Run, 5u},
        Case{{"-style", "fusion", "--version"}, kSkip, Action::Version},
        Case{{"--nonsense", "--seed", "x"}, kSkip, Action::Error, {}, {}, "'x'"}));

}  // namespace
}  // namespace vel
