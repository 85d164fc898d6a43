#pragma once
// What the buttons of the design and plotting dialogs write. The window
// draws the dialogs; every button writes its field the moment it is pressed,
// so closing a dialog, by OK or by Cancel, only closes it.
#include <cstdint>
#include <optional>
#include <span>

#include "common/game.h"

namespace vel {

enum class DialogId { Design, BearingChoice, BearingEntry, RadiusChoice, RadiusEntry };

struct RadioChoice {
    const char* label;
    int32_t value;
    // A choice that opens a further dialog; its value is written when that
    // dialog closes if `afterNested`, else at once.
    std::optional<DialogId> opens = std::nullopt;
    bool afterNested = false;
};

struct RadioGroup {
    const char* title;  // nullptr: the buttons stand without a frame
    int32_t& (*field)(Game&);
    std::span<const RadioChoice> choices;
};

struct DialogForm {
    const char* title;
    std::span<const RadioGroup> groups;
};

const DialogForm& DialogFor(DialogId id);

// Presses button `choice` of group `group`; returns the dialog it opens.
std::optional<DialogId> PressRadio(Game& g, DialogId id, int group, int choice);
// The nested dialog opened by that button has closed.
void NestedDialogClosed(Game& g, DialogId id, int group, int choice);
// The button whose value the field holds now, or -1.
int CheckedChoice(Game& g, DialogId id, int group);

// The picture stands still while a dialog is open.
void DialogOpened(Game& g);
void DialogClosed(Game& g);

}  // namespace vel
