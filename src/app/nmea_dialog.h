#pragma once
#include <QWidget>
#include <string>

#include "common/game.h"

namespace vel {

// Asks for the destination of the NMEA output. The picture stands still while
// it is open. Returns the line for the status bar; empty when cancelled.
std::string RunNmeaDialog(QWidget* parent, Game& game);

}  // namespace vel
