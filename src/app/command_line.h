#pragma once
// The program's own command-line options. Qt removes its options (-platform,
// -style, ...) from the arguments before the strict pass sees them.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vel {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<uint32_t> seed;             // --seed N: every cruise starts from this seed
    std::optional<std::string> settingsPath;  // --settings PATH: another settings file
    std::string error;                        // what was wrong, for Action::Error
};

// Skip passes over arguments that are not ours, so --help and --version work
// before Qt (and a display) is there; Reject is for what Qt has left over.
enum class UnknownArguments { Skip, Reject };

CommandLine ParseCommandLine(const std::vector<std::string>& args, UnknownArguments unknown);

// Prints the help, the version or the error with the usage and returns the
// exit status; -1 for Action::Run, when there is nothing to print.
int ReportCommandLine(const CommandLine& cl, std::ostream& out, std::ostream& err);

}  // namespace vel
