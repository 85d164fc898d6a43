#include "replay/ui_commands.h"

#include "shell/commands.h"

namespace vel::replay {

int MenuStates(Session& s, Args) {
    for (const Command& c : Commands()) {
        const bool checked = c.checked && c.checked(*s.game);
        *s.out << c.id << " " << (c.enabled(*s.game) ? 1 : 0) << " " << (checked ? 1 : 0) << "\n";
    }
    return kOk;
}

}  // namespace vel::replay
