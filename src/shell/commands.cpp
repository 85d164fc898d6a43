#include "shell/commands.h"

#include "shell/input.h"

namespace vel {
namespace {

// Enabled rules, shared across rows.
bool OnTitle(const Game& g) { return g.screenState.phase == 0; }
bool InCruise(const Game& g) { return g.screenState.phase > 0; }
bool Always(const Game&) { return true; }

void Start(Game& g) { g.screenState.phase = 1; }
void Nothing(Game&) {}

constexpr Command kCommands[] = {
    {32771, Menu::Control, "クルージングスタート  (スペースバー)", Start, OnTitle, nullptr,
     "選んだオプションでクルーズを始めます"},
    {32774, Menu::Control, "次のクルーズ  &N", NextCruiseStep, InCruise, nullptr,
     "1回目で今までの成績を表示し、2回目でタイトル画面に戻ります", kSeparatorBefore},
    {57665, Menu::Control, "終了  &X", Nothing, Always, nullptr, "設定を保存してプログラムを終了します",
     kExit | kSeparatorBefore},
};

}  // namespace

const char* MenuTitle(Menu m) {
    static constexpr const char* kTitles[kMenuCount] = {
        "コントロール(&C)", "オプション(&O)", "シミュレータ速度(&S)", "海図", "表示(&V)",
        "レーダー(&R)",     "セール(&L)",     "エンジン(&E)",         "アンカー(&A)", "ヘルプ(&H)"};
    return kTitles[static_cast<int>(m)];
}

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(int32_t id) {
    for (const Command& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

CommandResult RunCommand(Game& g, int32_t id) {
    const Command* c = FindCommand(id);
    if (!c) return CommandResult::Unknown;
    if (!c->enabled(g)) return CommandResult::Disabled;
    c->run(g);
    if (!(c->flags & kNoInvalidate)) g.screenState.frozen = 0;
    return (c->flags & kExit) ? CommandResult::Exit : CommandResult::Done;
}

}  // namespace vel
