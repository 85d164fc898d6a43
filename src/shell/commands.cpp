#include "shell/commands.h"

namespace vel {

const char* MenuTitle(Menu m) {
    static constexpr const char* kTitles[kMenuCount] = {
        "コントロール(&C)", "オプション(&O)", "シミュレータ速度(&S)", "海図", "表示(&V)",
        "レーダー(&R)",     "セール(&L)",     "エンジン(&E)",         "アンカー(&A)", "ヘルプ(&H)"};
    return kTitles[static_cast<int>(m)];
}

const Command* FindCommand(int32_t id) {
    for (const Command& c : Commands())
        if (c.id == id) return &c;
    return nullptr;
}

Dialog DialogOf(const Command& c) {
    if (c.flags & kDesignDialog) return Dialog::Design;
    if (c.flags & kBearingDialog) return Dialog::Bearing;
    if (c.flags & kRadiusDialog) return Dialog::Radius;
    if (c.flags & kAboutBox) return Dialog::About;
    if (c.flags & kNmeaDialog) return Dialog::NmeaDestination;
    return Dialog::None;
}

CommandResult RunCommand(Game& g, int32_t id) {
    const Command* c = FindCommand(id);
    if (!c) return CommandResult::Unknown;
    if (!c->enabled(g)) return CommandResult::Disabled;
    c->run(g);
    switch (DialogOf(*c)) {
        case Dialog::None: break;
        case Dialog::About: return CommandResult::OpenDialog;
        default:
            // The picture stands still while the dialog is up.
            g.screenState.frozen = 1;
            return CommandResult::OpenDialog;
    }
    if (!(c->flags & kNoInvalidate)) g.screenState.frozen = 0;
    return (c->flags & kExit) ? CommandResult::Exit : CommandResult::Done;
}

}  // namespace vel
