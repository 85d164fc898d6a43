#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <QStatusBar>
#include <string_view>

#include "app/dialogs.h"
#include "app/nmea_dialog.h"
#include "app/nmea_output.h"
#include "app/settings_file.h"
#include "app/view_widget.h"
#include "app/window_state.h"
#include "shell/commands.h"

namespace vel {

MainWindow::MainWindow(Game& game, std::string settingsPath, int startupScreenHeight)
    : game_(game), settingsPath_(std::move(settingsPath)) {
    setWindowTitle(QStringLiteral("Velmara"));
    view_ = new ViewWidget(game_, startupScreenHeight, this);
    setCentralWidget(view_);
    statusBar()->showMessage(QString());
    LoadNmeaSettingsFile(game_, NmeaSettingsPath(settingsPath_));
    view_->nmea().setReport([this](const std::string& m) { statusBar()->showMessage(QString::fromStdString(m)); });
    buildMenus();
    view_->setFocus();
}

namespace {

// One menu's items, sub-menus grouped from consecutive rows that name one.
struct MenuBuild {
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    const char* submenuTitle = nullptr;
};

}  // namespace

// Leaving the maximised state, a window manager gives back the size the
// window was shown with before: the whole usable screen for its inside, so
// that the title bar pushes the status bar off the bottom. Once the window
// manager has placed it (at once, or a moment later: it answers in its own
// time), the window is brought back onto the screen.
void MainWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(e);
    if (!(change->oldState() & Qt::WindowMaximized) || isMaximized() || isFullScreen()) return;
    for (const int ms : {0, 250}) QTimer::singleShot(ms, this, [this] { keepOnScreen(); });
}

void MainWindow::keepOnScreen() {
    const QScreen* s = screen();
    if (!s || isMaximized()) return;
    const QRect outer = frameGeometry(), inner = geometry(), avail = s->availableGeometry();
    const WindowRect fit = FitOnScreen({outer.x(), outer.y(), outer.width(), outer.height()},
                                       {avail.x(), avail.y(), avail.width(), avail.height()});
    if (fit == WindowRect{outer.x(), outer.y(), outer.width(), outer.height()}) return;
    // The frame's borders stay as they are; the inside takes what is left.
    const int dw = outer.width() - inner.width(), dh = outer.height() - inner.height();
    resize(fit.width - dw, fit.height - dh);
    move(fit.x, fit.y);
}

void MainWindow::refresh(QMenu* menu) {
    for (QAction* a : menu->actions()) {
        if (a->menu()) continue;
        const Command* cmd = FindCommand(a->data().toInt());
        if (!cmd) continue;
        a->setEnabled(cmd->enabled(game_));
        if (cmd->checked) a->setChecked(cmd->checked(game_));
        if (cmd->flags & kStatusBarToggle) a->setChecked(statusBar()->isVisible());
    }
}

QMenu* MainWindow::watched(QMenu* menu) {
    // Check marks and enabled states are refreshed as the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { refresh(menu); });
    return menu;
}

void MainWindow::buildMenus() {
    MenuBuild menus[kMenuCount];
    // Menus appear in their fixed order; empty ones are left out.
    for (int m = 0; m < kMenuCount; ++m) {
        MenuBuild& b = menus[m];
        for (const Command& c : Commands()) {
            if (static_cast<int>(c.menu) != m) continue;
            if (!b.menu) b.menu = watched(menuBar()->addMenu(QString::fromUtf8(MenuTitle(c.menu))));
            const bool sameSubmenu = c.submenu && b.submenuTitle && std::string_view(c.submenu) == b.submenuTitle;
            if (!sameSubmenu) {
                if (c.flags & kSeparatorBefore && !b.menu->actions().isEmpty()) b.menu->addSeparator();
                b.submenu = c.submenu ? watched(b.menu->addMenu(QString::fromUtf8(c.submenu))) : nullptr;
                b.submenuTitle = c.submenu;
            } else if (c.flags & kSeparatorBefore) {
                b.submenu->addSeparator();
            }
            QMenu* into = b.submenu ? b.submenu : b.menu;
            QAction* a = into->addAction(QString::fromUtf8(c.text));
            a->setData(c.id);
            a->setStatusTip(QString::fromUtf8(c.prompt));
            a->setCheckable(c.checked != nullptr || (c.flags & kStatusBarToggle));
            const int id = c.id;
            connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
    }
}

void MainWindow::runCommand(int id) {
    const Command* c = FindCommand(id);
    switch (RunCommand(game_, id)) {
        case CommandResult::Exit: close(); return;
        case CommandResult::OpenDialog: openDialog(*c); break;
        case CommandResult::Done:
            if (c->flags & kStatusBarToggle) statusBar()->setVisible(!statusBar()->isVisible());
            break;
        default: return;
    }
    if (game_.screenState.frozen == 0) view_->requestFrame();
}

void MainWindow::openDialog(const Command& c) {
    switch (DialogOf(c)) {
        case Dialog::Design: RunDialog(this, game_, DialogId::Design); break;
        case Dialog::Bearing: RunDialog(this, game_, DialogId::BearingChoice); break;
        case Dialog::Radius: RunDialog(this, game_, DialogId::RadiusChoice); break;
        case Dialog::About: ShowAbout(this); break;
        case Dialog::NmeaDestination:
            if (const std::string status = RunNmeaDialog(this, game_); !status.empty()) {
                statusBar()->showMessage(QString::fromStdString(status));
                SaveNmeaSettingsFile(game_, NmeaSettingsPath(settingsPath_));
            }
            break;
        case Dialog::None: break;
    }
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    view_->setMenuBarHeight(menuBar()->height());
}

void MainWindow::closeUnattended() {
    unattended_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // A failed save is told on stderr in any case; a user at the window may
    // also free space or fix the folder and try again.
    std::string why;
    while (!SaveSettingsFile(game_, settingsPath_, &why) && !unattended_ && AskRetrySave(this, settingsPath_, why)) {
    }
    SaveNmeaSettingsFile(game_, NmeaSettingsPath(settingsPath_));
    e->accept();
}

}  // namespace vel
