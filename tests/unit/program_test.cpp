// The built program itself, started as a desktop or a terminal would start it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>

#include "app/window_state.h"

namespace vel {
namespace {

// True once the program handles sig: from then on the signal asks it to
// close instead of killing it.
bool Catches(qint64 pid, int sig) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigCgt:")) return (std::stoull(line.substr(7), nullptr, 16) >> (sig - 1)) & 1;
    return false;
}

// Without a display; with `display` the environment names the offscreen platform.
void Start(QProcess& p, const QStringList& args, bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    if (display) env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(VELMARA_EXE, args);
}

// The signal, and whether Qt's -platform option chooses the platform instead
// of the environment.
class ProgramSignal : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ProgramSignal, ClosesNormallyAndSavesTheSettings) {
    const auto [signal, platformOption] = GetParam();
    QTemporaryDir dir;
    const QString settings = dir.filePath("not/yet/there/p.vel");
    QProcess p;
    const QStringList platform = platformOption ? QStringList{"-platform", "offscreen"} : QStringList{};
    Start(p, QStringList{"--settings", settings} + platform, !platformOption);
    ASSERT_TRUE(p.waitForStarted());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Catches(p.processId(), signal)) {
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(static_cast<pid_t>(p.processId()), signal);

    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, 0))
        << p.readAllStandardError().toStdString();
    EXPECT_EQ(QFileInfo(settings).size(), 144);
    KeptFile window(WindowStatePath(settings.toStdString()));
    EXPECT_GT(LoadWindowState(window).width, 0);
}

INSTANTIATE_TEST_SUITE_P(Exit, ProgramSignal,
                         ::testing::Values(std::tuple(SIGTERM, false), std::tuple(SIGINT, false),
                                           std::tuple(SIGHUP, false), std::tuple(SIGTERM, true)));

// What it prints and its exit status, from the parser's answer.
TEST(Program, AnswersItsCommandLine) {
    for (const auto& [args, display, status, wantOut, errPart] : {
             // No display needed to ask for help or the version.
             std::tuple{QStringList{"--help"}, false, 0, "Usage: velmara", ""},
             {{"--version"}, false, 0, "velmara " VELMARA_VERSION "\n", ""},
             {{"--seed", "x"}, false, 2, "", "Usage: velmara"},
             // Found only after Qt has taken its own options out.
             {{"-platform", "offscreen", "--nonsense"}, false, 2, "", "velmara: unknown option --nonsense"},
             {{"extra"}, true, 2, "", "unexpected argument extra"},
         }) {
        QProcess p;
        Start(p, args, display);
        ASSERT_TRUE(p.waitForFinished(20000)) << args.join(' ').toStdString();
        const std::string out = p.readAllStandardOutput().toStdString(), err = p.readAllStandardError().toStdString();
        EXPECT_EQ(p.exitCode(), status) << args.join(' ').toStdString() << ": " << err;
        // Errors and the usage after them go to stderr only; answers to stdout only.
        EXPECT_TRUE(*wantOut ? out.starts_with(wantOut) : out.empty()) << out;
        EXPECT_TRUE(*errPart ? err.find(errPart) != std::string::npos : err.empty()) << err;
    }
}

}  // namespace
}  // namespace vel
