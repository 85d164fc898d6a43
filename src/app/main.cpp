#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QSessionManager>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/exit_signals.h"
#include "app/main_window.h"
#include "app/settings_file.h"
#include "common/game.h"

namespace {

std::vector<std::string> Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

// Every size the build rendered from the SVG icon.
QIcon ProgramIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& size : sizes.entryList(QDir::Dirs))
        icon.addFile(sizes.filePath(size + QStringLiteral("/" VELMARA_APP_ID ".png")));
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    vel::CatchExitSignals();

    // Help, version and bad values of our options need no display: answer
    // them before Qt starts. What is left once Qt has taken its own options
    // must all be ours.
    vel::CommandLine cl = vel::ParseCommandLine(Arguments(argc, argv), vel::UnknownArguments::Skip);
    if (const int status = vel::ReportCommandLine(cl, std::cout, std::cerr); status >= 0) return status;
    QApplication app(argc, argv);
    cl = vel::ParseCommandLine(Arguments(argc, argv), vel::UnknownArguments::Reject);
    if (const int status = vel::ReportCommandLine(cl, std::cout, std::cerr); status >= 0) return status;

    QApplication::setApplicationName(QStringLiteral("velmara"));
    QApplication::setApplicationVersion(QStringLiteral(VELMARA_VERSION));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets a Wayland compositor match the window to the launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMARA_APP_ID));

    // The whole state lives on the heap: the area tables are large.
    auto game = std::make_unique<vel::Game>();
    game->forcedSeed = cl.seed;
    vel::KeptFile settings(cl.settingsPath.value_or(vel::DefaultSettingsPath()));
    vel::LoadSettingsFile(*game, settings);

    const QScreen* screen = QApplication::primaryScreen();
    const int screenHeight = screen ? screen->size().height() : 768;
    vel::MainWindow window(*game, std::move(settings), screenHeight);
    window.showRestored(screen);

    // A signal or the end of the desktop session closes the windows the
    // usual way, so the close handler saves the settings.
    vel::ExitSignalNotifier exitSignals;
    QObject::connect(&exitSignals, &vel::ExitSignalNotifier::exitRequested, &app, [&window] {
        window.closeUnattended();
        QApplication::closeAllWindows();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&window](QSessionManager& manager) {
        QApplication::closeAllWindows();
        if (window.isVisible()) manager.cancel();
    });
    return QApplication::exec();
}
