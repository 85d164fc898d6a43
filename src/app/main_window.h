#pragma once
#include <QMainWindow>
#include <QMenu>
#include <string>

#include "app/kept_file.h"
#include "app/window_state.h"
#include "common/game.h"

class QScreen;

namespace vel {

class ViewWidget;
struct Command;

// The main window: the menu bar built from the command table, the status bar
// with each item's prompt, and the one view. It keeps the settings file
// (already read into the game), the NMEA file and the window file beside it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Game& game, KeptFile settingsFile, int startupScreenHeight);

    // At the remembered size (within the screen), maximised if it was.
    void showRestored(const QScreen* screen);

    // Closes without asking anything when the settings cannot be saved: no
    // one may be at the window (a signal asked the program to end).
    void closeUnattended();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void buildMenus();
    QMenu* watched(QMenu* menu);
    void refresh(QMenu* menu);
    void runCommand(int id);
    void openDialog(const Command& c);
    void keepOnScreen();
    // Every kept file that may be replaced; false with the first failure.
    bool saveFiles(std::string& path, std::string& why) const;

    Game& game_;
    KeptFile settingsFile_;
    KeptFile nmeaFile_;
    KeptFile windowFile_;
    WindowState restored_;
    ViewWidget* view_;
    bool unattended_ = false;
};

}  // namespace vel
