#pragma once
#include <QWidget>

#include "common/game.h"
#include "shell/dialogs.h"

namespace vel {

// Opens a dialog modally over the window. The picture stands still until it
// closes; every button has written its field by then.
void RunDialog(QWidget* parent, Game& game, DialogId id);
void ShowAbout(QWidget* parent);

}  // namespace vel
