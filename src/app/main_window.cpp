#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/settings_file.h"
#include "app/view_widget.h"
#include "shell/commands.h"

namespace vel {

MainWindow::MainWindow(Game& game, std::string settingsPath, int startupScreenHeight)
    : game_(game), settingsPath_(std::move(settingsPath)) {
    setWindowTitle(QStringLiteral("Velmara"));
    view_ = new ViewWidget(game_, startupScreenHeight, this);
    setCentralWidget(view_);
    statusBar()->showMessage(QString());
    buildMenus();
    view_->setFocus();
}

void MainWindow::buildMenus() {
    QMenu* menus[kMenuCount] = {};
    // Menus appear in their fixed order; empty ones are left out.
    for (int m = 0; m < kMenuCount; ++m) {
        for (const Command& c : Commands()) {
            if (static_cast<int>(c.menu) != m) continue;
            if (!menus[m]) {
                menus[m] = menuBar()->addMenu(QString::fromUtf8(MenuTitle(c.menu)));
                QMenu* menu = menus[m];
                // Check marks and enabled states are refreshed as the menu opens.
                connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                    for (QAction* a : menu->actions()) {
                        const Command* cmd = FindCommand(a->data().toInt());
                        if (!cmd) continue;
                        a->setEnabled(cmd->enabled(game_));
                        if (cmd->checked) a->setChecked(cmd->checked(game_));
                    }
                });
            }
            if (c.flags & kSeparatorBefore && !menus[m]->actions().isEmpty()) menus[m]->addSeparator();
            QAction* a = menus[m]->addAction(QString::fromUtf8(c.text));
            a->setData(c.id);
            a->setStatusTip(QString::fromUtf8(c.prompt));
            a->setCheckable(c.checked != nullptr);
            const int id = c.id;
            connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
    }
}

void MainWindow::runCommand(int id) {
    switch (RunCommand(game_, id)) {
        case CommandResult::Exit: close(); return;
        case CommandResult::Done:
            if (game_.screenState.frozen == 0) view_->requestFrame();
            return;
        default: return;
    }
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    view_->setMenuBarHeight(menuBar()->height());
}

void MainWindow::closeEvent(QCloseEvent* e) {
    SaveSettingsFile(game_, settingsPath_);
    e->accept();
}

}  // namespace vel
