#pragma once
// One table of menu commands: the menu bar, the keys that mirror menu items,
// the harness and the tests all go through it.
#include <cstdint>
#include <span>

#include "common/game.h"

namespace vel {

enum class Menu { Control, Options, Speed, Chart, View, Radar, Sails, Engine, Anchor, Help };

enum CommandFlags : uint32_t {
    kNone = 0,
    kNoInvalidate = 1u << 0,  // leaves a frozen picture frozen
    kExit = 1u << 1,          // the window closes (the settings are saved then)
    kSeparatorBefore = 1u << 2,
    kDesignDialog = 1u << 3,  // the window opens a dialog; see DialogOf
    kBearingDialog = 1u << 4,
    kRadiusDialog = 1u << 5,
    kAboutBox = 1u << 6,
    kStatusBarToggle = 1u << 7,  // the window shows or hides its status bar
    kNmeaDialog = 1u << 8,       // the destination of the NMEA output
};

struct Command {
    int32_t id;
    Menu menu;
    const char* submenu;  // nullptr: directly in the menu
    const char* text;
    void (*run)(Game&);
    bool (*enabled)(const Game&);
    bool (*checked)(const Game&);  // nullptr: never checked
    const char* prompt;
    uint32_t flags = kNone;
};

// The menu bar's titles, in Menu order.
const char* MenuTitle(Menu m);
inline constexpr int kMenuCount = 10;

std::span<const Command> Commands();
const Command* FindCommand(int32_t id);

enum class Dialog { None, Design, Bearing, Radius, About, NmeaDestination };
Dialog DialogOf(const Command& c);

enum class CommandResult { Done, Disabled, Unknown, Exit, OpenDialog };
// Runs a command as the menu would: only while enabled; then unfreezes the
// frame loop unless the row says otherwise. A dialog command freezes the
// picture instead: the window opens the dialog and calls DialogClosed.
CommandResult RunCommand(Game& g, int32_t id);

}  // namespace vel
