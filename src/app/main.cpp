#include <QApplication>
#include <QDir>
#include <QEvent>
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
#include "app/window_state.h"
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

// Writes the window's size and maximised state when it closes, whichever
// way the close was asked for.
class WindowStateKeeper : public QObject {
public:
    WindowStateKeeper(QWidget& window, std::string path) : QObject(&window), window_(window), path_(std::move(path)) {
        window.installEventFilter(this);
    }

    // Restores the remembered size (within the screen) and shows the window.
    void show(const QScreen* screen) {
        const vel::WindowState s = vel::LoadWindowState(path_);
        QSize size(s.width, s.height);
        // Without a window manager "maximised" means nothing: start at the
        // screen's usable size so the picture is never drawn postage-stamp small.
        if (size.isEmpty() && screen) size = screen->availableGeometry().size();
        if (screen) size = size.boundedTo(screen->availableGeometry().size());
        if (!size.isEmpty()) window_.resize(size);
        if (s.maximised)
            window_.showMaximized();
        else
            window_.show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == &window_ && e->type() == QEvent::Close) {
            vel::WindowState s;
            s.maximised = window_.isMaximized();
            const QSize size = s.maximised ? window_.normalGeometry().size() : window_.size();
            s.width = size.width();
            s.height = size.height();
            vel::SaveWindowState(path_, s);
        }
        return false;
    }

private:
    QWidget& window_;
    std::string path_;
};

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
    const std::string settings = cl.settingsPath.value_or(vel::DefaultSettingsPath());
    vel::LoadSettingsFile(*game, settings);

    const QScreen* screen = QApplication::primaryScreen();
    const int screenHeight = screen ? screen->size().height() : 768;
    vel::MainWindow window(*game, settings, screenHeight);
    auto* keeper = new WindowStateKeeper(window, vel::WindowStatePath(settings));
    keeper->show(screen);

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
