#pragma once
// The control panel's buttons as data: label, description, when the button
// is there, what a click does. The panel draws them; tests read them.
#include <span>

#include "common/game.h"

namespace vel {

struct PanelButtonRow {
    const char* label;
    const char* description;
    bool (*shown)(const Game&);  // nullptr: always there
    void (*act)(Game&);
    bool (*dark)(const Game&) = nullptr;               // label in black instead of yellow
    const char* (*describe)(const Game&) = nullptr;    // a description that follows the state
};

// The engine, sail and stopped buttons share one column; the state decides.
enum class ButtonColumn { Engine, Sails, Stopped };
ButtonColumn ColumnFor(const Game& g);

std::span<const PanelButtonRow> ViewButtons();
std::span<const PanelButtonRow> ColumnButtons(ButtonColumn c);
std::span<const PanelButtonRow> SpeedButtons();

inline bool ButtonShown(const PanelButtonRow& b, const Game& g) { return b.shown == nullptr || b.shown(g); }
inline const char* DescriptionOf(const PanelButtonRow& b, const Game& g) {
    return b.describe ? b.describe(g) : b.description;
}

// Frames for which the compass-save label stays dark after a save.
inline constexpr int32_t kSavedLabelFrames = 5;

}  // namespace vel
