#pragma once
#include <QMainWindow>
#include <QMenu>
#include <string>

#include "common/game.h"

namespace vel {

class ViewWidget;
struct Command;

// The main window: the menu bar built from the command table, the status bar
// with each item's prompt, and the one view.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Game& game, std::string settingsPath, int startupScreenHeight);

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

    Game& game_;
    std::string settingsPath_;
    ViewWidget* view_;
    bool unattended_ = false;
};

}  // namespace vel
