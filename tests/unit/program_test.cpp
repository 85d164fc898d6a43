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

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    return env;
}

struct SignalCase {
    int signal;
    bool platformOption;  // Qt's -platform option instead of the environment
};

void PrintTo(const SignalCase& c, std::ostream* os) {
    *os << sigabbrev_np(c.signal) << (c.platformOption ? " with -platform" : "");
}

class ProgramSignal : public ::testing::TestWithParam<SignalCase> {};

TEST_P(ProgramSignal, ClosesNormallyAndSavesTheSettings) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("not/yet/there/p.vel");
    QStringList args{"--settings", settings};
    QProcessEnvironment env = WithoutDisplay();
    if (GetParam().platformOption)
        args << "-platform" << "offscreen";
    else
        env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess p;
    p.setProcessEnvironment(env);
    p.start(VELMARA_EXE, args);
    ASSERT_TRUE(p.waitForStarted());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Catches(p.processId(), GetParam().signal)) {
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(static_cast<pid_t>(p.processId()), GetParam().signal);

    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(QFileInfo(settings).size(), 144);
    EXPECT_GT(LoadWindowState(WindowStatePath(settings.toStdString())).width, 0);
}

INSTANTIATE_TEST_SUITE_P(Exit, ProgramSignal,
                         ::testing::Values(SignalCase{SIGTERM, false}, SignalCase{SIGINT, false},
                                           SignalCase{SIGHUP, false}, SignalCase{SIGTERM, true}));

TEST(Program, AnswersItsCommandLine) {
    const struct {
        QStringList args;
        bool display;
        int status;
        std::string out, errPart;
    } cases[] = {
        // No display needed to ask for help or the version.
        {{"--help"}, false, 0, "Usage: velmara", ""},
        {{"--version"}, false, 0, "velmara " VELMARA_VERSION "\n", ""},
        {{"--seed", "x"}, false, 2, "", "Usage: velmara"},
        // Found only after Qt has taken its own options out.
        {{"-platform", "offscreen", "--nonsense"}, false, 2, "", "unknown option --nonsense"},
        {{"extra"}, true, 2, "", "unexpected argument extra"},
    };
    for (const auto& c : cases) {
        QProcess p;
        QProcessEnvironment env = WithoutDisplay();
        if (c.display) env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(VELMARA_EXE, c.args);
        ASSERT_TRUE(p.waitForFinished(20000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.exitCode(), c.status) << c.args.join(' ').toStdString();
        const std::string out = p.readAllStandardOutput().toStdString();
        const std::string err = p.readAllStandardError().toStdString();
        EXPECT_TRUE(out.starts_with(c.out)) << out;
        if (c.out.empty()) {
            EXPECT_EQ(out, "");
        }
        EXPECT_NE(err.find(c.errPart), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace vel
