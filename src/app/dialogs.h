#pragma once
#include <QWidget>
#include <string>

#include "common/game.h"
#include "shell/dialogs.h"

namespace vel {

// Opens a dialog modally over the window. The picture stands still until it
// closes; every button has written its field by then.
void RunDialog(QWidget* parent, Game& game, DialogId id);
void ShowAbout(QWidget* parent);

// The settings could not be saved on closing: names the file and the reason.
// True when the user asks to try again, false to close without saving.
bool AskRetrySave(QWidget* parent, const std::string& path, const std::string& why);

}  // namespace vel
