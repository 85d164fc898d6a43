#include <QApplication>
#include <QScreen>
#include <memory>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "common/game.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmara"));

    // The whole state lives on the heap: the area tables are large.
    auto game = std::make_unique<vel::Game>();
    const std::string settings = vel::DefaultSettingsPath();
    vel::LoadSettingsFile(*game, settings);

    const QScreen* screen = QApplication::primaryScreen();
    const int screenHeight = screen ? screen->size().height() : 768;
    vel::MainWindow window(*game, settings, screenHeight);
    // Without a window manager "maximised" means nothing: start at the
    // screen's usable size so the picture is never drawn postage-stamp small.
    if (screen) window.resize(screen->availableGeometry().size());
    window.showMaximized();
    return QApplication::exec();
}
