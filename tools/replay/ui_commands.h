#pragma once
#include "replay/script.h"

namespace vel::replay {

// Every menu command with its state as the menu would show it now:
// "ID enabled checked", one per line.
int MenuStates(Session& s, Args args);

}  // namespace vel::replay
